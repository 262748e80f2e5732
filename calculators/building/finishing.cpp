#include "calculators/building/finishing.h"

#include "core/numbers.h"

#include <cmath>

namespace tornavel::building {

double Centimetres(double typed, int unitScaleCode)
{
    // A product too large for a double is an overflow, not an infinite length.
    return ToDouble(CheckedValue(ToCentimetres(typed, unitScaleCode)));
}

double FloorCount(double value)
{
    return std::floor(RoundToShownDigits(value));
}

} // namespace tornavel::building
