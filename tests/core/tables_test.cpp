#include "core/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using namespace tornavel;
using namespace Qt::StringLiterals;

// The calculators index these tables by list row, so their sizes are fixed.
static_assert(RafterSpanLimits.size() == 8);
static_assert(RafterSectionNames.size() == 7 && RafterSectionNamesInch.size() == 7);
static_assert(RafterLoadClasses.size() == 3 && RafterSpacings.size() == 168);
static_assert(MaterialNames.size() == 107 && MaterialShortNames.size() == 107
              && MaterialDensities.size() == 107);
static_assert(CircuitNames.size() == 18 && CircuitShortNames.size() == 18
              && CircuitMaxPoints.size() == 18);
static_assert(CircuitWireSections.size() == 19 && CircuitFuseRatings.size() == 19
              && CircuitBreakerRatings.size() == 19);

TEST(Tables, RafterNames)
{
    EXPECT_EQ(RafterSectionNames.items(),
              QStringList({u"6/10"_s, u"8/10"_s, u"6/12"_s, u"8/12"_s, u"8/14"_s, u"8/16"_s,
                           u"10/18"_s}));
    EXPECT_EQ(RafterSectionNamesInch.at(0), u"2.36/3.94"_s);
    EXPECT_EQ(RafterSectionNamesInch.at(4), u"3.15/5.51"_s);
    EXPECT_EQ(RafterSectionNamesInch.at(6), u"3.94/7.09"_s);
    EXPECT_EQ(RafterLoadClasses.items(), QStringList({u"200"_s, u"250"_s, u"300"_s}));
}

TEST(Tables, SpanClassIsTheFirstLimitNotBelowTheSpan)
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

TEST(Tables, SpanAboveTheLastLimitIsRefused)
{
    EXPECT_FALSE(RafterSpanClass(400.1));
    EXPECT_FALSE(RafterSpanClass(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RafterSpanClass(std::nan("")));
}

TEST(Tables, RafterSpacingsByClassSectionAndLoad)
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

TEST(Tables, RafterSpacingRefusesEachIndexOutOfItsOwnRange)
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

TEST(Tables, CircuitNamesAndMaximumPoints)
{
    EXPECT_EQ(CircuitNames.at(0), u"Eclairage"_s);
    EXPECT_EQ(CircuitShortNames.at(0), u"Eclairage"_s);
    EXPECT_EQ(CircuitNames.at(3), u"VMC (ventil. méca. contrôlée)"_s);
    EXPECT_EQ(CircuitShortNames.at(3), u"VMC"_s);
    EXPECT_EQ(CircuitShortNames.at(7), u"Prises 16A"_s);
    EXPECT_EQ(CircuitShortNames.at(10), u"Circuit seche-linge"_s);
    EXPECT_EQ(CircuitNames.at(17), u"Cir. plaque cuisson triphasé"_s);
    EXPECT_EQ(CircuitShortNames.at(17), u"Plaque cuisson triphasé"_s);
    for (int c = 0; c < CircuitCount; ++c)
        EXPECT_EQ(CircuitMaxPoints.at(c), (c == 0 || c == 1 || c == 7) ? 8 : 1) << c;
    EXPECT_FALSE(CircuitNames.at(18));
    EXPECT_FALSE(CircuitMaxPoints.at(18));
}

TEST(Tables, EighteenCircuitsMapToNineteenRows)
{
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(CircuitRow(c, 1), c);
    EXPECT_EQ(CircuitRow(7, 1), 7);
    EXPECT_EQ(CircuitRow(7, 5), 7);
    EXPECT_EQ(CircuitRow(7, 6), 8);
    EXPECT_EQ(CircuitRow(7, 8), 8);
    for (int c = 8; c < 18; ++c)
        EXPECT_EQ(CircuitRow(c, 1), c + 1);
    EXPECT_FALSE(CircuitRow(18, 1)) << "row 19 lies outside the value tables";
    EXPECT_FALSE(CircuitRow(-1, 1));

    // 16 A sockets: up to 5 points 1.5 mm2, no fuse, 16 A; from 6 points
    // 2.5 mm2, 16 A fuse, 20 A breaker.
    EXPECT_EQ(CircuitWireSections.at(7), 1.5);
    EXPECT_EQ(CircuitFuseRatings.at(7), NoFuseRating);
    EXPECT_EQ(CircuitBreakerRatings.at(7), 16);
    EXPECT_EQ(CircuitWireSections.at(8), 2.5);
    EXPECT_EQ(CircuitFuseRatings.at(8), 16);
    EXPECT_EQ(CircuitBreakerRatings.at(8), 20);
    // The water heater (circuit 8) reads row 9.
    EXPECT_EQ(CircuitWireSections.at(*CircuitRow(8, 1)), 2.5);
    EXPECT_EQ(CircuitBreakerRatings.at(*CircuitRow(8, 1)), 20);
    // Single-phase cookers: 6 mm2, 32 A.
    EXPECT_EQ(CircuitWireSections.at(*CircuitRow(14, 1)), 6.0);
    EXPECT_EQ(CircuitFuseRatings.at(*CircuitRow(15, 1)), 32);
    EXPECT_EQ(CircuitWireSections.at(0), 1.5);
    EXPECT_EQ(CircuitFuseRatings.at(0), 10);
    EXPECT_EQ(CircuitBreakerRatings.at(18), 20);

    for (int row = 0; row < CircuitRowCount; ++row)
        EXPECT_EQ(*CircuitFuseRatings.at(row) == NoFuseRating, row >= 3 && row <= 7) << row;
    EXPECT_FALSE(CircuitWireSections.at(19));
    EXPECT_FALSE(CircuitFuseRatings.at(19));
    EXPECT_FALSE(CircuitBreakerRatings.at(19));
}

TEST(Tables, Materials)
{
    EXPECT_EQ(MaterialNames.at(0), u"Acajou d'Afrique"_s);
    EXPECT_EQ(MaterialNames.at(14), u"Béton"_s);
    EXPECT_EQ(MaterialNames.at(85), u"Pin des landes (germé)"_s);
    EXPECT_EQ(MaterialNames.at(106), u"Zinc"_s);

    std::set<int> shortened;
    for (int m = 0; m < MaterialCount; ++m)
        if (MaterialShortNames.at(m) != MaterialNames.at(m))
            shortened.insert(m);
    EXPECT_EQ(shortened, (std::set<int>{49, 50, 51, 52, 53, 76}));
    EXPECT_EQ(MaterialShortNames.at(49), u"Laine bois"_s);
    EXPECT_EQ(MaterialShortNames.at(53), u"Laine roche rouleau"_s);
    EXPECT_EQ(MaterialShortNames.at(76), u"Ouate cellulose"_s);

    EXPECT_EQ(MaterialDensities.at(0), 0.5);
    EXPECT_EQ(MaterialDensities.at(2), 7.86);
    EXPECT_EQ(MaterialDensities.at(14), 2.4);
    EXPECT_EQ(MaterialDensities.at(30), 1.03);
    EXPECT_EQ(MaterialDensities.at(65), 13.55);
    EXPECT_EQ(MaterialDensities.at(74), 19.3);
    EXPECT_EQ(MaterialDensities.at(85), 0.775);
    EXPECT_EQ(MaterialDensities.at(106), 7.13);

    std::set<int> lightest, heaviest;
    for (int m = 0; m < MaterialCount; ++m) {
        const double d = *MaterialDensities.at(m);
        EXPECT_GT(d, 0.0) << m;
        EXPECT_GE(d, 0.018) << m;
        EXPECT_LE(d, 19.35) << m;
        if (d == 0.018)
            lightest.insert(m);
        if (d == 19.35)
            heaviest.insert(m);
    }
    EXPECT_EQ(lightest, (std::set<int>{53, 55, 88}));
    EXPECT_EQ(heaviest, (std::set<int>{105}));

    EXPECT_FALSE(MaterialNames.at(107));
    EXPECT_FALSE(MaterialShortNames.at(-1));
    EXPECT_FALSE(MaterialDensities.at(107));
}

TEST(Tables, SmallListsAndTheirValues)
{
    EXPECT_EQ(ConcreteTypeNames.items(),
              QStringList({u"Fondations, scellements..."_s, u"Mortier"_s, u"Tous usages"_s}));
    EXPECT_EQ(ConcreteTypeShortNames.at(0), u"Fondations"_s);

    EXPECT_EQ(SurfaceTypeNames.at(0), u"Crépi/brique"_s);
    EXPECT_EQ(SurfaceTypeNames.at(4), u"Plâtre"_s);
    EXPECT_EQ(SurfaceCoatFactors.at(1), 3.0);
    EXPECT_EQ(SurfaceCoatFactors.at(4), 1.0);

    EXPECT_EQ(PhaseNames.items(), QStringList({u"Monophasé"_s, u"Triphasé"_s}));
    EXPECT_EQ(VolumeUnitNames.items(), QStringList({u"cm3"_s, u"dm3 (litre)"_s, u"m3"_s}));
    EXPECT_EQ(TemperatureUnitNames.at(2), u"Fahrenheit"_s);
    EXPECT_EQ(CapacityUnitNames.at(0), u"dm3 (litre)"_s);
    EXPECT_EQ(CapacityUnitShortNames.at(0), u"dm3"_s);
    EXPECT_EQ(CapacityUnitShortNames.at(2), u"Brouette"_s);
    EXPECT_EQ(CapacityLitres.at(1), 12.0);
    EXPECT_EQ(CapacityLitres.at(3), 1000.0);
    EXPECT_EQ(LayingPatternNames.items(), QStringList({u"Pose droite"_s, u"Pose diagonale"_s}));
    EXPECT_EQ(PolygonSides.at(0), 5);
    EXPECT_EQ(PolygonSides.at(1), 6);

    EXPECT_FALSE(ConcreteTypeNames.at(3));
    EXPECT_FALSE(SurfaceCoatFactors.at(5));
    EXPECT_FALSE(PhaseNames.at(2));
    EXPECT_FALSE(TemperatureUnitNames.at(3));
    EXPECT_FALSE(CapacityLitres.at(4));
    EXPECT_FALSE(CapacityUnitShortNames.at(-1));
    EXPECT_FALSE(LayingPatternNames.at(2));
    EXPECT_FALSE(PolygonSides.at(2));
    EXPECT_FALSE(PolygonSides.at(-1));
}

TEST(Tables, StoredChoiceBecomesAnIndexOnlyWhenItFitsAnInt)
{
    EXPECT_EQ(TruncatedIndex(2.0), 2);
    EXPECT_EQ(TruncatedIndex(2.99), 2);
    EXPECT_EQ(TruncatedIndex(-0.5), 0);
    EXPECT_EQ(TruncatedIndex(-1.5), -1);
    EXPECT_FALSE(TruncatedIndex(std::nan("")));
    EXPECT_FALSE(TruncatedIndex(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(TruncatedIndex(1e300));
    EXPECT_FALSE(TruncatedIndex(-3e9));
}
