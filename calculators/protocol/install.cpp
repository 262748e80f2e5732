#include "calculators/protocol/families.h"
#include "calculators/install.h"

namespace tornavel {

void InstallProtocolCalculator(const CalculatorRegistry& descriptions, CalculatorKeyTable& table,
                               const ProtocolCalculator* row)
{
    const CalculatorDescription& d = descriptions.Of(row->number);
    CalculatorKeys& keys = table[row->number];
    keys.compute = [row](CalculatorContext& c) { ProtocolCompute(c, *row); };
    keys.nextTerm = [row](CalculatorContext& c) { ProtocolNextTerm(c, *row); };
    keys.undo = [row](CalculatorContext& c) { ProtocolUndo(c, *row); };
    keys.listChoice = [row](CalculatorContext& c, int listRow) { ProtocolListChoice(c, *row, listRow); };
    if (!d.options.buttons.empty())
        keys.variantChoice = [row](CalculatorContext& c, int index) { ProtocolOptionButton(c, *row, index); };
}

void InstallProtocolCalculators(const CalculatorRegistry& descriptions, CalculatorKeyTable& keys)
{
    for (const auto& rows : {BuildingProtocolRows(), ElectricalProtocolRows(), ConverterProtocolRows()}) {
        for (const ProtocolCalculator* row : rows) {
            if (descriptions.Has(row->number))
                InstallProtocolCalculator(descriptions, keys, row);
        }
    }
}

} // namespace tornavel
