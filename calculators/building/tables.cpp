#include "calculators/building/tables.h"

namespace tornavel {

// ---------------------------------------------------------------------------
// Rafters
// ---------------------------------------------------------------------------

constinit const TextTable<RafterSectionCount> RafterSectionNames{{
    u"6/10", u"8/10", u"6/12", u"8/12", u"8/14", u"8/16", u"10/18"}};

constinit const TextTable<RafterSectionCount> RafterSectionNamesInch{{
    u"2.36/3.94", u"3.15/3.94", u"2.36/4.72", u"3.15/4.72", u"3.15/5.51", u"3.15/6.30", u"3.94/7.09"}};

constinit const TextTable<RafterLoadClassCount> RafterLoadClasses{{u"200", u"250", u"300"}};

constinit const Table<double, RafterSpanClassCount> RafterSpanLimits{{
    175, 200, 225, 250, 275, 300, 350, 400}};

// One line per span class; in each line, the seven sections from "6/10" to
// "10/18", each with the loads 200, 250 and 300.
constinit const Table<double, RafterSpacingCount> RafterSpacings{{
    // span class 0, up to 175 cm
    115,  90,  75,  155, 125, 100,  200, 160, 135,   -1,  -1, 180,   -1,  -1, 285,   -1,  -1,  -1,   -1,  -1,  -1,
    // span class 1, up to 200 cm
     75,  60,  50,  100,  80,  70,  135, 105,  90,   -1, 140, 120,   -1, 225, 190,   -1,  -1, 285,   -1,  -1,  -1,
    // span class 2, up to 225 cm
     55,  40,  35,   70,  55,  45,   95,  75,  60,  125, 100,  85,  200, 160, 130,   -1, 240, 145,   -1,  -1,  -1,
    // span class 3, up to 250 cm
     50,  40,  -1,   40,  35,  30,   65,  55,  45,   90,  70,  60,  145, 115,  95,  215, 175, 110,   -1,  -1, 260,
    // span class 4, up to 275 cm
     30,  -1,  -1,   40,  30,  -1,   50,  40,  35,   70,  55,  45,  110,  85,  70,  165, 130,  85,   -1, 230, 195,
    // span class 5, up to 300 cm
     -1,  -1,  -1,   30,  -1,  -1,   40,  30,  -1,   50,  40,  35,   85,  65,  55,  125, 100,  50,  225, 180, 150,
    // span class 6, up to 350 cm
     -1,  -1,  -1,   -1,  -1,  -1,   -1,  -1,  -1,   45,  -1,  -1,   50,  40,  35,   75,  60,  35,  140, 110,  95,
    // span class 7, up to 400 cm
     -1,  -1,  -1,   -1,  -1,  -1,   -1,  -1,  -1,   -1,  -1,  -1,   35,  -1,  -1,   50,  40,  -1,   95,  75,  60,
}};

std::optional<int> RafterSpanClass(double spanCm)
{
    // A span equal to a limit belongs to that limit's class. A span that is
    // not a number passes no comparison and finds no class.
    for (int k = 0; k < RafterSpanClassCount; ++k) {
        if (spanCm <= *RafterSpanLimits.at(k))
            return k;
    }
    return std::nullopt;
}

std::optional<double> RafterSpacing(int spanClass, int section, int loadClass)
{
    // Each index is checked on its own: a section or load class out of its
    // range could otherwise land on a cell of another span class.
    if (spanClass < 0 || spanClass >= RafterSpanClassCount || section < 0
        || section >= RafterSectionCount || loadClass < 0 || loadClass >= RafterLoadClassCount)
        return std::nullopt;
    return RafterSpacings.at(RafterSectionCount * RafterLoadClassCount * spanClass
                             + RafterLoadClassCount * section + loadClass);
}

// ---------------------------------------------------------------------------
// Concrete, surfaces
// ---------------------------------------------------------------------------

constinit const TextTable<ConcreteTypeCount> ConcreteTypeNames{{
    u"Fondations, scellements...", u"Mortier", u"Tous usages"}};

constinit const TextTable<ConcreteTypeCount> ConcreteTypeShortNames{{
    u"Fondations", u"Mortier", u"Tous usages"}};

constinit const TextTable<SurfaceTypeCount> SurfaceTypeNames{{
    u"Crépi/brique", u"Parpaing", u"Papier peint", u"Fibre de verre", u"Plâtre"}};

constinit const Table<double, SurfaceTypeCount> SurfaceCoatFactors{{2, 3, 2, 2, 1}};

// ---------------------------------------------------------------------------
// Laying patterns
// ---------------------------------------------------------------------------

constinit const TextTable<LayingPatternCount> LayingPatternNames{{
    u"Pose droite", u"Pose diagonale"}};

} // namespace tornavel
