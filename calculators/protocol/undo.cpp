#include "calculators/protocol/internal.h"

#include "core/tables.h"

#include <algorithm>

namespace tornavel {

using namespace protocol;

namespace {

// The terms of a finished formula "Label(terms)=result": the text between the ")="
// and the "(" that opens it, so that a term may hold parentheses of its own. Reads
// only inside the text: without ")=" the whole text is taken.
QString FinishedFormulaTerms(const QString& formula)
{
    const qsizetype close = formula.lastIndexOf(QStringLiteral(")="));
    if (close < 0)
        return formula;
    int depth = 0;
    for (qsizetype i = close - 1; i >= 0; --i) {
        const QChar c = formula[i];
        if (c == QLatin1Char(')')) {
            ++depth;
        } else if (c == QLatin1Char('(')) {
            if (depth == 0)
                return formula.mid(i + 1, close - i - 1);
            --depth;
        }
    }
    return formula.left(close);
}

} // namespace

void ProtocolUndo(CalculatorContext& context, const ProtocolCalculator& row)
{
    UndoStep(context, row, false);
}

namespace protocol {

void UndoStep(CalculatorContext& context, const ProtocolCalculator& row, bool reselecting)
{
    if (!OnScreen(context))
        return;
    const CalculatorDescription& d = OnScreenDescription(context);
    const TCalculette& record = context.Top();
    const PanelState& panel = context.TopPanel();
    const int n = d.inputCount();
    context.GoToTerm(std::clamp(record.TermIndex, 0, n - 1));

    QString formula = panel.formula;
    int open = record.TermIndex;
    bool reopened = true;
    if (formula.contains(QLatin1Char('='))) {
        // A result is shown: the last input is open again, the terms in the formula.
        formula = FinishedFormulaTerms(formula);
        context.TakenBack(Code::None);
        open = n - 1;
    } else if (formula.endsWith(QLatin1Char('&'))) {
        // Right after "&&": the input just closed is open again, shown in the formula.
        context.GoToTerm(std::max(record.TermIndex - 1, 0));
        formula.chop(1);
        context.TakenBack(Code::None);
        open = record.TermIndex;
    } else {
        // The value being entered is dropped; the closed inputs are written again from
        // their stored values (a stored row outside its list writes nothing).
        reopened = false;
        formula.clear();
        for (int i = 0; i < open; ++i)
            formula += StoredInputText(context, row, i, record.Inputs[static_cast<size_t>(i)]).value_or(QString())
                       + QLatin1Char('&');
        if (open > 0)
            context.TakenBack(Code::NextTerm);
    }

    ShowInput(context, row, open, true);
    if (d.inputs[static_cast<size_t>(open)].list) {
        if (reopened) {
            // The choice written at the end of the formula is selected again.
            if (row.undoReselectsChoice && !reselecting && !formula.endsWith(QLatin1Char('&'))) {
                const std::optional<int> stored = TruncatedIndex(record.Inputs[static_cast<size_t>(open)]);
                context.TakeListChoice(stored && *stored >= 0 && *stored < panel.listRows.size() ? *stored : -1);
            }
        } else if (!row.undoKeepsListSelection) {
            context.TakeListChoice(-1);
        }
    }
    context.ShowEntry(QStringLiteral("0"), formula);
    if (!formula.contains(QLatin1Char('&')))
        context.TakenBack(Code::AfterUndo);
}

} // namespace protocol

} // namespace tornavel
