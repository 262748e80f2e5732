#include "calculators/protocol/families.h"
#include "calculators/install.h"

namespace tornavel {

namespace {

void Install(Engine& engine, const ProtocolCalculator* row)
{
    const CalculatorDescription& d = engine.descriptions.Of(row->number);
    CalculatorKeys& keys = engine.calculatorKeys[static_cast<size_t>(row->number)];
    keys.compute = [row](Engine& e) { ProtocolCompute(e, *row); };
    keys.nextTerm = [row](Engine& e) { ProtocolNextTerm(e, *row); };
    keys.undo = [row](Engine& e) { ProtocolUndo(e, *row); };
    keys.listChoice = [row](Engine& e, int listRow) { ProtocolListChoice(e, *row, listRow); };
    if (d.options.buttons.empty())
        return;
    keys.variantChoice = [row](Engine& e, int index) { ProtocolOptionButton(e, *row, index); };
    // The option buttons show the captions of the description.
    for (RadioButtonState& radio : engine.panels[static_cast<size_t>(row->number)].radios) {
        for (const OptionButton& button : d.options.buttons) {
            if (radio.name == QLatin1String(button.name))
                radio.caption = button.caption;
        }
    }
}

} // namespace

void InstallProtocolCalculators(Engine& engine)
{
    for (const auto& rows : {BuildingProtocolRows(), ElectricalProtocolRows(), ConverterProtocolRows()}) {
        for (const ProtocolCalculator* row : rows) {
            if (engine.descriptions.Has(row->number))
                Install(engine, row);
        }
    }
}

} // namespace tornavel
