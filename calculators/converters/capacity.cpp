#include "calculators/converters/capacity.h"

#include "core/calcerror.h"
#include "core/numbers.h"
#include "core/tables.h"

namespace tornavel::converters {

namespace {

constexpr int VolumeLabel = 48; // "Volume", also shown, with the unit mark

// The mark shown after the label, by target unit.
constexpr const char16_t* UnitMarks[CapacityOptionCount] = {u" (dm3)", u" (seau)", u" (brouette)", u" (m3)"};

} // namespace

fixedunits::InputCheck CheckCapacityInput(double, int, const InputValues&)
{
    return fixedunits::InputCheck::Accepted;
}

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
        return fixedunits::Result::Number(ToDouble(ratio * quantity), VolumeLabel, VolumeLabel,
                                          QString::fromUtf16(UnitMarks[to]));
    } catch (const CalcError&) {
        return fixedunits::Result::Refused();
    }
}

QString CapacityTerms(const InputValues& inputs, const QString& separator)
{
    const auto from = fixedunits::StoredChoice(inputs[CapacityUnitInput], CapacityUnitCount);
    if (!from)
        return {};
    return *CapacityUnitShortNames.at(*from) + QLatin1Char('&') + NumberToText(inputs[QuantityInput], separator);
}

QStringList CapacityUnitRows(const InputValues&, const QString&)
{
    return CapacityUnitNames.items();
}

QStringList CapacityUnitShortTexts(const InputValues&, const QString&)
{
    return CapacityUnitShortNames.items();
}

const fixedunits::Hooks CapacityHooks{
    CheckCapacityInput,
    ComputeCapacity,
    CapacityOwnOption,
    CapacityTerms,
};

} // namespace tornavel::converters
