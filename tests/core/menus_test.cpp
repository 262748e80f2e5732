#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "core/menus.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(CalculatorsMenu, AnItemPerCalculatorAndTheSeparatorsOfTheOrder)
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
    const std::vector<int> order = CalculatorsMenuOrder();
    std::vector<int> ordered;
    for (size_t k = 0; k < order.size(); ++k) {
        if (order[k] == MenuSeparator)
            ordered.push_back(static_cast<int>(k));
    }
    EXPECT_EQ(separators, ordered);
    EXPECT_EQ(separators.size(), 4u);
    EXPECT_EQ(items.size(), static_cast<size_t>(CalculatorCount));
    EXPECT_EQ(calculators.size(), static_cast<size_t>(CalculatorCount));
    EXPECT_EQ(*calculators.begin(), 0);
    EXPECT_EQ(*calculators.rbegin(), CalculatorCount - 1);
}

TEST_F(CalculatorsMenu, ItemNumbersMapToCalculatorNumbers)
{
    int highest = -1;
    for (const CalculatorMenuEntry& e : entries) {
        if (e.item < 0)
            continue;
        EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(e.item), e.calculator) << e.item;
        EXPECT_EQ(engine.Descriptions().MenuItemOfCalculator(e.calculator), e.item) << e.item;
        highest = std::max(highest, e.item);
    }
    EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(highest + 1), -1);
    EXPECT_EQ(engine.Descriptions().CalculatorOfMenuItem(-1), -1);
    EXPECT_EQ(engine.Descriptions().MenuItemOfCalculator(CalculatorCount), -1);
}

TEST_F(CalculatorsMenu, TheItemsOfStairsAndResistanceOpenThem)
{
    engine.FormCreate(QStringLiteral("O"));
    const auto entryOf = [this](int calculator) {
        return *std::find_if(entries.begin(), entries.end(),
                             [calculator](const CalculatorMenuEntry& e) { return e.calculator == calculator; });
    };

    const CalculatorMenuEntry stairs = entryOf(31);
    EXPECT_EQ(engine.Window().menuCaptions.value(stairs.name), u"Calculatrice escalier"_qs);
    engine.CalculetteClick(stairs.item);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 31);

    const CalculatorMenuEntry resistance = entryOf(32);
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
