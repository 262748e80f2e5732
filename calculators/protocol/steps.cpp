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
    const PanelState& panel = context.TopPanel();

    QString prompt;
    if (byUndo && row.undoPrompt)
        prompt = row.undoPrompt(ProtocolCall(context, d, context.Top().Inputs, VariantOf(context, d)), k);
    if (prompt.isEmpty())
        prompt = context.PromptWithSuffix(input.prompt.stringId, input.prompt.suffix,
                                          input.prompt.shown != SuffixShown::ByRule);
    context.ShowPrompt(prompt);

    if (input.list) {
        QStringList rows;
        if (byUndo && row.undoListRows)
            rows = row.undoListRows(k);
        if (rows.isEmpty())
            rows = ProtocolListRows(context, row, k);
        if (panel.listRows != rows)
            context.ShowList(rows, -1);
    }
    context.ShowInputField(input.list ? InputField::List : InputField::Typed);
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
    context.ShowMessage(QString::fromUtf16(ProtocolInputError));
}

void ProtocolNextTerm(CalculatorContext& context, const ProtocolCalculator& row)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    // On a shown result "&&" starts over, after which nothing is entered.
    if (context.Keys().LastKeyCode() == d.resultCode)
        context.ClearCalculator();

    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
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
    if (row.nextTermSetsCodes)
        context.KeyPressed(Code::NextTerm);
    context.KeepInput(k, value);
    // After a choice in the list the result field holds "0" again; a next input
    // chosen in the list finds it filled again, with nothing chosen yet.
    context.ShowEntry(input.list ? QStringLiteral("0") : panel.result, panel.formula + QLatin1Char('&'));
    if (d.inputs[static_cast<size_t>(k + 1)].list)
        context.ShowList({}, -1);
    ShowInput(context, row, k + 1, false);
    context.GoToTerm(k + 1);
    context.UpdateOperatorButtons();
}

void ProtocolListChoice(CalculatorContext& context, const ProtocolCalculator& row, int listRow)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
    const int k = record.TermIndex;
    // Only a row of the list on screen can be chosen, for an input chosen in the list.
    if (!panel.listVisible || listRow < 0 || listRow >= panel.listRows.size() || k < 0 || k >= d.inputCount()
        || !d.inputs[static_cast<size_t>(k)].list)
        return;

    context.TakeListChoice(listRow);
    // A choice already written for this input is taken back first (an empty formula
    // holds none: the first choice of a first input leaves the list as it is).
    if (!panel.formula.isEmpty() && !panel.formula.endsWith(QLatin1Char('&')))
        UndoStep(context, row, row.listStepFlagsReselect);
    if (panel.listIndex < 0)
        context.TakeListChoice(listRow);
    const QStringList terms = ProtocolListTerms(context, row, record.TermIndex);
    if (panel.listIndex < terms.size())
        context.ShowEntry(panel.result, panel.formula + terms[panel.listIndex]);
}

void ProtocolCompute(CalculatorContext& context, const ProtocolCalculator& row)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    const KeyState& keys = context.Keys();
    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
    const int last = d.inputCount() - 1;
    const InputDescription& lastInput = d.inputs[static_cast<size_t>(last)];

    const bool entered = lastInput.list ? ComboHasSelection(context, panel) : context.Numbers().EntryPresent(panel);
    const bool optionRerun = !d.options.buttons.empty() && keys.VariantChangedFlag();
    if (!optionRerun
        && (!entered || keys.LastKeyCode() == d.resultCode || record.TermIndex != last
            || panel.formula.endsWith(QLatin1Char('&'))))
        return;

    if (!IsRerun(keys, row.rerunMarker))
        context.KeepInput(last, EnteredInput(context, lastInput, panel));

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
        context.ShowEntry(QStringLiteral("0"), panel.formula);
        context.ShowInputField(InputField::ResultInPlace);
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
    std::optional<double> memory;
    switch (outcome.kind) {
    case ProtocolOutcome::Kind::Number:
        resultText = outcome.shownText.isEmpty() ? context.Numbers().NumberText(outcome.value) : outcome.shownText;
        if (outcome.writesMemory)
            memory = outcome.value;
        break;
    case ProtocolOutcome::Kind::Text:
        resultText = outcome.text;
        break;
    default:
        resultText = kNoAnswerResult;
        break;
    }
    context.ShowResult({
        .terms = terms,
        .result = resultText,
        .formula = outcome.formulaLabel + QLatin1Char('(') + terms + QStringLiteral(")=") + resultText,
        .label = outcome.shownLabel,
        .memory = memory,
        .code = d.resultCode,
        .settlesOption = row.clearsVariantChanged,
        .keypad = row.keypadAfter == KeypadAfter::Unchanged ? std::nullopt
                                                            : std::optional<bool>(row.keypadAfter == KeypadAfter::On),
    });
    if (row.listAtCompute == ListAtCompute::HiddenAfter)
        context.ShowInputField(InputField::ResultInPlace);
    context.UpdateOperatorButtons();
    if (outcome.kind == ProtocolOutcome::Kind::NoAnswer)
        context.ShowMessage(QString::fromUtf16(ProtocolNoAnswer));
}

void ProtocolOptionButton(CalculatorContext& context, const ProtocolCalculator& row, int index)
{
    const CalculatorDescription& d = OnScreenDescription(context);
    const int count = static_cast<int>(d.options.buttons.size());
    if (index < 0 || index >= count || !OnScreen(context))
        return;
    context.ChooseOption(d, index);
    // A shown result is computed again with the option chosen.
    context.RecomputeForOption([&] {
        if (context.Keys().LastKeyCode() == d.resultCode)
            ProtocolCompute(context, row);
    });
}

} // namespace tornavel
