#include "calculators/install.h"

#include "core/calcerror.h"
#include "core/context.h"
#include "core/numbers.h"

#include <cmath>
#include <vector>

namespace tornavel {

namespace {

bool IsStandardOperator(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*') || c == QLatin1Char('/');
}

// True when the "-" at index i is the sign of a number rather than a subtraction:
// at the start, right after an operator, "=", a root marker or "(", or in an exponent.
bool IsSignAt(const QString& text, int i)
{
    if (text[i] != QLatin1Char('-'))
        return false;
    if (i == 0)
        return true;
    switch (text[i - 1].unicode()) {
    case '+': case '-': case '*': case '/': case '=': case 'R': case '(': case '&': case '^':
    case 'E': case 'e':
        return true;
    default:
        return false;
    }
}

// Index of the last "+", "-", "*", "/" or "=" at index 1 or later that is not the sign
// of a number; -1 when there is none.
int LastStandardOperator(const QString& text)
{
    for (int i = text.size() - 1; i >= 1; --i) {
        const QChar c = text[i];
        if ((IsStandardOperator(c) || c == QLatin1Char('=')) && !IsSignAt(text, i))
            return i;
    }
    return -1;
}

bool HoldsStandardOperator(const QString& text)
{
    for (int i = 1; i < text.size(); ++i) {
        if (IsStandardOperator(text[i]) && !IsSignAt(text, i))
            return true;
    }
    return false;
}

bool IsNumberCharacter(QChar c, const QString& separator)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('E')
           || c == QLatin1Char('e') || (!separator.isEmpty() && c == separator.back());
}

// True when the number starting at index p already carries a root or inverse marker:
// an "R" right before it, or a "1/" that begins its term.
bool TermHasMarker(const QString& text, int p, const QString& separator)
{
    if ((p >= 1 && text[p - 1] == QLatin1Char('R')) || (p < text.size() && text[p] == QLatin1Char('R')))
        return true;
    return p >= 2 && text[p - 1] == QLatin1Char('/') && text[p - 2] == QLatin1Char('1')
           && (p == 2 || !IsNumberCharacter(text[p - 3], separator));
}

// ---- Evaluation ------------------------------------------------------------

// One term of a standard formula: [sign] root markers [sign] number.
struct FormulaTerm {
    bool negative = false;
    int roots = 0;
    double value = 0.0;
};

struct ParsedFormula {
    std::vector<FormulaTerm> terms;
    std::vector<QChar> operators;  // between terms: "+", "-", "*", "/"
};

// Splits a formula into terms and operators. A "-" is a sign where a number may begin
// (at a term's start or in an exponent) and a subtraction elsewhere, so that negative
// numbers brought in by MR and results written as "1E-5" read back as numbers. An
// operand that is not a number raises the conversion error with its text.
ParsedFormula ParseStandardFormula(const NumberRules& numbers, const QString& text)
{
    ParsedFormula parsed;
    const int n = text.size();
    int i = 0;
    while (true) {
        FormulaTerm term;
        if (i < n && text[i] == QLatin1Char('-')) {
            term.negative = true;
            ++i;
        }
        while (i < n && text[i] == QLatin1Char('R')) {
            ++term.roots;
            ++i;
        }
        const int start = i;
        if (i < n && text[i] == QLatin1Char('-'))
            ++i;  // the sign of the number under a root
        while (i < n) {
            const QChar c = text[i];
            if (c == QLatin1Char('+') || c == QLatin1Char('*') || c == QLatin1Char('/'))
                break;
            if (c == QLatin1Char('-') && !(text[i - 1] == QLatin1Char('E') || text[i - 1] == QLatin1Char('e')))
                break;
            ++i;
        }
        term.value = ToDouble(numbers.TextNumber(text.mid(start, i - start)));
        parsed.terms.push_back(term);
        if (i >= n)
            break;
        parsed.operators.push_back(text[i]);
        ++i;
    }
    return parsed;
}

// Every intermediate result is kept as a double and as the text of 15 significant
// digits that a formula would hold, then read back.
double RoundedResult(const NumberRules& numbers, long double value)
{
    return ToDouble(numbers.TextNumber(numbers.NumberText(ToDouble(value))));
}

// Roots first, innermost first; then the sign of the term.
void ApplyRoot(const NumberRules& numbers, FormulaTerm& term)
{
    for (; term.roots > 0; --term.roots)
        term.value = RoundedResult(numbers, CheckedValue(std::sqrt(static_cast<long double>(term.value))));
}

// Combines the operands on both sides of operator k and removes the operator.
void Combine(const NumberRules& numbers, ParsedFormula& f, size_t k)
{
    const long double a = f.terms[k].value;
    const long double b = f.terms[k + 1].value;
    long double r = 0.0L;
    switch (f.operators[k].unicode()) {
    case '*': r = CheckedValue(a * b); break;
    case '/': r = CheckedDivide(a, b); break;
    case '+': r = CheckedValue(a + b); break;
    default: r = CheckedValue(a - b); break;
    }
    f.terms[k].value = RoundedResult(numbers, r);
    f.terms.erase(f.terms.begin() + static_cast<std::ptrdiff_t>(k) + 1);
    f.operators.erase(f.operators.begin() + static_cast<std::ptrdiff_t>(k));
}

// The leftmost product or quotient; false when none is left.
bool ApplyMulDiv(const NumberRules& numbers, ParsedFormula& f)
{
    for (size_t k = 0; k < f.operators.size(); ++k) {
        if (f.operators[k] == QLatin1Char('*') || f.operators[k] == QLatin1Char('/')) {
            Combine(numbers, f, k);
            return true;
        }
    }
    return false;
}

// The leftmost sum or difference; false when none is left.
bool ApplyAddSub(const NumberRules& numbers, ParsedFormula& f)
{
    if (f.operators.empty())
        return false;
    Combine(numbers, f, 0);
    return true;
}

// Computes a standard formula (numbers, "+ - * /", root and inverse markers) to the
// text of its result: roots first, then products and quotients, then sums and
// differences, each from left to right, every intermediate rounded to 15 digits.
QString EvaluateFormula(const NumberRules& numbers, const QString& formula)
{
    ParsedFormula f = ParseStandardFormula(numbers, formula);
    // A single plain number is already the result, written as it stands.
    if (f.terms.size() == 1 && f.terms[0].roots == 0 && IsNumberText(formula, numbers.Separator()))
        return formula;
    for (FormulaTerm& term : f.terms) {
        ApplyRoot(numbers, term);
        if (term.negative) {
            term.value = -term.value;
            term.negative = false;
        }
    }
    while (ApplyMulDiv(numbers, f)) {
    }
    while (ApplyAddSub(numbers, f)) {
    }
    return numbers.NumberText(f.terms[0].value);
}

// ---- Keys ------------------------------------------------------------------

// The four operator keys differ only in their character and code.
void OperatorKey(CalculatorContext& c, QChar op, int code)
{
    if (!c.HasCalculator())
        return;
    const KeyState& keys = c.Keys();
    if (keys.LastKeyCode() == Code::Equals)
        c.ClearCalculator();
    PanelState panel = c.TopPanel();
    // A second operator in a row, or one right after root or 1/x, is ignored; an
    // operator always follows a number.
    if (IsOperatorState(keys.KeyClass()) || !c.Numbers().FormulaEndsWithNumber(panel.formula))
        return;
    c.KeyPressed(code);
    c.Numbers().NormalizeEnteredNumber(panel);
    c.ShowEntry(panel.result, panel.formula + op);
}

// Root ("R") and inverse ("1/") keys: the marker goes in front of the number at the end
// of the formula, after its sign. A number that already has a marker, or a formula that
// ends with an operator, is left alone.
void MarkerKey(CalculatorContext& c, const QString& marker, int code)
{
    if (!c.HasCalculator())
        return;
    const NumberRules& numbers = c.Numbers();
    if (c.Keys().LastKeyCode() == Code::Equals)
        c.ClearCalculator();
    PanelState panel = c.TopPanel();
    if (!numbers.FormulaEndsWithNumber(panel.formula))
        return;
    numbers.NormalizeEnteredNumber(panel);
    c.ShowEntry(panel.result, panel.formula);
    QString t = panel.formula;
    if (t.isEmpty())
        return;
    int p = numbers.LastTermStart(t);
    if (p < t.size() && t[p] == QLatin1Char('-'))
        ++p;  // the marker goes after the sign
    if (TermHasMarker(t, p, numbers.Separator()))
        return;
    t.insert(p, marker);
    c.KeyPressed(code);
    c.ShowEntry(panel.result, t);
}

void PCalculatricePlusClick(CalculatorContext& c) { OperatorKey(c, QLatin1Char('+'), Code::Plus); }
void PCalculatriceMoinsClick(CalculatorContext& c) { OperatorKey(c, QLatin1Char('-'), Code::Minus); }
void PCalculatriceMultClick(CalculatorContext& c) { OperatorKey(c, QLatin1Char('*'), Code::Times); }
void PCalculatriceSlashClick(CalculatorContext& c) { OperatorKey(c, QLatin1Char('/'), Code::Divide); }
void PCalculatriceRacClick(CalculatorContext& c) { MarkerKey(c, QStringLiteral("R"), Code::Root); }
void PCalculatriceInverseClick(CalculatorContext& c) { MarkerKey(c, QStringLiteral("1/"), Code::Inverse); }

// MS: the number in the result field goes into the memory register.
void PMSClick(CalculatorContext& c)
{
    if (!c.HasCalculator())
        return;
    c.StoreInMemory(ToDouble(c.Numbers().TextNumber(c.TopPanel().result)));
}

// CE, and "=" taking back a trailing operator (flag).
void UndoStandardTerm(CalculatorContext& c, bool flag)
{
    if (!c.HasCalculator())
        return;
    const KeyState& keys = c.Keys();
    const NumberRules& numbers = c.Numbers();
    const QString t0 = c.TopPanel().formula;
    QString t = t0;
    // After CE the number before a removed operator or marker is shown again, so
    // that digits continue it.
    bool numberShownAgain = false;

    if (keys.LastKeyCode() == Code::Root && !flag) {
        const int r = t.lastIndexOf(QLatin1Char('R'));
        if (r >= 0)
            t.remove(r, 1);
        numberShownAgain = true;
    } else if (keys.LastKeyCode() == Code::Inverse && !flag) {
        const int slash = t.lastIndexOf(QLatin1Char('/'));
        if (slash >= 1 && t[slash - 1] == QLatin1Char('1'))
            t.remove(slash - 1, 2);
        numberShownAgain = true;
    } else if (!t.isEmpty()) {
        const int i = LastStandardOperator(t);
        if (i < 0) {
            t.clear();  // a single number goes
        } else if (i == t.size() - 1) {
            t.chop(1);  // a trailing operator goes, the number before it stays
            numberShownAgain = !flag;
        } else if (t[i] == QLatin1Char('=')) {
            t.truncate(i);  // the result goes, the formula comes back
            c.TakenBack(Code::None);
        } else {
            t.truncate(i + 1);  // the last number goes, its operator stays
            c.TakenBack(Code::None);
        }
    } else {
        c.TakenBack(Code::AfterUndo);
        return;
    }

    if (numberShownAgain) {
        c.TakenBack(Code::None);
        if (numbers.FormulaEndsWithNumber(t)) {
            c.ShowEntry(t.mid(numbers.LastTermStart(t)), t);
            return;
        }
    }
    c.ShowEntry(QStringLiteral("0"), t);
    if (!HoldsStandardOperator(t))
        c.TakenBack(Code::AfterUndo);
}

// "=": the formula is computed, its result shown and recorded.
void PCalculatriceEgalClick(CalculatorContext& c)
{
    if (!c.HasCalculator())
        return;
    const KeyState& keys = c.Keys();
    const NumberRules& numbers = c.Numbers();
    if (!numbers.EntryPresent(c.TopPanel()) || keys.LastKeyCode() == Code::Equals) {
        // Nothing to compute: a shown result stays shown, anything else stays as typed
        // (marking a result here would make the next digit wipe the formula).
        if (keys.LastKeyCode() == Code::Equals)
            c.KeyPressed(Code::Equals);
        return;
    }
    const QString& typed = c.TopPanel().formula;
    if (!typed.isEmpty() && IsStandardOperator(typed.back()) && !IsSignAt(typed, typed.size() - 1))
        UndoStandardTerm(c, true);
    PanelState panel = c.TopPanel();
    numbers.NormalizeEnteredNumber(panel);
    c.ShowEntry(panel.result, panel.formula);
    const QString r = EvaluateFormula(numbers, panel.formula);
    const QString h = panel.formula + QLatin1Char('=') + r;
    // The result must read back as a number before it is shown.
    const double memory = ToDouble(numbers.TextNumber(r));
    c.ShowResult({.terms = h, .result = r, .formula = h, .memory = memory});
}

// The operator keys and MS of the keypad.
bool StandardKeypadKey(CalculatorContext& c, KeypadKey key)
{
    switch (key) {
    case KeypadKey::Plus: PCalculatricePlusClick(c); return true;
    case KeypadKey::Minus: PCalculatriceMoinsClick(c); return true;
    case KeypadKey::Times: PCalculatriceMultClick(c); return true;
    case KeypadKey::Divide: PCalculatriceSlashClick(c); return true;
    case KeypadKey::Root: PCalculatriceRacClick(c); return true;
    case KeypadKey::Inverse: PCalculatriceInverseClick(c); return true;
    case KeypadKey::MemoryStore: PMSClick(c); return true;
    default: return false;
    }
}

} // namespace

void InstallStandardCalculator(CalculatorRegistry& rows)
{
    // A keypad calculator: no inputs to describe, results shown with "=". It offers
    // every other calculator but the rafter section (17), whose result is a name. Its
    // history entries keep no inputs: the formula holds the whole calculation and its
    // result, which a replay shows again.
    std::vector<int> offers{39};
    for (int n = 1; n < 39; ++n) {
        if (n != 17)
            offers.push_back(n);
    }
    CalculatorDescription row{
        .number = 0,
        .kind = CalculatorKind::ArithmeticKeypad,
        .titleId = 6,
        .helpPageId = 1003,
        .menuItem = 0,
        .offers = std::move(offers),
        .hasNextKey = false,
        .historyKeepsInputs = false,
        .replayRecomputes = false,
        .keys = {.compute = PCalculatriceEgalClick,
                 .undo = [](CalculatorContext& c) { UndoStandardTerm(c, false); },
                 .keypadKey = StandardKeypadKey},
    };
    rows.Register({std::move(row)});
}

} // namespace tornavel
