#pragma once

// What the protocol's steps share (steps.cpp, undo.cpp).

#include "calculators/protocol/protocol.h"

#include <optional>

namespace tornavel::protocol {

// The description of the calculator on screen, which is the one whose keys run (the
// engine runs a calculator's keys only while it is on screen); an empty description
// when none is.
inline const CalculatorDescription& OnScreenDescription(const CalculatorContext& context)
{
    return context.Descriptions().Of(context.HasCalculator() ? context.Top().Number : -1);
}

// True when a calculator is on screen and its description has inputs.
bool OnScreen(const CalculatorContext& context);

// The calculator's variant selection; 0 without option buttons.
int VariantOf(const CalculatorContext& context, const CalculatorDescription& description);

// The formula text of input k for a stored value: a number in the user's unit, or
// the text of the stored row; none for a row outside the list.
std::optional<QString> StoredInputText(const CalculatorContext& context, const ProtocolCalculator& row, int k,
                                       double stored);

// CE of the protocol's calculators; `reselecting` when a list choice takes back the
// choice written before it, which the undo then does not select again.
void UndoStep(CalculatorContext& context, const ProtocolCalculator& row, bool reselecting);

// Shows input k as open: its prompt (the one CE shows when byUndo), the result field or
// the list in its place (with its rows, those CE shows when byUndo; a list given other
// rows loses its selection), and the keypad on for a typed input, off for a list.
void ShowInput(CalculatorContext& context, const ProtocolCalculator& row, int k, bool byUndo);

} // namespace tornavel::protocol
