#include "core/engine.h"

#include "calculators/building/descriptions.h"
#include "core/numbers.h"

namespace tornavel {

int ResultCodeOf(int calculator)
{
    switch (calculator) {
    case 1: case 2: return 11;
    case 3: case 4: case 5: case 6: case 7: case 8: case 9: case 10: case 22: return 12;
    case 11: case 12: case 13: case 14: case 15: case 16: return 13;
    case 17: return 14;
    case 18: return 15;
    case 19: return 16;
    case 20: return 36;
    case 21: return 17;
    case 23: return 19;
    case 24: return 20;
    case 25: case 26: return 21;
    case 27: return 22;
    case 28: case 29: return 23;
    case 30: return 25;
    case 31: return 18;
    case 32: case 33: case 34: return 26;
    case 35: case 36: case 37: case 38: return 27;
    default: return -1;
    }
}

bool IsResultState(int code)
{
    return code == Code::Equals || (code >= 11 && code <= 23) || code == 25 || code == 26
           || code == 27 || code == 36;
}

bool IsOperatorState(int code)
{
    return (code >= 0 && code <= 5) || (code >= 28 && code <= 30);
}

namespace {

struct RadioGroup {
    int calculator;
    std::initializer_list<const char*> names;
};

// Option buttons by panel; the captions are set by the calculators that use them.
const RadioGroup kRadioGroups[] = {
    {21, {"RbtnTuiles", "RbtnLiteaux"}},
    {23, {"RbtnCiment", "RbtnEau", "RbtnSable", "RbtnGravier"}},
    {24, {"RbtnDalles", "RbtnColle"}},
    {28, {"RbtnLambris", "Rbtnlattes", "RbtnClips"}},
    {29, {"RbtnLambrisP", "RbtnlattesP", "RbtnClipsP"}},
    {30, {"RbtnParquet", "RbtnLambourdes"}},
    {31, {"RbtnHauteur", "RbtnNombre", "RbtnRecul"}},
    {32, {"RbtnPuissance", "RbtnResistance"}},
    {33, {"RbtnSection"}},
    {36, {"RbtnDm3_1", "RbtnM3_1"}},
    {37, {"RbtnCelsius", "RbtnKelvin", "RbtnFahrenheit"}},
    {38, {"RbtnDm3_2", "RbtnSeau", "RbtnBrouette", "RbtnM3_2"}},
};

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
    for (int n = 0; n < CalculatorCount; ++n) {
        PanelState& p = panels[static_cast<size_t>(n)];
        p.number = n;
        p.hasNextKey = !(n == 0 || n == 1 || n == 3 || n == 11 || n == 22 || n == 39);
        p.hasList = n == 17 || n == 18 || n == 20 || n == 23 || n == 25 || n == 26 || n == 30
                    || (n >= 33 && n <= 38);
    }
    for (const RadioGroup& g : kRadioGroups) {
        for (const char* name : g.names)
            panels[static_cast<size_t>(g.calculator)].radios.push_back({QString::fromLatin1(name), QString(), false});
    }
    InstallStandardCalculator(calculatorKeys);
    InstallGeometryCalculators(calculatorKeys);
    InstallMathFunctionsCalculator(calculatorKeys);
    InstallBuildingDescriptions(descriptions);
    InstallProtocolCalculators(*this);
    // The compute keys of the geometry calculators explain themselves.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 22})
        panels[static_cast<size_t>(n)].computeHint = QStringLiteral("Exécute le calcul");
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
    // A root marker never stands for a sign: at the very start it still opens the term.
    if (!formula.isEmpty() && formula[0] == QLatin1Char('R'))
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
