// Every cell of the building calculators' reference tables (rafters, concrete, surfaces,
// units), typed in again from the trade's tables: a typo on either side fails, where a
// test of a few sample cells lets the other cells drift unseen.

#include "calculators/building/tables.h"
#include "core/units.h"
#include "tests/calculators/protocol/protocol_fixture.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

TEST(BuildingTableCells, RafterSectionsInCentimetresAndInches)
{
    struct Row {
        const char* cm;
        const char* inch;
    };
    const Row rows[] = {
        {"6/10", "2.36/3.94"},  {"8/10", "3.15/3.94"}, {"6/12", "2.36/4.72"}, {"8/12", "3.15/4.72"},
        {"8/14", "3.15/5.51"},  {"8/16", "3.15/6.30"}, {"10/18", "3.94/7.09"},
    };
    ASSERT_EQ(RafterSectionNames.size(), std::ssize(rows));
    ASSERT_EQ(RafterSectionNamesInch.size(), std::ssize(rows));
    for (int s = 0; s < std::ssize(rows); ++s) {
        SCOPED_TRACE(rows[s].cm);
        EXPECT_EQ(RafterSectionNames.at(s), QString::fromUtf8(rows[s].cm));
        EXPECT_EQ(RafterSectionNamesInch.at(s), QString::fromUtf8(rows[s].inch));
    }
}

// Each limit belongs to its own class; half a centimetre more is the next class, and
// past the last limit there is none.
TEST(BuildingTableCells, RafterSpanLimits)
{
    const double limits[] = {175, 200, 225, 250, 275, 300, 350, 400};
    ASSERT_EQ(RafterSpanLimits.size(), std::ssize(limits));
    for (int k = 0; k < std::ssize(limits); ++k) {
        SCOPED_TRACE(::testing::Message() << "span class " << k);
        EXPECT_EQ(RafterSpanLimits.at(k), limits[k]);
        EXPECT_EQ(RafterSpanClass(limits[k]), k);
        const std::optional<int> next = k + 1 < std::ssize(limits) ? std::optional<int>(k + 1) : std::nullopt;
        EXPECT_EQ(RafterSpanClass(limits[k] + 0.5), next);
    }
}

// The greatest spacing (cm) by section and span class, for the loads 200 / 250 / 300;
// -1 where the section is not offered.
TEST(BuildingTableCells, RafterSpacingsOfEverySectionSpanAndLoad)
{
    using Loads = double[3];
    struct Row {
        const char* section;
        Loads bySpanClass[8]; // up to 175, 200, 225, 250, 275, 300, 350, 400 cm
    };
    const Row rows[] = {
        {"6/10", {{115, 90, 75}, {75, 60, 50}, {55, 40, 35}, {50, 40, -1},
                  {30, -1, -1}, {-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}},
        {"8/10", {{155, 125, 100}, {100, 80, 70}, {70, 55, 45}, {40, 35, 30},
                  {40, 30, -1}, {30, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}},
        {"6/12", {{200, 160, 135}, {135, 105, 90}, {95, 75, 60}, {65, 55, 45},
                  {50, 40, 35}, {40, 30, -1}, {-1, -1, -1}, {-1, -1, -1}}},
        {"8/12", {{-1, -1, 180}, {-1, 140, 120}, {125, 100, 85}, {90, 70, 60},
                  {70, 55, 45}, {50, 40, 35}, {45, -1, -1}, {-1, -1, -1}}},
        {"8/14", {{-1, -1, 285}, {-1, 225, 190}, {200, 160, 130}, {145, 115, 95},
                  {110, 85, 70}, {85, 65, 55}, {50, 40, 35}, {35, -1, -1}}},
        {"8/16", {{-1, -1, -1}, {-1, -1, 285}, {-1, 240, 145}, {215, 175, 110},
                  {165, 130, 85}, {125, 100, 50}, {75, 60, 35}, {50, 40, -1}}},
        {"10/18", {{-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}, {-1, -1, 260},
                   {-1, 230, 195}, {225, 180, 150}, {140, 110, 95}, {95, 75, 60}}},
    };
    ASSERT_EQ(RafterSpacings.size(), std::ssize(rows) * 8 * 3);
    for (int s = 0; s < std::ssize(rows); ++s) {
        for (int k = 0; k < 8; ++k) {
            for (int load = 0; load < 3; ++load) {
                SCOPED_TRACE(::testing::Message() << "section " << rows[s].section << ", span class " << k
                                                  << ", load " << load);
                EXPECT_EQ(tornavel::RafterSpacing(k, s, load), rows[s].bySpanClass[k][load]);
            }
        }
    }
}

TEST(BuildingTableCells, SurfaceTypesAndTheirCoatFactors)
{
    struct Row {
        const char* name;
        double factor;
    };
    const Row rows[] = {
        {"Crépi/brique", 2}, {"Parpaing", 3}, {"Papier peint", 2}, {"Fibre de verre", 2}, {"Plâtre", 1},
    };
    ASSERT_EQ(SurfaceTypeNames.size(), std::ssize(rows));
    ASSERT_EQ(SurfaceCoatFactors.size(), std::ssize(rows));
    for (int i = 0; i < std::ssize(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(SurfaceTypeNames.at(i), QString::fromUtf8(rows[i].name));
        EXPECT_EQ(SurfaceCoatFactors.at(i), rows[i].factor);
    }
}

// The factors of each unit that the building calculators convert with: centimetres in
// one unit, units in a metre, square and cubic units in a square and cubic metre, and
// square metres in a square unit.
TEST(BuildingTableCells, UnitFactors)
{
    struct Row {
        int code;
        double centimetres;
        double perMetre;
        double perSquareMetre;
        long double perCubicMetre;
        double squareMetres;
    };
    const Row rows[] = {
        {1, 0.1, 1000.0, 1000000.0, 1000000000.0L, 0.000001},
        {10, 1.0, 100.0, 10000.0, 1000000.0L, 0.0001},
        {25, 2.54, 39.37007874015748, 1550.0031000062, 61023.74409473228L, 0.00064516},
        {1000, 100.0, 1.0, 1.0, 1.0L, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const UnitOfMeasure* unit = FindUnitOfMeasure(row.code);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->centimetres, row.centimetres);
        EXPECT_EQ(unit->perMetre, row.perMetre);
        EXPECT_EQ(unit->perSquareMetre, row.perSquareMetre);
        EXPECT_EQ(unit->perCubicMetre, row.perCubicMetre);
        EXPECT_EQ(unit->squareMetres, row.squareMetres);
    }
}

using BuildingTableCellsOnKeys = ProtocolTest;

// The kinds of concrete with what one cubic metre of each takes: read on the panel,
// one cubic metre at a time, so the list item, the short name in the formula and the
// four dosages are the ones the calculator uses.
TEST_F(BuildingTableCellsOnKeys, ConcreteKindsAndDosagesPerCubicMetre)
{
    struct Row {
        const char* item;
        const char* shortName;
        const char* cement; // kg
        const char* water;  // cubic metres
        const char* sand;   // kg
        const char* gravel; // kg
    };
    const Row rows[] = {
        {"Fondations, scellements...", "Fondations", "300", "0,0666666666666667", "720", "1165"}, // 1/15
        {"Mortier", "Mortier", "350", "0,25", "680", "1175"},
        {"Tous usages", "Tous usages", "400", "0,0769230769230769", "680", "0"}, // 1/13
    };
    for (int kind = 0; kind < std::ssize(rows); ++kind) {
        const Row& row = rows[kind];
        SCOPED_TRACE(row.item);
        OpenIn(Concrete, Metre);
        Keys("1&");
        ASSERT_EQ(Panel().listRows.size(), std::ssize(rows));
        EXPECT_EQ(Panel().listRows.at(kind), QString::fromUtf8(row.item));
        engine.ListBoxClick(Concrete, kind);
        Compute();
        const QString terms = QStringLiteral("(1&") + QString::fromUtf8(row.shortName) + QStringLiteral(")=");
        const struct {
            int button;
            const char* label;
            const char* amount;
        } outputs[] = {{0, "Ciment", row.cement}, {1, "Eau", row.water}, {2, "Sable", row.sand},
                       {3, "Gravier", row.gravel}};
        for (const auto& output : outputs) {
            engine.VariantClick(Concrete, output.button);
            EXPECT_EQ(Panel().formula, QString::fromUtf8(output.label) + terms + QString::fromUtf8(output.amount));
        }
    }
}

} // namespace
