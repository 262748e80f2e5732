#include "core/engine.h"
#include "core/window/tornavel_window.h"
#include "platform/widgets/widget_ui_services.h"
#include "tests/support/fake_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tornavel;

namespace {

// The main window on a fresh engine, typed on with its real buttons and real key events.
template <typename Ui>
struct KeypadWindowBase : ::testing::Test {
    QTemporaryDir dir;
    StringTable strings;
    Ui ui;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TFTornavel> window;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        engine = std::make_unique<Engine>(strings, ui, QStringLiteral(","));
        engine->OptionsFilePath = dir.filePath(QStringLiteral("Options.dat"));
        engine->HistoryFilePath = dir.filePath(QStringLiteral("CLS.dat"));
        engine->ProgramDirectory = dir.path() + QLatin1Char('/');
        window = std::make_unique<TFTornavel>(*engine, ui, dir.filePath(QStringLiteral("tornavel.ini")),
                                              QStringLiteral(","));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString Result(int n) const { return Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n))->text(); }
    QString Formula(int n) const
    {
        return Find<QPlainTextEdit>(QStringLiteral("EdtFormule%1").arg(n))->toPlainText();
    }
    void Click(const QString& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    // Clicks the keypad and standard-calculator buttons for a text of keys.
    void ClickKeys(const QString& keys)
    {
        for (const QChar k : keys) {
            switch (k.unicode()) {
            case '+': Click(QStringLiteral("PCalculatricePlus")); break;
            case '-': Click(QStringLiteral("PCalculatriceMoins")); break;
            case '*': Click(QStringLiteral("PCalculatriceMult")); break;
            case '/': Click(QStringLiteral("PCalculatriceSlash")); break;
            case '=': Click(QStringLiteral("PCalculatriceEgal")); break;
            case ',': Click(QStringLiteral("PCalculatriceVirgule")); break;
            case 'r': Click(QStringLiteral("PCalculatriceRac")); break;
            case 'i': Click(QStringLiteral("PCalculatriceInverse")); break;
            default: Click(QStringLiteral("PCalculatrice%1").arg(k)); break;
            }
        }
    }
    QWidget* Keyboard() const { return Find(QStringLiteral("PanelListe")); }
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
    engine->OpenCalculator(35);
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
    EXPECT_EQ(ui.openedUrls[0], Engine::HelpPageUrl(QStringLiteral("Aide/calculatrice-standard.html"),
                                                    engine->ProgramDirectory));
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
