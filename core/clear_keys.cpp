#include "core/clear_keys.h"

#include "core/calculator_stack.h"
#include "core/key_dispatch.h"
#include "core/screen.h"

#include <algorithm>

namespace tornavel {

ClearKeys::ClearKeys(const CalculatorRegistry& descriptions, Screen& screen, CalculatorStack& stack, KeyState& keys,
                     KeyDispatch& dispatch)
    : descriptions_(descriptions), screen_(screen), stack_(stack), keys_(keys), dispatch_(dispatch)
{
}

void ClearKeys::CalculatriceCEClick()
{
    if (!stack_.HasCalculator())
        return;
    dispatch_.RunUndoRoutine(stack_.Top().Number);
    screen_.UpdateOperatorButtons(stack_.Top());
    keys_.SetKeyClass(Code::AfterCE);
}

void ClearKeys::CalculatriceCClick()
{
    if (!stack_.HasCalculator())
        return;
    const TCalculette& record = stack_.Top();
    const int n = record.Number;
    screen_.ResetPanelFields(n);

    // Back to the first input as the row describes it: its prompt, the result field or
    // the refilled list, and the keypad that goes with it.
    screen_.ShowInput(record, 0, true);
    const CalculatorDescription& row = descriptions_.Of(n);
    if (row.clearResetsOption && !row.options.buttons.empty())
        screen_.ResetOption(n);

    // The inputs a calculation can give; the sixth value is left alone.
    InputValues inputs = record.Inputs;
    std::fill(inputs.begin(), inputs.begin() + 5, 0.0);
    stack_.SetTopInputs(0, inputs);
    screen_.UpdateOperatorButtons(stack_.Top());
    keys_.SetLastKeyCode(Code::None);
    keys_.SetKeyClass(Code::AfterUndo);
    keys_.SetPendingMathFunction(-1);
}

} // namespace tornavel
