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
double TypedValue(const Engine& engine, const InputDescription& input, const PanelState& panel)
{
    const double value = engine.EnteredValue(panel);
    return input.centimetres ? ToCentimetres(value, engine.options.UnitScaleCode) : value;
}

// The value of input k as the panel holds it: the number entered, or the list's row.
double EnteredInput(const Engine& engine, const InputDescription& input, const PanelState& panel)
{
    return input.list ? panel.listIndex : TypedValue(engine, input, panel);
}

bool IsRerun(const KeyState& keys, RerunMarker marker)
{
    switch (marker) {
    case RerunMarker::Recomputing: return keys.RecomputingFlag;
    case RerunMarker::VariantChanged: return keys.VariantChangedFlag;
    case RerunMarker::None: break;
    }
    return false;
}

// The stored inputs written again, joined by "&"; none when a stored row lies outside
// its list.
std::optional<QString> RewrittenTerms(const Engine& engine, const ProtocolCalculator& row, const TCalculette& record)
{
    const int n = DescriptionOf(engine, row).inputCount();
    QStringList terms;
    for (int i = 0; i < n; ++i) {
        const std::optional<QString> text = StoredInputText(engine, row, i, record.Inputs[static_cast<size_t>(i)]);
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
    explicit OptionRerun(KeyState& keys) : keys_(keys) { keys_.RecomputingFlag = true; }
    ~OptionRerun()
    {
        keys_.RecomputingFlag = false;
        keys_.VariantChangedFlag = false;
    }
    OptionRerun(const OptionRerun&) = delete;
    OptionRerun& operator=(const OptionRerun&) = delete;

private:
    KeyState& keys_;
};

} // namespace

namespace protocol {

bool OnScreen(const Engine& engine, const ProtocolCalculator& row)
{
    return engine.HasCalculator() && engine.CalculatorStack.back().Number == row.number
           && DescriptionOf(engine, row).inputCount() > 0;
}

int VariantOf(const Engine& engine, const CalculatorDescription& description)
{
    return description.options.selection ? engine.variants.*(description.options.selection) : 0;
}

std::optional<QString> StoredInputText(const Engine& engine, const ProtocolCalculator& row, int k, double stored)
{
    const InputDescription& input = DescriptionOf(engine, row).inputs[static_cast<size_t>(k)];
    if (!input.list) {
        const int unit = engine.options.UnitScaleCode;
        return engine.NumberText(input.centimetres ? FromCentimetres(stored, unit) : stored);
    }
    const QStringList texts = ProtocolListTerms(engine, row, k);
    const std::optional<int> index = TruncatedIndex(stored);
    if (!index || *index < 0 || *index >= texts.size())
        return std::nullopt;
    return texts[*index];
}

void ShowInput(Engine& engine, const ProtocolCalculator& row, int k, bool byUndo)
{
    const CalculatorDescription& d = DescriptionOf(engine, row);
    const InputDescription& input = d.inputs[static_cast<size_t>(k)];
    PanelState& panel = engine.TopPanel();

    QString prompt;
    if (byUndo && row.undoPrompt)
        prompt = row.undoPrompt(ProtocolCall(engine, engine.Top().Inputs, VariantOf(engine, d)), k);
    if (prompt.isEmpty())
        prompt = engine.PromptWithSuffix(input.prompt.stringId, input.prompt.suffix,
                                         input.prompt.shown == SuffixShown::Always);
    panel.prompt = prompt;

    if (input.list) {
        QStringList rows;
        if (byUndo && row.undoListRows)
            rows = row.undoListRows(k);
        if (rows.isEmpty())
            rows = ProtocolListRows(engine, row, k);
        if (panel.listRows != rows) {
            panel.listRows = rows;
            panel.listIndex = -1;
        }
    }
    panel.listVisible = input.list;
    panel.resultVisible = !input.list;
    engine.keys.KeypadEnabled = !input.list;
}

} // namespace protocol

QStringList ProtocolListRows(const Engine& engine, const ProtocolCalculator& row, int k)
{
    if (row.unitListRows)
        return row.unitListRows(k, engine.options.UnitScaleCode);
    const InputDescription& input = DescriptionOf(engine, row).inputs[static_cast<size_t>(k)];
    if (!input.rows)
        return {};
    return input.rows(engine.CalculatorStack.back().Inputs, engine.SystemDecimalSeparator);
}

QStringList ProtocolListTerms(const Engine& engine, const ProtocolCalculator& row, int k)
{
    const InputDescription& input = DescriptionOf(engine, row).inputs[static_cast<size_t>(k)];
    if (row.unitListRows || !input.shortTexts)
        return ProtocolListRows(engine, row, k);
    return input.shortTexts(engine.CalculatorStack.back().Inputs, engine.SystemDecimalSeparator);
}

void ProtocolRefuseInput(Engine& engine, const ProtocolCalculator& row)
{
    ProtocolUndo(engine, row);
    engine.ui.ShowMessageForm(QString::fromUtf16(ProtocolInputError), 1);
}

void ProtocolNextTerm(Engine& engine, const ProtocolCalculator& row)
{
    if (!OnScreen(engine, row))
        return;
    const CalculatorDescription& d = DescriptionOf(engine, row);
    KeyState& keys = engine.keys;
    // On a shown result "&&" starts over, after which nothing is entered.
    if (keys.LastKeyCode == d.resultCode)
        engine.CalculatriceCClick();

    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    const int k = record.TermIndex;
    if (k < 0 || k >= d.inputCount() - 1 || panel.formula.endsWith(QLatin1Char('&')))
        return;
    const InputDescription& input = d.inputs[static_cast<size_t>(k)];
    const bool entered = input.list ? panel.listIndex >= 0 : engine.EntryPresent(panel);
    if (!entered)
        return;

    const double value = EnteredInput(engine, input, panel);
    if (row.acceptsInput && !row.acceptsInput(ProtocolCall(engine, record.Inputs, VariantOf(engine, d)), k, value)) {
        ProtocolRefuseInput(engine, row);
        return;
    }
    if (row.nextTermSetsCodes) {
        keys.LastKeyCode = Code::NextTerm;
        keys.KeyClass = Code::NextTerm;
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
    ShowInput(engine, row, k + 1, false);
    record.TermIndex = k + 1;
    engine.UpdateOperatorButtons(record);
}

void ProtocolListChoice(Engine& engine, const ProtocolCalculator& row, int listRow)
{
    if (!OnScreen(engine, row))
        return;
    const CalculatorDescription& d = DescriptionOf(engine, row);
    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    const int k = record.TermIndex;
    // Only a row of the list on screen can be chosen, for an input chosen in the list.
    if (!panel.listVisible || listRow < 0 || listRow >= panel.listRows.size() || k < 0 || k >= d.inputCount()
        || !d.inputs[static_cast<size_t>(k)].list)
        return;

    panel.listIndex = listRow;
    // A choice already written for this input is taken back first (an empty formula
    // holds none: the first choice of a first input leaves the list as it is).
    if (!panel.formula.isEmpty() && !panel.formula.endsWith(QLatin1Char('&'))) {
        KeyState& keys = engine.keys;
        if (row.listStepFlagsReselect)
            keys.ComboReselectFlag = true;
        ProtocolUndo(engine, row);
        keys.ComboReselectFlag = false;
    }
    if (panel.listIndex < 0)
        panel.listIndex = listRow;
    const QStringList terms = ProtocolListTerms(engine, row, record.TermIndex);
    if (panel.listIndex < terms.size())
        panel.formula += terms[panel.listIndex];
}

void ProtocolCompute(Engine& engine, const ProtocolCalculator& row)
{
    if (!OnScreen(engine, row))
        return;
    const CalculatorDescription& d = DescriptionOf(engine, row);
    KeyState& keys = engine.keys;
    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    const int last = d.inputCount() - 1;
    const InputDescription& lastInput = d.inputs[static_cast<size_t>(last)];

    const bool entered = lastInput.list ? engine.ComboHasSelection(panel) : engine.EntryPresent(panel);
    const bool optionRerun = !d.options.buttons.empty() && keys.VariantChangedFlag;
    if (!optionRerun
        && (!entered || keys.LastKeyCode == d.resultCode || record.TermIndex != last
            || panel.formula.endsWith(QLatin1Char('&'))))
        return;

    if (!IsRerun(keys, row.rerunMarker))
        record.Inputs[static_cast<size_t>(last)] = EnteredInput(engine, lastInput, panel);

    // A choice stored outside its list (a damaged history entry) is never looked up:
    // a last choice is refused as any bad last input, an earlier one computes nothing.
    for (int i = 0; i <= last; ++i) {
        if (!StoredInputText(engine, row, i, record.Inputs[static_cast<size_t>(i)])) {
            if (i == last && row.refusal != ComputeRefusal::Never)
                ProtocolRefuseInput(engine, row);
            return;
        }
    }

    if (row.listAtCompute == ListAtCompute::HiddenBefore) {
        panel.result = QStringLiteral("0");
        panel.resultVisible = true;
        panel.listVisible = false;
    }

    const ProtocolOutcome outcome = RunFormula(row, ProtocolCall(engine, record.Inputs, VariantOf(engine, d)));
    if (outcome.kind == ProtocolOutcome::Kind::Refused) {
        if (row.refusal != ComputeRefusal::Never)
            ProtocolRefuseInput(engine, row);
        return;
    }

    const QString terms = outcome.terms                          ? *outcome.terms
                          : row.terms == TermsText::AsTyped ? panel.formula
                                                            : *RewrittenTerms(engine, row, record);
    QString resultText;
    switch (outcome.kind) {
    case ProtocolOutcome::Kind::Number:
        resultText = outcome.shownText.isEmpty() ? engine.NumberText(outcome.value) : outcome.shownText;
        if (outcome.writesMemory)
            keys.MemoryValue = outcome.value;
        break;
    case ProtocolOutcome::Kind::Text:
        resultText = outcome.text;
        break;
    default:
        resultText = kNoAnswerResult;
        break;
    }
    panel.result = resultText;
    engine.AddHistoryEntry(d.number, terms, record.Inputs, record.TermIndex, engine.options.UnitScaleCode);
    panel.formula = outcome.formulaLabel + QLatin1Char('(') + terms + QStringLiteral(")=") + resultText;
    panel.prompt = outcome.shownLabel;
    keys.LastKeyCode = d.resultCode;
    keys.KeyClass = d.resultCode;
    if (row.clearsVariantChanged)
        keys.VariantChangedFlag = false;
    if (row.keypadAfter != KeypadAfter::Unchanged)
        keys.KeypadEnabled = row.keypadAfter == KeypadAfter::On;
    if (row.listAtCompute == ListAtCompute::HiddenAfter) {
        panel.resultVisible = true;
        panel.listVisible = false;
    }
    engine.UpdateOperatorButtons(record);
    if (outcome.kind == ProtocolOutcome::Kind::NoAnswer)
        engine.ui.ShowMessageForm(QString::fromUtf16(ProtocolNoAnswer), 1);
}

void ProtocolOptionButton(Engine& engine, const ProtocolCalculator& row, int index)
{
    const CalculatorDescription& d = DescriptionOf(engine, row);
    const int count = static_cast<int>(d.options.buttons.size());
    if (!d.options.selection || index < 0 || index >= count || !OnScreen(engine, row))
        return;
    KeyState& keys = engine.keys;
    int& selection = engine.variants.*(d.options.selection);
    keys.VariantChangedFlag = selection != index;
    selection = index;
    PanelState& panel = engine.TopPanel();
    for (size_t i = 0; i < panel.radios.size(); ++i)
        panel.radios[i].checked = static_cast<int>(i) == index;

    const OptionRerun rerun(keys);
    if (keys.LastKeyCode == d.resultCode)
        ProtocolCompute(engine, row);
}

} // namespace tornavel
