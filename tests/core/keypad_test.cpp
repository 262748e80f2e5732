#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <span>

namespace tornavel {
namespace {

struct KeypadEntry : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    // As the calculators menu opens a calculator: afresh, alone on the stack.
    void Open(int number) { OpenFromMenu(engine, number); }
    const PanelState& Panel() { return Seen(engine).TopPanel(); }

    // Types on the keyboard, one character at a time.
    void Type(const QString& keys)
    {
        for (const QChar k : keys)
            engine.FormKeyPress(k);
    }
    void ExpectFields(const QString& result, const QString& formula)
    {
        EXPECT_EQ(Panel().result, result);
        EXPECT_EQ(Panel().formula, formula);
    }
};

TEST_F(KeypadEntry, DigitsBuildOneNumberInBothFields)
{
    Open(0);
    engine.PCalculatriceDigitClick(0);
    ExpectFields("0", "0");
    engine.PCalculatriceDigitClick(0);
    ExpectFields("0", "0");
    engine.PCalculatriceDigitClick(5);
    ExpectFields("5", "5");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
    engine.PCalculatriceDigitClick(0);
    ExpectFields("50", "50");
}

TEST_F(KeypadEntry, CommaJoinsTheNumberOnce)
{
    Open(0);
    engine.PCalculatriceVirguleClick();
    ExpectFields("0,", "0,");
    Type("5,,2");
    ExpectFields("0,52", "0,52");

    Open(0);
    Type("12.5");
    ExpectFields("12,5", "12,5");

    Open(0);
    Type("12+,");
    ExpectFields("0,", "12+0,");
}

TEST_F(KeypadEntry, CommaOnAShownResultStartsANewNumber)
{
    Open(0);
    Type("2+3=,5");
    ExpectFields("0,5", "0,5");

    Open(1);
    Type("2");
    engine.PCalculClick(1);
    ASSERT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(1).resultCode);
    Type(",5");
    ExpectFields("0,5", "0,5");
}

TEST_F(KeypadEntry, DigitAfterAnyResultStartsOver)
{
    for (const int code : {6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 27, 36}) {
        Open(2);
        as_family::Typed(engine, QStringLiteral("Périmètre(4&3)=11,0"), QStringLiteral("11,0"), code);
        as_family::Term(engine, 1);
        engine.PCalculatriceDigitClick(7);
        ExpectFields("7", "7");
        EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0) << code;
    }
}

TEST_F(KeypadEntry, DigitAfterAnOperatorOrNextTermReplacesTheShownNumber)
{
    Open(0);
    Type("12+3");
    ExpectFields("3", "12+3");

    Open(2);
    Type("5&3");
    ExpectFields("3", "5&3");
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 1);
}

TEST_F(KeypadEntry, DigitAfterAFunctionKeyStartsANewNumberInBothFields)
{
    // Mended: a digit after a function key used to show alone while the formula
    // appended it to the number before.
    Open(39);
    Type("30");
    as_family::Pressed(engine, Code::Sine);
    Type("5");
    ExpectFields("5", "5");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
}

TEST_F(KeypadEntry, DisabledKeypadChangesNothing)
{
    Open(35);
    ASSERT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().memoryEnabled);
    as_family::Memory(engine, 4.0);
    const QString result = Panel().result;
    engine.PCalculatriceDigitClick(7);
    engine.PCalculatriceVirguleClick();
    engine.PMR0Click();
    Type("8,");
    ExpectFields(result, "");
}

TEST_F(KeypadEntry, MemoryRecall)
{
    Open(0);
    engine.PMR0Click();
    ExpectFields("0", "0");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::MemoryRecall);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
    Type("5");
    ExpectFields("5", "5");

    as_family::Memory(engine, 7.5);
    Open(0);
    Type("12+");
    engine.PMR0Click();
    engine.PMR0Click();
    ExpectFields("7,5", "12+7,5");

    // While a number is typed, MR takes it back first.
    Open(0);
    Type("12+34");
    engine.PMR0Click();
    ExpectFields("7,5", "12+7,5");
    // The next digit replaces the recalled number.
    Type("6");
    ExpectFields("6", "12+6");

    as_family::Memory(engine, -2.0);
    Open(2);
    Type("5&");
    engine.PMR0Click();
    ExpectFields("-2", "5&-2");
}

TEST_F(KeypadEntry, CommaOnARecalledNumberKeepsItForTheNextDigits)
{
    // Mended: the digit after "7," used to take the recalled 7 back and show "5".
    Open(0);
    as_family::Memory(engine, 7.0);
    Type("12+");
    engine.PMR0Click();
    Type(",5");
    ExpectFields("7,5", "12+7,5");
    Type("=");
    EXPECT_EQ(Panel().result, "19,5");

    as_family::Memory(engine, 0.0);
    Open(2);
    engine.PMR0Click();
    Type(",25");
    ExpectFields("0,25", "0,25");

    // A recalled number that already has its separator stays recalled: a digit
    // replaces it.
    as_family::Memory(engine, 2.5);
    Open(0);
    engine.PMR0Click();
    Type(",3");
    ExpectFields("3", "3");
}

TEST_F(KeypadEntry, KeyboardDispatchesByCalculator)
{
    // The keys of 27 and 30 stand in for their own, on an engine that serves them.
    int computes = 0;
    int nextTerms = 0;
    const CalculatorCatalogue counting = WithKeysOf(30, [&](CalculatorKeys& keys) {
        keys.nextTerm = [&](CalculatorContext&) { ++nextTerms; };
    }, WithKeysOf(27, [&](CalculatorKeys& keys) { keys.compute = [&](CalculatorContext&) { ++computes; }; },
                  AllCalculators()));
    Engine standIn{counting, strings, ui, QStringLiteral(",")};
    standIn.FormCreate(QStringLiteral("O"));

    OpenFromMenu(standIn, 27);
    EXPECT_TRUE(standIn.FormKeyPress(QChar(13)));
    EXPECT_TRUE(standIn.FormKeyPress(QLatin1Char('=')));
    EXPECT_EQ(computes, 2);

    OpenFromMenu(standIn, 30);
    EXPECT_TRUE(standIn.FormKeyPress(QLatin1Char('&')));
    EXPECT_EQ(nextTerms, 1);

    Open(5);
    Type("4");
    EXPECT_FALSE(engine.FormKeyPress(QLatin1Char('+')));
    ExpectFields("4", "4");
    EXPECT_FALSE(engine.FormKeyPress(QLatin1Char('x')));

    Open(1);
    EXPECT_FALSE(engine.FormKeyPress(QLatin1Char('&')));  // no next-term key

    Open(0);
    Type("12+3");
    EXPECT_TRUE(engine.FormKeyPress(QChar(8)));  // Backspace: CE
    ExpectFields("0", "12+");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterCE);
    EXPECT_TRUE(engine.FormKeyPress(QChar(27)));  // Escape: C
    ExpectFields("0", "");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterUndo);
    Type("6*7");
    EXPECT_TRUE(engine.FormKeyPress(QChar(13)));
    ExpectFields("42", "6*7=42");
}

TEST_F(KeypadEntry, OperatorAndFunctionKeysReachOnlyTheCalculatorThatHasThem)
{
    EXPECT_FALSE(engine.KeypadKeyClick(KeypadKey::Plus));  // nothing on screen
    const KeypadKey standardKeys[] = {KeypadKey::Plus, KeypadKey::Minus, KeypadKey::Times, KeypadKey::Divide,
                                      KeypadKey::Root, KeypadKey::Inverse, KeypadKey::MemoryStore};
    const KeypadKey functionKeys[] = {KeypadKey::Sine, KeypadKey::Cosine, KeypadKey::Tangent,
                                      KeypadKey::InverseFunction, KeypadKey::Pi, KeypadKey::Power,
                                      KeypadKey::ChangeSign};
    struct Case {
        int calculator;
        std::span<const KeypadKey> keys;
    };
    const Case cases[] = {{5, standardKeys}, {39, standardKeys}, {0, functionKeys}, {5, functionKeys}};
    for (const Case& c : cases) {
        Open(c.calculator);
        Type("4");
        as_family::Memory(engine, 7.0);
        for (const KeypadKey key : c.keys) {
            SCOPED_TRACE(testing::Message() << "calculator " << c.calculator << ", key " << static_cast<int>(key));
            EXPECT_FALSE(engine.KeypadKeyClick(key));
            ExpectFields("4", "4");
            EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
            EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7.0);
        }
    }
    Open(39);
    EXPECT_FALSE(engine.FormKeyPress(QLatin1Char('*')));
    EXPECT_TRUE(engine.KeypadKeyClick(KeypadKey::Sine));
}

TEST_F(KeypadEntry, CtrlCCopiesTheResultField)
{
    Open(0);
    Type("6*7=");
    EXPECT_TRUE(engine.FormKeyDown(67, true));
    EXPECT_EQ(ui.clipboard, "42");

    ui.clipboard.clear();
    EXPECT_FALSE(engine.FormKeyDown(67, false));
    EXPECT_FALSE(engine.FormKeyDown(68, true));
    EXPECT_EQ(ui.clipboard, "");
}

TEST_F(KeypadEntry, CtrlAOpensTheHelpPageOfTheCalculatorOnScreen)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    Open(3);
    EXPECT_TRUE(engine.FormKeyDown(65, true));
    const QString address =
        HelpLinks::HelpPageUrl(QStringLiteral("Aide/calculatrice-surface-cercle.html"), Seen(engine).help.ProgramDirectory());
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(ui.openedUrls.back(), address);
    EXPECT_TRUE(ui.boxes.isEmpty());

    // When the browser cannot be started, a box gives the address.
    ui.openSucceeds = false;
    Open(39);
    EXPECT_TRUE(engine.FormKeyDown(65, true));
    const QString address39 = HelpLinks::HelpPageUrl(
        QStringLiteral("Aide/calculatrice-fonctions-mathematiques.html"), Seen(engine).help.ProgramDirectory());
    EXPECT_EQ(ui.openedUrls.back(), address39);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].caption, "Erreur dans l'ouverture du fichier !");
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(ui.boxes[0].text,
              "Impossible de lancer votre navigateur par défaut !\n"
              "Pour accéder au système d'aide, lancer manuellement votre navigateur et saisissez "
              "dans la barre d'adresse :\n"
                  + address39);
}

TEST_F(KeypadEntry, KeysWithoutACalculatorDoNothing)
{
    EXPECT_FALSE(engine.FormKeyPress(QLatin1Char('5')));
    EXPECT_FALSE(engine.FormKeyDown(67, true));
    engine.PCalculatriceDigitClick(5);
    engine.PMR0Click();
    engine.CalculatriceCEClick();
    engine.CalculatriceCClick();
    EXPECT_EQ(engine.Panel(0).formula, "");
}

} // namespace
} // namespace tornavel
