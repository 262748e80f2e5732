#include "calculators/geometry/geometry.h"

#include "core/tables.h"
#include "core/numbers.h"

namespace tornavel {

namespace {

// The rows of list input k, given the inputs already closed.
QStringList ListRows(const Engine& engine, const GeometryCalculator& calculator, int k)
{
    const InputDescription& input = calculator.description.inputs[static_cast<size_t>(k)];
    return input.rows ? input.rows(engine.CalculatorStack.back().Inputs, engine.SystemDecimalSeparator) : QStringList();
}

bool IsOnScreen(const Engine& engine, const GeometryCalculator& calculator)
{
    return engine.HasCalculator() && engine.CalculatorStack.back().Number == calculator.number();
}

// A number is there to be closed: one is shown or typed, and the formula does not
// end with the "&" of an input already closed (the result field still shows that
// input's number right after "&&").
bool NumberToClose(const Engine& engine, const PanelState& panel)
{
    return engine.EntryPresent(panel) && !panel.formula.endsWith(QLatin1Char('&'));
}

void RefuseInput(Engine& engine, const GeometryCalculator& calculator)
{
    GeometryUndo(engine, calculator);
    engine.ui.ShowMessageForm(QString::fromUtf16(GeometryInputError), 1);
}

// The number of sides of the chosen row, or none when the row is not in the list.
std::optional<double> ListRowValue(const Engine& engine, const PanelState& panel, double storedRow)
{
    const std::optional<int> row = TruncatedIndex(storedRow);
    if (!row || *row < 0 || *row >= panel.listRows.size())
        return std::nullopt;
    const std::optional<int> count = TruncatedIndex(ToDouble(engine.TextNumber(panel.listRows[*row])));
    if (!count)
        return std::nullopt;
    return *count;
}

// Shows a result: in the result field, in the memory register unless the calculator
// keeps it, in the history, and in the formula as "Label(terms)=result" under the
// result label.
void ShowResult(Engine& engine, const GeometryCalculator& calculator, const QString& terms, double result)
{
    const TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    panel.result = engine.NumberText(result);
    if (!calculator.keepsMemory)
        engine.keys.MemoryValue = result;
    engine.AddHistoryEntry(calculator.number(), terms, record.Inputs, record.TermIndex,
                           engine.options.UnitScaleCode);
    panel.formula = engine.Str(calculator.description.result.stringId) + QLatin1Char('(') + terms + QStringLiteral(")=")
                    + panel.result;
    panel.prompt = engine.LabelText(calculator.description.result);
}

void ComputeSingleInput(Engine& engine, const GeometryCalculator& calculator)
{
    const int code = calculator.description.resultCode;
    PanelState& panel = engine.TopPanel();
    if (engine.EntryPresent(panel) && engine.keys.LastKeyCode != code) {
        if (calculator.normalizesEntry)
            engine.NormalizeEnteredNumber(panel);
        // The formula holds only the typed number: it is the input.
        const QString terms = panel.formula;
        GeometryValues values{};
        values[0] = ToDouble(engine.TextNumber(terms));
        ShowResult(engine, calculator, terms, calculator.formula(values));
    }
    // Also when nothing was computed: the next digit then starts over.
    engine.keys.LastKeyCode = code;
    engine.keys.KeyClass = code;
}

} // namespace

void GeometryNextTerm(Engine& engine, const GeometryCalculator& calculator)
{
    if (!IsOnScreen(engine, calculator) || calculator.inputCount() < 2)
        return;
    // On a shown result "&&" acts as C, after which there is nothing to close.
    if (engine.keys.LastKeyCode == calculator.description.resultCode)
        engine.CalculatriceCClick();

    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    if (!NumberToClose(engine, panel) || record.TermIndex >= calculator.inputCount() - 1)
        return;
    const int k = record.TermIndex;
    if (calculator.nextTermCheck && !calculator.nextTermCheck(record.Inputs, k, engine.EnteredValue(panel))) {
        RefuseInput(engine, calculator);
        return;
    }

    engine.keys.LastKeyCode = Code::NextTerm;
    engine.keys.KeyClass = Code::NextTerm;
    record.Inputs[static_cast<size_t>(k)] = engine.EnteredValue(panel);
    // The formula keeps the term as typed; the result field keeps showing it until
    // the next digit replaces it.
    panel.formula += QLatin1Char('&');
    if (k + 1 == calculator.listInput()) {
        // The list input replaces the result field, refilled and with nothing selected.
        panel.listRows = ListRows(engine, calculator, k + 1);
        panel.listIndex = -1;
    }
    ShowGeometryPrompt(engine, calculator, k + 1);
    record.TermIndex = k + 1;
    engine.UpdateOperatorButtons(record);
}

void GeometryCompute(Engine& engine, const GeometryCalculator& calculator)
{
    if (!IsOnScreen(engine, calculator))
        return;
    if (calculator.inputCount() == 1) {
        ComputeSingleInput(engine, calculator);
        return;
    }

    const int code = calculator.description.resultCode;
    const int last = calculator.inputCount() - 1;
    const bool lastFromList = calculator.listInput() == last;
    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    const bool termThere = lastFromList ? engine.ComboHasSelection(panel) : engine.EntryPresent(panel);
    if (!termThere || engine.keys.LastKeyCode == code || record.TermIndex != last
        || panel.formula.endsWith(QLatin1Char('&')))
        return;

    // During a replay the restored inputs are used as they are, except where the
    // calculator re-reads its last term from the restored formula.
    double lastValue = record.Inputs[static_cast<size_t>(last)];
    const bool readTerm = !engine.keys.RecomputingFlag || calculator.rereadsLastTerm;
    if (lastFromList) {
        if (!engine.keys.RecomputingFlag)
            lastValue = panel.listIndex;
        record.Inputs[static_cast<size_t>(last)] = lastValue;
    } else if (readTerm) {
        lastValue = engine.EnteredValue(panel);
        if (!calculator.rereadsLastTerm)
            record.Inputs[static_cast<size_t>(last)] = lastValue;
    }

    const QString terms = panel.formula;
    GeometryValues values = record.Inputs;
    values[static_cast<size_t>(last)] = lastValue;
    if (calculator.computeCheck && !calculator.computeCheck(values, engine.options.UnitScaleCode)) {
        RefuseInput(engine, calculator);
        return;
    }
    if (calculator.rereadsLastTerm)
        record.Inputs[static_cast<size_t>(last)] = lastValue;

    if (lastFromList) {
        // A stored row outside the list (a damaged history entry) has no number of
        // sides: nothing is computed.
        const std::optional<double> sides = ListRowValue(engine, panel, lastValue);
        if (!sides)
            return;
        values[static_cast<size_t>(last)] = *sides;
    }
    ShowResult(engine, calculator, terms, calculator.formula(values));
    if (lastFromList) {
        panel.listVisible = false;
        panel.resultVisible = true;
    }
    engine.keys.LastKeyCode = code;
    engine.keys.KeyClass = code;
}

void GeometryListChoice(Engine& engine, const GeometryCalculator& calculator, int row)
{
    if (!IsOnScreen(engine, calculator) || calculator.listInput() < 0)
        return;
    PanelState& panel = engine.TopPanel();
    // Only a list on screen can be picked from, and only one of its rows.
    if (!panel.listVisible || row < 0 || row >= panel.listRows.size())
        return;
    panel.listIndex = row;
    // A count already chosen is taken back first.
    if (!panel.formula.endsWith(QLatin1Char('&')))
        GeometryUndo(engine, calculator);
    const std::optional<std::int32_t> sides = PolygonSides.at(row);
    if (!sides)
        return;
    panel.formula += engine.NumberText(*sides);
}

} // namespace tornavel
