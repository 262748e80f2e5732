#include "calculators/install.h"

#include "core/calcerror.h"
#include "core/context.h"
#include "core/numbers.h"
#include "core/tables.h"

#include <cmath>
#include <optional>

namespace tornavel {

namespace {

constexpr int kNumber = 39;
constexpr int kFunctionInput = 2;  // where a history entry keeps the function

bool OnScreen(const CalculatorContext& c)
{
    return IsOnScreen(c, kNumber);
}

// After a result, the function, inv, x^y and sign keys start a new calculation.
void ResultFirst(CalculatorContext& c)
{
    if (c.Keys().LastKeyCode() == Code::Equals)
        c.ClearCalculator();
}

void FunctionKey(CalculatorContext& c, int function)
{
    if (!OnScreen(c))
        return;
    ResultFirst(c);
    const KeyState& keys = c.Keys();
    if (keys.LastKeyCode() >= Code::Sine && keys.LastKeyCode() <= Code::Pi)
        return;
    const PanelState& panel = c.TopPanel();
    if (!c.Numbers().EntryPresent(panel))
        return;
    if (keys.LastKeyCode() == Code::Inverse) {
        // The inverse functions take the whole formula; sine and cosine only in [-1, 1].
        bool usable = IsNumberText(panel.formula, c.Numbers().Separator());
        if (usable) {
            try {
                const long double x = c.Numbers().TextNumber(panel.formula);
                usable = function == Code::Tangent || std::fabs(x) <= 1.0L;
            } catch (const CalcError&) {
                usable = false;
            }
        }
        if (!usable) {
            c.ClearCalculator();
            return;
        }
        c.FunctionChosen(function, true);
    } else {
        c.FunctionChosen(function, false);
    }
}

// A mathematical function without a result for its argument is reported, and the key
// ends there.
void ReportDomainError(CalculatorContext& c, const char* function)
{
    c.ShowErrorBox(QString::fromLatin1("%1: DOMAIN error").arg(QLatin1String(function)));
}

// The trigonometric functions of an angle in degrees, rounded to 12 decimals so that
// the rounding residue of the conversion to radians disappears (sin 30 = 0,5).
double Trigonometric(int function, double degrees)
{
    const double angle = ToDouble(static_cast<long double>(degrees) * (1.0L / 180.0L) * Pi);
    double v = 0.0;
    switch (function) {
    case Code::Sine: v = std::sin(angle); break;
    case Code::Cosine: v = std::cos(angle); break;
    default: v = std::tan(angle); break;
    }
    const double scaled = v * 1e12;
    const double r = ToDouble(std::round(scaled) * 1e-12L);
    return r == 0.0 ? 0.0 : r;  // no "-0"
}

// Scans a text from its end back to its second character for either of two characters:
// the index just past the one found, or 1 when neither is there (the first character
// is never examined). The text is not empty.
qsizetype PastLastOf(const QString& text, QChar a, QChar b)
{
    qsizetype i = text.size();
    while (i >= 2 && text[i - 1] != a && text[i - 1] != b)
        --i;
    return i < 2 ? 1 : i;
}

// The function of a history entry.
QString FunctionName(const InputValues& inputs, const QString&)
{
    switch (TruncatedIndex(inputs[kFunctionInput]).value_or(Code::None)) {
    case Code::Sine: return QStringLiteral("Sin");
    case Code::Cosine: return QStringLiteral("Cos");
    case Code::Tangent: return QStringLiteral("Tan");
    case Code::Power: return QStringLiteral("X²");
    case Code::Pi: return QStringLiteral("PI");
    default: return QString();
    }
}

bool IsWhole(long double value)
{
    return std::trunc(value) == value;
}

// ---- Keys ------------------------------------------------------------------

void UndoMathFunctionInput(CalculatorContext& c);

void PCalculatriceSinClick(CalculatorContext& c) { FunctionKey(c, Code::Sine); }
void PCalculatriceCosClick(CalculatorContext& c) { FunctionKey(c, Code::Cosine); }
void PCalculatriceTanClick(CalculatorContext& c) { FunctionKey(c, Code::Tangent); }

void PCalculatriceInvClick(CalculatorContext& c)
{
    if (!OnScreen(c))
        return;
    ResultFirst(c);
    // Right after inv or a function key a second one is ignored.
    if (IsOperatorState(c.Keys().KeyClass()))
        return;
    c.KeyPressed(Code::Inverse);
}

void PCalculatricePiClick(CalculatorContext& c)
{
    const NumberRules& numbers = c.Numbers();
    if (!OnScreen(c))
        return;
    // A calculation under way starts over.
    if (c.Keys().LastKeyCode() != Code::Pi)
        c.GoToTerm(0);
    c.FunctionChosen(Code::Pi, false);
    // Pi always stands alone in the formula: a second press does not repeat it.
    c.ShowEntry(numbers.NumberText(Pi), numbers.NumberText(Pi));
}

void PCalculatricePuisClick(CalculatorContext& c)
{
    const NumberRules& numbers = c.Numbers();
    if (!OnScreen(c))
        return;
    ResultFirst(c);
    const PanelState& panel = c.TopPanel();
    const TCalculette& record = c.Top();
    if (!numbers.EntryPresent(panel) || record.TermIndex >= 1 || record.TermIndex < 0)
        return;
    c.FunctionChosen(Code::Power, false);
    c.KeepInput(record.TermIndex, numbers.EnteredValue(panel));
    if (!panel.formula.endsWith(QLatin1Char('^')))
        c.ShowEntry(panel.result, panel.formula + QLatin1Char('^'));
    c.GoToTerm(record.TermIndex + 1);
    c.UpdateOperatorButtons();
}

void PCalculatriceInvSigneClick(CalculatorContext& c)
{
    const NumberRules& numbers = c.Numbers();
    if (!OnScreen(c))
        return;
    ResultFirst(c);
    PanelState panel = c.TopPanel();
    if (!numbers.EntryPresent(panel))
        return;
    numbers.NormalizeEnteredNumber(panel);
    c.ShowEntry(panel.result, panel.formula);
    QString t = panel.formula;
    if (t.isEmpty())
        return;

    const TCalculette& record = c.Top();
    const QChar minus = QLatin1Char('-');
    if (t.endsWith(QLatin1Char('^'))) {
        // The base of x^y is stored and no exponent typed yet: the sign goes to the
        // base, in the formula and in the value that "=" uses.
        if (t.startsWith(minus))
            t.remove(0, 1);
        else
            t.prepend(minus);
        if (record.TermIndex >= 1 && record.TermIndex <= MaxInputs)
            c.KeepInput(record.TermIndex - 1, -record.Inputs[static_cast<size_t>(record.TermIndex - 1)]);
    } else {
        // The sign of the last number: after the last "-" or "^" beyond the first
        // character, or of the whole text. A "-" right after "E" is the sign of an
        // exponent (a recalled 1E-12) and belongs to the number.
        const qsizetype n = t.size();
        qsizetype i = n;
        while (i >= 2) {
            const QChar at = t[i - 1];
            const bool exponentSign = at == minus && (t[i - 2] == QLatin1Char('E') || t[i - 2] == QLatin1Char('e'));
            if ((at == minus && !exponentSign) || at == QLatin1Char('^'))
                break;
            --i;
        }
        if (i < 2)
            i = 1;
        const QChar at = t[i - 1];
        const qsizetype p = (i < n && (at == minus || at == QLatin1Char('^'))) ? i : 0;
        if (at == minus) {
            if (p > 0)
                t.remove(p - 1, 1);
        } else {
            t.insert(p, minus);
        }
    }
    if (panel.result.startsWith(minus))
        panel.result.remove(0, 1);
    else if (panel.result != QLatin1String("0"))
        panel.result.prepend(minus);
    c.ShowEntry(panel.result, t);
    c.KeyPressed(Code::ChangeSign);
}

void PCalcul39Click(CalculatorContext& c)
{
    const KeyState& keys = c.Keys();
    const NumberRules& numbers = c.Numbers();
    if (!OnScreen(c))
        return;
    const TCalculette& record = c.Top();
    // x^y without an exponent: the "^" is taken back first.
    if (c.TopPanel().formula.endsWith(QLatin1Char('^')))
        UndoMathFunctionInput(c);
    if (c.TopPanel().formula.contains(QLatin1Char('^')))
        c.TakenBack(Code::Power);

    const int code = keys.LastKeyCode();
    PanelState panel = c.TopPanel();
    if (!numbers.EntryPresent(panel))
        return;
    // Only a chosen function, pi, a complete x^y or a sign change has a result; "="
    // after inv, an undo or MR has nothing to compute.
    const bool computes = (code >= Code::Sine && code <= Code::ArcTangent) || code == Code::ChangeSign;
    if (!computes)
        return;
    if (code == Code::Power && (record.TermIndex != 1 || panel.formula.endsWith(QLatin1Char('^'))))
        return;

    numbers.NormalizeEnteredNumber(panel);
    c.ShowEntry(panel.result, panel.formula);
    const QString xText = panel.formula;
    double x = 0.0;
    if (code != Code::Power)
        x = ToDouble(numbers.TextNumber(xText));

    QString prefix;
    QString resultText;
    switch (code) {
    case Code::Sine: case Code::Cosine: case Code::Tangent: {
        static const char* const names[] = {"Sin(", "Cos(", "Tan("};
        prefix = QLatin1String(names[code - Code::Sine]) + xText + QStringLiteral(")=");
        resultText = numbers.NumberText(Trigonometric(code, x));
        break;
    }
    case Code::ArcSine: case Code::ArcCosine: case Code::ArcTangent: {
        static const char* const names[] = {"asin", "acos", "atan"};
        static const char* const prefixes[] = {"Asin(", "Acos(", "Atan("};
        const int k = code - Code::ArcSine;
        if (code != Code::ArcTangent && std::fabs(x) > 1.0) {
            ReportDomainError(c, names[k]);
            return;
        }
        const double v = code == Code::ArcSine ? std::asin(x) : code == Code::ArcCosine ? std::acos(x) : std::atan(x);
        prefix = QLatin1String(prefixes[k]) + xText + QStringLiteral(")=");
        resultText = numbers.NumberText(ToDouble(static_cast<long double>(v) / Pi * 180.0L));
        break;
    }
    case Code::Pi:
        prefix = QStringLiteral("Pi=");
        resultText = xText;
        break;
    case Code::Power: {
        c.KeepInput(1, numbers.EnteredValue(panel));
        const long double base = record.Inputs[0];
        const long double exponent = record.Inputs[1];
        // No real power: a negative base with a fractional exponent, or zero to a
        // negative power.
        if ((base < 0.0L && !IsWhole(exponent)) || (base == 0.0L && exponent < 0.0L)) {
            ReportDomainError(c, "pow");
            return;
        }
        prefix = xText + QLatin1Char('=');
        resultText = numbers.NumberText(ToDouble(CheckedValue(std::pow(base, exponent))));
        break;
    }
    default:  // Code::ChangeSign: the number itself, as the formula holds it
        resultText = xText;
        break;
    }

    // The result must read back as a number before anything is recorded.
    const double memory = ToDouble(numbers.TextNumber(resultText));
    c.ShowResult({.terms = xText, .result = resultText, .formula = prefix + resultText, .memory = memory});
}

void UndoMathFunctionInput(CalculatorContext& c)
{
    const KeyState& keys = c.Keys();
    const NumberRules& numbers = c.Numbers();
    if (!OnScreen(c))
        return;
    const PanelState& panel = c.TopPanel();
    const TCalculette& record = c.Top();
    const QString old = panel.formula;
    QString t = old;
    // The key code the undo leaves; none: as it is.
    std::optional<int> leaves;
    bool functionDropped = false;

    switch (keys.PendingMathFunction()) {
    case Code::Sine: case Code::Cosine: case Code::Tangent:
    case Code::ArcSine: case Code::ArcCosine: case Code::ArcTangent:
        if (t.isEmpty())
            break;
        if (const qsizetype open = t.lastIndexOf(QLatin1Char('(')); open >= 0) {
            // Sin(30)=0,5 gives back its argument 30.
            const qsizetype close = t.indexOf(QLatin1Char(')'), open + 1);
            t = t.mid(open + 1, close < 0 ? -1 : close - open - 1);
        } else if (t.startsWith(QLatin1Char('='))) {
            t = panel.result;
        } else {
            t.clear();
            functionDropped = true;
        }
        break;
    case Code::Power: {
        if (t.isEmpty())
            break;
        const qsizetype n = t.size();
        const qsizetype i = PastLastOf(t, QLatin1Char('='), QLatin1Char('^'));
        const QChar at = t[i - 1];
        if (i == n) {
            t = t.left(i - 1);  // 2^ gives 2; one character gives ""
        } else if (at == QLatin1Char('=')) {
            t = t.left(i - 1);  // 2^3=8 gives 2^3
            leaves = Code::Power;
        } else if (at == QLatin1Char('^')) {
            t = t.left(i);      // 2^3 gives 2^
            leaves = Code::Power;
        } else {
            t.clear();
        }
        // Taking back the "^" takes back the stored base.
        if (record.TermIndex > 0 && at != QLatin1Char('=') && !numbers.FormulaEndsWithNumber(old))
            c.GoToTerm(record.TermIndex - 1);
        break;
    }
    case Code::Pi:
        t.clear();
        functionDropped = true;
        break;
    default:
        break;
    }

    c.ShowEntry(QStringLiteral("0"), t);
    if (!t.contains(QLatin1Char('^')))
        leaves = Code::AfterUndo;
    if (leaves || functionDropped)
        c.TakenBack(leaves.value_or(keys.LastKeyCode()), functionDropped);
}

// The function keys of the keypad.
bool MathFunctionsKeypadKey(CalculatorContext& c, KeypadKey key)
{
    switch (key) {
    case KeypadKey::Sine: PCalculatriceSinClick(c); return true;
    case KeypadKey::Cosine: PCalculatriceCosClick(c); return true;
    case KeypadKey::Tangent: PCalculatriceTanClick(c); return true;
    case KeypadKey::InverseFunction: PCalculatriceInvClick(c); return true;
    case KeypadKey::Pi: PCalculatricePiClick(c); return true;
    case KeypadKey::Power: PCalculatricePuisClick(c); return true;
    case KeypadKey::ChangeSign: PCalculatriceInvSigneClick(c); return true;
    default: return false;
    }
}

} // namespace

void InstallMathFunctionsCalculator(CalculatorRegistry& rows)
{
    // A keypad calculator that offers every calculator, itself included. The history
    // keeps its function in the third input and names an entry by it.
    rows.Register({{
        .number = kNumber,
        .kind = CalculatorKind::FunctionKeypad,
        .titleId = 184,
        .helpPageId = 1042,
        .menuItem = 1,
        .offersEveryCalculator = true,
        .hasNextKey = false,
        .historyDetail = FunctionName,
        .historyKeyCodeInput = kFunctionInput,
        .keys = {.compute = PCalcul39Click, .undo = UndoMathFunctionInput, .keypadKey = MathFunctionsKeypadKey},
    }});
}

} // namespace tornavel
