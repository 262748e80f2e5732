#include "calculators/building/wallpaper.h"
#include "calculators/building/texts.h"

#include "core/numbers.h"

namespace tornavel::building {
namespace {

constexpr double StripAllowanceCm = 6.0;  // added to the wall height for every strip
constexpr double SupplementLimitCm = 150.0;

} // namespace

bool WallpaperAccepts(double value, int index, const InputValues& closed, int)
{
    switch (index) {
    case 2: return !(closed[1] > value); // roll length at least the wall height
    case 3: return !(value > closed[2]); // roll width at most the roll length
    default: return true;
    }
}

Outcome Wallpaper(const InputValues& in, int unitScaleCode)
{
    // A supplement too long for a double is past the limit as well.
    const long double rawSupplement = static_cast<long double>(in[4]) * UnitFactor(unitScaleCode);
    if (rawSupplement >= SupplementLimitCm + 1.0L)
        return std::nullopt;
    const double supplement = Centimetres(in[4], unitScaleCode);
    if (supplement >= SupplementLimitCm)
        return std::nullopt;
    const double wallLength = Centimetres(in[0], unitScaleCode);
    const double wallHeight = Centimetres(in[1], unitScaleCode);
    const double rollLength = Centimetres(in[2], unitScaleCode);
    const double rollWidth = Centimetres(in[3], unitScaleCode);

    const double strips = CeilShown(CheckedQuotient(wallLength, rollWidth));
    const double stripLength = ToDouble(static_cast<long double>(wallHeight) + StripAllowanceCm + supplement);
    const double stripsPerRoll = FloorCount(CheckedQuotient(rollLength, stripLength));

    FinishingResult result;
    result.value = CeilShown(CheckedQuotient(strips, stripsPerRoll));
    result.labelId = text::Rolls;
    return result;
}

} // namespace tornavel::building
