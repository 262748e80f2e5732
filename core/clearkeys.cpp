#include "core/session.h"

#include <algorithm>

namespace tornavel {

void Session::CalculatriceCEClick()
{
    if (!HasCalculator())
        return;
    RunUndoRoutine(Top().Number);
    UpdateOperatorButtons(Top());
    keys.SetKeyClass(Code::AfterCE);
}

void Session::CalculatriceCClick()
{
    if (!HasCalculator())
        return;
    TCalculette& record = Top();
    const int n = record.Number;
    PanelState& panel = panels[static_cast<size_t>(n)];

    panel.result = QStringLiteral("0");
    panel.formula.clear();

    // Back to the first input as the row describes it: its prompt, the result field or
    // the refilled list, and the keypad that goes with it.
    ShowInput(record, 0, true);
    const CalculatorDescription& row = descriptions.Of(n);
    if (row.clearResetsOption && !row.options.buttons.empty()) {
        OptionSelection(n) = 0;
        for (size_t i = 0; i < panel.radios.size(); ++i)
            panel.radios[i].checked = i == 0;
    }

    // The inputs a calculation can give; the sixth value is left alone.
    record.TermIndex = 0;
    std::fill(record.Inputs.begin(), record.Inputs.begin() + 5, 0.0);
    UpdateOperatorButtons(record);
    keys.SetLastKeyCode(Code::None);
    keys.SetKeyClass(Code::AfterUndo);
    keys.SetPendingMathFunction(-1);
}

} // namespace tornavel
