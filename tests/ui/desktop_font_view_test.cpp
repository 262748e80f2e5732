// The windows follow the desktop's font. At the stock font every rectangle is where it
// always was; at a larger font every window grows with it, by one factor that the texts
// need and no more, so that no text is cut, nothing reaches outside its window and every
// window stays on the screen.

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
#include "ui/layout_scale.h"
#include "ui/program_icon.h"
#include "ui/widget_ui_services.h"

#include <QFontInfo>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

// What the layout is under a desktop font: the recorded one, the recorded one grown by
// the factor, only kept at its stored size (the texts that the windows fit differ in
// width), or only showing every text whole.
enum class Layout { Stock, Grown, Unscaled, Whole };

struct DesktopFontCase {
    const char* name;
    const char* family;  // empty: the stock font's
    double times;        // the stock size times this
    Layout layout;
};

void PrintTo(const DesktopFontCase& c, std::ostream* out) { *out << c.name; }

// The texts a window shows, each as it is drawn.
QStringList ShownTexts(const QWidget* window)
{
    QStringList texts;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
    }
    texts.removeAll(QString());
    return texts;
}

// The size each picture of `window` is drawn at, and the sizes of the text of its text
// boxes in tenths of a point (the box's, then each run's that sets its own).
QStringList DrawnSizes(const QWidget* window)
{
    QStringList lines;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        QSize picture;
        if (const auto* fond = dynamic_cast<const FondImage*>(w))
            picture = fond->PictureSize();
        else if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->hasScaledContents())
            picture = label->pixmap().size();
        if (!picture.isEmpty())
            lines << QStringLiteral("%1 picture %2x%3").arg(WidgetPath(w)).arg(picture.width()).arg(picture.height());
        if (const auto* box = qobject_cast<const QTextEdit*>(w)) {
            QStringList sizes{QString::number(qRound(box->document()->defaultFont().pointSizeF() * 10))};
            for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
                for (auto run = block.begin(); !run.atEnd(); ++run) {
                    if (run.fragment().charFormat().hasProperty(QTextFormat::FontPointSize))
                        sizes << QString::number(qRound(run.fragment().charFormat().fontPointSize() * 10));
                }
            }
            lines << WidgetPath(w) + QStringLiteral(" text ") + sizes.join(u' ');
        }
    }
    return lines;
}

template <typename Ui>
struct AtFontSize : WindowFixture<Ui>, ::testing::WithParamInterface<DesktopFontCase> {
    ScaledApplicationFont font{GetParam().times, QString::fromLatin1(GetParam().family)};
    QStringList faults;
    QStringList rectangles;
    QStringList texts;

    void SetUp() override
    {
        const QString family = QString::fromLatin1(GetParam().family);
        if (!family.isEmpty() && QFontInfo(QApplication::font()).family() != family)
            GTEST_SKIP() << GetParam().family << " is not installed";
    }
    void Look(const QWidget* window)
    {
        faults << LayoutFaults(window);
        rectangles << NamedRectangles(window) << DrawnSizes(window);
        texts << ShownTexts(window);
    }
    void ExpectLayout(const char* stockFile)
    {
        faults.removeDuplicates();
        EXPECT_EQ(faults.join(u'\n').toStdString(), "");
        // The factor is what the texts need: no larger (give or take the sample that
        // measures them) than the larger of the ratios of the line heights and of the widths
        // of the widest-growing text.
        const QFontMetricsF stock(QFont(QStringLiteral("Sans Serif"), 9)), used(QApplication::font());
        double need = used.height() / stock.height();
        for (const QString& text : texts)
            need = std::max(need, used.horizontalAdvance(text) / stock.horizontalAdvance(text));
        EXPECT_LE(LayoutScale(), std::max(1.0, need) * 1.03);
        switch (GetParam().layout) {
        case Layout::Stock: ExpectStockRectangles(QString::fromLatin1(stockFile), rectangles); break;
        case Layout::Grown: ExpectStockRectangles(QString::fromLatin1(stockFile), rectangles, LayoutScale()); break;
        case Layout::Unscaled: EXPECT_EQ(LayoutScale(), 1.0); break;
        case Layout::Whole: break;
        }
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
        const auto* fond = dynamic_cast<const FondImage*>(Find(QStringLiteral("FondListe")));
        ASSERT_TRUE(QTest::qWaitFor([fond] { return !fond->PictureSize().isEmpty(); }));
        Look(window.get());
    }
    ExpectLayout("stock_main_window.txt");
}

// The windows of the menus, the message window and the page windows.
TEST_P(DesktopFont, SecondaryWindowsShowTheirTextsWhole)
{
    SetProgramIcon();
    Start();
    // The tips that the program installs.
    engine->SetDirectories(dir.path() + u'/', QCoreApplication::applicationDirPath() + u'/');
    TFOptions unit(strings, {});
    unit.SetUnitRow(1);
    Look(&unit);
    TFOptionAffichage behaviour(strings);
    Look(&behaviour);
    TFApropos about(strings);
    Look(&about);
    TFAstuces tips(strings, engine->Tips());
    Look(&tips);
    // A short message keeps the window's own width, a long one widens it; both lie at the
    // same height below the main window's top.
    for (const auto& [text, lines] : {std::pair{"Valeur non valide !", 1},
                                      {"Erreur de saisie :\nValeur non valide !\nAucun résultat valide pour ces paramètres !", 3}}) {
        TFMessages message;
        message.Prepare(QString::fromUtf8(text), lines, window->frameGeometry());
        Look(&message);
        rectangles << QStringLiteral("FMessages below the main window's top %1").arg(message.y() - window->frameGeometry().y());
    }
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
    ExpectLayout("stock_windows.txt");
}

// The stock font and larger ones; a smaller one and a narrower family at the stock
// height, which keep the stored sizes; families whose letters grow less, or more, than
// their lines: Cantarell, a monospaced font, and a CJK fallback font, whose average glyph
// is far wider than its Latin letters.
const DesktopFontCase kDesktopFonts[] = {
    {"Stock", "", 1.0, Layout::Stock},
    {"Times1_25", "", 1.25, Layout::Grown},
    {"Times1_5", "", 1.5, Layout::Whole},
    {"Times2", "", 2.0, Layout::Whole},
    {"Points7", "", 7 / 9.0, Layout::Unscaled},
    {"Condensed9", "DejaVu Sans Condensed", 1.0, Layout::Unscaled},
    {"Cantarell11", "Cantarell", 11 / 9.0, Layout::Whole},
    {"Mono9", "DejaVu Sans Mono", 1.0, Layout::Whole},
    {"DroidFallback11", "Droid Sans Fallback", 11 / 9.0, Layout::Whole},
};

std::string CaseName(const ::testing::TestParamInfo<DesktopFontCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, DesktopFont, ::testing::ValuesIn(kDesktopFonts), CaseName);

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

INSTANTIATE_TEST_SUITE_P(DesktopFonts, WindowsOnScreen, ::testing::ValuesIn(kDesktopFonts), CaseName);

// Before any window is shown there is no frame to go by: the main window is centred, and
// a window asked for at the screen's corner kept whole, with the frame that comes.
using FirstWindows = WindowFixture<FakeUi>;

TEST_F(FirstWindows, AreCentredAndKeptOnTheScreenWithTheirFrame)
{
    Build();
    EXPECT_LE(OffCentre(window.get()).manhattanLength(), 2);
    const QRect area = window->screen()->availableGeometry();
    TFApropos about(strings);
    MoveOnScreen(&about, area.bottomRight());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_TRUE(area.contains(about.frameGeometry()));
}

// The layout keeps the factor of the start: the panels built after the desktop's font
// changed lie within the window built before it.
using FontChangedWhileRunning = WindowFixture<FakeUi>;

TEST_F(FontChangedWhileRunning, PanelsBuiltAfterwardsLieWithinTheWindow)
{
    Start();
    const double factor = LayoutScale();
    const QFont startFont = QApplication::font();
    QFont larger = startFont;
    larger.setPointSizeF(startFont.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    const auto restore = qScopeGuard([&startFont] { QApplication::setFont(startFont); });
    QStringList outside;
    for (int n = 0; n < CalculatorCount; ++n) {
        Open(n);
        outside << LayoutFaults(window.get()).filter(QStringLiteral("outside its window"));
    }
    EXPECT_EQ(outside.join(u'\n').toStdString(), "");
    EXPECT_EQ(LayoutScale(), factor);
}

// Where a frame goes on the screen's free area, here an 800 x 600 screen less a panel of
// 24 pixels above and one of 36 below: where it is asked for when it fits there, else
// moved in as far as it must, and at the area's top left corner when it is larger.
TEST(FramePosition, KeepsTheFrameWithinTheFreeArea)
{
    const QRect area(0, 24, 800, 540);
    const QMargins frame(4, 28, 4, 4);
    const struct {
        const char* what;
        QSize client;
        QPoint at, placed;
    } cases[] = {
        {"fits where asked", {300, 400}, {100, 50}, {100, 50}},
        {"past the right and the bottom panel", {300, 400}, {700, 500}, {492, 132}},
        {"over the top panel and left of the screen", {300, 400}, {-50, 0}, {0, 24}},
        {"as high as the free area with its frame", {419, 508}, {200, 30}, {200, 24}},
        {"larger than the area", {900, 700}, {100, 100}, {0, 24}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FramePosition(area, c.client, frame, c.at), c.placed) << c.what;
}

} // namespace
