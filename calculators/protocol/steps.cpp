#include "calculators/protocol/internal.h"

#include "calculators/protocol/rounding.h"
#include "core/calcerror.h"
#include "core/numbers.h"
#include "core/tables.h"

namespace tornavel {

using namespace protocol;

namespace {

const QString kNoAnswerResult = QStringLiteral("#NV");

// The number being entered as input k: a length stored in centimetres is converted.
double TypedValue(const CalculatorContext& context, const InputDescription& input, const PanelState& panel)
{
    const double value = context.Numbers().EnteredValue(panel);
    return input.centimetres ? ToCentimetres(value, context.UnitScaleCode()) : value;
}

// The value of input k as the panel holds it: the number entered, or the list's row.
double EnteredInput(const CalculatorContext& context, const InputDescription& input, const PanelState& panel)
{
    return input.list ? panel.listIndex : TypedValue(context, input, panel);
}

bool IsRerun(const KeyState& keys, RerunMarker marker)
{
    switch (marker) {
    case RerunMarker::Recomputing: return keys.RecomputingFlag();
    case RerunMarker::VariantChanged: return keys.VariantChangedFlag();
    case RerunMarker::None: break;
    }
    return false;
}

// The stored inputs written again, joined by "&"; none when a stored row lies outside
// its list.
std::optional<QString> RewrittenTerms(const CalculatorContext& context, const ProtocolCalculator& row,
                                      const TCalculette& record)
{
    const int n = OnScreenDescription(context).inputCount();
    QStringList terms;
    for (int i = 0; i < n; ++i) {
        const std::optional<QString> text = StoredInputText(context, row, i, record.Inputs[static_cast<size_t>(i)]);
        if (!text)
            return std::nullopt;
        terms << *text;
    }
    return terms.join(QLatin1Char('&'));
}

// Runs the formula; in a guarded calculator any failure is a refusal. A number that is
// not finite is never shown: it raises its floating-point error.
ProtocolOutcome RunFormula(const ProtocolCalculator& row, const ProtocolCall& call)
{
    if (!row.compute)
        return ProtocolOutcome::Refuse();
    if (row.refusal != ComputeRefusal::Guarded) {
        ProtocolOutcome outcome = row.compute(call);
        if (outcome.kind == ProtocolOutcome::Kind::Number)
            CheckedValue(outcome.value);
        return outcome;
    }
    try {
        ProtocolOutcome outcome = row.compute(call);
        if (outcome.kind == ProtocolOutcome::Kind::Number)
            CheckedValue(outcome.value);
        return outcome;
    } catch (const CalcError&) {
        return ProtocolOutcome::Refuse();
    }
}

// Sets RecomputingFlag for an option button's re-run and clears both re-run flags
// however it ends.
class OptionRerun {
public:
    explicit OptionRerun(KeyState& keys) : keys_(keys) { keys_.SetRecomputingFlag(true); }
    ~OptionRerun()
    {
        keys_.SetRecomputingFlag(false);
        keys_.SetVariantChangedFlag(false);
    }
    OptionRerun(const OptionRerun&) = delete;
    OptionRerun& operator=(const OptionRerun&) = delete;

private:
    KeyState& keys_;
};

} // namespace

namespace protocol {

bool OnScreen(const CalculatorContext& context)
{
    return context.HasCalculator() && OnScreenDescription(context).inputCount() > 0;
}

int VariantOf(const CalculatorContext& context, const CalculatorDescription& description)
{
    return description.options.buttons.empty() ? 0 : context.OptionSelection(description);
}

std::optional<QString> StoredInputText(const CalculatorContext& context, const ProtocolCalculator& row, int k,
                                       double stored)
{
    const InputDescription& input = OnScreenDescription(context).inputs[static_cast<size_t>(k)];
    if (!input.list) {
        const int unit = context.UnitScaleCode();
        return context.Numbers().NumberText(input.centimetres ? FromCentimetres(stored, unit) : stored);
    }
    const QStringList texts = ProtocolListTerms(context, row, k);
    const std::optional<int> index = TruncatedIndex(stored);
    if (!index || *index < 0 || *index >= texts.size())
        return std::nullopt;
    return texts[*index];
}

void ShowInput(CalculatorContext& context, const ProtocolCalculator& row, int k, bool byUndo)
{
    const CalculatorDescription& d = OnScreenDescription(context);
    const InputDescription& input = d.inputs[static_cast<size_t>(k)];
    PanelState& panel = context.TopPanel();

    QString prompt;
    if (byUndo && row.undoPrompt)
        prompt = row.undoPrompt(ProtocolCall(context, d, context.Top().Inputs, VariantOf(context, d)), k);
    if (prompt.isEmpty())
        prompt = context.PromptWithSuffix(input.prompt.stringId, input.prompt.suffix,
                                          input.prompt.shown != SuffixShown::ByRule);
    panel.prompt = prompt;

    if (input.list) {
        QStringList rows;
        if (byUndo && row.undoListRows)
            rows = row.undoListRows(k);
        if (rows.isEmpty())
            rows = ProtocolListRows(context, row, k);
        if (panel.listRows != rows) {
            panel.listRows = rows;
            panel.listIndex = -1;
        }
    }
    panel.listVisible = input.list;
    panel.resultVisible = !input.list;
    context.Keys().SetKeypadEnabled(!input.list);
}

} // namespace protocol

QStringList ProtocolListRows(const CalculatorContext& context, const ProtocolCalculator& row, int k)
{
    if (row.unitListRows)
        return row.unitListRows(k, context.UnitScaleCode());
    const InputDescription& input = OnScreenDescription(context).inputs[static_cast<size_t>(k)];
    if (!input.rows)
        return {};
    return input.rows(context.Top().Inputs, context.Numbers().Separator());
}

QStringList ProtocolListTerms(const CalculatorContext& context, const ProtocolCalculator& row, int k)
{
    const InputDescription& input = OnScreenDescription(context).inputs[static_cast<size_t>(k)];
    if (row.unitListRows || !input.shortTexts)
        return ProtocolListRows(context, row, k);
    return input.shortTexts(context.Top().Inputs, context.Numbers().Separator());
}

void ProtocolRefuseInput(CalculatorContext& context, const ProtocolCalculator& row)
{
    ProtocolUndo(context, row);
    context.ShowMessageForm(QString::fromUtf16(ProtocolInputError), 1);
}

void ProtocolNextTerm(CalculatorContext& context, const ProtocolCalculator& row)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    KeyState& keys = context.Keys();
    // On a shown result "&&" starts over, after which nothing is entered.
    if (keys.LastKeyCode() == d.resultCode)
        context.ClearCalculator();

    TCalculette& record = context.Top();
    PanelState& panel = context.TopPanel();
    const int k = record.TermIndex;
    if (k < 0 || k >= d.inputCount() - 1 || panel.formula.endsWith(QLatin1Char('&')))
        return;
    const InputDescription& input = d.inputs[static_cast<size_t>(k)];
    const bool entered = input.list ? panel.listIndex >= 0 : context.Numbers().EntryPresent(panel);
    if (!entered)
        return;

    const double value = EnteredInput(context, input, panel);
    if (row.acceptsInput && !row.acceptsInput(ProtocolCall(context, d, record.Inputs, VariantOf(context, d)), k, value)) {
        ProtocolRefuseInput(context, row);
        return;
    }
    if (row.nextTermSetsCodes) {
        keys.SetCodes(Code::NextTerm);
    }
    record.Inputs[static_cast<size_t>(k)] = value;
    panel.formula += QLatin1Char('&');

    // After a choice in the list the result field holds "0" again; a next input
    // chosen in the list finds it filled again, with nothing chosen yet.
    if (input.list)
        panel.result = QStringLiteral("0");
    if (d.inputs[static_cast<size_t>(k + 1)].list) {
        panel.listRows.clear();
        panel.listIndex = -1;
    }
    ShowInput(context, row, k + 1, false);
    record.TermIndex = k + 1;
    context.UpdateOperatorButtons(record);
}

void ProtocolListChoice(CalculatorContext& context, const ProtocolCalculator& row, int listRow)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    TCalculette& record = context.Top();
    PanelState& panel = context.TopPanel();
    const int k = record.TermIndex;
    // Only a row of the list on screen can be chosen, for an input chosen in the list.
    if (!panel.listVisible || listRow < 0 || listRow >= panel.listRows.size() || k < 0 || k >= d.inputCount()
        || !d.inputs[static_cast<size_t>(k)].list)
        return;

    panel.listIndex = listRow;
    // A choice already written for this input is taken back first (an empty formula
    // holds none: the first choice of a first input leaves the list as it is).
    if (!panel.formula.isEmpty() && !panel.formula.endsWith(QLatin1Char('&'))) {
        KeyState& keys = context.Keys();
        if (row.listStepFlagsReselect)
            keys.SetComboReselectFlag(true);
        ProtocolUndo(context, row);
        keys.SetComboReselectFlag(false);
    }
    if (panel.listIndex < 0)
        panel.listIndex = listRow;
    const QStringList terms = ProtocolListTerms(context, row, record.TermIndex);
    if (panel.listIndex < terms.size())
        panel.formula += terms[panel.listIndex];
}

void ProtocolCompute(CalculatorContext& context, const ProtocolCalculator& row)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    KeyState& keys = context.Keys();
    TCalculette& record = context.Top();
    PanelState& panel = context.TopPanel();
    const int last = d.inputCount() - 1;
    const InputDescription& lastInput = d.inputs[static_cast<size_t>(last)];

    const bool entered = lastInput.list ? context.ComboHasSelection(panel) : context.Numbers().EntryPresent(panel);
    const bool optionRerun = !d.options.buttons.empty() && keys.VariantChangedFlag();
    if (!optionRerun
        && (!entered || keys.LastKeyCode() == d.resultCode || record.TermIndex != last
            || panel.formula.endsWith(QLatin1Char('&'))))
        return;

    if (!IsRerun(keys, row.rerunMarker))
        record.Inputs[static_cast<size_t>(last)] = EnteredInput(context, lastInput, panel);

    // A choice stored outside its list (a damaged history entry) is never looked up:
    // a last choice is refused as any bad last input, an earlier one computes nothing.
    for (int i = 0; i <= last; ++i) {
        if (!StoredInputText(context, row, i, record.Inputs[static_cast<size_t>(i)])) {
            if (i == last && row.refusal != ComputeRefusal::Never)
                ProtocolRefuseInput(context, row);
            return;
        }
    }

    if (row.listAtCompute == ListAtCompute::HiddenBefore) {
        panel.result = QStringLiteral("0");
        panel.resultVisible = true;
        panel.listVisible = false;
    }

    const ProtocolOutcome outcome = RunFormula(row, ProtocolCall(context, d, record.Inputs, VariantOf(context, d)));
    if (outcome.kind == ProtocolOutcome::Kind::Refused) {
        if (row.refusal != ComputeRefusal::Never)
            ProtocolRefuseInput(context, row);
        return;
    }

    const QString terms = outcome.terms                          ? *outcome.terms
                          : row.terms == TermsText::AsTyped ? panel.formula
                                                            : *RewrittenTerms(context, row, record);
    QString resultText;
    switch (outcome.kind) {
    case ProtocolOutcome::Kind::Number:
        resultText = outcome.shownText.isEmpty() ? context.Numbers().NumberText(outcome.value) : outcome.shownText;
        if (outcome.writesMemory)
            keys.SetMemoryValue(outcome.value);
        break;
    case ProtocolOutcome::Kind::Text:
        resultText = outcome.text;
        break;
    default:
        resultText = kNoAnswerResult;
        break;
    }
    panel.result = resultText;
    context.AddHistoryEntry(d.number, terms, record.Inputs, record.TermIndex);
    panel.formula = outcome.formulaLabel + QLatin1Char('(') + terms + QStringLiteral(")=") + resultText;
    panel.prompt = outcome.shownLabel;
    keys.SetCodes(d.resultCode);
    if (row.clearsVariantChanged)
        keys.SetVariantChangedFlag(false);
    if (row.keypadAfter != KeypadAfter::Unchanged)
        keys.SetKeypadEnabled(row.keypadAfter == KeypadAfter::On);
    if (row.listAtCompute == ListAtCompute::HiddenAfter) {
        panel.resultVisible = true;
        panel.listVisible = false;
    }
    context.UpdateOperatorButtons(record);
    if (outcome.kind == ProtocolOutcome::Kind::NoAnswer)
        context.ShowMessageForm(QString::fromUtf16(ProtocolNoAnswer), 1);
}

void ProtocolOptionButton(CalculatorContext& context, const ProtocolCalculator& row, int index)
{
    const CalculatorDescription& d = OnScreenDescription(context);
    const int count = static_cast<int>(d.options.buttons.size());
    if (index < 0 || index >= count || !OnScreen(context))
        return;
    KeyState& keys = context.Keys();
    int& selection = context.OptionSelection(d);
    keys.SetVariantChangedFlag(selection != index);
    selection = index;
    PanelState& panel = context.TopPanel();
    for (size_t i = 0; i < panel.radios.size(); ++i)
        panel.radios[i].checked = static_cast<int>(i) == index;

    const OptionRerun rerun(keys);
    if (keys.LastKeyCode() == d.resultCode)
        ProtocolCompute(context, row);
}

} // namespace tornavel
