#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "core/menus.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace tornavel;

namespace {

struct CalculatorsMenu : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    const std::vector<CalculatorMenuEntry>& entries = engine.Descriptions().Menu();
};

} // namespace

TEST_F(CalculatorsMenu, FortyItemsAndFourSeparatorsInDisplayOrder)
{
    std::set<int> items;
    std::set<int> calculators;
    std::vector<int> separators;
    for (size_t position = 0; position < entries.size(); ++position) {
        const CalculatorMenuEntry& e = entries[position];
        if (e.item < 0) {
            separators.push_back(static_cast<int>(position));
            continue;
        }
        items.insert(e.item);
        calculators.insert(e.calculator);
        EXPECT_EQ(e.name, QStringLiteral("Calculette") + QString::number(e.item));
    }
    EXPECT_EQ(separators, (std::vector<int>{2, 19, 22, 39}));
    EXPECT_EQ(items.size(), 40u);
    EXPECT_EQ(calculators.size(), 40u);
    EXPECT_EQ(*calculators.begin(), 0);
    EXPECT_EQ(*calculators.rbegin(), 39);
}

TEST_F(CalculatorsMenu, ItemNumbersMapToCalculatorNumbers)
{
    const int expected[40] = {0, 39, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 10, 16, 17, 18,
                              19, 20, 21, 22, 31, 28, 29, 23, 24, 30, 25, 26, 27, 32, 33, 34, 35, 36, 37, 38};
    for (int k = 0; k < 40; ++k) {
        EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(k), expected[k]) << k;
        EXPECT_EQ(engine.Descriptions().MenuItemOfCalculator(expected[k]), k) << k;
    }
    EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(40), -1);
    EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(-1), -1);
    EXPECT_EQ(engine.Descriptions().MenuItemOfCalculator(40), -1);
}

TEST_F(CalculatorsMenu, PositionsTwentySevenAndThirtySixOpenStairsAndResistance)
{
    engine.FormCreate(QStringLiteral("O"));

    const CalculatorMenuEntry& stairs = entries[27];
    EXPECT_EQ(engine.Window().menuCaptions.value(stairs.name), u"Calculatrice escalier"_qs);
    engine.CalculetteClick(stairs.item);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 31);

    const CalculatorMenuEntry& resistance = entries[36];
    EXPECT_EQ(engine.Window().menuCaptions.value(resistance.name), u"Calculatrice résistance/puissance"_qs);
    engine.CalculetteClick(resistance.item);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 32);
}

TEST_F(CalculatorsMenu, EveryItemCaptionIsTheTitleOfTheCalculatorItOpens)
{
    engine.FormCreate(QStringLiteral("O"));
    for (const CalculatorMenuEntry& e : entries) {
        if (e.item < 0)
            continue;
        const QString caption = engine.Window().menuCaptions.value(e.name);
        EXPECT_FALSE(caption.isEmpty()) << e.name.toStdString();
        EXPECT_EQ(caption, Seen(engine).screen.CalculatorName(e.calculator)) << e.name.toStdString();
    }
}

TEST(CalculatorsMenuPopUp, OpensBesideTheButtonsRightEdgeAtItsTop)
{
    const ScreenPoint p = MenuPopupPosition(100, 50, 430, 400, 4, 3, 82);
    EXPECT_EQ(p.x, 186);
    EXPECT_EQ(p.y, 83);
}
