#include "core/layout.h"

#include "core/engine.h"
#include "core/menus.h"
#include "core/tables.h"

#include <algorithm>
#include <vector>

namespace tornavel {

// ---------------------------------------------------------------------------
// Pure rules
// ---------------------------------------------------------------------------

int NextTermThreshold(int calculator)
{
    switch (calculator) {
    case 2: case 4: case 5: case 6: case 7: case 8: case 12: case 13: case 14: case 15:
    case 19: case 20: case 23: case 31: case 32: case 33: case 36: case 37: case 38:
        return 1;
    case 9: case 17: case 18: case 24: case 28: case 30: case 35:
        return 2;
    case 10: case 21: case 25: case 29:
        return 3;
    case 16: case 26: case 27: case 34:
        return 4;
    default:
        return -1;
    }
}

WindowPosition CentredOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

MessageFormGeometry MessageFormLayout(int mainLeft, int mainTop, int mainWidth, int lines)
{
    MessageFormGeometry g;
    g.width = MessageFormWidth;
    g.top = mainTop + 100;
    g.left = mainLeft + (mainWidth - MessageFormWidth) / 2;
    g.height = 63;
    g.buttonTop = 26;
    for (int line = 2; line <= lines; ++line) {
        g.height += 12;
        g.buttonTop += 12;
    }
    return g;
}

QString ErrorBoxText(const QString& message)
{
    if (message.isEmpty())
        return message;
    const QChar last = message.back();
    if (last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?'))
        return message;
    return message + QLatin1Char('.');
}

// ---------------------------------------------------------------------------
// Per-calculator layout table
// ---------------------------------------------------------------------------

namespace {

// One input of a calculator: its prompt and unit, or a choice in the list.
struct Input {
    int promptId;
    UnitSuffix suffix = UnitSuffix::Length;
    bool list = false;
};

constexpr Input Typed(int id, UnitSuffix s = UnitSuffix::Length) { return {id, s, false}; }
constexpr Input Plain(int id) { return {id, UnitSuffix::None, false}; }
constexpr Input Choice(int id) { return {id, UnitSuffix::None, true}; }

struct CalculatorLayout {
    std::vector<Input> inputs;  // by term index; empty for 0 and 39
    bool suffixAlways = false;  // false: shown only when units are shown
    int VariantSelections::*variant = nullptr;
};

CalculatorLayout LayoutOf(int n)
{
    using S = UnitSuffix;
    auto always = [](std::vector<Input> inputs) {
        CalculatorLayout l;
        l.inputs = std::move(inputs);
        l.suffixAlways = true;
        return l;
    };
    auto cond = [](std::vector<Input> inputs) {
        CalculatorLayout l;
        l.inputs = std::move(inputs);
        return l;
    };
    auto with = [](CalculatorLayout l, int VariantSelections::*variant) {
        l.variant = variant;
        return l;
    };

    switch (n) {
    case 1: case 3: case 11: case 22: return cond({Typed(33)});
    case 2: case 5: return cond({Typed(35), Typed(36)});
    case 4: return cond({Typed(38), Typed(39, S::Angle)});
    case 6: case 12: return cond({Typed(33), Typed(40)});
    case 7: case 15: return cond({Typed(50), Typed(40)});
    case 8: return cond({Typed(41), Typed(40)});
    case 9: return cond({Typed(42), Typed(43), Typed(40)});
    case 10: return always({Typed(44), Typed(45), Typed(46), Typed(47)});
    case 13: case 14: return cond({Typed(49), Typed(40)});
    case 16: return always({Typed(44), Typed(45), Typed(46), Typed(47), Typed(51)});
    case 17: return always({Typed(52), Choice(53), Typed(54)});
    case 18: return always({Typed(52), Choice(53), Choice(55)});
    case 19: return always({Typed(58), Typed(59)});
    case 20: return cond({Typed(46), Choice(92)});
    case 21: return with(always({Typed(61), Typed(62), Typed(64), Typed(60)}), &VariantSelections::RoofOutput);
    case 23: return with(always({Typed(69, S::Volume), Choice(70)}), &VariantSelections::ConcreteOutput);
    case 24: return with(always({Typed(37, S::Area), Typed(75), Typed(76)}), &VariantSelections::SlabsOutput);
    case 25: return always({Typed(78, S::Area), Choice(79), Typed(80, S::Yield), Plain(81)});
    case 26: return always({Typed(78, S::Area), Typed(84, S::Area), Choice(79), Typed(80, S::Yield), Plain(81)});
    case 27: return always({Typed(85), Typed(86), Typed(87), Typed(88), Typed(89)});
    case 28: return with(always({Typed(85), Typed(86), Typed(91)}), &VariantSelections::Panelling);
    case 29: return with(always({Typed(85), Typed(45), Typed(86), Typed(91)}), &VariantSelections::Panelling);
    case 30: return with(always({Typed(93), Typed(94), Choice(101)}), &VariantSelections::Parquet);
    case 31: return with(always({Typed(96), Typed(99)}), &VariantSelections::Stairs);
    case 32: return with(cond({Plain(102), Plain(103)}), &VariantSelections::ElectricalResult);
    case 33: return with(cond({Choice(111), Choice(112)}), &VariantSelections::ElectricalResult);
    case 34: return cond({Plain(102), Plain(103), Plain(108), Plain(109), Choice(111)});
    case 35: return cond({Choice(119), Plain(48), Choice(120)});
    case 36: return with(cond({Choice(119), Plain(121)}), &VariantSelections::ConverterTarget);
    case 37: return with(cond({Choice(123), Plain(124)}), &VariantSelections::ConverterTarget);
    case 38: return with(cond({Choice(120), Plain(48)}), &VariantSelections::ConverterTarget);
    default: return {}; // 0 and 39: no prompt, keypad only
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Engine operations
// ---------------------------------------------------------------------------

bool Engine::UnitSuffixShownFor(const TCalculette& record) const
{
    if (options.UnitDisplayOption == 1)
        return true;
    const int caller = TargetCalculatorNumber(record);
    return caller >= 0 && SubCalculationShowsUnits(caller);
}

bool Engine::UnitSuffixShown() const
{
    if (CalculatorStack.empty())
        return options.UnitDisplayOption == 1;
    return UnitSuffixShownFor(CalculatorStack.back());
}

QString Engine::UnitSuffixText(UnitSuffix suffix) const
{
    switch (suffix) {
    case UnitSuffix::Length: return options.LengthUnitSuffix;
    case UnitSuffix::Area: return options.AreaUnitSuffix;
    case UnitSuffix::Volume: return options.VolumeUnitSuffix;
    case UnitSuffix::Yield: return options.YieldUnitSuffix;
    case UnitSuffix::Angle: return AngleUnitSuffix;
    case UnitSuffix::None: break;
    }
    return QString();
}

QString Engine::WithUnitSuffix(int stringId, UnitSuffix suffix, bool shown) const
{
    QString text = Str(stringId);
    if (shown && suffix != UnitSuffix::None)
        text += QLatin1Char(' ') + UnitSuffixText(suffix);
    return text;
}

QString Engine::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const
{
    return WithUnitSuffix(promptId, suffix, always || UnitSuffixShown());
}

QString Engine::FoldResultIntoFormula(const QString& formula, const QString& result, bool returned) const
{
    if (result == QLatin1String("0") && !returned)
        return formula;
    QString folded = formula;
    // A number being typed at the end is replaced whole, its sign and exponent included.
    if (FormulaEndsWithNumber(folded))
        folded.truncate(LastTermStart(folded));
    return folded + result;
}

void Engine::ShowCalculator(TCalculette& record)
{
    LayoutCalculator(record, false);
}

void Engine::ShowCalculatorWithReturnedValue(TCalculette& record)
{
    LayoutCalculator(record, true);
}

void Engine::LayoutCalculator(TCalculette& record, bool valueReturned)
{
    const int n = record.Number;
    PanelState* found = FindCalculatorPanel(n);
    if (!found)
        return;
    PanelState& panel = *found;

    // Only this calculator's panel is on screen.
    for (PanelState& p : panels)
        p.visible = false;
    panel.visible = true;
    window.visiblePanel = n;

    // The calculators it may open as sub-calculations, in the order 0, 39, 1..38.
    window.offeredRows.clear();
    record.OfferedCalculators.clear();
    auto offer = [&](int c) {
        if (CollaborationOffers(n, c)) {
            window.offeredRows.append(CalculatorName(c));
            record.OfferedCalculators.push_back(c);
        }
    };
    offer(0);
    offer(39);
    for (int c = 1; c <= 38; ++c)
        offer(c);

    if (panel.result.isEmpty())
        panel.result = QStringLiteral("0");
    if (panel.result != QLatin1String("0") || !panel.formula.isEmpty() || valueReturned)
        panel.formula = FoldResultIntoFormula(panel.formula, panel.result, valueReturned);

    keys.LastKeyCode = Code::None;
    window.statusText = CalculatorName(n);

    const bool showUnits = UnitSuffixShownFor(record);
    if (panel.formula.isEmpty())
        record.TermIndex = 0;

    const CalculatorLayout layout = LayoutOf(n);
    keys.KeypadEnabled = true;
    if (!layout.inputs.empty()) {
        const int last = static_cast<int>(layout.inputs.size()) - 1;
        const int t = std::clamp(record.TermIndex, 0, last);
        const Input& input = layout.inputs[static_cast<size_t>(t)];

        panel.prompt = WithUnitSuffix(input.promptId, input.suffix, layout.suffixAlways || showUnits);

        // A list input is chosen in the list, which takes the place of the result
        // field, not typed.
        panel.listVisible = input.list;
        panel.resultVisible = !input.list;
        keys.KeypadEnabled = !input.list;
        // A first input chosen in a list starts from the full list, nothing selected.
        if (input.list && t == 0) {
            panel.listRows = FirstInputListRows(n);
            panel.listIndex = -1;
        }
    }

    if (layout.variant) {
        const int selection = variants.*(layout.variant);
        if (selection >= 0 && selection < static_cast<int>(panel.radios.size())) {
            for (size_t i = 0; i < panel.radios.size(); ++i)
                panel.radios[i].checked = static_cast<int>(i) == selection;
        }
    }

    UpdateOperatorButtons(record);
}

void Engine::UpdateOperatorButtons(const TCalculette& record)
{
    PanelState* panel = FindCalculatorPanel(record.Number);
    if (!panel)
        return;
    const int threshold = NextTermThreshold(record.Number);
    if (threshold >= 0) {
        const bool ready = record.TermIndex >= threshold;
        panel->computeEnabled = ready;
        panel->nextEnabled = !ready;
    }
    panel->memoryEnabled = keys.KeypadEnabled;
}

} // namespace tornavel
