#include "calculators/building/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tornavel;
using namespace Qt::StringLiterals;

// The calculators index these tables by list row, so their sizes are fixed.
static_assert(RafterSpanLimits.size() == 8);
static_assert(RafterSectionNames.size() == 7 && RafterSectionNamesInch.size() == 7);
static_assert(RafterLoadClasses.size() == 3 && RafterSpacings.size() == 168);

TEST(BuildingTables, RafterNames)
{
    EXPECT_EQ(RafterSectionNames.items(),
              QStringList({u"6/10"_s, u"8/10"_s, u"6/12"_s, u"8/12"_s, u"8/14"_s, u"8/16"_s,
                           u"10/18"_s}));
    EXPECT_EQ(RafterSectionNamesInch.at(0), u"2.36/3.94"_s);
    EXPECT_EQ(RafterSectionNamesInch.at(4), u"3.15/5.51"_s);
    EXPECT_EQ(RafterSectionNamesInch.at(6), u"3.94/7.09"_s);
    EXPECT_EQ(RafterLoadClasses.items(), QStringList({u"200"_s, u"250"_s, u"300"_s}));
}

TEST(BuildingTables, SpanClassIsTheFirstLimitNotBelowTheSpan)
{
    EXPECT_EQ(RafterSpanClass(50), 0);
    EXPECT_EQ(RafterSpanClass(175), 0);
    EXPECT_EQ(RafterSpanClass(175.5), 1);
    EXPECT_EQ(RafterSpanClass(176), 1);
    EXPECT_EQ(RafterSpanClass(240), 3);
    EXPECT_EQ(RafterSpanClass(254), 4);
    EXPECT_EQ(RafterSpanClass(300), 5);
    EXPECT_EQ(RafterSpanClass(350.01), 7);
    EXPECT_EQ(RafterSpanClass(400), 7);
}

TEST(BuildingTables, SpanAboveTheLastLimitIsRefused)
{
    EXPECT_FALSE(RafterSpanClass(400.1));
    EXPECT_FALSE(RafterSpanClass(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RafterSpanClass(std::nan("")));
}

TEST(BuildingTables, RafterSpacingsByClassSectionAndLoad)
{
    EXPECT_EQ(RafterSpacing(0, 0, 0), 115.0);
    EXPECT_EQ(RafterSpacing(1, 0, 0), 75.0); // span 176
    for (int load = 0; load < 3; ++load)
        EXPECT_EQ(RafterSpacing(7, 0, load), NoRafterSpacing);
    EXPECT_EQ(RafterSpacing(0, 3, 0), NoRafterSpacing);
    EXPECT_EQ(RafterSpacing(0, 3, 2), 180.0);
    EXPECT_EQ(RafterSpacing(5, 4, 1), 65.0);
    EXPECT_EQ(RafterSpacing(7, 6, 2), 60.0);

    // Span class 5, load "250", sections in order.
    const double column[] = {-1, -1, 30, 40, 65, 100, 180};
    for (int s = 0; s < 7; ++s)
        EXPECT_EQ(RafterSpacing(5, s, 1), column[s]) << s;

    // The values do not grow with the section everywhere.
    EXPECT_EQ(RafterSpacing(3, 0, 0), 50.0);
    EXPECT_EQ(RafterSpacing(3, 1, 0), 40.0);

    // Span 400, load "300": only "10/18" has a value.
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(RafterSpacing(7, s, 2), NoRafterSpacing) << s;

    EXPECT_EQ(RafterSpacings.at(0), 115.0);
    EXPECT_EQ(RafterSpacings.at(167), 60.0);
}

TEST(BuildingTables, RafterSpacingRefusesEachIndexOutOfItsOwnRange)
{
    EXPECT_FALSE(RafterSpacing(8, 0, 0));
    EXPECT_FALSE(RafterSpacing(-1, 0, 0));
    // Section 7 of class 0 and load 3 of section 0 would alias cells of the
    // next class or section inside the flat table.
    EXPECT_FALSE(RafterSpacing(0, 7, 0));
    EXPECT_FALSE(RafterSpacing(0, 0, 3));
    EXPECT_FALSE(RafterSpacing(0, -1, 2));
    EXPECT_FALSE(RafterSpacing(1, 0, -1));
    EXPECT_FALSE(RafterSpacings.at(168));
    EXPECT_FALSE(RafterSpacings.at(-1));
    EXPECT_FALSE(RafterSpanLimits.at(8));
    EXPECT_FALSE(RafterSectionNames.at(7));
    EXPECT_FALSE(RafterLoadClasses.at(3));
}

TEST(BuildingTables, SmallListsAndTheirValues)
{
    EXPECT_EQ(ConcreteTypeNames.items(),
              QStringList({u"Fondations, scellements..."_s, u"Mortier"_s, u"Tous usages"_s}));
    EXPECT_EQ(ConcreteTypeShortNames.at(0), u"Fondations"_s);

    EXPECT_EQ(SurfaceTypeNames.at(0), u"Crépi/brique"_s);
    EXPECT_EQ(SurfaceTypeNames.at(4), u"Plâtre"_s);
    EXPECT_EQ(SurfaceCoatFactors.at(1), 3.0);
    EXPECT_EQ(SurfaceCoatFactors.at(4), 1.0);

    EXPECT_EQ(LayingPatternNames.items(), QStringList({u"Pose droite"_s, u"Pose diagonale"_s}));

    EXPECT_FALSE(ConcreteTypeNames.at(3));
    EXPECT_FALSE(SurfaceCoatFactors.at(5));
    EXPECT_FALSE(LayingPatternNames.at(2));
}
