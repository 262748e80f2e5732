#include "core/tables.h"

#include <climits>
#include <cmath>

namespace tornavel {

namespace {

// Builds one column of a table of rows, so that parallel tables (name, short
// name, value) can be written row by row.
template <typename Out, int N, typename Row, typename Field>
constexpr std::array<Out, N> Column(const std::array<Row, N>& rows, Field field)
{
    std::array<Out, N> column{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        column[i] = field(rows[i]);
    return column;
}

// ---------------------------------------------------------------------------
// Materials
// ---------------------------------------------------------------------------

struct MaterialRow {
    QStringView name;
    QStringView shortName;
    double density; // kg per dm3

    constexpr MaterialRow(QStringView n, double d) : name(n), shortName(n), density(d) {}
    constexpr MaterialRow(QStringView n, QStringView s, double d) : name(n), shortName(s), density(d) {}
};

constexpr std::array<MaterialRow, MaterialCount> MaterialRows{{
    // 0
    {u"Acajou d'Afrique", 0.5},
    {u"Acajou d'Amérique", 0.65},
    {u"Acier", 7.86},
    {u"Aluminium", 2.7},
    {u"Aniegre", 0.55},
    {u"Anthracite", 1.5},
    {u"Ardoise", 2.79},
    {u"Argent", 10.5},
    {u"Asphalte", 1.15},
    {u"Aulne", 0.525},
    // 10
    {u"Avodire", 0.55},
    {u"Bahia", 0.55},
    {u"Basalte", 2.99},
    {u"Bauxite", 2.45},
    {u"Béton", 2.4},
    {u"Brique", 1.5},
    {u"Calcium", 1.55},
    {u"Carbone", 2.26},
    {u"Charbon de bois", 0.335},
    {u"Châtaignier", 0.65},
    // 20
    {u"Chaux", 0.5},
    {u"Chêne", 0.725},
    {u"Chrome", 7.19},
    {u"Ciment", 3.15},
    {u"Craie", 2.01},
    {u"Cuivre", 8.96},
    {u"Cyprès", 0.45},
    {u"Diamant", 3.52},
    {u"Diorite", 2.85},
    {u"Diorite quartzeuse", 2.79},
    // 30
    {u"Eau de mer", 1.03},
    {u"Ebènes", 1.1},
    {u"Erables", 0.695},
    {u"Etain", 7.31},
    {u"Eucalyptus", 0.725},
    {u"Framiré", 0.525},
    {u"Frêne", 0.7},
    {u"Granite", 2.64},
    {u"Graphite", 2.15},
    {u"Gravier", 1.8},
    // 40
    {u"Gypse", 2.35},
    {u"Hêtre", 0.675},
    {u"Houille grasse", 1.32},
    {u"If", 0.725},
    {u"Iode", 4.93},
    {u"Iroko", 0.675},
    {u"Kaori", 0.525},
    {u"Kosipo", 0.75},
    {u"Koto", 0.675},
    {u"Laine de bois", u"Laine bois", 0.15},
    // 50
    {u"Laine de chanvre en rouleau", u"Laine chanvre", 0.025},
    {u"Laine de roche en vrac", u"Laine roche vrac", 0.025},
    {u"Laine de roche pour sol", u"Laine roche sol", 0.13},
    {u"Laine roche en rouleau", u"Laine roche rouleau", 0.018},
    {u"Laine roche semi lourde", 0.07},
    {u"Laine verre en rouleau", 0.018},
    {u"Laine verre semi lourde", 0.07},
    {u"Lauans", 0.6},
    {u"Lignite", 1.19},
    {u"Limba", 0.55},
    // 60
    {u"Magnésium", 1.74},
    {u"Makore", 0.7},
    {u"Manganèse", 7.43},
    {u"Marbre", 2.75},
    {u"Merantis", 0.725},
    {u"Mercure", 13.55},
    {u"Merisier", 0.65},
    {u"Movingui", 0.7},
    {u"Neige", 0.125},
    {u"Nickel", 8.9},
    // 70
    {u"Noyer", 0.625},
    {u"Obsidienne", 2.3},
    {u"Okoumé", 0.45},
    {u"Olivier", 0.985},
    {u"Or", 19.3},
    {u"Orme", 0.75},
    {u"Ouate de cellulose", u"Ouate cellulose", 0.055},
    {u"Palissandres", 0.875},
    {u"Perlite expansée", 0.09},
    {u"Pétrole leger", 0.6},
    // 80
    {u"Pétrole lourd", 0.9},
    {u"Peuplier", 0.5},
    {u"Phosphore", 1.82},
    {u"Pin d'Orégon", 0.575},
    {u"Pin des landes", 0.575},
    {u"Pin des landes (germé)", 0.775},
    {u"Pin sylvestre", 0.55},
    {u"Plomb", 11.35},
    {u"Polystyrène expansé", 0.018},
    {u"Polystyrène extrudé", 0.035},
    // 90
    {u"Polyuréthane", 0.035},
    {u"Potassium", 0.86},
    {u"Quartz", 2.65},
    {u"Ramin", 0.675},
    {u"Rhyolite vitreuse", 2.24},
    {u"Sable", 1.5},
    {u"Sable de quartz", 2.5},
    {u"Sel gemme", 2.22},
    {u"Serpentine", 2.78},
    {u"Silicium", 2.33},
    // 100
    {u"Sodium", 0.97},
    {u"Soufre", 2.07},
    {u"Talc", 2.71},
    {u"Titane", 4.54},
    {u"Tourbe", 1.05},
    {u"Tungstène", 19.35},
    {u"Zinc", 7.13},
}};

// ---------------------------------------------------------------------------
// Electrical circuits
// ---------------------------------------------------------------------------

struct CircuitRowText {
    QStringView name;
    QStringView shortName;
    std::int32_t maxPoints;

    constexpr CircuitRowText(QStringView n, std::int32_t p) : name(n), shortName(n), maxPoints(p) {}
    constexpr CircuitRowText(QStringView n, QStringView s, std::int32_t p) : name(n), shortName(s), maxPoints(p) {}
};

constexpr std::array<CircuitRowText, CircuitCount> CircuitRows{{
    {u"Eclairage", 8},
    {u"Prises commandées", 8},
    {u"Volets", 1},
    {u"VMC (ventil. méca. contrôlée)", u"VMC", 1},
    {u"Circuit de tarification", u"Tarification", 1},
    {u"Fil pilote", 1},
    {u"Cir. de gestion de l'énergie", u"Gestion énergie", 1},
    {u"Prises de courant 16 A", u"Prises 16A", 8},
    {u"Chauffe-eau à accumulation", u"Chauffe-eau", 1},
    {u"Circuit lave-linge", u"Lave-linge", 1},
    {u"Circuit seche-linge", 1},
    {u"Circuit lave-vaisselle", u"Lave-vaisselle", 1},
    {u"Circuit four", u"Four", 1},
    {u"Circuit congélateur", u"Congélateur", 1},
    {u"Circuit cuisinière monophasé", u"Cuisinière monophasé", 1},
    {u"Cir. plaque cuis. monophasé", u"Plaque cuisson monophasé", 1},
    {u"Circuit cuisinière triphasé", u"Cuisinière triphasé", 1},
    {u"Cir. plaque cuisson triphasé", u"Plaque cuisson triphasé", 1},
}};

struct CircuitValues {
    double wireSection; // mm2
    std::int32_t fuse;  // A, or NoFuseRating
    std::int32_t breaker; // A
};

constexpr std::array<CircuitValues, CircuitRowCount> CircuitValueRows{{
    {1.5, 10, 16},           // 0  lighting
    {1.5, 10, 16},           // 1
    {1.5, 10, 16},           // 2
    {1.5, NoFuseRating, 2},  // 3
    {1.5, NoFuseRating, 2},  // 4
    {1.5, NoFuseRating, 2},  // 5
    {1.5, NoFuseRating, 2},  // 6
    {1.5, NoFuseRating, 16}, // 7  16 A sockets, at most 5 points
    {2.5, 16, 20},           // 8  16 A sockets, more than 5 points
    {2.5, 16, 20},           // 9  circuit 8
    {2.5, 16, 20},           // 10
    {2.5, 16, 20},           // 11
    {2.5, 16, 20},           // 12
    {2.5, 16, 20},           // 13
    {2.5, 16, 20},           // 14
    {6.0, 32, 32},           // 15 circuit 14
    {6.0, 32, 32},           // 16 circuit 15
    {2.5, 16, 20},           // 17
    {2.5, 16, 20},           // 18 circuit 17
}};

constexpr int SocketCircuit = 7;          // the circuit with two rows
constexpr int SocketCircuitMaxSmallRow = 5; // points still on the first row

} // namespace

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
// Materials
// ---------------------------------------------------------------------------

constinit const TextTable<MaterialCount> MaterialNames{
    Column<QStringView, MaterialCount>(MaterialRows, [](const MaterialRow& r) { return r.name; })};

constinit const TextTable<MaterialCount> MaterialShortNames{
    Column<QStringView, MaterialCount>(MaterialRows, [](const MaterialRow& r) { return r.shortName; })};

constinit const Table<double, MaterialCount> MaterialDensities{
    Column<double, MaterialCount>(MaterialRows, [](const MaterialRow& r) { return r.density; })};

// ---------------------------------------------------------------------------
// Electrical circuits
// ---------------------------------------------------------------------------

constinit const TextTable<CircuitCount> CircuitNames{
    Column<QStringView, CircuitCount>(CircuitRows, [](const CircuitRowText& r) { return r.name; })};

constinit const TextTable<CircuitCount> CircuitShortNames{
    Column<QStringView, CircuitCount>(CircuitRows, [](const CircuitRowText& r) { return r.shortName; })};

constinit const Table<std::int32_t, CircuitCount> CircuitMaxPoints{
    Column<std::int32_t, CircuitCount>(CircuitRows, [](const CircuitRowText& r) { return r.maxPoints; })};

constinit const Table<double, CircuitRowCount> CircuitWireSections{
    Column<double, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.wireSection; })};

constinit const Table<std::int32_t, CircuitRowCount> CircuitFuseRatings{
    Column<std::int32_t, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.fuse; })};

constinit const Table<std::int32_t, CircuitRowCount> CircuitBreakerRatings{
    Column<std::int32_t, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.breaker; })};

std::optional<int> CircuitRow(int circuit, int points)
{
    if (circuit < 0 || circuit >= CircuitCount)
        return std::nullopt;
    if (circuit < SocketCircuit)
        return circuit;
    if (circuit == SocketCircuit)
        return points > SocketCircuitMaxSmallRow ? SocketCircuit + 1 : SocketCircuit;
    return circuit + 1;
}

constinit const TextTable<PhaseCount> PhaseNames{{u"Monophasé", u"Triphasé"}};

// ---------------------------------------------------------------------------
// Converter units, laying patterns, polygon sides
// ---------------------------------------------------------------------------

constinit const TextTable<VolumeUnitCount> VolumeUnitNames{{u"cm3", u"dm3 (litre)", u"m3"}};

constinit const TextTable<TemperatureUnitCount> TemperatureUnitNames{{
    u"Celsius", u"Kelvin", u"Fahrenheit"}};

constinit const TextTable<CapacityUnitCount> CapacityUnitNames{{
    u"dm3 (litre)", u"Seau", u"Brouette", u"m3"}};

constinit const TextTable<CapacityUnitCount> CapacityUnitShortNames{{
    u"dm3", u"Seau", u"Brouette", u"m3"}};

constinit const Table<double, CapacityUnitCount> CapacityLitres{{1, 12, 90, 1000}};

constinit const TextTable<LayingPatternCount> LayingPatternNames{{
    u"Pose droite", u"Pose diagonale"}};

constinit const Table<std::int32_t, PolygonSideRowCount> PolygonSides{{5, 6}};

// ---------------------------------------------------------------------------
// Stored choices
// ---------------------------------------------------------------------------

std::optional<int> TruncatedIndex(double storedValue)
{
    if (!std::isfinite(storedValue))
        return std::nullopt;
    const double whole = std::trunc(storedValue);
    if (whole < static_cast<double>(INT_MIN) || whole > static_cast<double>(INT_MAX))
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace tornavel
