#include "core/calculator_list.h"
#include "core/engine.h"
#include "core/menus.h"
#include "tests/calculators/extra/extra_family.h"
#include "tests/support/catalogue.h"
#include "tests/support/engine_access.h"
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
    Session& session = EngineAccess::Session(engine);
    const CalculatorDescription& row = extra::Row();

    ExtraCalculator() { session.CalculatorNames() = ReadCalculatorTitles(strings, session.Descriptions()); }
    PanelState& Panel() { return session.TopPanel(); }
    void Type(const QString& keys)
    {
        for (const QChar k : keys)
            engine.FormKeyPress(k);
    }
};

TEST_F(ExtraCalculator, ItsMenuItemOpensItWithItsFirstPrompt)
{
    EXPECT_EQ(session.CalculatorCount(), 41);
    // The program's menu with its item inserted after the one it follows.
    std::vector<CalculatorMenuEntry> menu = session.Descriptions().Menu();
    const auto follows = [](int calculator) {
        return [calculator](const CalculatorMenuEntry& entry) { return entry.calculator == calculator; };
    };
    const auto own = std::find_if(menu.begin(), menu.end(), follows(extra::Number));
    ASSERT_NE(own, menu.end());
    ASSERT_NE(own, menu.begin());
    EXPECT_EQ(own->name, QStringLiteral("Calculette40"));
    EXPECT_EQ(std::prev(own)->calculator, extra::FollowsInMenu);
    menu.erase(own);
    const std::vector<CalculatorMenuEntry>& program = AllCalculators().Rows().Menu();
    ASSERT_EQ(menu.size(), program.size());
    for (size_t i = 0; i < menu.size(); ++i)
        EXPECT_EQ(menu[i].name, program[i].name) << i;
    EXPECT_EQ(session.CalculatorName(extra::Number), strings.Str(row.titleId));

    engine.CalculetteClick(40);
    ASSERT_TRUE(engine.HasCalculator());
    EXPECT_EQ(session.Top().Number, extra::Number);
    EXPECT_EQ(Panel().prompt, strings.Str(40));
}

TEST_F(ExtraCalculator, NextTermComputeClearAndUndo)
{
    session.OpenCalculator(extra::Number);
    Type(QStringLiteral("3&"));
    EXPECT_EQ(Panel().prompt, strings.Str(41));
    Type(QStringLiteral("4="));
    EXPECT_EQ(Panel().result, QStringLiteral("12"));
    EXPECT_EQ(Panel().formula, strings.Str(104) + QStringLiteral("(3&4)=12"));
    // Its result code counts as a shown result: a digit starts a new calculation.
    EXPECT_TRUE(session.IsResultState(session.Keys().KeyClass));
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
    session.OpenCalculator(extra::Number);
    Type(QStringLiteral("3&4="));
    engine.PopupMCalculsPopup();
    ASSERT_EQ(session.Window().historyCaptions.size(), 1);
    EXPECT_TRUE(session.Window().historyCaptions[0].startsWith(strings.Str(row.titleId) + QStringLiteral(": ")))
        << qPrintable(session.Window().historyCaptions[0]);

    session.OpenCalculator(0);
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(session.Top().Number, extra::Number);
    EXPECT_EQ(Panel().result, QStringLiteral("12"));

    // The history file keeps its entry for an engine that serves it, and only for one.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CLS.dat"));
    ASSERT_TRUE(EngineAccess::History(engine).Save(path));
    Engine next{extra::WithExtraCalculator(), strings, ui, QStringLiteral(",")};
    ASSERT_TRUE(EngineAccess::History(next).Load(path));
    EXPECT_EQ(EngineAccess::History(next).Values().LastHistoryIndex, 0);
    Engine program{AllCalculators(), strings, ui, QStringLiteral(",")};
    ASSERT_TRUE(EngineAccess::History(program).Load(path));
    EXPECT_EQ(EngineAccess::History(program).Values().LastHistoryIndex, -1);
}

TEST_F(ExtraCalculator, HelpKeyOpensItsOwnPageAndTheListsHoldIt)
{
    engine.SetProgramDirectory(QStringLiteral("/opt/tornavel/"));
    session.OpenCalculator(extra::Number);
    EXPECT_TRUE(engine.FormKeyDown(Session::KeyA, true));
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(ui.openedUrls[0], HelpLinks::HelpPageUrl(strings.Str(row.helpPageId), EngineAccess::Help(engine).ProgramDirectory()));

    CalculatorListWindow list(session, CalculatorListWindow::ChooseDefault);
    EXPECT_EQ(list.BoxCount(), 41);
    EXPECT_EQ(list.CalculatorOfBox(list.BoxOfCalculator(extra::Number)), extra::Number);
    // The mathematical functions offer every calculator, this one too.
    EXPECT_TRUE(session.Descriptions().Offers(39, extra::Number));
}

} // namespace
} // namespace tornavel
