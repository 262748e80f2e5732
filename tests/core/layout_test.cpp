#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/layout.h"
#include "tests/support/fake_ui.h"
#include "tests/support/sub_calculation.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <map>

using namespace tornavel;

namespace {

struct Layout : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void SetUp() override
    {
        engine.FormCreate(QStringLiteral("O"), QStringLiteral(","));
        OpenFromMenu(engine, 0);
    }

    const PanelState& Panel(int n) { return engine.Panel(n); }

    void OpenSub(int n) { OpenSubCalculation(engine, n); }

    // Lays out the calculator on screen again with the given fields.
    void Relayout(const QString& formula, const QString& result, bool returned = false)
    {
        as_family::Fields(engine, formula, result);
        // As the program lays it out again: with the value a sub-calculation hands back;
        // else after the unit window before any input, or after a sub-calculation that
        // hands nothing back once inputs are closed.
        if (returned)
            HandBack(engine, result);
        else if (Seen(engine).stack.Top().TermIndex <= 0)
            ChooseInUnitWindow(engine, Seen(engine).options.Values().UnitScaleCode);
        else
            LayOutAgain(engine);
    }
};

} // namespace

TEST_F(Layout, FirstPromptOfEveryCalculatorWithUnitsShown)
{
    ChooseUnitDisplay(engine, 1);
    const std::map<int, QString> expected = {
        {1, u"Diamètre (cm)"_qs}, {2, u"Grand axe (cm)"_qs}, {3, u"Diamètre (cm)"_qs},
        {4, u"Rayon (cm)"_qs}, {5, u"Grand axe (cm)"_qs}, {6, u"Diamètre (cm)"_qs},
        {7, u"Diamètre base (cm)"_qs}, {8, u"Base (cm)"_qs}, {9, u"Grande base (cm)"_qs},
        {10, u"Long. mur pignon (cm)"_qs}, {11, u"Diamètre (cm)"_qs}, {12, u"Diamètre (cm)"_qs},
        {13, u"Coté (cm)"_qs}, {14, u"Coté (cm)"_qs}, {15, u"Diamètre base (cm)"_qs},
        {16, u"Long. mur pignon (cm)"_qs}, {17, u"Portée (cm)"_qs}, {18, u"Portée (cm)"_qs},
        {19, u"Longueur tuile (cm)"_qs}, {20, u"Longueur coté (cm)"_qs}, {21, u"Longueur pente (cm)"_qs},
        {22, u"Diamètre (cm)"_qs}, {23, u"Volume beton (cm3)"_qs}, {24, u"Surface (cm2)"_qs},
        {25, u"Surface (cm2)"_qs}, {26, u"Surface (cm2)"_qs}, {27, u"Longueur mur (cm)"_qs},
        {28, u"Longueur mur (cm)"_qs}, {29, u"Longueur mur (cm)"_qs}, {30, u"Longueur surface (cm)"_qs},
        {31, u"Hauteur sol à sol (cm)"_qs}, {32, u"Tension (V)"_qs}, {33, u"Nature circuit"_qs},
        {34, u"Tension (V)"_qs}, {35, u"Matériaux"_qs}, {36, u"Matériaux"_qs},
        {37, u"Unité température"_qs}, {38, u"Unité de mesure"_qs},
    };
    for (const auto& [n, prompt] : expected) {
        OpenFromMenu(engine, n);
        EXPECT_EQ(Panel(n).prompt, prompt) << n;
        EXPECT_EQ(engine.Window().statusText, Seen(engine).screen.CalculatorName(n)) << n;
        EXPECT_TRUE(Panel(n).visible);
        EXPECT_EQ(engine.Window().visiblePanel, n);
    }
}

TEST_F(Layout, ConditionalSuffixFollowsTheOptionAndTheCaller)
{
    OpenFromMenu(engine, 1);
    EXPECT_EQ(Panel(1).prompt, u"Diamètre"_qs);
    ChooseUnitDisplay(engine, 1);
    OpenFromMenu(engine, 1);
    EXPECT_EQ(Panel(1).prompt, u"Diamètre (cm)"_qs);
    ChooseUnitDisplay(engine, 0);

    // Opened from the concrete calculator, which shows units in its sub-calculations.
    OpenFromMenu(engine, 23);
    as_family::Typed(engine, QStringLiteral("2"), QStringLiteral("2"), Code::Digit);
    OpenSub(11);
    EXPECT_EQ(Panel(11).prompt, u"Diamètre (cm)"_qs);
    EXPECT_TRUE(Seen(engine).screen.UnitSuffixShown(Seen(engine).stack.OnScreen()));

    // Opened from the standard calculator, which does not.
    OpenFromMenu(engine, 0);
    as_family::Typed(engine, QStringLiteral("2"), QStringLiteral("2"), Code::Digit);
    OpenSub(11);
    EXPECT_EQ(Panel(11).prompt, u"Diamètre"_qs);
    EXPECT_FALSE(Seen(engine).screen.UnitSuffixShown(Seen(engine).stack.OnScreen()));

    // The house walls always show their unit.
    OpenFromMenu(engine, 10);
    EXPECT_EQ(Panel(10).prompt, u"Long. mur pignon (cm)"_qs);

    // The polygon's side shows it by the rule when the calculator opens, always after C.
    OpenFromMenu(engine, 20);
    EXPECT_EQ(Panel(20).prompt, u"Longueur coté"_qs);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel(20).prompt, u"Longueur coté (cm)"_qs);
}

TEST_F(Layout, LaterInputsTakeTheirOwnPromptAndUnit)
{
    ChooseUnitDisplay(engine, 1);
    OpenFromMenu(engine, 4);
    as_family::Term(engine, 1);
    Relayout(QStringLiteral("5&"), QStringLiteral("5"));
    EXPECT_EQ(Panel(4).prompt, u"Angle (°)"_qs);

    OpenFromMenu(engine, 25);
    as_family::Term(engine, 3);
    Relayout(QStringLiteral("5&1&3&"), QStringLiteral("3"));
    EXPECT_EQ(Panel(25).prompt, u"Nombre couches"_qs);
}

TEST_F(Layout, OfferedListsFollowTheMatrixInTheOrderZeroThirtyNineThenOneUp)
{
    const auto& standard = Seen(engine).stack.Top().OfferedCalculators;
    ASSERT_EQ(standard.size(), 38u);
    EXPECT_EQ(standard.front(), 39);
    EXPECT_EQ(engine.Window().offeredRows.front(), u"Calculatrice fonctions mathématiques"_qs);
    EXPECT_EQ(standard[1], 1);
    EXPECT_EQ(std::count(standard.begin(), standard.end(), 17), 0);
    EXPECT_EQ(std::count(standard.begin(), standard.end(), 0), 0);
    EXPECT_EQ(standard.back(), 38);

    OpenFromMenu(engine, 39);
    const auto& math = Seen(engine).stack.Top().OfferedCalculators;
    ASSERT_EQ(math.size(), static_cast<size_t>(CalculatorCount));
    EXPECT_EQ(math[0], 0);
    EXPECT_EQ(math[1], 39);
    EXPECT_EQ(math[2], 1);
    EXPECT_EQ(engine.Window().offeredRows.front(), u"Calculatrice standard"_qs);
    EXPECT_EQ(engine.Window().offeredRows.size(), CalculatorCount);

    OpenFromMenu(engine, 33);
    EXPECT_TRUE(Seen(engine).stack.Top().OfferedCalculators.empty());
    EXPECT_TRUE(engine.Window().offeredRows.isEmpty());
}

TEST_F(Layout, FoldPutsTheResultInPlaceOfTheNumberBeingTyped)
{
    OpenFromMenu(engine, 2);
    Relayout(QStringLiteral("3&4"), QStringLiteral("12,5"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&12,5"));
    Relayout(QStringLiteral("3&"), QStringLiteral("12,5"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&12,5"));
    Relayout(QStringLiteral("-5"), QStringLiteral("2"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("2"));
    Relayout(QString(), QStringLiteral("5"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("5"));
    // A signed or exponent number is replaced whole.
    Relayout(QStringLiteral("3&-40"), QStringLiteral("2"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&2"));
    Relayout(QStringLiteral("2*5E-5"), QStringLiteral("7"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("2*7"));
    Relayout(QStringLiteral("2^3"), QStringLiteral("5"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("2^5"));
}

TEST_F(Layout, ZeroOrEmptyResultLeavesTheFormulaUnlessItWasReturned)
{
    OpenFromMenu(engine, 2);
    Relayout(QStringLiteral("3&4"), QString());
    EXPECT_EQ(Panel(2).result, QStringLiteral("0"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&4"));
    Relayout(QStringLiteral("3&4"), QStringLiteral("0"));
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&4"));
    Relayout(QString(), QStringLiteral("0"));
    EXPECT_EQ(Panel(2).formula, QString());

    Relayout(QStringLiteral("3&4"), QStringLiteral("0"), true);
    EXPECT_EQ(Panel(2).formula, QStringLiteral("3&0"));
    Relayout(QString(), QStringLiteral("0"), true);
    EXPECT_EQ(Panel(2).formula, QStringLiteral("0"));
}

TEST_F(Layout, TermIndexGoesBackToZeroOnlyWithAnEmptyFormula)
{
    OpenFromMenu(engine, 9);
    as_family::Term(engine, 2);
    Relayout(QStringLiteral("3&4&"), QStringLiteral("4"));
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 2);
    EXPECT_EQ(Panel(9).prompt, u"Hauteur"_qs);
    Relayout(QString(), QStringLiteral("0"));
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
}

TEST_F(Layout, ComputeAndNextKeysAreGatedByTheNumberOfInputs)
{
    // A calculator with "&&" enables "f=" once every input but the last is closed.
    std::map<int, int> thresholds;
    for (int n = 0; n < CalculatorCount; ++n) {
        const CalculatorDescription& row = engine.Descriptions().Of(n);
        if (row.hasNextKey)
            thresholds[n] = row.inputCount() - 1;
    }
    EXPECT_GT(thresholds.size(), 1u);
    for (int n = 0; n < CalculatorCount; ++n) {
        const auto it = thresholds.find(n);
        EXPECT_EQ(engine.Descriptions().Of(n).nextTermThreshold(), it == thresholds.end() ? -1 : it->second) << n;
        if (it == thresholds.end())
            continue;
        const auto gateAt = [this](int termIndex) {
            AsFamilyKey(engine, [termIndex](CalculatorContext& c) {
                c.GoToTerm(termIndex);
                c.UpdateOperatorButtons();
            });
        };
        as_family::Open(engine, n);
        gateAt(it->second - 1);
        EXPECT_FALSE(Panel(n).computeEnabled) << n;
        EXPECT_TRUE(Panel(n).nextEnabled) << n;
        gateAt(it->second);
        EXPECT_TRUE(Panel(n).computeEnabled) << n;
        EXPECT_FALSE(Panel(n).nextEnabled) << n;
    }
    // Keys of the calculators that are not gated keep their state at any input.
    for (int n : {0, 1, 3, 11, 22, 39}) {
        as_family::Open(engine, n);
        const bool compute = Panel(n).computeEnabled;
        const bool next = Panel(n).nextEnabled;
        for (int termIndex = 0; termIndex < MaxInputs; ++termIndex) {
            AsFamilyKey(engine, [termIndex](CalculatorContext& c) {
                c.GoToTerm(termIndex);
                c.UpdateOperatorButtons();
            });
            EXPECT_EQ(Panel(n).computeEnabled, compute) << n;
            EXPECT_EQ(Panel(n).nextEnabled, next) << n;
        }
    }
}

TEST_F(Layout, FirstInputChosenInAListDisablesTheKeypadAndMemory)
{
    OpenFromMenu(engine, 33);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel(33).memoryEnabled);
    EXPECT_TRUE(Panel(33).listVisible);
    EXPECT_FALSE(Panel(33).resultVisible);
    EXPECT_EQ(Panel(33).listRows.size(), 18);
    EXPECT_EQ(Panel(33).listLeft, 123);
    EXPECT_EQ(Panel(33).listTop, 8);

    OpenFromMenu(engine, 35);
    EXPECT_EQ(Panel(35).listRows.size(), 107);
    OpenFromMenu(engine, 37);
    EXPECT_EQ(Panel(37).listRows, QStringList({u"Celsius"_qs, u"Kelvin"_qs, u"Fahrenheit"_qs}));
    OpenFromMenu(engine, 38);
    EXPECT_EQ(Panel(38).listRows.size(), 4);

    // A typed first input shows the result field and hides the list.
    OpenFromMenu(engine, 23);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    EXPECT_TRUE(Panel(23).memoryEnabled);
    EXPECT_FALSE(Panel(23).listVisible);
    EXPECT_TRUE(Panel(23).resultVisible);
}

TEST_F(Layout, LaterListInputShowsItsListAndKeepsItsRows)
{
    OpenFromMenu(engine, 20);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowList(QStringList({QStringLiteral("5"), QStringLiteral("6")}), 1); });
    as_family::Term(engine, 1);
    Relayout(QStringLiteral("4&"), QStringLiteral("4"));
    EXPECT_EQ(Panel(20).prompt, u"Nombre de cotés"_qs);
    EXPECT_TRUE(Panel(20).listVisible);
    EXPECT_FALSE(Panel(20).resultVisible);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_EQ(Panel(20).listRows.size(), 2);
    EXPECT_EQ(Panel(20).listIndex, 1);
}

TEST_F(Layout, OptionButtonsFollowTheRememberedSelection)
{
    as_family::Option(engine, 23, 2);
    OpenFromMenu(engine, 23);
    std::vector<bool> checked;
    for (const RadioButtonState& r : Panel(23).radios)
        checked.push_back(r.checked);
    EXPECT_EQ(checked, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(Panel(23).radios[2].name, QStringLiteral("RbtnSable"));

    // A selection without a button checks nothing and leaves the others.
    as_family::Option(engine, 23, 7);
    OpenFromMenu(engine, 23);
    EXPECT_TRUE(Panel(23).radios[2].checked);

    as_family::Option(engine, 37, 1);
    OpenFromMenu(engine, 37);
    EXPECT_TRUE(Panel(37).radios[1].checked);
    EXPECT_FALSE(Panel(37).radios[0].checked);
}

TEST(WindowRules, MessageWindowGrowsTwelvePixelsPerExtraLine)
{
    const MessageFormGeometry one = MessageFormLayout(100, 50, 300, 1);
    EXPECT_EQ(one.height, 63);
    EXPECT_EQ(one.buttonTop, 26);
    EXPECT_EQ(one.top, 150);
    EXPECT_EQ(one.left, 100 + (300 - 218) / 2);
    const MessageFormGeometry two = MessageFormLayout(100, 50, 300, 2);
    EXPECT_EQ(two.height, 75);
    EXPECT_EQ(two.buttonTop, 38);
    const MessageFormGeometry none = MessageFormLayout(0, 0, 300, 0);
    EXPECT_EQ(none.height, 63);
    EXPECT_EQ(none.buttonTop, 26);
    // Off the screen too, and the halving rounds toward zero.
    const MessageFormGeometry off = MessageFormLayout(-500, -400, 217, 3);
    EXPECT_EQ(off.top, -300);
    EXPECT_EQ(off.left, -500 + 0);
    EXPECT_EQ(off.height, 87);
}

TEST(WindowRules, CentringAndErrorBoxText)
{
    const WindowPosition p = CentredOnScreen(800, 600, 305, 431);
    EXPECT_EQ(p.left, 247);
    EXPECT_EQ(p.top, 84);
    EXPECT_EQ(ErrorBoxText(u"Division par zéro en virgule flottante"_qs),
              u"Division par zéro en virgule flottante."_qs);
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Fini.")), QStringLiteral("Fini."));
}
