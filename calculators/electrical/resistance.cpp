#include "calculators/electrical/resistance.h"
#include "calculators/electrical/electrical.h"
#include "calculators/electrical/texts.h"

#include "core/numbers.h"

namespace tornavel::electrical {

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
        return fixedunits::Result::Number(r, text::Resistance, text::ResistanceShown);
    }
    const double p = ToDouble(static_cast<long double>(u) * i);
    return fixedunits::Result::Number(p, text::Power, text::PowerShown);
}

// No input is refused (0 and negative values are taken); a resistance with a current of
// 0 ends the key with the French floating-point error; the terms are the stored values
// written again ("0,50" typed is written 0,5).
const ProtocolCalculator ResistancePowerCalculator{
    .compute = fixedunits::Compute<ComputeResistancePower>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::Never,
    .clearsVariantChanged = true,
};

} // namespace tornavel::electrical
