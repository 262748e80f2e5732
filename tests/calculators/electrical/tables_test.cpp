#include "calculators/electrical/tables.h"

#include <gtest/gtest.h>


using namespace tornavel;
using namespace Qt::StringLiterals;

// The calculators index these tables by list row, so their sizes are fixed.
static_assert(CircuitNames.size() == 18 && CircuitShortNames.size() == 18
              && CircuitMaxPoints.size() == 18);
static_assert(CircuitWireSections.size() == 19 && CircuitFuseRatings.size() == 19
              && CircuitBreakerRatings.size() == 19);

TEST(ElectricalTables, CircuitNamesAndMaximumPoints)
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

TEST(ElectricalTables, EighteenCircuitsMapToNineteenRows)
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

TEST(ElectricalTables, Phases)
{
    EXPECT_EQ(PhaseNames.items(), QStringList({u"Monophasé"_s, u"Triphasé"_s}));

    EXPECT_FALSE(PhaseNames.at(2));
}
