#include "calculators/converters/capacity.h"
#include "calculators/converters/converters.h"

#include "calculators/converters/tables.h"
#include "calculators/converters/texts.h"
#include "core/calcerror.h"
#include "core/numbers.h"

namespace tornavel::converters {

namespace {

// The mark shown after the label, by target unit.
constexpr const char16_t* UnitMarks[CapacityOptionCount] = {u" (dm3)", u" (seau)", u" (brouette)", u" (m3)"};

} // namespace

int CapacityOwnOption(int sharedSelection)
{
    return fixedunits::OwnOption(sharedSelection, CapacityOptionCount);
}

fixedunits::Result ComputeCapacity(const InputValues& inputs, int sharedSelection)
{
    const auto from = fixedunits::StoredChoice(inputs[CapacityUnitInput], CapacityUnitCount);
    if (!from)
        return fixedunits::Result::None();
    const double quantity = inputs[QuantityInput];
    if (quantity == 0.0)
        return fixedunits::Result::Refused();
    const int to = CapacityOwnOption(sharedSelection);
    try {
        const long double ratio = CheckedDivide(*CapacityLitres.at(*from), *CapacityLitres.at(to));
        return fixedunits::Result::Number(ToDouble(ratio * quantity), text::Volume, text::Volume,
                                          QString::fromUtf16(UnitMarks[to]));
    } catch (const CalcError&) {
        return fixedunits::Result::Refused();
    }
}

QStringList CapacityUnitRows(const InputValues&, const QString&)
{
    return CapacityUnitNames.items();
}

QStringList CapacityUnitShortTexts(const InputValues&, const QString&)
{
    return CapacityUnitShortNames.items();
}

// Nothing is refused at "&&" (the quantity is closed by "f=", which refuses 0 through
// the input-error path); the terms are the stored inputs written again.
const ProtocolCalculator CapacityCalculator{
    .compute = fixedunits::Compute<ComputeCapacity>,
    .rerunMarker = RerunMarker::VariantChanged,
    .keypadAfter = KeypadAfter::On,
};

} // namespace tornavel::converters
