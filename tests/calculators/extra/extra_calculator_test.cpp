#include "core/calculator_list.h"
#include "core/engine.h"
#include "core/menus.h"
#include "tests/calculators/extra/extra_family.h"
#include "tests/support/catalogue.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "tests/support/fake_ui.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// A calculator that a family outside the program registers is served like the others:
// nothing in the engine names it.
struct ExtraCalculator : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{extra::WithExtraCalculator(), strings, ui, QStringLiteral(",")};
    const CalculatorDescription& row = extra::Row();

    ExtraCalculator() { engine.FormCreate(QStringLiteral("O")); }
    const PanelState& Panel() { return Seen(engine).TopPanel(); }
    int OnScreen() const { return Seen(engine).stack.Top().Number; }
    void Type(const QString& keys)
    {
        for (const QChar k : keys)
            engine.FormKeyPress(k);
    }
};

TEST_F(ExtraCalculator, ItsMenuItemOpensItWithItsFirstPrompt)
{
    EXPECT_EQ(engine.Descriptions().Count(), AllCalculators().Rows().Count() + 1);
    // The program's menu with its item inserted after the one it follows.
    std::vector<CalculatorMenuEntry> menu = engine.Descriptions().Menu();
    const auto follows = [](int calculator) {
        return [calculator](const CalculatorMenuEntry& entry) { return entry.calculator == calculator; };
    };
    const auto own = std::find_if(menu.begin(), menu.end(), follows(extra::Number));
    ASSERT_NE(own, menu.end());
    ASSERT_NE(own, menu.begin());
    EXPECT_EQ(own->name, QStringLiteral("Calculette%1").arg(extra::MenuItem));
    EXPECT_EQ(std::prev(own)->calculator, extra::FollowsInMenu);
    menu.erase(own);
    const std::vector<CalculatorMenuEntry>& program = AllCalculators().Rows().Menu();
    ASSERT_EQ(menu.size(), program.size());
    for (size_t i = 0; i < menu.size(); ++i)
        EXPECT_EQ(menu[i].name, program[i].name) << i;
    EXPECT_EQ(Seen(engine).screen.CalculatorName(extra::Number), strings.Str(row.titleId));

    engine.CalculetteClick(extra::MenuItem);
    ASSERT_TRUE(engine.HasCalculator());
    EXPECT_EQ(OnScreen(), extra::Number);
    EXPECT_EQ(Panel().prompt, strings.Str(40));
}

TEST_F(ExtraCalculator, NextTermComputeClearAndUndo)
{
    OpenFromMenu(engine, extra::Number);
    Type(QStringLiteral("3&"));
    EXPECT_EQ(Panel().prompt, strings.Str(41));
    Type(QStringLiteral("4="));
    EXPECT_EQ(Panel().result, QStringLiteral("12"));
    EXPECT_EQ(Panel().formula, strings.Str(104) + QStringLiteral("(3&4)=12"));
    // Its result code counts as a shown result: a digit starts a new calculation.
    EXPECT_TRUE(engine.Descriptions().IsResultState(Seen(engine).keys.KeyClass()));
    Type(QStringLiteral("7"));
    EXPECT_EQ(Panel().formula, QStringLiteral("7"));
    EXPECT_EQ(Panel().prompt, strings.Str(40));
    engine.CalculatriceCClick();
    Type(QStringLiteral("3&4="));

    // CE takes back the second input being typed; C starts over.
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, strings.Str(40));
    EXPECT_EQ(Panel().formula, QString());
    Type(QStringLiteral("3&5"));
    engine.CalculatriceCEClick();
    EXPECT_EQ(Panel().formula, QStringLiteral("3&"));
    EXPECT_EQ(Panel().prompt, strings.Str(41));
    Type(QStringLiteral("6="));
    EXPECT_EQ(Panel().result, QStringLiteral("18"));
}

TEST_F(ExtraCalculator, HistoryNamesItAndReplaysIt)
{
    TemporaryCurrentFolder folder;
    engine.FormActivate();
    OpenFromMenu(engine, extra::Number);
    Type(QStringLiteral("3&4="));
    engine.PopupMCalculsPopup();
    ASSERT_EQ(engine.Window().historyCaptions.size(), 1);
    EXPECT_TRUE(engine.Window().historyCaptions[0].startsWith(strings.Str(row.titleId) + QStringLiteral(": ")))
        << qPrintable(engine.Window().historyCaptions[0]);

    OpenFromMenu(engine, 0);
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(OnScreen(), extra::Number);
    EXPECT_EQ(Panel().result, QStringLiteral("12"));

    // The history file keeps its entry for an engine that serves it, and only for one.
    engine.FormClose();
    ASSERT_TRUE(QFile::exists(folder.Path(QStringLiteral("CLS.dat"))));
    Engine next{extra::WithExtraCalculator(), strings, ui, QStringLiteral(",")};
    next.FormActivate();
    EXPECT_EQ(Seen(next).history.Values().LastHistoryIndex, 0);
    Engine program{AllCalculators(), strings, ui, QStringLiteral(",")};
    program.FormActivate();
    EXPECT_EQ(Seen(program).history.Values().LastHistoryIndex, -1);
}

TEST_F(ExtraCalculator, HelpKeyOpensItsOwnPageAndTheListsHoldIt)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    OpenFromMenu(engine, extra::Number);
    EXPECT_TRUE(engine.FormKeyDown(Keypad::KeyA, true));
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(ui.openedUrls[0], HelpLinks::HelpPageUrl(strings.Str(row.helpPageId), Seen(engine).help.ProgramDirectory()));

    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [](CalculatorListWindow& list) {
        EXPECT_EQ(list.BoxCount(), AllCalculators().Rows().Count() + 1);
        EXPECT_EQ(list.CalculatorOfBox(list.BoxOfCalculator(extra::Number)), extra::Number);
    });
    // The mathematical functions offer every calculator, this one too.
    EXPECT_TRUE(engine.Descriptions().Offers(39, extra::Number));
}

} // namespace
} // namespace tornavel
