#include "calculators/protocol/protocol.h"

namespace tornavel {

CalculatorKeys ProtocolKeys(const ProtocolCalculator& calculator)
{
    const ProtocolCalculator* row = &calculator;
    CalculatorKeys keys;
    keys.compute = [row](CalculatorContext& c) { ProtocolCompute(c, *row); };
    keys.nextTerm = [row](CalculatorContext& c) { ProtocolNextTerm(c, *row); };
    keys.undo = [row](CalculatorContext& c) { ProtocolUndo(c, *row); };
    keys.listChoice = [row](CalculatorContext& c, int listRow) { ProtocolListChoice(c, *row, listRow); };
    keys.variantChoice = [row](CalculatorContext& c, int index) { ProtocolOptionButton(c, *row, index); };
    return keys;
}

} // namespace tornavel
