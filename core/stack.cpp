#include "core/session.h"

#include <algorithm>

namespace tornavel {

namespace {

// A sub-calculation's result text goes into its caller's result field, except a
// negative text of a keypad calculator.
bool IsHandedBack(const CalculatorDescription& row, const QString& text)
{
    return !(row.isKeypad() && text.startsWith(QLatin1Char('-')));
}

} // namespace

void Session::ResetPanelFields(int number)
{
    if (PanelState* panel = FindCalculatorPanel(number)) {
        panel->result = QStringLiteral("0");
        panel->formula.clear();
    }
}

void Session::ResetCurrentCalculatorDisplay()
{
    if (HasCalculator())
        ResetPanelFields(Top().Number);
    keys.SetCodes(Code::None);
}

int Session::TargetCalculatorNumber(const TCalculette& record) const
{
    return IsCalculatorNumber(record.Target) ? record.Target : -1;
}

bool Session::IsOpenInStack(int number) const
{
    return std::any_of(CalculatorStack.begin(), CalculatorStack.end(),
                       [number](const TCalculette& r) { return r.Number == number; });
}

void Session::PushCalculator(int number, int target)
{
    if (!IsCalculatorNumber(number))
        return;
    if (!IsCalculatorNumber(target))
        target = -1;
    CalculatorStack.push_back(TCalculette(number, target));
    TCalculette& record = CalculatorStack.back();
    ShowCalculator(record);

    // The caller's result field takes the new calculator's current text at once.
    if (target >= 0) {
        const QString& text = panels[static_cast<size_t>(number)].result;
        if (IsHandedBack(descriptions.Of(number), text))
            panels[static_cast<size_t>(target)].result = text;
    }
}

bool Session::PopCalculator()
{
    if (!HasCalculator())
        return false;
    const TCalculette record = CalculatorStack.back();
    CalculatorStack.pop_back();

    bool handedBack = false;
    const int target = TargetCalculatorNumber(record);
    if (target >= 0) {
        const QString& text = panels[static_cast<size_t>(record.Number)].result;
        if (IsHandedBack(descriptions.Of(record.Number), text)) {
            panels[static_cast<size_t>(target)].result = text;
            handedBack = true;
        }
    }
    if (record.ClearOnDestroy)
        ResetPanelFields(record.Number);
    return handedBack;
}

void Session::ClearCalculatorStack()
{
    // Every closed calculator starts afresh the next time it opens: nothing typed in
    // an abandoned chain waits in its panel.
    while (HasCalculator()) {
        ResetPanelFields(CalculatorStack.back().Number);
        CalculatorStack.pop_back();
    }
}

void Session::OpenCalculator(int number)
{
    // An unknown number must not leave the window with no calculator at all.
    if (!IsCalculatorNumber(number))
        return;
    ResetCurrentCalculatorDisplay();
    ClearCalculatorStack();
    PushCalculator(number, -1);
}

void Session::POk0Click()
{
    if (CalculatorStack.size() <= 1)
        return;
    Top().ClearOnDestroy = true;
    keys.SetCodes(Code::None);
    if (PopCalculator())
        ShowCalculatorWithReturnedValue(Top());
    else
        ShowCalculator(Top());
}

void Session::LbCalculettesDblClick(int row)
{
    if (!HasCalculator())
        return;
    if (IsResultState(keys.KeyClass()) || !keys.KeypadEnabled())
        return;
    const TCalculette& caller = Top();
    if (row < 0 || row >= static_cast<int>(caller.OfferedCalculators.size()))
        return;
    const int number = caller.OfferedCalculators[static_cast<size_t>(row)];
    if (!IsCalculatorNumber(number))
        return;
    // A calculator already open in the chain shares its panel with that record: it
    // cannot be opened again on top of it.
    if (IsOpenInStack(number))
        return;
    PushCalculator(number, caller.Number);
}

QString Session::CalculatorName(int number) const
{
    if (!IsCalculatorNumber(number))
        return QString();
    return calculatorNames_[static_cast<size_t>(number)];
}

void Session::CalculetteClick(int item)
{
    const int number = descriptions.CalculatorOfMenuItem(item);
    if (number >= 0)
        OpenCalculator(number);
}

} // namespace tornavel
