#include "core/number_rules.h"

#include "core/numbers.h"

namespace tornavel {

namespace {

bool IsTermOperator(QChar c)
{
    switch (c.unicode()) {
    case '&': case '*': case '+': case '-': case '/': case '=': case 'R': case '^':
        return true;
    default:
        return false;
    }
}

} // namespace

QString NumberRules::NumberText(long double value) const
{
    return NumberToText(value, separator_);
}

long double NumberRules::TextNumber(const QString& text) const
{
    return TextToNumber(text, separator_);
}

bool NumberRules::FormulaEndsWithNumber(const QString& formula) const
{
    if (formula.isEmpty())
        return false;
    const QChar last = formula.back();
    if (last >= QLatin1Char('0') && last <= QLatin1Char('9'))
        return true;
    return !separator_.isEmpty() && formula.endsWith(separator_);
}

int NumberRules::LastTermStart(const QString& formula) const
{
    // The first character is never an operator: a "-" there is the sign of the number.
    for (int i = formula.size() - 1; i >= 1; --i) {
        const QChar c = formula[i];
        if (!IsTermOperator(c))
            continue;
        if (c == QLatin1Char('-')) {
            const QChar before = formula[i - 1];
            // The sign of an exponent: keep scanning through the number.
            if (before == QLatin1Char('E') || before == QLatin1Char('e'))
                continue;
            // The sign of a number right after an operator or "(".
            if (IsTermOperator(before) || before == QLatin1Char('('))
                return i;
        }
        return i + 1;
    }
    // A root marker never stands for a sign, nor does the "&" of a first input closed
    // without its text (a choice kept in the list after CE): at the very start they
    // still open the term.
    if (!formula.isEmpty() && (formula[0] == QLatin1Char('R') || formula[0] == QLatin1Char('&')))
        return 1;
    return 0;
}

long double NumberRules::LastFormulaTermExtended(const QString& formula) const
{
    const QString term = formula.mid(LastTermStart(formula));
    if (term.isEmpty())
        return 0.0L;
    return TextNumber(term);
}

double NumberRules::LastFormulaTermValue(const QString& formula) const
{
    return ToDouble(LastFormulaTermExtended(formula));
}

void NumberRules::NormalizeEnteredNumber(PanelState& panel) const
{
    const QString& s = separator_;
    const QString e = panel.result;
    if (s.isEmpty())
        return;
    const bool needsTidying = e.endsWith(s) || (e.endsWith(QLatin1Char('0')) && e.contains(s))
                              || e.startsWith(s);
    if (!needsTidying)
        return;
    const QString tidy = NumberText(TextNumber(e));
    const QString head = panel.formula.left(LastTermStart(panel.formula));
    panel.formula = head + tidy;
    panel.result = tidy;
}

bool NumberRules::EntryPresent(const PanelState& panel) const
{
    return panel.result != QLatin1String("0") || FormulaEndsWithNumber(panel.formula);
}

double NumberRules::EnteredValue(const PanelState& panel) const
{
    if (panel.result != QLatin1String("0"))
        return ToDouble(TextNumber(panel.result));
    return LastFormulaTermValue(panel.formula);
}

} // namespace tornavel
