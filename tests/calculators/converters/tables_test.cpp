#include "calculators/converters/tables.h"

#include <gtest/gtest.h>

#include <set>

using namespace tornavel;
using namespace Qt::StringLiterals;

// The calculators index these tables by list row, so their sizes are fixed.
static_assert(MaterialNames.size() == 107 && MaterialShortNames.size() == 107
              && MaterialDensities.size() == 107);

TEST(ConverterTables, Materials)
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

TEST(ConverterTables, Units)
{
    EXPECT_EQ(VolumeUnitNames.items(), QStringList({u"cm3"_s, u"dm3 (litre)"_s, u"m3"_s}));
    EXPECT_EQ(TemperatureUnitNames.at(2), u"Fahrenheit"_s);
    EXPECT_EQ(CapacityUnitNames.at(0), u"dm3 (litre)"_s);
    EXPECT_EQ(CapacityUnitShortNames.at(0), u"dm3"_s);
    EXPECT_EQ(CapacityUnitShortNames.at(2), u"Brouette"_s);
    EXPECT_EQ(CapacityLitres.at(1), 12.0);
    EXPECT_EQ(CapacityLitres.at(3), 1000.0);

    EXPECT_FALSE(TemperatureUnitNames.at(3));
    EXPECT_FALSE(CapacityLitres.at(4));
    EXPECT_FALSE(CapacityUnitShortNames.at(-1));
}
