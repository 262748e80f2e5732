#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
#include "tests/support/sub_calculation.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

struct ClearAndUndo : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void Open(int number) { OpenFromMenu(engine, number); }
    const PanelState& Panel() { return Seen(engine).TopPanel(); }
    const PanelState& PanelOf(int n) { return engine.Panel(n); }
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

TEST_F(ClearAndUndo, ClearResetsTheCalculatorAndTheCodes)
{
    Open(2);
    Type("5&3");
    AsFamilyKey(engine, [](CalculatorContext& c) {
        for (int k = 0; k < MaxInputs; ++k)
            c.KeepInput(k, k + 1);
        c.StoreInMemory(9.0);
        c.FunctionChosen(Code::Power, false);
    });
    engine.CalculatriceCClick();

    EXPECT_EQ(Panel().result, "0");
    EXPECT_EQ(Panel().formula, "");
    EXPECT_EQ(Panel().prompt, "Grand axe");
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(Seen(engine).stack.Top().Inputs[i], 0.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterUndo);
    EXPECT_EQ(Seen(engine).keys.PendingMathFunction(), -1);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 9.0);
    // The keys follow the term index again.
    EXPECT_FALSE(Panel().computeEnabled);
    EXPECT_TRUE(Panel().nextEnabled);
}

TEST_F(ClearAndUndo, FirstPromptCarriesTheUnitWhenTheCallerShowsUnits)
{
    ChooseUnitDisplay(engine, 0);
    Open(3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre");

    // A sub-calculation of the standard calculator: no unit.
    Open(0);
    OpenSubCalculation(engine, 3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre");

    // A sub-calculation of the slabs calculator, which shows units.
    Open(24);
    OpenSubCalculation(engine, 3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre (cm)");

    ChooseUnitDisplay(engine, 1);
    Open(3);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Diamètre (cm)");

    // In millimetres a length label and a volume label take different suffixes.
    ChooseUnitDisplay(engine, 0);
    ChooseInUnitWindow(engine, 1);
    Open(10);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Long. mur pignon (mm)");
    Open(23);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Volume beton (mm3)");
    Open(32);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Tension (V)");
}

TEST_F(ClearAndUndo, ClearRefillsTheListOfAListFirstInput)
{
    Open(35);
    AsFamilyKey(engine, [](CalculatorContext& c) {
        c.ShowList(QStringList{QStringLiteral("reste")}, 0);
        c.ShowInputField(InputField::Typed);
    });
    engine.CalculatriceCClick();
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listRows.size(), 107);
    EXPECT_EQ(Panel().listIndex, -1);
    EXPECT_EQ(Panel().prompt, "Matériaux");
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().memoryEnabled);
    // The keypad stays without effect until a material is chosen.
    Type("7");
    EXPECT_EQ(Panel().formula, "");

    Open(33);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowInputField(InputField::List); });
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

TEST_F(ClearAndUndo, ClearShowsTheResultFieldForATypedFirstInput)
{
    // 25, 26 and 34 as well: C never leaves a list under the first prompt.
    for (const int n : {17, 18, 20, 23, 25, 26, 30, 34}) {
        Open(n);
        AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowInputField(InputField::List); });
        engine.CalculatriceCClick();
        EXPECT_TRUE(Panel().resultVisible) << n;
        EXPECT_FALSE(Panel().listVisible) << n;
        EXPECT_TRUE(Seen(engine).keys.KeypadEnabled()) << n;
    }
    Open(25);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel().prompt, "Surface (cm2)");
}

TEST_F(ClearAndUndo, ClearResetsTheOutputChoiceOfRoofAndConcreteOnly)
{
    Open(21);
    as_family::Option(engine, 21, 1);
    Open(21);
    ASSERT_TRUE(Checked(21, "RbtnLiteaux"));
    engine.CalculatriceCClick();
    EXPECT_EQ(Seen(engine).screen.OptionSelection(21), 0);
    EXPECT_TRUE(Checked(21, "RbtnTuiles"));
    EXPECT_FALSE(Checked(21, "RbtnLiteaux"));

    as_family::Option(engine, 23, 2);
    Open(23);
    engine.CalculatriceCClick();
    EXPECT_EQ(Seen(engine).screen.OptionSelection(23), 0);
    EXPECT_TRUE(Checked(23, "RbtnCiment"));
    EXPECT_FALSE(Checked(23, "RbtnSable"));

    as_family::Option(engine, 24, 1);
    Open(24);
    engine.CalculatriceCClick();
    EXPECT_EQ(Seen(engine).screen.OptionSelection(24), 1);
    EXPECT_TRUE(Checked(24, "RbtnColle"));
}

TEST_F(ClearAndUndo, ClearInASubCalculationTouchesOnlyThatCalculator)
{
    Open(0);
    Type("12+3");
    OpenSubCalculation(engine, 3);
    Type("8");
    engine.CalculatriceCClick();
    EXPECT_EQ(Seen(engine).stack.Records().size(), 2u);
    EXPECT_EQ(PanelOf(3).formula, "");
    EXPECT_EQ(PanelOf(0).formula, "12+3");

    engine.POk0Click();
    EXPECT_EQ(Seen(engine).stack.Top().Number, 0);
    EXPECT_EQ(PanelOf(0).result, "0");
}

TEST_F(ClearAndUndo, ClearEntryDispatchesByCalculatorNumber)
{
    // The circle-like calculators share one routine: each takes its result back.
    for (const int n : {1, 3, 11, 22}) {
        Open(n);
        Type("4=");
        ASSERT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(n).resultCode) << n;
        engine.CalculatriceCEClick();
        EXPECT_EQ(Panel().formula, "4") << n;
        EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterCE);
    }

    int undone = 0;
    const CalculatorCatalogue standIns = WithKeysOf(17, [](CalculatorKeys& keys) { keys.undo = nullptr; },
        WithKeysOf(16, [&](CalculatorKeys& keys) {
            keys.undo = [&](CalculatorContext& c) {
                ++undone;
                c.KeyPressed(Code::NextTerm);
            };
        }, AllCalculators()));
    Engine standIn{standIns, strings, ui, QStringLiteral(",")};
    OpenFromMenu(standIn, 16);
    standIn.CalculatriceCEClick();
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(Seen(standIn).keys.KeyClass(), Code::AfterCE);  // whatever the routine did

    // A calculator whose routine is not there yet: CE still ends as CE.
    OpenFromMenu(standIn, 17);
    standIn.CalculatriceCEClick();
    EXPECT_EQ(Seen(standIn).keys.KeyClass(), Code::AfterCE);
}

TEST_F(ClearAndUndo, ClearEntryUpdatesTheKeys)
{
    Open(2);
    Type("5&");
    ASSERT_TRUE(Panel().computeEnabled);
    engine.CalculatriceCEClick();
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);
    EXPECT_FALSE(Panel().computeEnabled);
    EXPECT_TRUE(Panel().nextEnabled);
}

} // namespace
} // namespace tornavel

namespace tornavel {
namespace {

TEST_F(ClearAndUndo, ClearOnAListFirstInputTurnsTheKeypadOff)
{
    // After a circuit result the keypad is on; C brings back the circuit list, where
    // digits have nothing to type into.
    Open(33);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowInputField(InputField::Typed); });
    engine.CalculatriceCClick();
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listRows.isEmpty());
}

} // namespace
} // namespace tornavel
