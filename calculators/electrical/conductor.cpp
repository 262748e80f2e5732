#include "calculators/electrical/conductor.h"
#include "calculators/electrical/electrical.h"

#include "calculators/electrical/tables.h"
#include "calculators/electrical/texts.h"
#include "calculators/protocol/rounding.h"
#include "core/calcerror.h"
#include "core/numbers.h"

#include <cmath>

namespace tornavel::electrical {

namespace {

constexpr int SinglePhase = 0;
// Resistivity factor of copper, and the same times 1.73 for three phases.
constexpr long double SinglePhaseFactor = 1.75L;
constexpr long double ThreePhaseFactor = 3.0275L;
constexpr long double Hundredth = 0.01L;

} // namespace

fixedunits::InputCheck CheckConductorInput(double value, int inputIndex, const InputValues&)
{
    const bool mayBeZero = inputIndex >= VoltageDropInput;
    return value == 0.0 && !mayBeZero ? fixedunits::InputCheck::InputError
                                      : fixedunits::InputCheck::Accepted;
}

fixedunits::Result ComputeConductorLength(const InputValues& inputs, int)
{
    const auto phase = fixedunits::StoredChoice(inputs[PhaseInput], PhaseCount);
    if (!phase)
        return fixedunits::Result::None();
    const long double u = inputs[LineVoltageInput];
    const long double i = inputs[LineCurrentInput];
    const long double s = inputs[SectionInput];
    const long double d = inputs[VoltageDropInput];
    try {
        const long double numerator = (u * s) * d;
        const long double denominator =
            *phase == SinglePhase ? (SinglePhaseFactor * i) * 2.0L : ThreePhaseFactor * i;
        const double length = ToDouble(CheckedDivide(numerator, denominator));
        const long double hundredths = std::floor(RoundToShownDigits(ToDouble(length * 100.0L)));
        return fixedunits::Result::Number(ToDouble(hundredths * Hundredth), text::Length, text::LengthShown);
    } catch (const CalcError&) {
        return fixedunits::Result::Refused();
    }
}

QStringList PhaseRows(const InputValues&, const QString&)
{
    return PhaseNames.items();
}

// The terms are the formula as typed; a result keeps the keypad off until C; a
// floating-point fault refuses the inputs.
const ProtocolCalculator ConductorLengthCalculator{
    .acceptsInput = fixedunits::AcceptsInput<CheckConductorInput>,
    .undoReselectsChoice = true,
    .compute = fixedunits::Compute<ComputeConductorLength>,
    .listAtCompute = ListAtCompute::HiddenAfter,
    .terms = TermsText::AsTyped,
};

} // namespace tornavel::electrical
