#include "core/engine.h"
#include "tests/support/engine_access.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

struct ClearKeys : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void Open(int number) { EngineAccess::Session(engine).OpenCalculator(number); }
    PanelState& Panel() { return EngineAccess::Session(engine).TopPanel(); }
    PanelState& PanelOf(int n) { return EngineAccess::Session(engine).Panels()[static_cast<size_t>(n)]; }
    void Type(const QString& keys)
    {
        for (const QChar k : keys)
            engine.FormKeyPress(k);
    }
    bool Checked(int n, const char* name)
    {
        for (const RadioButtonState& r : PanelOf(n).radios)
            if (r.name == QLatin1String(name))
                return r.checked;
        ADD_FAILURE() << "no radio button " << name;
        return false;
    }
};

TEST_F(ClearKeys, ClearResetsTheCalculatorAndTheCodes)
{
    Open(2);
    Type("5&3");
    EngineAccess::Session(engine).Top().Inputs = {1, 2, 3, 4, 5, 6};
    EngineAccess::Session(engine).Keys().SetMemoryValue(9.0);
    EngineAccess::Session(engine).Keys().SetPendingMathFunction(31);
    engine.CalculatriceCClick();

    EXPECT_EQ(Panel().result, "0");
    EXPECT_EQ(Panel().formula, "");
    EXPECT_EQ(Panel().prompt, "Grand axe");
    EXPECT_EQ(EngineAccess::Session(engine).Top().TermIndex, 0);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(EngineAccess::Session(engine).Top().Inputs[i], 0.0);
    EXPECT_EQ(EngineAccess::Session(engine).Keys().LastKeyCode(), Code::None);
    EXPECT_EQ(EngineAccess::Session(engine).Keys().KeyClass(), Code::AfterUndo);
    EXPECT_EQ(EngineAccess::Session(engine).Keys().PendingMathFunction(), -1);
    EXPECT_EQ(EngineAccess::Session(engine).Keys().MemoryValue(), 9.0);
    // The keys follow the term index again.
    EXPECT_FALSE(Panel().computeEnabled);
    EXPECT_TRUE(Panel().nextEnabled);
}

TEST_F(ClearKeys, FirstPromptCarriesTheUnitWhenTheCallerShowsUnits)
{
    EngineAccess::Options(engine).SetUnitDisplay(0);
    Open(3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre");

    // A sub-calculation of the standard calculator: no unit.
    Open(0);
    EngineAccess::Session(engine).PushCalculator(3, 0);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre");

    // A sub-calculation of the slabs calculator, which shows units.
    Open(24);
    EngineAccess::Session(engine).PushCalculator(3, 24);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre (cm)");

    EngineAccess::Options(engine).SetUnitDisplay(1);
    Open(3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre (cm)");

    EngineAccess::Options(engine).SetUnitDisplay(0);
    EngineAccess::SetLengthUnitSuffix(engine, QStringLiteral("(mm)"));
    Open(10);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Long. mur pignon (mm)");
    Open(23);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Volume beton (cm3)");
    Open(32);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Tension (V)");
}

TEST_F(ClearKeys, ClearRefillsTheListOfAListFirstInput)
{
    Open(35);
    PanelOf(35).listRows = QStringList{QStringLiteral("reste")};
    PanelOf(35).listIndex = 0;
    PanelOf(35).resultVisible = true;
    EngineAccess::Session(engine).Keys().SetKeypadEnabled(true);
    engine.CalculatriceCClick();
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listRows.size(), 107);
    EXPECT_EQ(Panel().listIndex, -1);
    EXPECT_EQ(Panel().prompt, "Matériaux");
    EXPECT_FALSE(EngineAccess::Session(engine).Keys().KeypadEnabled());
    EXPECT_FALSE(Panel().memoryEnabled);
    // The keypad stays without effect until a material is chosen.
    Type("7");
    EXPECT_EQ(Panel().formula, "");

    Open(33);
    EngineAccess::Session(engine).Keys().SetKeypadEnabled(false);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().listRows.size(), 18);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_FALSE(Panel().resultVisible);

    Open(37);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().listRows, QStringList({"Celsius", "Kelvin", "Fahrenheit"}));
    Open(38);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().listRows.size(), 4);
    EXPECT_EQ(Panel().prompt, "Unité de mesure");
}

TEST_F(ClearKeys, ClearShowsTheResultFieldForATypedFirstInput)
{
    // 25, 26 and 34 as well: C never leaves a list under the first prompt.
    for (const int n : {17, 18, 20, 23, 25, 26, 30, 34}) {
        Open(n);
        PanelOf(n).listVisible = true;
        PanelOf(n).resultVisible = false;
        EngineAccess::Session(engine).Keys().SetKeypadEnabled(false);
        engine.CalculatriceCClick();
        EXPECT_TRUE(Panel().resultVisible) << n;
        EXPECT_FALSE(Panel().listVisible) << n;
        EXPECT_TRUE(EngineAccess::Session(engine).Keys().KeypadEnabled()) << n;
    }
    Open(25);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Surface (cm2)");
}

TEST_F(ClearKeys, ClearResetsTheOutputChoiceOfRoofAndConcreteOnly)
{
    EngineAccess::Session(engine).OptionSelection(21) = 1;
    Open(21);
    ASSERT_TRUE(Checked(21, "RbtnLiteaux"));
    engine.CalculatriceCClick();
    EXPECT_EQ(EngineAccess::Session(engine).OptionSelection(21), 0);
    EXPECT_TRUE(Checked(21, "RbtnTuiles"));
    EXPECT_FALSE(Checked(21, "RbtnLiteaux"));

    EngineAccess::Session(engine).OptionSelection(23) = 2;
    Open(23);
    engine.CalculatriceCClick();
    EXPECT_EQ(EngineAccess::Session(engine).OptionSelection(23), 0);
    EXPECT_TRUE(Checked(23, "RbtnCiment"));
    EXPECT_FALSE(Checked(23, "RbtnSable"));

    EngineAccess::Session(engine).OptionSelection(24) = 1;
    Open(24);
    engine.CalculatriceCClick();
    EXPECT_EQ(EngineAccess::Session(engine).OptionSelection(24), 1);
    EXPECT_TRUE(Checked(24, "RbtnColle"));
}

TEST_F(ClearKeys, ClearInASubCalculationTouchesOnlyThatCalculator)
{
    Open(0);
    Type("12+3");
    EngineAccess::Session(engine).PushCalculator(3, 0);
    Type("8");
    engine.CalculatriceCClick();
    EXPECT_EQ(EngineAccess::Session(engine).Stack().size(), 2u);
    EXPECT_EQ(PanelOf(3).formula, "");
    EXPECT_EQ(PanelOf(0).formula, "12+3");

    engine.POk0Click();
    EXPECT_EQ(EngineAccess::Session(engine).Top().Number, 0);
    EXPECT_EQ(PanelOf(0).result, "0");
}

TEST_F(ClearKeys, ClearEntryDispatchesByCalculatorNumber)
{
    // The circle-like calculators share one routine: each takes its result back.
    for (const int n : {1, 3, 11, 22}) {
        Open(n);
        Type("4=");
        ASSERT_EQ(EngineAccess::Session(engine).Keys().LastKeyCode(), EngineAccess::Session(engine).ResultCodeOf(n)) << n;
        engine.CalculatriceCEClick();
        EXPECT_EQ(Panel().formula, "4") << n;
        EXPECT_EQ(EngineAccess::Session(engine).Keys().KeyClass(), Code::AfterCE);
    }

    int undone = 0;
    EngineAccess::Keys(engine, 16).undo = [&](CalculatorContext& c) {
        ++undone;
        c.Keys().SetKeyClass(Code::NextTerm);
    };
    Open(16);
    engine.CalculatriceCEClick();
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(EngineAccess::Session(engine).Keys().KeyClass(), Code::AfterCE);  // whatever the routine did

    // A calculator whose routine is not there yet: CE still ends as CE.
    Open(17);
    EngineAccess::Keys(engine, 17).undo = nullptr;
    engine.CalculatriceCEClick();
    EXPECT_EQ(EngineAccess::Session(engine).Keys().KeyClass(), Code::AfterCE);
}

TEST_F(ClearKeys, ClearEntryUpdatesTheKeys)
{
    Open(2);
    Type("5&");
    ASSERT_TRUE(Panel().computeEnabled);
    engine.CalculatriceCEClick();
    EXPECT_EQ(EngineAccess::Session(engine).Top().TermIndex, 0);
    EXPECT_FALSE(Panel().computeEnabled);
    EXPECT_TRUE(Panel().nextEnabled);
}

} // namespace
} // namespace tornavel

namespace tornavel {
namespace {

TEST_F(ClearKeys, ClearOnAListFirstInputTurnsTheKeypadOff)
{
    // After a circuit result the keypad is on; C brings back the circuit list, where
    // digits have nothing to type into.
    Open(33);
    EngineAccess::Session(engine).Keys().SetKeypadEnabled(true);
    engine.CalculatriceCClick();
    EXPECT_FALSE(EngineAccess::Session(engine).Keys().KeypadEnabled());
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listRows.isEmpty());
}

} // namespace
} // namespace tornavel
