#include "core/calcerror.h"
#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {
struct FormulaHelpers : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    const NumberRules& numbers = Seen(engine).numbers;
};
} // namespace

TEST_F(FormulaHelpers, FormulaEndsWithNumberLooksAtTheLastCharacter)
{
    EXPECT_FALSE(numbers.FormulaEndsWithNumber(QString()));
    EXPECT_FALSE(numbers.FormulaEndsWithNumber(QStringLiteral("12+")));
    EXPECT_TRUE(numbers.FormulaEndsWithNumber(QStringLiteral("12+3")));
    EXPECT_TRUE(numbers.FormulaEndsWithNumber(QStringLiteral("12,")));
}

TEST_F(FormulaHelpers, LastTermValueReadsTheNumberAfterTheLastOperator)
{
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("12+3,5")), 3.5);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("-4")), -4.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2^")), 0.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("5")), 5.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QString()), 0.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2-5")), 5.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2+R9")), 9.0);
}

TEST_F(FormulaHelpers, LastTermKeepsItsOwnSignAndExponent)
{
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("3&-40")), -40.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2*5E-5")), 5e-5);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2*-1,5E-5")), -1.5e-5);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("2^-3")), -3.0);
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("Aire(-2")), -2.0);
    EXPECT_EQ(numbers.LastTermStart(QStringLiteral("3&-40")), 2);
    EXPECT_EQ(numbers.LastTermStart(QStringLiteral("12E-5")), 0);
    // A root marker at the start is not part of the number.
    EXPECT_EQ(numbers.LastFormulaTermValue(QStringLiteral("R9")), 9.0);
}

TEST_F(FormulaHelpers, LastTermThatIsNotANumberRaisesTheConversionError)
{
    EXPECT_THROW(numbers.LastFormulaTermValue(QStringLiteral("2*x")), CalcError);
}

TEST_F(FormulaHelpers, NormalizeEnteredNumberTidiesBothFields)
{
    struct Case {
        const char* result;
        const char* formula;
        const char* tidyResult;
        const char* tidyFormula;
    };
    const Case cases[] = {
        {"7,", "2*7,", "7", "2*7"},
        {"10", "3+10", "10", "3+10"},        // a trailing 0 without separator stays
        {",25", ",25", "0,25", "0,25"},
        {"1,50", "2^1,50", "1,5", "2^1,5"},
        {"-3,", "2^-3,", "-3", "2^-3"},      // a signed number is tidied whole, its sign kept once
        {"5,", "R5,", "5", "R5"},            // a root marker that opens the formula is kept
    };
    for (const Case& c : cases) {
        PanelState p;
        p.result = QString::fromUtf8(c.result);
        p.formula = QString::fromUtf8(c.formula);
        numbers.NormalizeEnteredNumber(p);
        EXPECT_EQ(p.result, QString::fromUtf8(c.tidyResult)) << c.formula;
        EXPECT_EQ(p.formula, QString::fromUtf8(c.tidyFormula)) << c.formula;
    }
}

TEST_F(FormulaHelpers, ClassifyResultsAndOperators)
{
    const CalculatorRegistry& rows = engine.Descriptions();
    for (int code : {6, 11, 17, 23, 25, 26, 27, 36})
        EXPECT_TRUE(rows.IsResultState(code)) << code;
    for (int code : {-1, 0, 5, 7, 10, 24, 28, 31, 37, 38})
        EXPECT_FALSE(rows.IsResultState(code)) << code;
    for (int code : {0, 1, 2, 3, 4, 5, 28, 29, 30})
        EXPECT_TRUE(IsOperatorState(code)) << code;
    for (int code : {-1, 6, 7, 31, 32, 33, 37})
        EXPECT_FALSE(IsOperatorState(code)) << code;
}

TEST_F(FormulaHelpers, EveryCalculatorHasAResultCodeThatMeansAResultIsShown)
{
    EXPECT_EQ(engine.Descriptions().Of(0).resultCode, Code::None);
    EXPECT_EQ(engine.Descriptions().Of(39).resultCode, Code::None);
    for (int n = 1; n <= 38; ++n) {
        EXPECT_TRUE(engine.Descriptions().IsResultState(engine.Descriptions().Of(n).resultCode)) << n;
        EXPECT_FALSE(IsOperatorState(engine.Descriptions().Of(n).resultCode)) << n;
    }
}

TEST_F(FormulaHelpers, ComboHasSelectionDuringAReplay)
{
    engine.FormCreate(QStringLiteral("O"));
    as_family::Open(engine, 0);
    int ran = 0;
    AsFamilyKey(engine, [&ran](CalculatorContext& context) {
        PanelState p;
        EXPECT_FALSE(ComboHasSelection(context, p));
        context.RecomputeForOption([&] { EXPECT_TRUE(ComboHasSelection(context, p)); });
        EXPECT_FALSE(ComboHasSelection(context, p));
        p.listIndex = 0;
        EXPECT_TRUE(ComboHasSelection(context, p));
        ++ran;
    });
    EXPECT_EQ(ran, 1);
}
