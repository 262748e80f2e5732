#include "calculators/electrical/resistance.h"

#include "core/numbers.h"

namespace tornavel::electrical {

namespace {

// String numbers of the result labels: in the formula and shown.
constexpr int PowerLabel = 104;          // "Puissance"
constexpr int PowerShownLabel = 105;     // "Puissance (W)"
constexpr int ResistanceLabel = 106;     // "Resistance"
constexpr int ResistanceShownLabel = 107; // "Resistance (ohm)"

} // namespace

fixedunits::InputCheck CheckResistancePowerInput(double, int, const InputValues&)
{
    return fixedunits::InputCheck::Accepted;
}

int ResistancePowerOwnOption(int sharedSelection)
{
    return fixedunits::OwnOption(sharedSelection, ResistancePowerOptionCount);
}

fixedunits::Result ComputeResistancePower(const InputValues& inputs, int sharedSelection)
{
    // Computed in extended precision and stored as a double.
    const double u = inputs[VoltageInput];
    const double i = inputs[CurrentInput];
    if (ResistancePowerOwnOption(sharedSelection) == ResistanceOption) {
        const double r = ToDouble(CheckedDivide(u, i));
        return fixedunits::Result::Number(r, ResistanceLabel, ResistanceShownLabel);
    }
    const double p = ToDouble(static_cast<long double>(u) * i);
    return fixedunits::Result::Number(p, PowerLabel, PowerShownLabel);
}

QString ResistancePowerTerms(const InputValues& inputs, const QString& separator)
{
    return NumberToText(inputs[VoltageInput], separator) + QLatin1Char('&')
           + NumberToText(inputs[CurrentInput], separator);
}

const fixedunits::Hooks ResistancePowerHooks{
    CheckResistancePowerInput,
    ComputeResistancePower,
    ResistancePowerOwnOption,
    ResistancePowerTerms,
};

} // namespace tornavel::electrical
