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
void UndoSingleInput(Engine& engine, const GeometryCalculator& calculator)
{
    PanelState& panel = engine.TopPanel();
    QString terms = panel.formula;
    if (terms.isEmpty()) {
        engine.keys.LastKeyCode = Code::AfterUndo;
        return;
    }
    if (terms.contains(QLatin1Char('('))) {
        terms = FinishedFormulaTerms(terms);
        const int code = engine.keys.LastKeyCode;
        if (code == Code::LengthResult || code == Code::AreaResult || code == Code::VolumeResult)
            panel.prompt = engine.LabelText(calculator.description.inputs[0].prompt);
        engine.keys.LastKeyCode = Code::None;
    } else {
        terms.clear();
    }
    panel.result = terms.isEmpty() ? kZero : terms;
    panel.formula = terms;
    engine.keys.LastKeyCode = Code::AfterUndo;
}

} // namespace

void ShowGeometryPrompt(Engine& engine, const GeometryCalculator& calculator, int k)
{
    k = std::clamp(k, 0, calculator.inputCount() - 1);
    PanelState& panel = engine.TopPanel();
    const InputDescription& input = calculator.description.inputs[static_cast<size_t>(k)];
    panel.prompt = engine.LabelText(input.prompt);
    if (calculator.listInput() < 0)
        return;
    const bool fromList = input.list;
    panel.resultVisible = !fromList;
    panel.listVisible = fromList;
    // The list keeps its rows and selection while hidden; a list that never had rows
    // gets them so that the count can be chosen.
    if (fromList && panel.listRows.isEmpty() && input.rows)
        panel.listRows = input.rows(engine.Top().Inputs, engine.SystemDecimalSeparator);
    engine.keys.KeypadEnabled = !fromList;
}

void GeometryUndo(Engine& engine, const GeometryCalculator& calculator)
{
    if (!engine.HasCalculator())
        return;
    const int inputCount = calculator.inputCount();
    if (inputCount == 1) {
        UndoSingleInput(engine, calculator);
        return;
    }
    TCalculette& record = engine.Top();
    PanelState& panel = engine.TopPanel();
    record.TermIndex = std::clamp(record.TermIndex, 0, inputCount - 1);

    QString terms = panel.formula;
    int reopened = 0;
    if (terms.contains(QLatin1Char('='))) {
        // A result is shown: back to typing the last input, its text restored.
        terms = FinishedFormulaTerms(terms);
        engine.keys.LastKeyCode = Code::None;
        reopened = inputCount - 1;
    } else if (terms.endsWith(QLatin1Char('&'))) {
        // Right after "&&": the input just closed is reopened as typed.
        record.TermIndex = std::max(record.TermIndex - 1, 0);
        terms.chop(1);
        engine.keys.LastKeyCode = Code::None;
        reopened = record.TermIndex;
    } else {
        // A number is being typed: it is dropped and the closed inputs are rewritten.
        const int t = record.TermIndex;
        terms.clear();
        for (int i = 0; i < t; ++i)
            terms += engine.NumberText(record.Inputs[static_cast<size_t>(i)]) + QLatin1Char('&');
        if (t >= 1)
            engine.keys.LastKeyCode = Code::NextTerm;
        reopened = t;
    }
    ShowGeometryPrompt(engine, calculator, reopened);
    panel.result = kZero;
    panel.formula = terms;
    if (!terms.contains(QLatin1Char('&')))
        engine.keys.LastKeyCode = Code::AfterUndo;
}

} // namespace tornavel
