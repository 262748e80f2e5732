#include "core/calcerror.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {
const QString kComma = QStringLiteral(",");
QString T(long double v) { return NumberToText(v, kComma); }
long double N(const char* s) { return TextToNumber(QString::fromUtf8(s), kComma); }
QString ErrorOf(const char* s)
{
    try {
        N(s);
    } catch (const CalcError& e) {
        return e.message();
    }
    return QString();
}
} // namespace

TEST(NumberToText, ChoosesFixedOrExponentNotationAtTheLimits)
{
    EXPECT_EQ(T(1e15L), "1E15");
    EXPECT_EQ(T(999999999999999.0L), "999999999999999");
    EXPECT_EQ(T(1e-4L), "0,0001");
    EXPECT_EQ(T(1e-5L), "1E-5");
    EXPECT_EQ(T(1.5e-5L), "1,5E-5");
    EXPECT_EQ(T(2.5L), "2,5");
    EXPECT_EQ(T(-2.5L), "-2,5");
    EXPECT_EQ(T(1.25e20L), "1,25E20");
    EXPECT_EQ(T(123456.0L), "123456");
}

TEST(NumberToText, RoundsToFifteenSignificantDigits)
{
    EXPECT_EQ(T(0.1 + 0.2), "0,3");
    EXPECT_EQ(T(1.0L / 3.0L), "0,333333333333333");
    EXPECT_EQ(T(2.0L / 3.0L), "0,666666666666667");
    EXPECT_EQ(T(78.53981633974483L), "78,5398163397448");
    // Rounding that carries into a new digit moves to exponent notation.
    EXPECT_EQ(T(999999999999999.9L), "1E15");
}

TEST(NumberToText, ZeroHasNoSign)
{
    EXPECT_EQ(T(0.0L), "0");
    EXPECT_EQ(T(-0.0L), "0");
}

TEST(NumberToText, UsesTheGivenSeparator)
{
    EXPECT_EQ(NumberToText(3.25L, QStringLiteral(".")), "3.25");
}

TEST(TextToNumber, AcceptsTheStrictGrammar)
{
    EXPECT_EQ(N(" 1,5 "), 1.5L);
    EXPECT_EQ(N("-4"), -4.0L);
    EXPECT_EQ(N("+4"), 4.0L);
    EXPECT_EQ(N(",5"), 0.5L);
    EXPECT_EQ(N("12,"), 12.0L);
    EXPECT_EQ(N("5E-5"), 5e-5L);
    EXPECT_EQ(N("1,5e3"), 1500.0L);
    EXPECT_EQ(N("0"), 0.0L);
}

TEST(TextToNumber, RefusesEverythingElseWithTheTextQuoted)
{
    for (const char* bad : {"", "-", "1,5,5", "inf", "nan", "0x10", "1.5", "1E", "12a", "E5", ",", " "}) {
        const QString message = ErrorOf(bad);
        EXPECT_EQ(message, QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte")
                               .arg(QString::fromUtf8(bad)))
            << bad;
    }
}

TEST(TextToNumber, KeepsExtendedRangeAndOverflowsOnlyWhenNarrowed)
{
    const long double big = N("1e400");
    EXPECT_GT(big, 1e399L);
    try {
        ToDouble(big);
        FAIL() << "no overflow";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.message(), "Débordement en virgule flottante");
    }
    EXPECT_EQ(N("1e-6000"), 0.0L);
    EXPECT_EQ(ErrorOf("1e6000"), "Débordement en virgule flottante");
}

TEST(FloatingPointFaults, AreCheckedExplicitly)
{
    auto message = [](auto f) {
        try {
            f();
        } catch (const CalcError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(message([] { CheckedDivide(5, 0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(message([] { CheckedDivide(0, 0); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(message([] { CheckedValue(std::numeric_limits<long double>::infinity()); }),
              "Débordement en virgule flottante");
    EXPECT_EQ(CheckedDivide(1, 4), 0.25L);
}
