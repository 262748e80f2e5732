#include "core/key_dispatch.h"

#include "core/calculator_stack.h"
#include "core/screen.h"

namespace tornavel {

KeyDispatch::KeyDispatch(const CalculatorRegistry& descriptions, const CalculatorStack& stack,
                         CalculatorContext& context, Screen& screen, KeyState& keys)
    : descriptions_(descriptions), stack_(stack), context_(context), screen_(screen), keys_(keys)
{
}

const CalculatorKeys* KeyDispatch::KeysOnScreen(int number) const
{
    if (!stack_.HasCalculator() || stack_.Top().Number != number || !descriptions_.Has(number))
        return nullptr;
    return &descriptions_.Of(number).keys;
}

void KeyDispatch::PCalculClick(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->compute)
        k->compute(context_);
}

void KeyDispatch::PEtClick(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->nextTerm)
        k->nextTerm(context_);
}

void KeyDispatch::ListBoxClick(int number, int row)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->listChoice)
        k->listChoice(context_, row);
}

void KeyDispatch::VariantClick(int number, int index)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->variantChoice)
        k->variantChoice(context_, index);
}

void KeyDispatch::RunUndoRoutine(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->undo)
        k->undo(context_);
}

void KeyDispatch::CalculatriceCEClick()
{
    if (!stack_.HasCalculator())
        return;
    RunUndoRoutine(stack_.Top().Number);
    screen_.UpdateOperatorButtons(stack_.Top());
    keys_.ClearedEntry();
}

bool KeyDispatch::KeypadKeyClick(KeypadKey key)
{
    if (!stack_.HasCalculator())
        return false;
    const auto& hook = descriptions_.Of(stack_.Top().Number).keys.keypadKey;
    return hook && hook(context_, key);
}

} // namespace tornavel
