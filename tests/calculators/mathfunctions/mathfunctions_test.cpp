#include "core/calcerror.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "calculators/install.h"
#include "core/engine.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct MathFunctions : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    MathFunctions() { OpenFromMenu(engine, 39); }

    // Presses keys separated by blanks: numbers are typed digit by digit (with ","),
    // the others are the calculator's keys.
    void Press(const char* sequence)
    {
        const QStringList keys = QString::fromUtf8(sequence).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& key : keys) {
            if (key == QLatin1String("sin")) engine.KeypadKeyClick(KeypadKey::Sine);
            else if (key == QLatin1String("cos")) engine.KeypadKeyClick(KeypadKey::Cosine);
            else if (key == QLatin1String("tan")) engine.KeypadKeyClick(KeypadKey::Tangent);
            else if (key == QLatin1String("inv")) engine.KeypadKeyClick(KeypadKey::InverseFunction);
            else if (key == QLatin1String("pi")) engine.KeypadKeyClick(KeypadKey::Pi);
            else if (key == QLatin1String("x^y")) engine.KeypadKeyClick(KeypadKey::Power);
            else if (key == QLatin1String("+/-")) engine.KeypadKeyClick(KeypadKey::ChangeSign);
            else if (key == QLatin1String("=")) engine.PCalculClick(39);
            else if (key == QLatin1String("CE")) engine.CalculatriceCEClick();
            else if (key == QLatin1String("C")) engine.CalculatriceCClick();
            else if (key == QLatin1String("MR")) engine.PMR0Click();
            else {
                for (QChar c : key) {
                    if (c == QLatin1Char(','))
                        engine.PCalculatriceVirguleClick();
                    else
                        engine.PCalculatriceDigitClick(c.digitValue());
                }
            }
        }
    }

    const QString& Formula() const { return engine.Panel(39).formula; }
    const QString& Result() const { return engine.Panel(39).result; }
    int Entries() { return Seen(engine).history.Values().LastHistoryIndex + 1; }
};

} // namespace

// ---- Trigonometric functions -------------------------------------------------------

TEST_F(MathFunctions, SineOf30IsOneHalfAndTheEntryKeepsTheArgument)
{
    Press("30 sin =");
    EXPECT_EQ(Formula(), QStringLiteral("Sin(30)=0,5"));
    EXPECT_EQ(Result(), QStringLiteral("0,5"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 0.5);
    ASSERT_EQ(Entries(), 1);
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[0].Text, QStringLiteral("30"));
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[0].Inputs[2], 28.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Equals);

    Press("30 +/- sin =");
    EXPECT_EQ(Formula(), QStringLiteral("Sin(-30)=-0,5"));
}

TEST_F(MathFunctions, ResultsAreRoundedToTwelveDecimals)
{
    const struct {
        const char* keys;
        const char* formula;
    } cases[] = {
        {"90 cos =", "Cos(90)=0"},
        {"270 cos =", "Cos(270)=0"},
        {"45 sin =", "Sin(45)=0,707106781187"},
        {"45 +/- sin =", "Sin(-45)=-0,707106781187"},
        {"45 tan =", "Tan(45)=1"},
        {"90 tan =", "Tan(90)=1,63312393531954E16"},
    };
    for (const auto& c : cases) {
        Press("C");
        Press(c.keys);
        EXPECT_EQ(Formula(), QString::fromUtf8(c.formula)) << c.keys;
    }
}

// Sine and cosine take their inverse only for numbers from -1 to 1, both included;
// a refused number clears the calculator (empty formula). The tangent takes any number.
TEST_F(MathFunctions, InverseFunctionsGiveDegrees)
{
    const struct {
        const char* keys;
        const char* formula;
    } cases[] = {
        {"0,5 inv sin =", "Asin(0,5)=30"},
        {"5 inv tan =", "Atan(5)=78,6900675259798"},
        {"0,5 inv cos =", "Acos(0,5)=60"},
        {"1 inv sin =", "Asin(1)=90"},
        {"1 +/- inv sin =", "Asin(-1)=-90"},
        {"1 inv cos =", "Acos(1)=0"},
        {"1 +/- inv cos =", "Acos(-1)=180"},
        // Above 1 only in extended precision: the double nearest is 1.
        {"1,0000000000000001 inv sin", ""},
        {"1,0000000000000001 +/- inv sin", ""},
        {"1,0000000000000001 inv cos", ""},
        {"1,0000000000000001 +/- inv cos", ""},
        {"1,5 inv tan =", "Atan(1,5)=56,3099324740202"},
        {"2 x^y 3 inv tan", ""}, // not a number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Press("C");
        Press(c.keys);
        EXPECT_EQ(Formula(), QString::fromUtf8(c.formula));
        EXPECT_TRUE(ui.boxes.isEmpty());
    }
}

TEST_F(MathFunctions, InverseSineOutsideItsDomainClearsTheCalculator)
{
    Press("1,5 inv sin");
    EXPECT_EQ(Formula(), QString());
    EXPECT_EQ(Result(), QStringLiteral("0"));
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterUndo);
    EXPECT_TRUE(ui.boxes.isEmpty());
}

TEST_F(MathFunctions, FunctionKeysIgnoredWhenTheyDoNotFit)
{
    Press("pi sin");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Pi);
    Press("C 2 x^y sin");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Power);
    Press("C 2 cos sin");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Cosine);
    // After a result a function key only clears.
    Press("C 30 sin = sin");
    EXPECT_EQ(Formula(), QString());
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
}

TEST_F(MathFunctions, InvCountsOnceAndIsIgnoredAfterAFunctionKey)
{
    Press("0,5 inv inv sin =");
    EXPECT_EQ(Formula(), QStringLiteral("Asin(0,5)=30"));
    Press("C 30 sin inv");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Sine);
    Press("=");
    EXPECT_EQ(Formula(), QStringLiteral("Sin(30)=0,5"));
}

// ---- Power, pi and sign -------------------------------------------------------------

TEST_F(MathFunctions, PowerAndItsUndoSteps)
{
    Press("2 x^y 3 =");
    EXPECT_EQ(Formula(), QStringLiteral("2^3=8"));
    EXPECT_EQ(Seen(engine).stack.Top().Inputs[0], 2.0);
    EXPECT_EQ(Seen(engine).stack.Top().Inputs[1], 3.0);
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 1);
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[0].Inputs[2], 31.0);

    Press("CE");
    EXPECT_EQ(Formula(), QStringLiteral("2^3"));
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Power);
    Press("CE");
    EXPECT_EQ(Formula(), QStringLiteral("2^"));
    Press("CE");
    EXPECT_EQ(Formula(), QStringLiteral("2"));
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::AfterUndo);
}

TEST_F(MathFunctions, SignChangesTheExponentOrTheBase)
{
    Press("2 x^y 3 +/- =");
    EXPECT_EQ(Formula(), QStringLiteral("2^-3=0,125"));
    // On "2^" the sign belongs to the base, and the base used changes with it.
    Press("2 x^y +/- 3 =");
    EXPECT_EQ(Formula(), QStringLiteral("-2^3=-8"));
    Press("2 x^y +/- +/- 3 =");
    EXPECT_EQ(Formula(), QStringLiteral("2^3=8"));
}

TEST_F(MathFunctions, SignKeyTogglesTheNumber)
{
    Press("23 +/-");
    EXPECT_EQ(Formula(), QStringLiteral("-23"));
    EXPECT_EQ(Result(), QStringLiteral("-23"));
    Press("+/-");
    EXPECT_EQ(Formula(), QStringLiteral("23"));
    EXPECT_EQ(Result(), QStringLiteral("23"));
    Press("C +/-");
    EXPECT_EQ(Formula(), QString());
    EXPECT_EQ(Result(), QStringLiteral("0"));
}

TEST_F(MathFunctions, SignKeyLeavesTheSignOfAnExponentAlone)
{
    // A recalled 1E-12 is negated as a whole, not turned into 1E12.
    as_family::Memory(engine, 1e-12);
    Press("MR +/-");
    EXPECT_EQ(Formula(), QStringLiteral("-1E-12"));
    EXPECT_EQ(Result(), QStringLiteral("-1E-12"));
    Press("+/-");
    EXPECT_EQ(Formula(), QStringLiteral("1E-12"));
    Press("+/- =");
    EXPECT_EQ(Formula(), QStringLiteral("-1E-12"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), -1e-12);
}

TEST_F(MathFunctions, SignChangeAfterUndoingTheResultNegatesTheExponentShown)
{
    // The result field is back to "0": the exponent is read from the formula, so the
    // sign change reaches the power.
    Press("2 x^y 3 = CE +/-");
    EXPECT_EQ(Formula(), QStringLiteral("2^-3"));
    EXPECT_EQ(Result(), QStringLiteral("0"));
    Press("=");
    EXPECT_EQ(Formula(), QStringLiteral("2^-3=0,125"));
}

TEST_F(MathFunctions, PiStandsAloneAndItsTextIsTheResult)
{
    Press("pi");
    EXPECT_EQ(Result(), QStringLiteral("3,14159265358979"));
    Press("pi");
    EXPECT_EQ(Formula(), QStringLiteral("3,14159265358979"));
    Press("=");
    EXPECT_EQ(Formula(), QStringLiteral("Pi=3,14159265358979"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 3.14159265358979);
}

// ---- "=" with nothing to compute ------------------------------------------------------

TEST_F(MathFunctions, EqualsWithoutAComputationDoesNothing)
{
    // x^y without an exponent takes the "^" back first.
    Press("2 x^y =");
    EXPECT_EQ(Formula(), QStringLiteral("2"));
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);

    Press("C 5 inv =");
    EXPECT_EQ(Formula(), QStringLiteral("5"));
    Press("C 30 sin = CE =");
    EXPECT_EQ(Formula(), QStringLiteral("30"));
    Press("C MR =");
    EXPECT_EQ(Result(), QStringLiteral("0,5"));
    Press("C =");
    EXPECT_EQ(Formula(), QString());

    EXPECT_EQ(Entries(), 1);
    EXPECT_TRUE(ui.boxes.isEmpty());
}

TEST_F(MathFunctions, PowerWithoutARealResultIsReportedAndChangesNothing)
{
    Press("2 +/- x^y 0,5 =");
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("pow: DOMAIN error"));
    EXPECT_EQ(Formula(), QStringLiteral("-2^0,5"));
    EXPECT_EQ(Entries(), 0);

    Press("C 0 x^y 1 +/- =");
    EXPECT_EQ(ui.boxes.size(), 2);
    EXPECT_EQ(Entries(), 0);
}

TEST_F(MathFunctions, OverflowingPowerRaisesTheOverflowError)
{
    Press("10 x^y 400");
    EXPECT_THROW(engine.PCalculClick(39), CalcError);
    EXPECT_EQ(Formula(), QStringLiteral("10^400"));
}

// ---- Replay ------------------------------------------------------------------------------

TEST_F(MathFunctions, ReplayFindsTheFunctionAgain)
{
    Press("30 sin = C 2 x^y +/- 3 = C 23 +/- =");
    ASSERT_EQ(Entries(), 3);
    const char* expected[] = {"Sin(30)=0,5", "-2^3=-8", "-23"};
    for (int k = 0; k < 3; ++k) {
        OpenFromMenu(engine, 0);
        engine.TraitArticleMCalculs(k);
        EXPECT_EQ(Formula(), QString::fromUtf8(expected[k])) << k;
    }
    EXPECT_EQ(Result(), QStringLiteral("-23"));
    EXPECT_EQ(Entries(), 3);
}
