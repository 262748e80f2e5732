// The windows follow the desktop's font. At the stock font every rectangle is where it
// always was; at a larger font every window grows with it, so that no text is cut,
// nothing reaches outside its window and every window stays on the screen.

#include "platform/child_fetch.h"
#include "tests/support/layout_faults.h"
#include "tests/ui/window_fixture.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/calculator_list_window.h"
#include "ui/dialogs/messages.h"
#include "ui/dialogs/page_windows.h"
#include "ui/dialogs/tips_window.h"
#include "ui/dialogs/unit_window.h"
#include "ui/dialogs/window_behaviour_window.h"
#include "ui/widget_ui_services.h"

#include <QScreen>
#include <QTimer>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

template <typename Ui>
struct AtFontSize : WindowFixture<Ui>, ::testing::WithParamInterface<double> {
    ScaledApplicationFont font{GetParam()};
    QStringList faults;
    QStringList rectangles;

    void Look(const QWidget* window)
    {
        faults << LayoutFaults(window);
        rectangles << NamedRectangles(window);
    }
    void ExpectWholeOrStock(const char* stockFile)
    {
        faults.removeDuplicates();
        EXPECT_EQ(faults.join(u'\n').toStdString(), "");
        if (GetParam() == 1.0)
            ExpectStockRectangles(QString::fromLatin1(stockFile), rectangles);
    }
};

using DesktopFont = AtFontSize<FakeUi>;

// Every calculator panel, each of its prompts in turn and its result, in centimetres and
// in inches with the units shown.
TEST_P(DesktopFont, MainWindowShowsEveryPromptKeyAndNameWhole)
{
    for (const int unitRow : {1, 3}) {
        Start();
        ui.chosenUnitRow = unitRow;
        ui.chosenDisplayRow = 1;
        Find<QAction>(QStringLiteral("UniteMesure"))->trigger();
        for (int n = 0; n < CalculatorCount; ++n) {
            Open(n);
            for (int step = 0; step < 7; ++step) {
                faults << LayoutFaults(window.get());
                if (step == 5) {
                    QTest::keyClick(Keyboard(), Qt::Key_Return);
                    continue;
                }
                QTest::keyClicks(Keyboard(), QStringLiteral("2"));
                QTest::keyClick(Keyboard(), Qt::Key_Down);
                QTest::keyClicks(Keyboard(), QStringLiteral("&"));
            }
        }
        rectangles << NamedRectangles(window.get());
    }
    ExpectWholeOrStock("stock_main_window.txt");
}

// The windows of the menus, the message window and the page windows.
TEST_P(DesktopFont, SecondaryWindowsShowTheirTextsWhole)
{
    Start();
    TFOptions unit(strings, {});
    unit.SetUnitRow(1);
    Look(&unit);
    TFOptionAffichage behaviour(strings);
    Look(&behaviour);
    TFApropos about(strings);
    Look(&about);
    TFAstuces tips(strings, engine->Tips());
    Look(&tips);
    TFMessages message;
    message.Prepare(QStringLiteral("Erreur de saisie :\nValeur non valide !\nAucun résultat valide pour ces paramètres !"), 3,
                    window->frameGeometry());
    Look(&message);
    ChildHttpClient network;
    TFMiseAjour update(strings, network, {}, QStringLiteral("http://127.0.0.1:9/"));
    Look(&update);
    TFMiseANiveau upgrade(strings, network, {}, QStringLiteral("http://127.0.0.1:9/"));
    Look(&upgrade);
    for (const int purpose : {CalculatorListWindow::ChooseDefault, CalculatorListWindow::ChooseFavourites}) {
        WithCalculatorList(*engine, purpose, [&](CalculatorListWindow& list) {
            TFLCalculettes calculators(strings, list);
            calculators.FormActivate();
            Look(&calculators);
        });
    }
    ExpectWholeOrStock("stock_windows.txt");
}

INSTANTIATE_TEST_SUITE_P(StockAndLarger, DesktopFont, ::testing::Values(1.0, 1.25, 1.5, 2.0));

// The windows that open beside the main window, or over it, lie on the screen whenever
// they fit on it, the main window too.
using WindowsOnScreen = AtFontSize<WidgetUiServices>;

TEST_P(WindowsOnScreen, StayOnTheScreen)
{
    Start();
    const QRect area = window->screen()->availableGeometry();
    const auto expectOnScreen = [&area](const QWidget* shown) {
        const QRect frame = shown->frameGeometry();
        if (frame.width() <= area.width() && frame.height() <= area.height()) {
            EXPECT_TRUE(area.contains(frame)) << shown->objectName().toStdString();
        }
    };
    expectOnScreen(window.get());
    const auto whenShown = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            expectOnScreen(modal);
            modal->close();
        });
    };
    whenShown();
    ui.ShowAboutWindow();
    whenShown();
    ui.ShowTipsWindow(engine->Tips());
    int unitRow = 1, displayRow = 0;
    whenShown();
    ui.ShowUnitWindow(unitRow, displayRow, {});
    whenShown();
    ui.ShowWindowBehaviourWindow(false);
    whenShown();
    ui.ShowMessageForm(QStringLiteral("Valeur non valide !"), 1);
}

INSTANTIATE_TEST_SUITE_P(Larger, WindowsOnScreen, ::testing::Values(1.25, 1.5, 2.0));

} // namespace
