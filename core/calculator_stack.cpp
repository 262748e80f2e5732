#include "core/calculator_stack.h"

#include "core/screen.h"

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

CalculatorStack::CalculatorStack(const CalculatorRegistry& descriptions, Screen& screen, KeyState& keys)
    : descriptions_(descriptions), screen_(screen), keys_(keys)
{
}

void CalculatorStack::ResetCurrentCalculatorDisplay()
{
    if (HasCalculator())
        screen_.ResetPanelFields(Top().Number);
    keys_.Forget();
}

int CalculatorStack::TargetCalculatorNumber(const TCalculette& record) const
{
    return descriptions_.Has(record.Target) ? record.Target : -1;
}

bool CalculatorStack::IsOpenInStack(int number) const
{
    return std::any_of(records_.begin(), records_.end(), [number](const TCalculette& r) { return r.Number == number; });
}

void CalculatorStack::PushCalculator(int number, int target)
{
    if (!descriptions_.Has(number))
        return;
    if (!descriptions_.Has(target))
        target = -1;
    records_.push_back(TCalculette(number, target));
    screen_.LayoutCalculator(records_.back(), false);

    // The caller's result field takes the new calculator's current text at once.
    if (target >= 0) {
        const QString text = screen_.Panel(number).result;
        if (IsHandedBack(descriptions_.Of(number), text))
            screen_.HandBack(target, text);
    }
}

bool CalculatorStack::PopCalculator()
{
    if (!HasCalculator())
        return false;
    const TCalculette record = records_.back();
    records_.pop_back();

    bool handedBack = false;
    const int target = TargetCalculatorNumber(record);
    if (target >= 0) {
        const QString text = screen_.Panel(record.Number).result;
        if (IsHandedBack(descriptions_.Of(record.Number), text)) {
            screen_.HandBack(target, text);
            handedBack = true;
        }
    }
    if (record.ClearOnDestroy)
        screen_.ResetPanelFields(record.Number);
    return handedBack;
}

void CalculatorStack::ClearCalculatorStack()
{
    // Every closed calculator starts afresh the next time it opens: nothing typed in
    // an abandoned chain waits in its panel.
    while (HasCalculator()) {
        screen_.ResetPanelFields(records_.back().Number);
        records_.pop_back();
    }
}

void CalculatorStack::OpenCalculator(int number)
{
    // An unknown number must not leave the window with no calculator at all.
    if (!descriptions_.Has(number))
        return;
    ResetCurrentCalculatorDisplay();
    ClearCalculatorStack();
    PushCalculator(number, -1);
}

void CalculatorStack::POk0Click()
{
    if (records_.size() <= 1)
        return;
    TopRecord().ClearOnDestroy = true;
    keys_.Forget();
    const bool handedBack = PopCalculator();
    screen_.LayoutCalculator(TopRecord(), handedBack);
}

void CalculatorStack::LbCalculettesDblClick(int row)
{
    if (!HasCalculator())
        return;
    if (descriptions_.IsResultState(keys_.KeyClass()) || !keys_.KeypadEnabled())
        return;
    const TCalculette& caller = Top();
    if (row < 0 || row >= static_cast<int>(caller.OfferedCalculators.size()))
        return;
    const int number = caller.OfferedCalculators[static_cast<size_t>(row)];
    if (!descriptions_.Has(number))
        return;
    // A calculator already open in the chain shares its panel with that record: it
    // cannot be opened again on top of it.
    if (IsOpenInStack(number))
        return;
    PushCalculator(number, caller.Number);
}

void CalculatorStack::CalculetteClick(int item)
{
    const int number = descriptions_.CalculatorOfMenuItem(item);
    if (number >= 0)
        OpenCalculator(number);
}

void CalculatorStack::ShowCalculator(bool valueReturned)
{
    if (HasCalculator())
        screen_.LayoutCalculator(TopRecord(), valueReturned);
}

void CalculatorStack::CalculatriceCClick()
{
    if (!HasCalculator())
        return;
    TCalculette& record = TopRecord();
    const int n = record.Number;
    screen_.ResetPanelFields(n);

    // Back to the first input as the row describes it: its prompt, the result field or
    // the refilled list, and the keypad that goes with it.
    screen_.ShowInput(record, 0, true);
    const CalculatorDescription& row = descriptions_.Of(n);
    if (row.clearResetsOption && !row.options.buttons.empty())
        screen_.ResetOption(n);

    // The inputs a calculation can give; the sixth value is left alone.
    std::fill(record.Inputs.begin(), record.Inputs.begin() + 5, 0.0);
    record.TermIndex = 0;
    screen_.UpdateOperatorButtons(record);
    keys_.Cleared();
}

void CalculatorStack::SetTopInputs(int termIndex, const InputValues& inputs)
{
    if (!HasCalculator())
        return;
    TopRecord().TermIndex = termIndex;
    TopRecord().Inputs = inputs;
}

} // namespace tornavel
