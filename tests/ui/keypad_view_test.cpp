#include "ui/widget_ui_services.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "tests/ui/window_fixture.h"

#include <QApplication>
#include <QClipboard>

using namespace tornavel;

namespace {

// Typed on with the window's real buttons and real key events.
template <typename Ui>
struct KeypadWindowBase : tornavel::testing::WindowFixture<Ui> {
    void SetUp() override { this->Start(); }
};

using KeypadWindow = KeypadWindowBase<FakeUi>;
using KeypadWindowOnTheDesktop = KeypadWindowBase<WidgetUiServices>;

TEST_F(KeypadWindow, ButtonsTypeAndComputeOnTheStandardCalculator)
{
    ClickKeys(QStringLiteral("12+3*2="));
    EXPECT_EQ(Result(0), QStringLiteral("18"));
    EXPECT_EQ(Formula(0), QStringLiteral("12+3*2=18"));

    ClickKeys(QStringLiteral("9r"));
    EXPECT_EQ(Formula(0), QStringLiteral("R9"));
    ClickKeys(QStringLiteral("="));
    EXPECT_EQ(Result(0), QStringLiteral("3"));

    Click(QStringLiteral("PMS"));
    Click(QStringLiteral("CalculatriceC"));
    EXPECT_EQ(Result(0), QStringLiteral("0"));
    EXPECT_EQ(Formula(0), QString());
    ClickKeys(QStringLiteral("0,5+"));
    Click(QStringLiteral("PMR0"));
    EXPECT_EQ(Formula(0), QStringLiteral("0,5+3"));
    Click(QStringLiteral("CalculatriceCE"));
    EXPECT_EQ(Formula(0), QStringLiteral("0,5+"));
    EXPECT_EQ(QApplication::focusWidget(), Keyboard());
}

TEST_F(KeypadWindow, KeyEventsDriveTheKeys)
{
    QTest::keyClicks(Keyboard(), QStringLiteral("12+3*2"));
    EXPECT_EQ(Formula(0), QStringLiteral("12+3*2"));
    QTest::keyClick(Keyboard(), Qt::Key_Return);
    EXPECT_EQ(Result(0), QStringLiteral("18"));
    QTest::keyClick(Keyboard(), Qt::Key_Backspace);
    EXPECT_EQ(Formula(0), QStringLiteral("12+3*2"));
    QTest::keyClick(Keyboard(), Qt::Key_Escape);
    EXPECT_EQ(Formula(0), QString());
    QTest::keyClicks(Keyboard(), QStringLiteral("1.5/3="));
    EXPECT_EQ(Result(0), QStringLiteral("0,5"));
    // The keypad keys on a list input do nothing.
    OpenFromMenu(*engine, 35);
    window->Render();
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PMR35"))->isEnabled());
    QTest::keyClicks(Keyboard(), QStringLiteral("7,"));
    EXPECT_EQ(Formula(35), QString());
}

TEST_F(KeypadWindow, DivisionByZeroShowsTheErrorBoxAndKeepsTheFormula)
{
    ClickKeys(QStringLiteral("5/0="));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, u"Division par zéro en virgule flottante."_qs);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Tornavel"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Error);
    EXPECT_EQ(Formula(0), QStringLiteral("5/0"));
    // The program goes on with the formula as it was.
    QTest::keyClick(Keyboard(), Qt::Key_Backspace);
    QTest::keyClicks(Keyboard(), QStringLiteral("4="));
    EXPECT_EQ(Result(0), QStringLiteral("1,25"));
}

TEST_F(KeypadWindow, CtrlAOpensTheHelpPageOfTheCalculatorOnScreen)
{
    QTest::keyClick(Keyboard(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(ui.openedUrls[0], HelpLinks::HelpPageUrl(QStringLiteral("Aide/calculatrice-standard.html"),
                                                    Seen(*engine).help.ProgramDirectory()));
    EXPECT_EQ(Formula(0), QString());  // the "a" is not typed
}

TEST_F(KeypadWindowOnTheDesktop, CtrlCPutsTheResultOnTheClipboard)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    clipboard->setText(QStringLiteral("avant"));
    ClickKeys(QStringLiteral("6*7="));
    QTest::keyClick(Keyboard(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("42"));
    EXPECT_EQ(Formula(0), QStringLiteral("6*7=42"));
}

} // namespace
