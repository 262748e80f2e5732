#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
#include "tests/support/fake_ui.h"
#include "tests/support/sub_calculation.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tornavel;

namespace {

struct StackOfCalculators : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    // No state files: the program starts on its defaults.
    TemporaryCurrentFolder folder;

    void SetUp() override
    {
        engine.FormCreate(QStringLiteral("O"), QStringLiteral(","));
        engine.FormActivate();
    }

    const PanelState& Panel(int n) { return engine.Panel(n); }

    // Types a number into the calculator on screen the way the keypad leaves it.
    void Typing(const QString& formula, const QString& result)
    {
        as_family::Typed(engine, formula, result, Code::Digit);
    }

    // Double-clicks the row that offers calculator n in the sub-calculation list.
    void OpenSub(int n) { OpenSubCalculation(engine, n); }

    // What a calculator leaves in its fields after computing.
    void Computed(const QString& formula, const QString& result, int code)
    {
        as_family::Typed(engine, formula, result, code);
    }
};

} // namespace

TEST_F(StackOfCalculators, StartsWithTheDefaultCalculatorAlone)
{
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 0);
    EXPECT_EQ(Seen(engine).stack.Top().Target, -1);
    EXPECT_EQ(engine.Window().visiblePanel, 0);
}

TEST_F(StackOfCalculators, OkOnTheOnlyRecordChangesNothing)
{
    Typing(QStringLiteral("2*5"), QStringLiteral("5"));
    engine.POk0Click();
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Panel(0).formula, QStringLiteral("2*5"));
    EXPECT_EQ(Panel(0).result, QStringLiteral("5"));
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
}

TEST_F(StackOfCalculators, SubCalculationHandsItsResultBackIntoTheCallersFormula)
{
    Typing(QStringLiteral("2*"), QStringLiteral("2"));
    as_family::Pressed(engine, Code::Times);
    OpenSub(3);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 2u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 3);
    EXPECT_EQ(Seen(engine).stack.Top().Target, 0);
    EXPECT_EQ(engine.Window().visiblePanel, 3);
    // At the push the caller receives the new calculator's text.
    EXPECT_EQ(Panel(0).result, QStringLiteral("0"));

    Computed(QStringLiteral("Surface(10)=78,5398163397448"), QStringLiteral("78,5398163397448"), 12);
    engine.POk0Click();
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(engine.Window().visiblePanel, 0);
    EXPECT_EQ(Panel(0).formula, QStringLiteral("2*78,5398163397448"));
    EXPECT_EQ(Panel(0).result, QStringLiteral("78,5398163397448"));
    EXPECT_EQ(Panel(3).formula, QString());
    EXPECT_EQ(Panel(3).result, QStringLiteral("0"));
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::None);
}

TEST_F(StackOfCalculators, ReturnedNumberReplacesTheNumberBeingTyped)
{
    Typing(QStringLiteral("2*5"), QStringLiteral("5"));
    OpenSub(1);
    Computed(QStringLiteral("Périmètre(4)=12,5663706143592"), QStringLiteral("12,5663706143592"), 11);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).formula, QStringLiteral("2*12,5663706143592"));
}

TEST_F(StackOfCalculators, ReturnedZeroIsAValueNotNothing)
{
    // Typed number replaced by the returned 0.
    Typing(QStringLiteral("2*5"), QStringLiteral("5"));
    OpenSub(1);
    Computed(QStringLiteral("Périmètre(0)=0"), QStringLiteral("0"), 11);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).formula, QStringLiteral("2*0"));
    EXPECT_EQ(Panel(0).result, QStringLiteral("0"));

    // Trailing operator followed by the returned 0.
    OpenFromMenu(engine, 0);
    Typing(QStringLiteral("7+"), QStringLiteral("7"));
    as_family::Pressed(engine, Code::Plus);
    OpenSub(1);
    Computed(QStringLiteral("Périmètre(0)=0"), QStringLiteral("0"), 11);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).formula, QStringLiteral("7+0"));

    // A geometry caller waiting for its second input.
    OpenFromMenu(engine, 2);
    Typing(QStringLiteral("3&"), QStringLiteral("3"));
    as_family::Term(engine, 1);
    as_family::Pressed(engine, Code::NextTerm);
    OpenSub(0);
    engine.POk0Click();
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&0"));
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 1);
}

TEST_F(StackOfCalculators, NegativeResultOfTheKeypadCalculatorsIsNotHandedBack)
{
    Typing(QStringLiteral("2*"), QStringLiteral("2"));
    as_family::Pressed(engine, Code::Times);
    OpenSub(39);
    Computed(QStringLiteral("Sin(-30)=-0,5"), QStringLiteral("-0,5"), Code::Equals);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).result, QStringLiteral("0"));
    EXPECT_EQ(Panel(0).formula, QStringLiteral("2*"));
    EXPECT_EQ(Panel(39).result, QStringLiteral("0"));
    EXPECT_EQ(Panel(39).formula, QString());
}

TEST_F(StackOfCalculators, NegativeResultOfOtherCalculatorsIsHandedBack)
{
    Typing(QStringLiteral("5+"), QStringLiteral("5"));
    as_family::Pressed(engine, Code::Plus);
    OpenSub(37);
    Computed(QStringLiteral("Température(Celsius&-40)=-40"), QStringLiteral("-40"), 27);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).result, QStringLiteral("-40"));
    EXPECT_EQ(Panel(0).formula, QStringLiteral("5+-40"));
}

TEST_F(StackOfCalculators, SubCalculationsNest)
{
    Typing(QStringLiteral("1+"), QStringLiteral("1"));
    as_family::Pressed(engine, Code::Plus);
    OpenSub(39);
    Typing(QStringLiteral("2"), QStringLiteral("2"));
    OpenSub(3);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 3u);
    EXPECT_EQ(Seen(engine).stack.Top().Target, 39);
    Computed(QStringLiteral("Surface(2)=3,14159265358979"), QStringLiteral("3,14159265358979"), 12);
    engine.POk0Click();
    EXPECT_EQ(Panel(39).formula, QStringLiteral("3,14159265358979"));
    EXPECT_EQ(engine.Window().visiblePanel, 39);
    engine.POk0Click();
    EXPECT_EQ(Panel(0).formula, QStringLiteral("1+3,14159265358979"));
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
}

TEST_F(StackOfCalculators, DoubleClickRefusedWhileAResultIsShownOrAListInputIsDue)
{
    Computed(QStringLiteral("2+3=5"), QStringLiteral("5"), Code::Equals);
    engine.LbCalculettesDblClick(0);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);

    Typing(QStringLiteral("2"), QStringLiteral("2"));
    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowInputField(InputField::List); });
    engine.LbCalculettesDblClick(0);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);

    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowInputField(InputField::Typed); });
    engine.LbCalculettesDblClick(-1);
    engine.LbCalculettesDblClick(500);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
}

TEST_F(StackOfCalculators, CalculatorAlreadyOpenInTheChainCannotBeOpenedAgain)
{
    Typing(QStringLiteral("4"), QStringLiteral("4"));
    OpenSub(39);
    Typing(QStringLiteral("9"), QStringLiteral("9"));
    // The mathematical-functions calculator offers every calculator, itself and the
    // standard calculator below it included: neither opens.
    OpenSub(39);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 2u);
    OpenSub(0);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 2u);
    EXPECT_EQ(Panel(0).formula, QStringLiteral("4"));
    EXPECT_EQ(Panel(39).formula, QStringLiteral("9"));
    OpenSub(5);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 3u);
}

TEST_F(StackOfCalculators, OpeningFromAMenuClosesTheChainAndResetsEveryPanel)
{
    Typing(QStringLiteral("2*"), QStringLiteral("2"));
    as_family::Pressed(engine, Code::Times);
    OpenSub(39);
    Typing(QStringLiteral("30"), QStringLiteral("30"));
    OpenSub(9);
    Typing(QStringLiteral("3&4"), QStringLiteral("4"));
    as_family::Term(engine, 1);

    OpenFromMenu(engine, 12);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 12);
    EXPECT_EQ(Seen(engine).stack.Top().Target, -1);
    for (int n : {0, 39, 9}) {
        EXPECT_EQ(Panel(n).result, QStringLiteral("0")) << n;
        EXPECT_EQ(Panel(n).formula, QString()) << n;
    }
    // The standard calculator opens clean the next time.
    OpenFromMenu(engine, 0);
    EXPECT_EQ(Panel(0).formula, QString());
}

TEST_F(StackOfCalculators, ReopeningTheCalculatorOnScreenStartsItOver)
{
    OpenFromMenu(engine, 9);
    Typing(QStringLiteral("3&4&5"), QStringLiteral("5"));
    as_family::Term(engine, 2);
    OpenFromMenu(engine, 9);
    EXPECT_EQ(Panel(9).result, QStringLiteral("0"));
    EXPECT_EQ(Panel(9).formula, QString());
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::None);
}

TEST_F(StackOfCalculators, DiscardingTheEngineWithAnOpenChainHandsNothingBack)
{
    auto owned = std::make_unique<Engine>(AllCalculators(), strings, ui, QStringLiteral(","));
    owned->FormCreate(QStringLiteral("O"));
    OpenFromMenu(*owned, 0);
    as_family::Typed(*owned, QStringLiteral("2*"), owned->Panel(0).result, Code::Times);
    owned->LbCalculettesDblClick(0);
    ASSERT_EQ(Seen(*owned).stack.Records().size(), 2u);
    as_family::Fields(*owned, owned->Panel(owned->Window().visiblePanel).formula, QStringLiteral("7"));
    owned->FormClose();
    EXPECT_EQ(owned->Panel(0).result, QStringLiteral("0"));
    EXPECT_EQ(owned->Panel(0).formula, QStringLiteral("2*"));
    owned.reset(); // plain data: nothing to hand back, nothing to touch
}

TEST_F(StackOfCalculators, PushIgnoresNumbersOutsideTheCalculators)
{
    // Rows outside the sub-calculation list open nothing.
    engine.LbCalculettesDblClick(static_cast<int>(Seen(engine).stack.Top().OfferedCalculators.size()));
    engine.LbCalculettesDblClick(-1);
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
    // Opening an unknown calculator keeps the one on screen.
    OpenFromMenu(engine, CalculatorCount);
    engine.CalculetteClick(-1);
    engine.CalculetteClick(static_cast<int>(engine.Descriptions().Menu().size()) + CalculatorCount);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 0);
}
