#include "calculators/converters/materials.h"
#include "calculators/converters/converters.h"

#include "calculators/converters/tables.h"
#include "calculators/converters/texts.h"
#include "core/numbers.h"

namespace tornavel::converters {

namespace {

// Cubic decimetres per volume unit, by unit row (cm3, dm3, m3).
constexpr double VolumeUnitFactors[VolumeUnitCount] = {0.001, 1.0, 1000.0};

// The result unit of the weight-to-volume converter by option: the factor from cubic
// decimetres and the mark shown after the label.
struct ResultUnit {
    double factor;
    const char16_t* mark;
};
constexpr ResultUnit ResultUnits[WeightToVolumeOptionCount] = {
    {1.0, u" (dm3)"},
    {0.001, u" (m3)"},
};

constexpr int UnitShortTextLength = 3;

} // namespace

fixedunits::InputCheck CheckVolumeToWeightInput(double value, int inputIndex, const InputValues&)
{
    return inputIndex == VolumeInput && value == 0.0 ? fixedunits::InputCheck::InputError
                                                     : fixedunits::InputCheck::Accepted;
}

fixedunits::Result ComputeVolumeToWeight(const InputValues& inputs, int)
{
    const auto material = fixedunits::StoredChoice(inputs[WeighedMaterialInput], MaterialCount);
    const auto unit = fixedunits::StoredChoice(inputs[VolumeUnitInput], VolumeUnitCount);
    if (!material || !unit)
        return fixedunits::Result::None();
    const long double density = *MaterialDensities.at(*material);
    const long double weight = (density * VolumeUnitFactors[*unit]) * inputs[VolumeInput];
    return fixedunits::Result::Number(ToDouble(weight), text::Weight, text::WeightShown);
}

int WeightToVolumeOwnOption(int sharedSelection)
{
    return fixedunits::OwnOption(sharedSelection, WeightToVolumeOptionCount);
}

fixedunits::Result ComputeWeightToVolume(const InputValues& inputs, int sharedSelection)
{
    const auto material = fixedunits::StoredChoice(inputs[MeasuredMaterialInput], MaterialCount);
    if (!material)
        return fixedunits::Result::None();
    const ResultUnit unit = ResultUnits[WeightToVolumeOwnOption(sharedSelection)];
    // Every density is above 0; the checked division guards the table all the same.
    const long double volume =
        CheckedDivide(inputs[WeightInput], *MaterialDensities.at(*material)) * unit.factor;
    return fixedunits::Result::Number(ToDouble(volume), text::Volume, text::Volume,
                                      QString::fromUtf16(unit.mark));
}

QStringList MaterialRows(const InputValues&, const QString&)
{
    return MaterialNames.items();
}

QStringList MaterialShortTexts(const InputValues&, const QString&)
{
    return MaterialShortNames.items();
}

QStringList VolumeUnitRows(const InputValues&, const QString&)
{
    return VolumeUnitNames.items();
}

QStringList VolumeUnitShortTexts(const InputValues&, const QString&)
{
    QStringList texts = VolumeUnitNames.items();
    for (QString& text : texts)
        text.truncate(UnitShortTextLength);
    return texts;
}

// A volume of 0 is refused at "&&"; "f=" reads the unit chosen, also in a replay; the
// terms are the formula as entered (material names may hold parentheses).
const ProtocolCalculator VolumeToWeightCalculator{
    .acceptsInput = fixedunits::AcceptsInput<CheckVolumeToWeightInput>,
    .listStepFlagsReselect = true,
    .undoReselectsChoice = true,
    .compute = fixedunits::Compute<ComputeVolumeToWeight>,
    .rerunMarker = RerunMarker::None,
    .refusal = ComputeRefusal::Never,
    .keypadAfter = KeypadAfter::On,
    .listAtCompute = ListAtCompute::HiddenAfter,
    .terms = TermsText::AsTyped,
};

// Nothing is refused (a weight of 0 gives 0). CE leaves the material list as it is,
// selection included; the terms are the stored inputs written again.
const ProtocolCalculator WeightToVolumeCalculator{
    .undoKeepsListSelection = true,
    .compute = fixedunits::Compute<ComputeWeightToVolume>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::Never,
    .keypadAfter = KeypadAfter::On,
};

} // namespace tornavel::converters
