#include "calculators/electrical/descriptions.h"

#include "calculators/electrical/circuit.h"
#include "calculators/electrical/conductor.h"
#include "calculators/electrical/electrical.h"
#include "calculators/electrical/resistance.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using namespace electrical;

// The prompts of these calculators carry their unit in the text itself.
Label Plain(int id) { return {id, UnitSuffix::None, SuffixShown::ByRule}; }

InputDescription Typed(int id) { return TypedInput(Plain(id)); }
InputDescription Choice(int id, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    return ListInput(Plain(id), rows, shortTexts);
}

// Their sub-calculations show their units.
CalculatorDescription Row(const CalculatorIdentity& id, std::vector<InputDescription> inputs, int resultId,
                          int formulaId, std::vector<int> offers)
{
    CalculatorDescription row = DescriptionOf(id);
    row.resultCode = electrical::ResultCode;
    row.inputs = std::move(inputs);
    row.result = Plain(resultId);
    row.formulaLabelId = formulaId;
    row.offers = std::move(offers);
    row.subCalculationsShowUnits = true;
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 32: voltage, current -> power or resistance; one selection with 33.
    CalculatorDescription power = Row(Identity(32, 32, 1035, 33, 33), {Typed(102), Typed(103)}, 105, 104,
                                      KeypadCalculatorsAnd());
    power.keys = ProtocolKeys(ResistancePowerCalculator);
    power.options = OptionGroup{{{"RbtnPuissance", QStringLiteral("Puissance")},
                                 {"RbtnResistance", QStringLiteral("Resistance")}},
                                "ElectricalResult", ResistancePowerOwnOption};
    rows.push_back(power);

    // 33: circuit, number of points -> wire section, fuse or breaker. It offers no
    // sub-calculation: both inputs are chosen in lists.
    CalculatorDescription circuit = Row(Identity(33, 178, 1036, 34, 34),
                                        {Choice(111, CircuitRows, CircuitShortTexts), Choice(112, CircuitPointRows)},
                                        108, 57, {});
    circuit.keys = ProtocolKeys(CircuitCalculator);
    circuit.options = OptionGroup{{{"RbtnSection", QStringLiteral("Section fil")},
                                   {"RbtnFusible", QStringLiteral("Fusible")},
                                   {"RbtnDisjoncteur", QStringLiteral("Disjoncteur")}},
                                  "ElectricalResult", CircuitOwnOption};
    rows.push_back(circuit);

    // 34: voltage, current, section, voltage drop, phases -> greatest length in
    // metres. The circuit calculator (33) is offered for the section.
    CalculatorDescription length = Row(Identity(34, 179, 1037, 35, 35),
                                       {Typed(102), Typed(103), Typed(108), Typed(109), Choice(111, PhaseRows)},
                                       117, 118, KeypadCalculatorsAnd({33}));
    length.keys = ProtocolKeys(ConductorLengthCalculator);
    length.replaySelects = false;
    rows.push_back(length);

    return rows;
}

} // namespace

void InstallElectricalDescriptions(CalculatorRegistry& registry)
{
    static const std::vector<CalculatorDescription> rows = BuildRows();
    for (const CalculatorDescription& row : rows)
        registry.Register(row);
}

} // namespace tornavel
