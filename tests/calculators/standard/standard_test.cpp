#include "core/calcerror.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/engine.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// Drives the standard calculator as a user does. Keys: digits, ",", "+ - * /" and "="
// as on the keyboard; r root, i 1/x, m MR, s MS, < CE, c C.
struct StandardCalculator : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void SetUp() override { OpenFromMenu(engine, 0); }

    const PanelState& Panel() { return Seen(engine).TopPanel(); }
    QString Result() { return Panel().result; }
    QString Formula() { return Panel().formula; }

    void Press(const QString& keys)
    {
        for (const QChar k : keys) {
            switch (k.unicode()) {
            case 'r': engine.KeypadKeyClick(KeypadKey::Root); break;
            case 'i': engine.KeypadKeyClick(KeypadKey::Inverse); break;
            case 'm': engine.PMR0Click(); break;
            case 's': engine.KeypadKeyClick(KeypadKey::MemoryStore); break;
            case '<': engine.CalculatriceCEClick(); break;
            case 'c': engine.CalculatriceCClick(); break;
            default: ASSERT_TRUE(engine.FormKeyPress(k)) << "key " << k.toLatin1(); break;
            }
        }
    }

    // The message of the error that the keys raise, or "" when none.
    QString ErrorOf(const QString& keys)
    {
        try {
            Press(keys);
        } catch (const CalcError& error) {
            return error.message();
        }
        return {};
    }

    QString ResultOf(const QString& keys)
    {
        Press(QStringLiteral("c") + keys);
        return Result();
    }
};

TEST_F(StandardCalculator, EvaluatesProductsAndQuotientsBeforeSumsAndDifferences)
{
    EXPECT_EQ(ResultOf("12+3*2="), "18");
    EXPECT_EQ(Formula(), "12+3*2=18");
    EXPECT_EQ(ResultOf("2+3*4="), "14");
    EXPECT_EQ(ResultOf("2-3-4="), "-5");
    EXPECT_EQ(ResultOf("2-5+1="), "-2");
    EXPECT_EQ(ResultOf("8-6/3*2+1="), "5");
    EXPECT_EQ(ResultOf("2,5*4="), "10");
    EXPECT_EQ(ResultOf("7="), "7");
}

TEST_F(StandardCalculator, RoundsEveryIntermediateResultToFifteenDigits)
{
    EXPECT_EQ(ResultOf("1/3*3="), "0,999999999999999");
    EXPECT_EQ(ResultOf("2/3*3="), "2");  // 0,666666666666667 * 3
    EXPECT_EQ(ResultOf("0,1+0,2="), "0,3");
}

TEST_F(StandardCalculator, RootAndInverseMarkTheLastNumber)
{
    Press("9r");
    EXPECT_EQ(Formula(), "R9");
    EXPECT_EQ(Result(), "9");
    Press("=");
    EXPECT_EQ(Result(), "3");

    EXPECT_EQ(ResultOf("4i="), "0,25");
    EXPECT_EQ(Formula(), "1/4=0,25");
    EXPECT_EQ(ResultOf("12+9r="), "15");
    EXPECT_EQ(Formula(), "12+R9=15");
    EXPECT_EQ(ResultOf("2r="), "1,4142135623731");
    // The inverse marker is an ordinary division, read from left to right.
    EXPECT_EQ(ResultOf("8/4i="), "2");
    EXPECT_EQ(Formula(), "8/1/4=2");
}

TEST_F(StandardCalculator, MarkerOnANumberThatAlreadyHasOneOrOnAnOperatorIsRefused)
{
    // Mended: root then 1/x used to give "R1/9", which reads as the root of 1, over 9.
    Press("9ri");
    EXPECT_EQ(Formula(), "R9");
    Press("c9ir");
    EXPECT_EQ(Formula(), "1/9");
    Press("c9rr");
    EXPECT_EQ(Formula(), "R9");
    // Mended: right after an operator the marker used to go in front of the whole formula.
    Press("c12+r");
    EXPECT_EQ(Formula(), "12+");
    Press("i");
    EXPECT_EQ(Formula(), "12+");
    // A marker on an empty calculator does nothing.
    Press("cr");
    EXPECT_EQ(Formula(), "");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterUndo);
}

TEST_F(StandardCalculator, DigitAfterAMarkerReplacesTheMarkedNumberInBothFields)
{
    // Mended: 9, root, 5 used to show 5 while the formula read R95.
    Press("9r5");
    EXPECT_EQ(Formula(), "R5");
    EXPECT_EQ(Result(), "5");
    Press("=");
    EXPECT_EQ(Result(), "2,23606797749979");

    // A marker that opens the formula stays when the number is tidied.
    Press("c9r5,50+");
    EXPECT_EQ(Formula(), "R5,5+");

    Press("c12+8i4");
    EXPECT_EQ(Formula(), "12+1/4");
    EXPECT_EQ(Result(), "4");
}

TEST_F(StandardCalculator, ZeroAfterAnOperatorIsReplacedByTheNextDigit)
{
    // Mended: 12, +, 0, 5 used to leave the formula 12+05.
    Press("12+05");
    EXPECT_EQ(Formula(), "12+5");
    EXPECT_EQ(Result(), "5");
    Press("c12+00");
    EXPECT_EQ(Formula(), "12+0");
    Press(",5");
    EXPECT_EQ(Formula(), "12+0,5");
    EXPECT_EQ(Result(), "0,5");
}

TEST_F(StandardCalculator, TrailingOperatorIsDroppedByEquals)
{
    EXPECT_EQ(ResultOf("12+="), "12");
    EXPECT_EQ(Formula(), "12=12");
    EXPECT_EQ(ResultOf("12*3-="), "36");
}

TEST_F(StandardCalculator, DivisionByZeroKeepsTheFormulaAndTheCodes)
{
    as_family::Memory(engine, 7.0);
    EXPECT_EQ(ErrorOf("c5/0="), "Division par zéro en virgule flottante");
    EXPECT_EQ(Formula(), "5/0");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
    EXPECT_EQ(Seen(engine).history.Values().LastHistoryIndex, -1);

    // The trailing operator that "=" dropped stays dropped.
    EXPECT_EQ(ErrorOf("c5/0+2*="), "Division par zéro en virgule flottante");
    EXPECT_EQ(Formula(), "5/0+2");
}

TEST_F(StandardCalculator, ArithmeticFaultsRaiseTheirMessages)
{
    EXPECT_EQ(ErrorOf("c0/0="), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(Formula(), "0/0");

    EXPECT_EQ(ErrorOf("c5*0i="), "Division par zéro en virgule flottante");

    as_family::Memory(engine, 1e300);
    EXPECT_EQ(ErrorOf("cm*m="), "Débordement en virgule flottante");
    EXPECT_EQ(Formula(), "1E300*1E300");
}

TEST_F(StandardCalculator, SignedAndExponentNumbersReadAsNumbers)
{
    // Mended: a result below 1E-4 is written 1E-5 and used to split at its "-".
    EXPECT_EQ(ResultOf("1/100000="), "1E-5");
    EXPECT_EQ(ResultOf("1/100000*100000="), "1");
    EXPECT_EQ(ResultOf("2/100000/100000="), "2E-10");

    // Mended: a negative value recalled after an operator is an operand, not an error.
    as_family::Memory(engine, -4.0);
    EXPECT_EQ(ResultOf("3+m="), "-1");
    EXPECT_EQ(Formula(), "3+-4=-1");
    as_family::Memory(engine, -4.0);
    EXPECT_EQ(ResultOf("3-m*2="), "11");
    as_family::Memory(engine, -4.0);
    EXPECT_EQ(ResultOf("m*2="), "-8");
    // A root marker goes after the sign, as for a negative first number.
    as_family::Memory(engine, -9.0);
    EXPECT_EQ(ResultOf("1-mr="), "4");
    EXPECT_EQ(Formula(), "1--R9=4");

    as_family::Memory(engine, 2.5e-5);
    EXPECT_EQ(ResultOf("4*m="), "0,0001");
}

TEST_F(StandardCalculator, EqualsTwiceShowsTheResultOnce)
{
    Press("2+3=");
    Press("=");
    EXPECT_EQ(Formula(), "2+3=5");
    EXPECT_EQ(Result(), "5");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Equals);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Equals);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 5.0);
}

TEST_F(StandardCalculator, EqualsWithNothingToComputeLeavesTheFormulaAsTyped)
{
    // Mended: "=" whose guard failed used to mark a result, so the next digit wiped
    // the formula.
    Press("12+5<");
    ASSERT_EQ(Formula(), "12+");
    ASSERT_EQ(Result(), "0");
    Press("=");
    EXPECT_EQ(Formula(), "12+");
    EXPECT_NE(Seen(engine).keys.LastKeyCode(), Code::Equals);
    Press("3");
    EXPECT_EQ(Formula(), "12+3");
    Press("=");
    EXPECT_EQ(Result(), "15");

    Press("c=");
    EXPECT_EQ(Formula(), "");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterUndo);
}

TEST_F(StandardCalculator, OperatorKeys)
{
    Press("12+-*");
    EXPECT_EQ(Formula(), "12+");  // a second operator in a row is ignored
    EXPECT_EQ(Result(), "12");    // the result field keeps the number until a digit
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Plus);

    Press("c9r+");
    EXPECT_EQ(Formula(), "R9");  // right after root

    Press("c+");
    EXPECT_EQ(Formula(), "");  // nothing to operate on

    // Right after "=" an operator only clears the calculator.
    Press("2+3=+");
    EXPECT_EQ(Formula(), "");
    EXPECT_EQ(Result(), "0");

    // The number is tidied before the operator.
    Press("c2,50*");
    EXPECT_EQ(Formula(), "2,5*");
    EXPECT_EQ(Result(), "2,5");
    Press("c,5-");
    EXPECT_EQ(Formula(), "0,5-");
}

TEST_F(StandardCalculator, ClearEntryWalksBack)
{
    Press("12+5=");
    Press("<");
    EXPECT_EQ(Formula(), "12+5");
    EXPECT_EQ(Result(), "0");
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterCE);
    Press("<");
    EXPECT_EQ(Formula(), "12+");
    Press("<");
    EXPECT_EQ(Formula(), "12");
    Press("<");
    EXPECT_EQ(Formula(), "");
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::AfterUndo);
    Press("<");
    EXPECT_EQ(Formula(), "");
    EXPECT_EQ(Result(), "0");

    // Mended: after "2-5=" CE used to leave "2-5=-", taking the result's sign for an
    // operator.
    Press("c2-5=<");
    EXPECT_EQ(Formula(), "2-5");
    as_family::Memory(engine, -3.0);
    Press("c4*m<");
    EXPECT_EQ(Formula(), "4*");
}

TEST_F(StandardCalculator, DigitAfterClearEntryOfAResultReplacesTheLastNumber)
{
    Press("12+5=<7");
    EXPECT_EQ(Formula(), "12+7");
    EXPECT_EQ(Result(), "7");
    Press("=");
    EXPECT_EQ(Result(), "19");
}

TEST_F(StandardCalculator, ClearEntryOfAnOperatorKeepsTheNumberBeforeIt)
{
    // Mended: the number before the operator used to vanish at the next digit.
    Press("12+<");
    EXPECT_EQ(Formula(), "12");
    EXPECT_EQ(Result(), "12");
    Press("5");
    EXPECT_EQ(Formula(), "125");
    EXPECT_EQ(Result(), "125");

    Press("c12+3*<");
    EXPECT_EQ(Formula(), "12+3");
    EXPECT_EQ(Result(), "3");
    Press("4=");
    EXPECT_EQ(Formula(), "12+34=46");

    Press("c12+<,5");
    EXPECT_EQ(Formula(), "12,5");
    EXPECT_EQ(Result(), "12,5");

    Press("c12-<*2=");
    EXPECT_EQ(Result(), "24");
}

TEST_F(StandardCalculator, ClearEntryOfAMarkerGivesTheNumberBack)
{
    Press("12+9r<");
    EXPECT_EQ(Formula(), "12+9");
    EXPECT_EQ(Result(), "9");
    Press("5");
    EXPECT_EQ(Formula(), "12+95");
    Press("c8i<");
    EXPECT_EQ(Formula(), "8");
    EXPECT_EQ(Result(), "8");
    Press("i=");
    EXPECT_EQ(Result(), "0,125");
}

TEST_F(StandardCalculator, MemoryStoreAndRecall)
{
    Press("2+3=");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 5.0);
    Press("c42s");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 42.0);
    EXPECT_EQ(Formula(), "42");  // MS changes nothing else
    Press("+m");
    EXPECT_EQ(Formula(), "42+42");
    EXPECT_EQ(Result(), "42");
    Press("=");
    EXPECT_EQ(Result(), "84");

    // After "=" a digit or MR starts over.
    Press("m");
    EXPECT_EQ(Formula(), "84");

    as_family::Fields(engine, engine.Panel(0).formula, QStringLiteral("abc"));
    EXPECT_EQ(ErrorOf("s"), "'abc' n'est pas une valeur en virgule flottante correcte");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 84.0);
}

TEST_F(StandardCalculator, EqualsAddsTheFormulaToTheHistory)
{
    Press("12+3=");
    bool found = false;
    for (const HistoryEntry& entry : Seen(engine).history.Values().HistoryEntries)
        found = found || (entry.Number == 0 && entry.Text == "12+3=15");
    EXPECT_TRUE(found);
}

} // namespace
} // namespace tornavel
