#include "calculators/geometry/geometry.h"

#include <algorithm>

namespace tornavel {

namespace {

const QString kZero = QStringLiteral("0");

// The inputs of a finished formula "Label(a&b)=result": the text between its last
// "(" and the next ")". Reads only inside the text: without a ")" the rest of the
// text is taken, without a "(" the whole text.
QString FinishedFormulaTerms(const QString& formula)
{
    const qsizetype open = formula.lastIndexOf(QLatin1Char('('));
    const qsizetype start = open < 0 ? 0 : open + 1;
    const qsizetype close = formula.indexOf(QLatin1Char(')'), start);
    return close < 0 ? formula.mid(start) : formula.mid(start, close - start);
}

// The calculators with one input: CE on a result puts the input back into both
// fields; otherwise it empties them.
void UndoSingleInput(CalculatorContext& context, const GeometryCalculator& calculator)
{
    QString terms = context.TopPanel().formula;
    if (terms.isEmpty()) {
        context.TakenBack(Code::AfterUndo);
        return;
    }
    if (terms.contains(QLatin1Char('('))) {
        terms = FinishedFormulaTerms(terms);
        const int code = context.Keys().LastKeyCode();
        if (code == geometry::LengthResultCode || code == geometry::AreaResultCode || code == geometry::VolumeResultCode)
            context.ShowPrompt(context.LabelText(calculator.description.inputs[0].prompt));
    } else {
        terms.clear();
    }
    context.ShowEntry(terms.isEmpty() ? kZero : terms, terms);
    context.TakenBack(Code::AfterUndo);
}

} // namespace

void ShowGeometryPrompt(CalculatorContext& context, const GeometryCalculator& calculator, int k)
{
    k = std::clamp(k, 0, calculator.inputCount() - 1);
    const PanelState& panel = context.TopPanel();
    const InputDescription& input = calculator.description.inputs[static_cast<size_t>(k)];
    context.ShowPrompt(context.LabelText(input.prompt));
    if (calculator.listInput() < 0)
        return;
    const bool fromList = input.list;
    context.ShowInputField(fromList ? InputField::List : InputField::Typed);
    // The list keeps its rows and selection while hidden; a list that never had rows
    // gets them so that the count can be chosen.
    if (fromList && panel.listRows.isEmpty() && input.rows)
        context.ShowList(input.rows(context.Top().Inputs, context.Numbers().Separator()), panel.listIndex);
}

void GeometryUndo(CalculatorContext& context, const GeometryCalculator& calculator)
{
    if (!context.HasCalculator())
        return;
    const int inputCount = calculator.inputCount();
    if (inputCount == 1) {
        UndoSingleInput(context, calculator);
        return;
    }
    const TCalculette& record = context.Top();
    context.GoToTerm(std::clamp(record.TermIndex, 0, inputCount - 1));

    QString terms = context.TopPanel().formula;
    int reopened = 0;
    if (terms.contains(QLatin1Char('='))) {
        // A result is shown: back to typing the last input, its text restored.
        terms = FinishedFormulaTerms(terms);
        context.TakenBack(Code::None);
        reopened = inputCount - 1;
    } else if (terms.endsWith(QLatin1Char('&'))) {
        // Right after "&&": the input just closed is reopened as typed.
        context.GoToTerm(std::max(record.TermIndex - 1, 0));
        terms.chop(1);
        context.TakenBack(Code::None);
        reopened = record.TermIndex;
    } else {
        // A number is being typed: it is dropped and the closed inputs are rewritten.
        const int t = record.TermIndex;
        terms.clear();
        for (int i = 0; i < t; ++i)
            terms += context.Numbers().NumberText(record.Inputs[static_cast<size_t>(i)]) + QLatin1Char('&');
        if (t >= 1)
            context.TakenBack(Code::NextTerm);
        reopened = t;
    }
    ShowGeometryPrompt(context, calculator, reopened);
    context.ShowEntry(kZero, terms);
    if (!terms.contains(QLatin1Char('&')))
        context.TakenBack(Code::AfterUndo);
}

} // namespace tornavel
