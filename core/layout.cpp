#include "core/layout.h"

#include "core/session.h"

#include <algorithm>

namespace tornavel {

// ---------------------------------------------------------------------------
// Pure rules
// ---------------------------------------------------------------------------

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
// Engine operations
// ---------------------------------------------------------------------------

bool Session::UnitSuffixShownFor(const TCalculette& record) const
{
    if (options.UnitDisplayOption == 1)
        return true;
    const int caller = TargetCalculatorNumber(record);
    return caller >= 0 && descriptions.SubCalculationsShowUnits(caller);
}

bool Session::UnitSuffixShown() const
{
    if (CalculatorStack.empty())
        return options.UnitDisplayOption == 1;
    return UnitSuffixShownFor(CalculatorStack.back());
}

QString Session::UnitSuffixText(UnitSuffix suffix) const
{
    switch (suffix) {
    case UnitSuffix::Length: return options.LengthUnitSuffix;
    case UnitSuffix::Area: return options.AreaUnitSuffix;
    case UnitSuffix::Volume: return options.VolumeUnitSuffix;
    case UnitSuffix::Yield: return options.YieldUnitSuffix;
    case UnitSuffix::Angle: return AngleUnitSuffix;
    case UnitSuffix::RafterSection:
        return UnitOfMeasureOf(options.UnitScaleCode).imperial ? options.LengthUnitSuffix : QStringLiteral("(cm)");
    case UnitSuffix::None: break;
    }
    return QString();
}

QString Session::WithUnitSuffix(int stringId, UnitSuffix suffix, bool shown) const
{
    QString text = Str(stringId);
    if (shown && suffix != UnitSuffix::None)
        text += QLatin1Char(' ') + UnitSuffixText(suffix);
    return text;
}

QString Session::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const
{
    return WithUnitSuffix(promptId, suffix, always || UnitSuffixShown());
}

QString Session::LabelText(const Label& label) const
{
    if (label.stringId < 0)
        return QString();
    return PromptWithSuffix(label.stringId, label.suffix, label.shown == SuffixShown::Always);
}

QString Session::LabelTextFor(const Label& label, const TCalculette& record) const
{
    if (label.stringId < 0)
        return QString();
    return WithUnitSuffix(label.stringId, label.suffix,
                          label.shown == SuffixShown::Always || UnitSuffixShownFor(record));
}

QStringList Session::ListRowsOf(const TCalculette& record, int input) const
{
    const CalculatorDescription& row = descriptions.Of(record.Number);
    if (input < 0 || input >= row.inputCount())
        return {};
    const InputDescription& in = row.inputs[static_cast<size_t>(input)];
    return in.rows ? in.rows(record.Inputs, numbers_.Separator()) : QStringList();
}

void Session::ShowInput(TCalculette& record, int t, bool refillFirstList)
{
    PanelState& panel = panels[static_cast<size_t>(record.Number)];
    const CalculatorDescription& row = descriptions.Of(record.Number);
    if (row.inputs.empty())
        return;
    t = std::clamp(t, 0, row.inputCount() - 1);
    const InputDescription& input = row.inputs[static_cast<size_t>(t)];
    panel.prompt = LabelTextFor(input.prompt, record);
    // A list input is chosen in the list, which takes the place of the result field,
    // not typed.
    panel.listVisible = input.list;
    panel.resultVisible = !input.list;
    keys.SetKeypadEnabled(!input.list);
    // A first input chosen in a list starts from the full list, nothing selected.
    if (input.list && t == 0 && refillFirstList) {
        panel.listRows = ListRowsOf(record, 0);
        panel.listIndex = -1;
    }
}

QString Session::FoldResultIntoFormula(const QString& formula, const QString& result, bool returned) const
{
    if (result == QLatin1String("0") && !returned)
        return formula;
    QString folded = formula;
    // A number being typed at the end is replaced whole, its sign and exponent included.
    if (numbers_.FormulaEndsWithNumber(folded))
        folded.truncate(numbers_.LastTermStart(folded));
    return folded + result;
}

void Session::ShowCalculator(TCalculette& record)
{
    LayoutCalculator(record, false);
}

void Session::ShowCalculatorWithReturnedValue(TCalculette& record)
{
    LayoutCalculator(record, true);
}

void Session::LayoutCalculator(TCalculette& record, bool valueReturned)
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

    // The calculators it may open as sub-calculations, in the order of the lists.
    window.offeredRows.clear();
    record.OfferedCalculators.clear();
    for (int c : descriptions.ListOrder()) {
        if (descriptions.Offers(n, c)) {
            window.offeredRows.append(CalculatorName(c));
            record.OfferedCalculators.push_back(c);
        }
    }

    if (panel.result.isEmpty())
        panel.result = QStringLiteral("0");
    if (panel.result != QLatin1String("0") || !panel.formula.isEmpty() || valueReturned)
        panel.formula = FoldResultIntoFormula(panel.formula, panel.result, valueReturned);

    keys.SetLastKeyCode(Code::None);
    window.statusText = CalculatorName(n);

    if (panel.formula.isEmpty())
        record.TermIndex = 0;

    const CalculatorDescription& row = descriptions.Of(n);
    keys.SetKeypadEnabled(true);
    ShowInput(record, record.TermIndex, true);

    if (!row.options.buttons.empty()) {
        int selection = OptionSelection(n);
        if (row.options.ownOption)
            selection = row.options.ownOption(selection);
        if (selection >= 0 && selection < static_cast<int>(panel.radios.size())) {
            for (size_t i = 0; i < panel.radios.size(); ++i)
                panel.radios[i].checked = static_cast<int>(i) == selection;
        }
    }

    UpdateOperatorButtons(record);
}

void Session::UpdateOperatorButtons(const TCalculette& record)
{
    PanelState* panel = FindCalculatorPanel(record.Number);
    if (!panel)
        return;
    const int threshold = descriptions.Of(record.Number).nextTermThreshold();
    if (threshold >= 0) {
        const bool ready = record.TermIndex >= threshold;
        panel->computeEnabled = ready;
        panel->nextEnabled = !ready;
    }
    panel->memoryEnabled = keys.KeypadEnabled();
}

} // namespace tornavel
