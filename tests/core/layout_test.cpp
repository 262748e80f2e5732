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
        Parts(engine).stack.PushCalculator(0, -1);
    }

    const PanelState& Panel(int n) { return engine.Panel(n); }

    void OpenSub(int n) { OpenSubCalculation(engine, n); }

    // Lays out calculator n again with the given fields, as after Ok.
    void Relayout(const QString& formula, const QString& result, bool returned = false)
    {
        as_family::Fields(engine, formula, result);
        if (returned)
            Parts(engine).stack.ShowCalculator(true);
        else
            Parts(engine).stack.ShowCalculator();
    }
};

} // namespace

TEST_F(Layout, FirstPromptOfEveryCalculatorWithUnitsShown)
{
    Parts(engine).options.SetUnitDisplay(1);
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
        Parts(engine).stack.OpenCalculator(n);
        EXPECT_EQ(Panel(n).prompt, prompt) << n;
        EXPECT_EQ(engine.Window().statusText, Parts(engine).screen.CalculatorName(n)) << n;
        EXPECT_TRUE(Panel(n).visible);
        EXPECT_EQ(engine.Window().visiblePanel, n);
    }
}

TEST_F(Layout, ConditionalSuffixFollowsTheOptionAndTheCaller)
{
    Parts(engine).stack.OpenCalculator(1);
    EXPECT_EQ(Panel(1).prompt, u"Diamètre"_qs);
    Parts(engine).options.SetUnitDisplay(1);
    Parts(engine).stack.OpenCalculator(1);
    EXPECT_EQ(Panel(1).prompt, u"Diamètre (cm)"_qs);
    Parts(engine).options.SetUnitDisplay(0);

    // Opened from the concrete calculator, which shows units in its sub-calculations.
    Parts(engine).stack.OpenCalculator(23);
    as_family::Typed(engine, QStringLiteral("2"), QStringLiteral("2"), Code::Digit);
    OpenSub(11);
    EXPECT_EQ(Panel(11).prompt, u"Diamètre (cm)"_qs);
    EXPECT_TRUE(Parts(engine).screen.UnitSuffixShown(Parts(engine).stack.OnScreen()));

    // Opened from the standard calculator, which does not.
    Parts(engine).stack.OpenCalculator(0);
    as_family::Typed(engine, QStringLiteral("2"), QStringLiteral("2"), Code::Digit);
    OpenSub(11);
    EXPECT_EQ(Panel(11).prompt, u"Diamètre"_qs);
    EXPECT_FALSE(Parts(engine).screen.UnitSuffixShown(Parts(engine).stack.OnScreen()));

    // The house walls always show their unit.
    Parts(engine).stack.OpenCalculator(10);
    EXPECT_EQ(Panel(10).prompt, u"Long. mur pignon (cm)"_qs);

    // The polygon's side shows it by the rule when the calculator opens, always after C.
    Parts(engine).stack.OpenCalculator(20);
    EXPECT_EQ(Panel(20).prompt, u"Longueur coté"_qs);
    engine.CalculatriceCClick();
    EXPECT_EQ(Panel(20).prompt, u"Longueur coté (cm)"_qs);
}

TEST_F(Layout, LaterInputsTakeTheirOwnPromptAndUnit)
{
    Parts(engine).options.SetUnitDisplay(1);
    Parts(engine).stack.OpenCalculator(4);
    as_family::Term(engine, 1);
    Relayout(QStringLiteral("5&"), QStringLiteral("5"));
    EXPECT_EQ(Panel(4).prompt, u"Angle (°)"_qs);

    Parts(engine).stack.OpenCalculator(25);
    as_family::Term(engine, 3);
    Relayout(QStringLiteral("5&1&3&"), QStringLiteral("3"));
    EXPECT_EQ(Panel(25).prompt, u"Nombre couches"_qs);
}

TEST_F(Layout, OfferedListsFollowTheMatrixInTheOrderZeroThirtyNineThenOneUp)
{
    const auto& standard = Parts(engine).stack.Top().OfferedCalculators;
    ASSERT_EQ(standard.size(), 38u);
    EXPECT_EQ(standard.front(), 39);
    EXPECT_EQ(engine.Window().offeredRows.front(), u"Calculatrice fonctions mathématiques"_qs);
    EXPECT_EQ(standard[1], 1);
    EXPECT_EQ(std::count(standard.begin(), standard.end(), 17), 0);
    EXPECT_EQ(std::count(standard.begin(), standard.end(), 0), 0);
    EXPECT_EQ(standard.back(), 38);

    Parts(engine).stack.OpenCalculator(39);
    const auto& math = Parts(engine).stack.Top().OfferedCalculators;
    ASSERT_EQ(math.size(), 40u);
    EXPECT_EQ(math[0], 0);
    EXPECT_EQ(math[1], 39);
    EXPECT_EQ(math[2], 1);
    EXPECT_EQ(engine.Window().offeredRows.front(), u"Calculatrice standard"_qs);
    EXPECT_EQ(engine.Window().offeredRows.size(), 40);

    Parts(engine).stack.OpenCalculator(33);
    EXPECT_TRUE(Parts(engine).stack.Top().OfferedCalculators.empty());
    EXPECT_TRUE(engine.Window().offeredRows.isEmpty());
}

TEST_F(Layout, FoldPutsTheResultInPlaceOfTheNumberBeingTyped)
{
    Parts(engine).stack.OpenCalculator(2);
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
    Parts(engine).stack.OpenCalculator(2);
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
    Parts(engine).stack.OpenCalculator(9);
    as_family::Term(engine, 2);
    Relayout(QStringLiteral("3&4&"), QStringLiteral("4"));
    EXPECT_EQ(Parts(engine).stack.Top().TermIndex, 2);
    EXPECT_EQ(Panel(9).prompt, u"Hauteur"_qs);
    Relayout(QString(), QStringLiteral("0"));
    EXPECT_EQ(Parts(engine).stack.Top().TermIndex, 0);
    EXPECT_EQ(Parts(engine).keys.LastKeyCode(), Code::None);
}

TEST_F(Layout, ComputeAndNextKeysAreGatedByTheNumberOfInputs)
{
    const std::map<int, int> thresholds = {
        {2, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1},
        {19, 1}, {20, 1}, {23, 1}, {31, 1}, {32, 1}, {33, 1}, {36, 1}, {37, 1}, {38, 1},
        {9, 2}, {17, 2}, {18, 2}, {24, 2}, {28, 2}, {30, 2}, {35, 2},
        {10, 3}, {21, 3}, {25, 3}, {29, 3}, {16, 4}, {26, 4}, {27, 4}, {34, 4},
    };
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
    Parts(engine).stack.OpenCalculator(33);
    EXPECT_FALSE(Parts(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel(33).memoryEnabled);
    EXPECT_TRUE(Panel(33).listVisible);
    EXPECT_FALSE(Panel(33).resultVisible);
    EXPECT_EQ(Panel(33).listRows.size(), 18);
    EXPECT_EQ(Panel(33).listLeft, 123);
    EXPECT_EQ(Panel(33).listTop, 8);

    Parts(engine).stack.OpenCalculator(35);
    EXPECT_EQ(Panel(35).listRows.size(), 107);
    Parts(engine).stack.OpenCalculator(37);
    EXPECT_EQ(Panel(37).listRows, QStringList({u"Celsius"_qs, u"Kelvin"_qs, u"Fahrenheit"_qs}));
    Parts(engine).stack.OpenCalculator(38);
    EXPECT_EQ(Panel(38).listRows.size(), 4);

    // A typed first input shows the result field and hides the list.
    Parts(engine).stack.OpenCalculator(23);
    EXPECT_TRUE(Parts(engine).keys.KeypadEnabled());
    EXPECT_TRUE(Panel(23).memoryEnabled);
    EXPECT_FALSE(Panel(23).listVisible);
    EXPECT_TRUE(Panel(23).resultVisible);
}

TEST_F(Layout, LaterListInputShowsItsListAndKeepsItsRows)
{
    Parts(engine).stack.OpenCalculator(20);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.ShowList(QStringList({QStringLiteral("5"), QStringLiteral("6")}), 1); });
    as_family::Term(engine, 1);
    Relayout(QStringLiteral("4&"), QStringLiteral("4"));
    EXPECT_EQ(Panel(20).prompt, u"Nombre de cotés"_qs);
    EXPECT_TRUE(Panel(20).listVisible);
    EXPECT_FALSE(Panel(20).resultVisible);
    EXPECT_FALSE(Parts(engine).keys.KeypadEnabled());
    EXPECT_EQ(Panel(20).listRows.size(), 2);
    EXPECT_EQ(Panel(20).listIndex, 1);
}

TEST_F(Layout, OptionButtonsFollowTheRememberedSelection)
{
    as_family::Option(engine, 23, 2);
    Parts(engine).stack.OpenCalculator(23);
    std::vector<bool> checked;
    for (const RadioButtonState& r : Panel(23).radios)
        checked.push_back(r.checked);
    EXPECT_EQ(checked, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(Panel(23).radios[2].name, QStringLiteral("RbtnSable"));

    // A selection without a button checks nothing and leaves the others.
    as_family::Option(engine, 23, 7);
    Parts(engine).stack.OpenCalculator(23);
    EXPECT_TRUE(Panel(23).radios[2].checked);

    as_family::Option(engine, 37, 1);
    Parts(engine).stack.OpenCalculator(37);
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
