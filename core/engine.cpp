#include "core/engine.h"

#include "core/numbers.h"

namespace tornavel {

bool IsResultState(int code)
{
    return code == Code::Equals || (code >= Code::LengthResult && code <= Code::PanellingResult)
           || code == Code::ParquetResult || code == Code::ElectricalResult || code == Code::ConverterResult
           || code == Code::PolygonResult;
}

bool IsOperatorState(int code)
{
    return (code >= 0 && code <= 5) || (code >= 28 && code <= 30);
}

namespace {

bool IsTermOperator(QChar c, bool withPower)
{
    switch (c.unicode()) {
    case '&': case '*': case '+': case '-': case '/': case '=': case 'R':
        return true;
    case '^':
        return withPower;
    default:
        return false;
    }
}

} // namespace

Engine::Engine(const StringTable& strings_, UiServices& ui_, QString decimalSeparator)
    : strings(strings_), ui(ui_), SystemDecimalSeparator(std::move(decimalSeparator))
{
    InstallCalculatorFamilies(*this);
    // The panels are built from the rows.
    for (int n = 0; n < CalculatorCount; ++n) {
        const CalculatorDescription& row = descriptions.Of(n);
        PanelState& p = panels[static_cast<size_t>(n)];
        p.number = n;
        p.kind = row.kind;
        p.hasNextKey = row.hasNextKey;
        p.hasList = row.hasList();
        p.computeHint = row.computeHint;
        for (const OptionButton& button : row.options.buttons)
            p.radios.push_back({QString::fromLatin1(button.name), button.caption, false});
    }
}

int Engine::ResultCodeOf(int number) const
{
    return descriptions.Of(number).resultCode;
}

QString Engine::NumberText(long double value) const
{
    return NumberToText(value, SystemDecimalSeparator);
}

long double Engine::TextNumber(const QString& text) const
{
    return TextToNumber(text, SystemDecimalSeparator);
}

bool Engine::FormulaEndsWithNumber(const QString& formula) const
{
    if (formula.isEmpty())
        return false;
    const QChar last = formula.back();
    if (last >= QLatin1Char('0') && last <= QLatin1Char('9'))
        return true;
    return !SystemDecimalSeparator.isEmpty() && formula.endsWith(SystemDecimalSeparator);
}

int Engine::LastTermStart(const QString& formula) const
{
    // The first character is never an operator: a "-" there is the sign of the number.
    for (int i = formula.size() - 1; i >= 1; --i) {
        const QChar c = formula[i];
        if (!IsTermOperator(c, true))
            continue;
        if (c == QLatin1Char('-')) {
            const QChar before = formula[i - 1];
            // The sign of an exponent: keep scanning through the number.
            if (before == QLatin1Char('E') || before == QLatin1Char('e'))
                continue;
            // The sign of a number right after an operator or "(".
            if (IsTermOperator(before, true) || before == QLatin1Char('('))
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

long double Engine::LastFormulaTermExtended(const QString& formula) const
{
    const QString term = formula.mid(LastTermStart(formula));
    if (term.isEmpty())
        return 0.0L;
    return TextNumber(term);
}

double Engine::LastFormulaTermValue(const QString& formula) const
{
    return ToDouble(LastFormulaTermExtended(formula));
}

void Engine::NormalizeEnteredNumber(PanelState& panel)
{
    const QString& s = SystemDecimalSeparator;
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

bool Engine::EntryPresent(const PanelState& panel) const
{
    return panel.result != QLatin1String("0") || FormulaEndsWithNumber(panel.formula);
}

double Engine::EnteredValue(const PanelState& panel) const
{
    if (panel.result != QLatin1String("0"))
        return ToDouble(TextNumber(panel.result));
    return LastFormulaTermValue(panel.formula);
}

bool Engine::ComboHasSelection(const PanelState& panel) const
{
    return keys.RecomputingFlag || panel.listIndex != -1;
}

PanelState* Engine::FindCalculatorPanel(int number)
{
    if (!IsCalculatorNumber(number))
        return nullptr;
    return &panels[static_cast<size_t>(number)];
}

std::function<void(Engine&)> Engine::FindComputeButton(int number) const
{
    if (!IsCalculatorNumber(number))
        return {};
    return calculatorKeys[static_cast<size_t>(number)].compute;
}

void Engine::PCalculClick(int number)
{
    if (auto compute = FindComputeButton(number))
        compute(*this);
}

void Engine::PEtClick(int number)
{
    if (!IsCalculatorNumber(number))
        return;
    if (auto& next = calculatorKeys[static_cast<size_t>(number)].nextTerm)
        next(*this);
}

void Engine::ListBoxClick(int number, int row)
{
    if (!IsCalculatorNumber(number))
        return;
    if (auto& choice = calculatorKeys[static_cast<size_t>(number)].listChoice)
        choice(*this, row);
}

void Engine::VariantClick(int number, int index)
{
    if (!IsCalculatorNumber(number))
        return;
    if (auto& choice = calculatorKeys[static_cast<size_t>(number)].variantChoice)
        choice(*this, index);
}

void Engine::RunUndoRoutine(int number)
{
    if (!IsCalculatorNumber(number))
        return;
    if (auto& undo = calculatorKeys[static_cast<size_t>(number)].undo)
        undo(*this);
}

} // namespace tornavel
