#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "calculators/building/tables.h"
#include "calculators/converters/tables.h"
#include "calculators/electrical/tables.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tornavel {
namespace {

// Walks every calculator of the input protocol (17 to 38) through open, C, "&&", CE on
// a value being typed, on a choice in the list, right after "&&", on a computed and on
// a replayed result, and the return from a sub-calculation, in every unit and unit
// display, and checks each prompt and each list against the calculators' own texts:
// prompts by string number (or quoted where no number is given), units by the suffix
// texts of each unit, lists by their tables.

constexpr std::array Units = {1, 10, 25, 1000};

// The unit suffixes by unit index 0..3 (mm, cm, inch, m); a section names its unit in
// inches only.
enum class Kind { Length, Area, Volume, Yield, Section, None };
const char* const Suffixes[][4] = {
    {"(mm)", "(cm)", "(in)", "(m)"},         {"(mm2)", "(cm2)", "(in2)", "(m2)"},
    {"(mm3)", "(cm3)", "(in3)", "(m3)"},     {"(mm2/l)", "(cm2/l)", "(in2/l)", "(m2/l)"},
    {"(cm)", "(cm)", "(in)", "(cm)"},
};
// Centimetres per unit, to type the same quantities in every unit.
const double CentimetresPer[] = {0.1, 1.0, 2.54, 100.0};

// A prompt: a string number, or the text where none is given, and its unit.
struct Prompt {
    int id = -1;
    const char* text = nullptr;
    Kind kind = Kind::None;
};
Prompt S(int id, Kind kind = Kind::None) { return {id, nullptr, kind}; }
Prompt T(const char* text, Kind kind = Kind::None) { return {-1, text, kind}; }

// The rows of a list in a unit.
using Rows = QStringList (*)(int unit);

// Lists are chosen at their second row (a circuit with eight points).
constexpr int Chosen = 1;

QStringList Loads(int) { return RafterLoadClasses.items(); }
QStringList Sections(int unit) { return unit == 25 ? RafterSectionNamesInch.items() : RafterSectionNames.items(); }
QStringList Concretes(int) { return ConcreteTypeNames.items(); }
QStringList Surfaces(int) { return SurfaceTypeNames.items(); }
QStringList Layings(int) { return LayingPatternNames.items(); }
QStringList Circuits(int) { return CircuitNames.items(); }
QStringList CircuitsShort(int) { return CircuitShortNames.items(); }
QStringList Points(int)
{
    QStringList rows;
    for (int p = 1; p <= *CircuitMaxPoints.at(Chosen); ++p)
        rows << QString::number(p);
    return rows;
}
QStringList Phases(int) { return PhaseNames.items(); }
QStringList Materials(int) { return MaterialNames.items(); }
QStringList VolumeUnits(int) { return VolumeUnitNames.items(); }
QStringList Temperatures(int) { return TemperatureUnitNames.items(); }
QStringList Capacities(int) { return CapacityUnitNames.items(); }

struct Input {
    Prompt prompt;              // shown by open, C, "&&" and the return to the calculator
    double value = 0;           // typed, in centimetres for a quantity with a unit
    Rows rows = nullptr;        // chosen in the list
    std::optional<Prompt> ce{}; // shown by CE where it differs
    Rows ceRows = nullptr;      // the list that CE fills where it differs
};
Input Typed(Prompt p, double value, std::optional<Prompt> ce = std::nullopt) { return {p, value, nullptr, ce}; }
Input Listed(Prompt p, Rows rows, std::optional<Prompt> ce = std::nullopt, Rows ceRows = nullptr)
{
    return {p, 0, rows, ce, ceRows};
}

struct Calculator {
    int number;
    std::vector<Input> inputs;
};

using K = Kind;
const std::vector<Calculator>& Calculators()
{
    static const std::vector<Calculator> all = {
        {17, {Typed(S(52, K::Length), 300), Listed(S(53), Loads), Typed(S(54, K::Length), 60)}},
        {18, {Typed(S(52, K::Length), 300), Listed(S(53), Loads), Listed(S(57, K::Section), Sections, S(55))}},
        {19, {Typed(S(58, K::Length), 50), Typed(S(59, K::Length), 10)}},
        {21, {Typed(T("Longueur pente", K::Length), 500), Typed(T("Largeur pente", K::Length), 400),
              Typed(T("Largeur tuile", K::Length), 20), Typed(T("Pureau", K::Length), 35)}},
        {23, {Typed(S(69, K::Volume), 2000000), Listed(T("Type béton"), Concretes)}},
        {24, {Typed(S(37, K::Area), 100000), Typed(S(75, K::Length), 30), Typed(S(76, K::Length), 30)}},
        {25, {Typed(S(78, K::Area), 120000), Listed(S(79), Surfaces), Typed(S(80, K::Yield), 100000),
              Typed(S(81), 2)}},
        {26, {Typed(S(78, K::Area), 300000), Typed(S(84, K::Area), 40000), Listed(S(79), Surfaces),
              Typed(S(80, K::Yield), 100000), Typed(S(81), 2)}},
        {27, {Typed(S(85, K::Length), 400), Typed(S(86, K::Length), 250), Typed(S(87, K::Length), 1000),
              Typed(S(88, K::Length), 53), Typed(S(89, K::Length), 10)}},
        {28, {Typed(S(85, K::Length), 300), Typed(S(86, K::Length), 250), Typed(S(91, K::Length), 10)}},
        {29, {Typed(S(85, K::Length), 600), Typed(S(45, K::Length), 400), Typed(S(86, K::Length), 250),
              Typed(S(91, K::Length), 10)}},
        {30, {Typed(S(93, K::Length), 500), Typed(S(94, K::Length), 400), Listed(S(101), Layings)}},
        {31, {Typed(S(96, K::Length), 272, S(96)), Typed(T("Longueur giron", K::Length), 25)}},
        {32, {Typed(S(102), 230), Typed(S(103), 10)}},
        {33, {Listed(S(111), Circuits, std::nullopt, CircuitsShort), Listed(S(112), Points)}},
        {34, {Typed(S(102), 230), Typed(S(103), 16), Typed(S(108), 2.5), Typed(S(109), 3), Listed(S(111), Phases)}},
        {35, {Listed(S(119), Materials), Typed(S(48), 2), Listed(S(120), VolumeUnits)}},
        {36, {Listed(S(119), Materials), Typed(S(121), 4800)}},
        {37, {Listed(S(123), Temperatures), Typed(S(124), 100)}},
        {38, {Listed(S(120), Capacities), Typed(S(48), 2)}},
    };
    return all;
}

struct TextsWalk : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    const Calculator* calculator = nullptr;
    int unitIndex = 1;

    int Unit() const { return Units[static_cast<size_t>(unitIndex)]; }
    const Input& In(int t) const { return calculator->inputs[static_cast<size_t>(t)]; }
    int Last() const { return static_cast<int>(calculator->inputs.size()) - 1; }

    QString Text(const Prompt& p) const
    {
        QString text = p.id >= 0 ? engine.Str(p.id) : QString::fromUtf8(p.text);
        if (p.kind != Kind::None)
            text += QLatin1Char(' ') + QLatin1String(Suffixes[static_cast<int>(p.kind)][unitIndex]);
        return text;
    }

    // Input t is open as "&&" (or C, or the layout) shows it, or as CE shows it.
    void Expect(int t, bool byUndo, const char* step)
    {
        SCOPED_TRACE(::testing::Message() << "input " << t << ", " << step);
        const Input& in = In(t);
        const PanelState& panel = Seen(engine).TopPanel();
        ASSERT_EQ(Seen(engine).stack.Top().Number, calculator->number);
        EXPECT_EQ(Seen(engine).stack.Top().TermIndex, t);
        const Prompt prompt = byUndo && in.ce ? *in.ce : in.prompt;
        EXPECT_EQ(panel.prompt.toStdString(), Text(prompt).toStdString());
        EXPECT_EQ(panel.listVisible, in.rows != nullptr);
        if (in.rows) {
            const Rows rows = byUndo && in.ceRows ? in.ceRows : in.rows;
            EXPECT_EQ(panel.listRows, rows(Unit()));
        }
    }

    // Types a quantity given in centimetres (square, cubic) in the user's unit.
    void Type(double centimetres, Kind kind)
    {
        const int power = kind == Kind::Length                       ? 1
                          : kind == Kind::Area || kind == Kind::Yield ? 2
                          : kind == Kind::Volume                      ? 3
                                                                      : 0;
        double value = centimetres;
        for (int i = 0; i < power; ++i)
            value /= CentimetresPer[unitIndex];
        for (QChar c : Seen(engine).numbers.NumberText(value))
            engine.FormKeyPress(c);
    }

    // Enters input t: its value typed, or its row chosen (twice: the second choice
    // takes the first back through CE).
    void Enter(int t, bool twice = false)
    {
        const Input& in = In(t);
        if (in.rows) {
            engine.ListBoxClick(calculator->number, Chosen);
            if (twice) {
                Expect(t, false, "a row chosen");
                engine.ListBoxClick(calculator->number, Chosen);
                Expect(t, true, "a row chosen again");
            }
            return;
        }
        Type(in.value, in.prompt.kind);
    }

    // Standard calculator as a sub-calculation: 7 handed back, then taken back by CE.
    void SubCalculation(int t)
    {
        const auto& offered = Seen(engine).stack.Top().OfferedCalculators;
        const auto it = std::find(offered.begin(), offered.end(), 0);
        ASSERT_NE(it, offered.end());
        engine.LbCalculettesDblClick(static_cast<int>(it - offered.begin()));
        ASSERT_EQ(Seen(engine).stack.Top().Number, 0);
        engine.FormKeyPress(QLatin1Char('7'));
        engine.POk0Click();
        Expect(t, false, "back from a sub-calculation");
        engine.CalculatriceCEClick();
        Expect(t, true, "CE on the returned number");
    }

    void Walk()
    {
        const int n = calculator->number;
        OpenFromMenu(engine, n);
        Expect(0, false, "open");
        engine.CalculatriceCEClick();
        Expect(0, true, "CE on nothing");
        engine.CalculatriceCClick();
        Expect(0, false, "C");

        for (int t = 0; t <= Last(); ++t) {
            if (!In(t).rows)
                SubCalculation(t);
            Enter(t, true);
            engine.CalculatriceCEClick();
            Expect(t, true, In(t).rows ? "CE on a choice" : "CE on a number typed");
            Enter(t);
            if (t == Last())
                break;
            engine.PEtClick(n);
            Expect(t + 1, false, "&&");
            engine.CalculatriceCEClick();
            Expect(t, true, "CE right after &&");
            engine.PEtClick(n);
            Expect(t + 1, false, "&& again");
        }
        engine.PCalculClick(n);
        ASSERT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(n).resultCode);
        engine.CalculatriceCEClick();
        Expect(Last(), true, "CE on a result");
        engine.TraitArticleMCalculs(Seen(engine).history.Values().LastHistoryIndex);
        ASSERT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(n).resultCode);
        engine.CalculatriceCEClick();
        Expect(Last(), true, "CE on a replayed result");
        engine.CalculatriceCClick();
        Expect(0, false, "C after all");
    }
};

TEST_F(TextsWalk, EveryPromptAndListOfTheProtocolCalculatorsInEveryUnit)
{
    for (const Calculator& c : Calculators()) {
        for (int u = 0; u < static_cast<int>(Units.size()); ++u) {
            for (int display : {0, 1}) {
                SCOPED_TRACE(::testing::Message() << "calculator " << c.number << ", unit " << Units[u]
                                                  << ", units shown " << display);
                calculator = &c;
                unitIndex = u;
                ChooseUnitDisplay(engine, display);
                ChooseInUnitWindow(engine, Units[u]);
                ui.messages.clear();
                Walk();
                // Every value was taken: no input was refused on the way.
                EXPECT_FALSE(ui.messages.contains(QStringLiteral("Erreur de saisie : Valeur non valide !")));
            }
        }
    }
}

} // namespace
} // namespace tornavel
