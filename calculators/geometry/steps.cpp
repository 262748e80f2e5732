#include "calculators/geometry/geometry.h"

#include "calculators/geometry/tables.h"
#include "core/numbers.h"

namespace tornavel {

namespace {

// The rows of list input k, given the inputs already closed.
QStringList ListRows(const CalculatorContext& context, const GeometryCalculator& calculator, int k)
{
    const InputDescription& input = calculator.description.inputs[static_cast<size_t>(k)];
    return input.rows ? input.rows(context.Top().Inputs, context.Numbers().Separator()) : QStringList();
}

bool IsOnScreen(const CalculatorContext& context, const GeometryCalculator& calculator)
{
    return tornavel::IsOnScreen(context, calculator.number());
}

// A number is there to be closed: one is shown or typed, and the formula does not
// end with the "&" of an input already closed (the result field still shows that
// input's number right after "&&").
bool NumberToClose(const CalculatorContext& context, const PanelState& panel)
{
    return context.Numbers().EntryPresent(panel) && !panel.formula.endsWith(QLatin1Char('&'));
}

void RefuseInput(CalculatorContext& context, const GeometryCalculator& calculator)
{
    GeometryUndo(context, calculator);
    context.ShowMessage(QString::fromUtf16(GeometryInputError));
}

// The number of sides of the chosen row, or none when the row is not in the list.
std::optional<double> ListRowValue(const CalculatorContext& context, const PanelState& panel, double storedRow)
{
    const std::optional<int> row = TruncatedIndex(storedRow);
    if (!row || *row < 0 || *row >= panel.listRows.size())
        return std::nullopt;
    const std::optional<int> count = TruncatedIndex(ToDouble(context.Numbers().TextNumber(panel.listRows[*row])));
    if (!count)
        return std::nullopt;
    return *count;
}

// Shows a result: in the result field, in the memory register unless the calculator
// keeps it, in the history, and in the formula as "Label(terms)=result" under the
// result label.
void ShowResult(CalculatorContext& context, const GeometryCalculator& calculator, const QString& terms, double result)
{
    const QString text = context.Numbers().NumberText(result);
    context.ShowResult({
        .terms = terms,
        .result = text,
        .formula = context.Str(calculator.description.result.stringId) + QLatin1Char('(') + terms
                   + QStringLiteral(")=") + text,
        .label = context.LabelText(calculator.description.result),
        .memory = calculator.keepsMemory ? std::nullopt : std::optional<double>(result),
        .code = calculator.description.resultCode,
    });
}

void ComputeSingleInput(CalculatorContext& context, const GeometryCalculator& calculator)
{
    const int code = calculator.description.resultCode;
    PanelState panel = context.TopPanel();
    if (context.Numbers().EntryPresent(panel) && context.Keys().LastKeyCode() != code) {
        if (calculator.normalizesEntry) {
            context.Numbers().NormalizeEnteredNumber(panel);
            context.ShowEntry(panel.result, panel.formula);
        }
        // The formula holds only the typed number: it is the input.
        const QString terms = panel.formula;
        GeometryValues values{};
        values[0] = ToDouble(context.Numbers().TextNumber(terms));
        ShowResult(context, calculator, terms, calculator.formula(values));
    }
    // Also when nothing was computed: the next digit then starts over.
    context.KeyPressed(code);
}

} // namespace

void GeometryNextTerm(CalculatorContext& context, const GeometryCalculator& calculator)
{
    if (!IsOnScreen(context, calculator) || calculator.inputCount() < 2)
        return;
    // On a shown result "&&" acts as C, after which there is nothing to close.
    if (context.Keys().LastKeyCode() == calculator.description.resultCode)
        context.ClearCalculator();

    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
    if (!NumberToClose(context, panel) || record.TermIndex >= calculator.inputCount() - 1)
        return;
    const int k = record.TermIndex;
    if (calculator.nextTermCheck
        && !calculator.nextTermCheck(record.Inputs, k, context.Numbers().EnteredValue(panel))) {
        RefuseInput(context, calculator);
        return;
    }

    context.KeyPressed(Code::NextTerm);
    context.KeepInput(k, context.Numbers().EnteredValue(panel));
    // The formula keeps the term as typed; the result field keeps showing it until
    // the next digit replaces it.
    context.ShowEntry(panel.result, panel.formula + QLatin1Char('&'));
    if (k + 1 == calculator.listInput()) {
        // The list input replaces the result field, refilled and with nothing selected.
        context.ShowList(ListRows(context, calculator, k + 1), -1);
    }
    ShowGeometryPrompt(context, calculator, k + 1);
    context.GoToTerm(k + 1);
    context.UpdateOperatorButtons();
}

void GeometryCompute(CalculatorContext& context, const GeometryCalculator& calculator)
{
    if (!IsOnScreen(context, calculator))
        return;
    if (calculator.inputCount() == 1) {
        ComputeSingleInput(context, calculator);
        return;
    }

    const int code = calculator.description.resultCode;
    const int last = calculator.inputCount() - 1;
    const bool lastFromList = calculator.listInput() == last;
    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
    const bool termThere = lastFromList ? ComboHasSelection(context, panel) : context.Numbers().EntryPresent(panel);
    if (!termThere || context.Keys().LastKeyCode() == code || record.TermIndex != last
        || panel.formula.endsWith(QLatin1Char('&')))
        return;

    // During a replay the restored inputs are used as they are, except where the
    // calculator re-reads its last term from the restored formula.
    double lastValue = record.Inputs[static_cast<size_t>(last)];
    const bool readTerm = !context.Keys().RecomputingFlag() || calculator.rereadsLastTerm;
    if (lastFromList) {
        if (!context.Keys().RecomputingFlag())
            lastValue = panel.listIndex;
        context.KeepInput(last, lastValue);
    } else if (readTerm) {
        lastValue = context.Numbers().EnteredValue(panel);
        if (!calculator.rereadsLastTerm)
            context.KeepInput(last, lastValue);
    }

    const QString terms = panel.formula;
    GeometryValues values = record.Inputs;
    values[static_cast<size_t>(last)] = lastValue;
    if (calculator.computeCheck && !calculator.computeCheck(values, context.UnitScaleCode())) {
        RefuseInput(context, calculator);
        return;
    }
    if (calculator.rereadsLastTerm)
        context.KeepInput(last, lastValue);

    if (lastFromList) {
        // A stored row outside the list (a damaged history entry) has no number of
        // sides: nothing is computed.
        const std::optional<double> sides = ListRowValue(context, panel, lastValue);
        if (!sides)
            return;
        values[static_cast<size_t>(last)] = *sides;
    }
    ShowResult(context, calculator, terms, calculator.formula(values));
    if (lastFromList)
        context.ShowInputField(InputField::ResultInPlace);
}

void GeometryListChoice(CalculatorContext& context, const GeometryCalculator& calculator, int row)
{
    if (!IsOnScreen(context, calculator) || calculator.listInput() < 0)
        return;
    const PanelState& panel = context.TopPanel();
    // Only a list on screen can be picked from, and only one of its rows.
    if (!panel.listVisible || row < 0 || row >= panel.listRows.size())
        return;
    context.TakeListChoice(row);
    // A count already chosen is taken back first.
    if (!panel.formula.endsWith(QLatin1Char('&')))
        GeometryUndo(context, calculator);
    const std::optional<std::int32_t> sides = PolygonSides.at(row);
    if (!sides)
        return;
    context.ShowEntry(panel.result, panel.formula + context.Numbers().NumberText(*sides));
}

} // namespace tornavel
