#include "core/calculator_list.h"
#include "tests/support/created_engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "ui/dialogs/calculator_list_window.h"
#include "ui/dialogs/unit_window.h"
#include "ui/dialogs/window_behaviour_window.h"
#include "tests/ui/window_fixture.h"
#include "tests/support/catalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>

using namespace tornavel;

namespace {

// Runs the program's main window with the state files in a temporary current
// directory, as the program finds them at start.
using HistoryAcrossRuns = tornavel::testing::WindowFixture<>;

} // namespace

TEST_F(HistoryAcrossRuns, CalculationOfOneRunIsReplayedInTheNext)
{
    Start();
    Open(3);
    ClickKeys(QStringLiteral("10"));
    Click(QStringLiteral("PCalcul3"));
    const QString formula = Formula(3);
    const QString result = Result(3);
    ASSERT_EQ(result, QStringLiteral("78,5398163397448"));
    window->close();
    ASSERT_TRUE(QFile::exists(QStringLiteral("CLS.dat")));

    Start();
    EXPECT_EQ(Seen(*engine).stack.Top().Number, 0);
    auto* menu = Find<QMenu>(QStringLiteral("PopupMCalculs"));
    Click(QStringLiteral("BtnCalculs"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    auto* item = Find<QAction>(QStringLiteral("Calcul0"));
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(item->text(), QString::fromUtf8("Surface de cercle: 10..."));
    EXPECT_FALSE(Find<QAction>(QStringLiteral("Calcul1"))->isVisible());
    menu->hide();

    item->trigger();
    EXPECT_EQ(Formula(3), formula);
    EXPECT_EQ(Result(3), result);
    EXPECT_TRUE(Find<QWidget>(QStringLiteral("PCalculette3"))->isVisible());
    EXPECT_EQ(Seen(*engine).history.Values().LastHistoryIndex, 0);
    EXPECT_FALSE(Seen(*engine).keys.RecomputingFlag());
}

// ---- The windows of the options and favourites menus -----------------------------------

namespace {

struct OptionWindows : CreatedEngine {
    // The keys of the unit window, as the engine hands them to it.
    WindowKeyHandler UnitKeys()
    {
        return [this](int keyCode, bool ctrl) { return engine.UnitWindowKeyDown(keyCode, ctrl); };
    }
};

} // namespace

TEST_F(OptionWindows, CalculatorListSwitchesASixthFavouriteOffAgain)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseFavourites, {0, 39, 1, 2});
    ASSERT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{0, 39, 1, 2, -1}));
    WithCalculatorList(engine, CalculatorListWindow::ChooseFavourites, [this](CalculatorListWindow& list) {
        TFLCalculettes window(strings, list);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCheckBox* first = window.Box(0);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->text(), QString::fromUtf8("Calculatrice standard"));
        EXPECT_TRUE(first->isChecked());
        EXPECT_TRUE(window.Box(1)->isChecked());

        QTest::mouseClick(window.Box(10), Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_TRUE(window.Box(10)->isChecked());
        QTest::mouseClick(window.Box(11), Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_FALSE(window.Box(11)->isChecked());

        // Escape presses OK.
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{0, 39, 1, 2, 9}));
    });
}

// Both lists open with the focus on the checked box, or the first box, where the arrows
// move on.
TEST_F(OptionWindows, CalculatorListsOpenWithTheFocusOnTheCheckedBox)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseDefault, {30});
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseFavourites, {});
    for (const int purpose : {CalculatorListWindow::ChooseDefault, CalculatorListWindow::ChooseFavourites}) {
        WithCalculatorList(engine, purpose, [&](CalculatorListWindow& list) {
            TFLCalculettes window(strings, list);
            window.show();
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            const int box = purpose == CalculatorListWindow::ChooseDefault ? list.BoxOfCalculator(30) : 0;
            EXPECT_EQ(QApplication::focusWidget(), window.Box(box)) << purpose;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            ASSERT_EQ(QApplication::focusWidget(), window.Box(box + 1)) << purpose;
            window.close();
        });
    }
}

TEST_F(OptionWindows, CalculatorListStaysOpenWithoutADefault)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseDefault, {4});
    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [this](CalculatorListWindow& list) {
        TFLCalculettes window(strings, list);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCheckBox* box = window.Box(list.BoxOfCalculator(4));
        ASSERT_TRUE(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseClick(window.BtnOK(), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ui.boxes.size(), 1);
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(ui.openedUrls.size(), 1);
        EXPECT_TRUE(ui.openedUrls[0].endsWith(QStringLiteral("Aide/selection-calculatrice-defaut.html")));
    });
}

TEST_F(OptionWindows, UnitWindowHoldsTheRowsAndOpensItsHelpPage)
{
    TFOptions window(strings, UnitKeys());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Unité de mesure"));
    window.SetUnitRow(3);
    window.SetDisplayRow(-1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* pouce = window.findChild<QRadioButton*>(QStringLiteral("RgUnites_3"));
    ASSERT_NE(pouce, nullptr);
    EXPECT_EQ(pouce->text(), QStringLiteral("Pouce (in/in2/in3)"));
    EXPECT_TRUE(pouce->isChecked());
    EXPECT_EQ(window.DisplayRow(), -1);

    QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("RgUnites_2")), Qt::LeftButton, {},
                      QPoint(5, 8));
    EXPECT_EQ(window.UnitRow(), 2);

    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(ui.openedUrls.isEmpty());
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_TRUE(ui.openedUrls[0].endsWith(QStringLiteral("Aide/selection-unite-mesure.html")));

    QTest::mouseClick(window.BtnOk(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(OptionWindows, WindowBehaviourWindowHoldsTheChoiceOfItsButtons)
{
    TFOptionAffichage window(strings);
    window.CheckButton(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.RdbtnRedim()->isChecked());
    EXPECT_EQ(window.BehaviourChoice(), QStringLiteral("O"));
    QTest::mouseClick(window.RdbtnNonRedim(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(window.BehaviourChoice(), QStringLiteral("N"));
}

// Every text of the secondary windows shows whole in the font on screen, above and
// beside what follows it.
TEST_F(OptionWindows, TextsShowWholeInTheirWindows)
{
    TFOptionAffichage behaviour(strings);
    const QLabel* explanation = behaviour.findChild<QLabel*>(QStringLiteral("Label"));
    ASSERT_NE(explanation, nullptr);
    EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width()));
    EXPECT_LT(explanation->mapTo(&behaviour, explanation->rect().bottomLeft()).y(),
              behaviour.RdbtnRedim()->mapTo(&behaviour, QPoint(0, 0)).y());
    EXPECT_LE(behaviour.BtnOk()->geometry().bottom(), behaviour.height());

    WithCalculatorList(engine, CalculatorListWindow::ChooseFavourites, [this](CalculatorListWindow& list) {
        TFLCalculettes window(strings, list);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto* scroller = window.findChild<QScrollArea*>();
        ASSERT_NE(scroller, nullptr);
        for (int b = 0; b < list.BoxCount(); ++b) {
            const QCheckBox* box = window.Box(b);
            EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
            EXPECT_LE(box->geometry().right(), scroller->viewport()->width()) << box->text().toStdString();
        }
        EXPECT_LE(scroller->geometry().right(), window.width());
    });
}
