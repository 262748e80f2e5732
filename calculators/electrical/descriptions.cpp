#include "calculators/electrical/descriptions.h"

#include "calculators/electrical/circuit.h"
#include "calculators/electrical/conductor.h"
#include "calculators/electrical/resistance.h"

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

CalculatorDescription Row(int number, std::vector<InputDescription> inputs, int resultId, int formulaId,
                          const char* compute, const char* nextTerm, const char* undo)
{
    CalculatorDescription row;
    row.number = number;
    row.resultCode = Code::ElectricalResult;
    row.inputs = std::move(inputs);
    row.result = Plain(resultId);
    row.formulaLabelId = formulaId;
    row.handlers = HandlerNames{compute, nextTerm, nullptr, undo};
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 32: voltage, current -> power or resistance; one selection with 33.
    CalculatorDescription power = Row(32, {Typed(102), Typed(103)}, 105, 104, "PCalcul32Click", "PEt32Click",
                                      "UndoResistancePowerInput");
    power.options = OptionGroup{{{"RbtnPuissance", QStringLiteral("Puissance"), "RbtnPuissanceClick"},
                                 {"RbtnResistance", QStringLiteral("Resistance"), "RbtnResistanceClick"}},
                                &VariantSelections::ElectricalResult, ResistancePowerOwnOption};
    rows.push_back(power);

    // 33: circuit, number of points -> wire section, fuse or breaker.
    CalculatorDescription circuit = Row(33, {Choice(111, CircuitRows, CircuitShortTexts), Choice(112, CircuitPointRows)},
                                        108, 57, "PCalcul33Click", "PEt33Click", "UndoCircuitInput");
    circuit.handlers.listChoice = "ListBox33Click";
    circuit.options = OptionGroup{{{"RbtnSection", QStringLiteral("Section fil"), "RbtnSectionClick"},
                                   {"RbtnFusible", QStringLiteral("Fusible"), "RbtnFusibleClick"},
                                   {"RbtnDisjoncteur", QStringLiteral("Disjoncteur"), "RbtnDisjoncteurClick"}},
                                  &VariantSelections::ElectricalResult, CircuitOwnOption};
    rows.push_back(circuit);

    // 34: voltage, current, section, voltage drop, phases -> greatest length in metres.
    CalculatorDescription length = Row(34,
                                       {Typed(102), Typed(103), Typed(108), Typed(109), Choice(111, PhaseRows)},
                                       117, 118, "PCalcul34Click", "PEt34Click", "UndoConductorLengthInput");
    length.handlers.listChoice = "ListBox34Click";
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
