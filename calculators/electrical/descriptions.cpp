#include "calculators/electrical/descriptions.h"

#include "calculators/electrical/circuit.h"
#include "calculators/electrical/conductor.h"
#include "calculators/electrical/electrical.h"
#include "calculators/electrical/resistance.h"
#include "calculators/electrical/texts.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using namespace electrical;

// The prompts and labels of these calculators carry their unit in the text itself.
// Their sub-calculations show their units.
std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // Voltage, current -> power or resistance; one selection with the circuit.
    rows.push_back({
        .number = 32,
        .titleId = 32,
        .helpPageId = 1035,
        .menuItem = 33,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = ResultCode,
        .inputs = {Typed(Plain(text::Voltage)), Typed(Plain(text::Current))},
        .result = Plain(text::PowerShown),
        .options = {.buttons = {{"RbtnPuissance", QStringLiteral("Puissance")},
                                {"RbtnResistance", QStringLiteral("Resistance")}},
                    .group = "ElectricalResult",
                    .ownOption = ResistancePowerOwnOption},
        .formulaLabelId = text::Power,
        .keys = ProtocolKeys(ResistancePowerCalculator),
    });

    // Circuit, number of points -> wire section, fuse or breaker. It offers no
    // sub-calculation: both inputs are chosen in lists.
    rows.push_back({
        .number = 33,
        .titleId = 178,
        .helpPageId = 1036,
        .menuItem = 34,
        .subCalculationsShowUnits = true,
        .resultCode = ResultCode,
        .inputs = {Choice(Plain(text::Circuit), CircuitRows, CircuitShortTexts),
                   Choice(Plain(text::Points), CircuitPointRows)},
        .result = Plain(text::WireSection),
        .options = {.buttons = {{"RbtnSection", QStringLiteral("Section fil")},
                                {"RbtnFusible", QStringLiteral("Fusible")},
                                {"RbtnDisjoncteur", QStringLiteral("Disjoncteur")}},
                    .group = "ElectricalResult",
                    .ownOption = CircuitOwnOption},
        .formulaLabelId = text::Section,
        .keys = ProtocolKeys(CircuitCalculator),
    });

    // Voltage, current, section, voltage drop, phases -> greatest length in metres.
    // The circuit calculator (33) is offered for the section.
    rows.push_back({
        .number = 34,
        .titleId = 179,
        .helpPageId = 1037,
        .menuItem = 35,
        .offers = KeypadCalculatorsAnd({33}),
        .subCalculationsShowUnits = true,
        .resultCode = ResultCode,
        .inputs = {Typed(Plain(text::Voltage)), Typed(Plain(text::Current)), Typed(Plain(text::WireSection)),
                   Typed(Plain(text::VoltageDrop)), Choice(Plain(text::Circuit), PhaseRows)},
        .result = Plain(text::LengthShown),
        .formulaLabelId = text::Length,
        .replaySelects = false,
        .keys = ProtocolKeys(ConductorLengthCalculator),
    });

    return rows;
}

} // namespace

void InstallElectricalDescriptions(CalculatorRegistry& registry)
{
    registry.Register(BuildRows());
}

} // namespace tornavel
