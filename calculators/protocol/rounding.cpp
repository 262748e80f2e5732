#include "calculators/protocol/rounding.h"

#include "core/options.h"

#include <charconv>
#include <cmath>

namespace tornavel {

double RoundToShownDigits(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    // Scientific notation with 14 digits after the point: 15 significant digits,
    // correctly rounded, read back exactly.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded, std::chars_format::scientific);
    return rounded;
}

double ToCentimetres(double length, int unitScaleCode)
{
    return RoundToShownDigits(length * UnitFactor(unitScaleCode));
}

double FromCentimetres(double centimetres, int unitScaleCode)
{
    return RoundToShownDigits(centimetres / UnitFactor(unitScaleCode));
}

double CeilShown(double value)
{
    return std::ceil(RoundToShownDigits(value));
}

} // namespace tornavel

#include "core/numbers.h"

namespace tornavel {

double CheckedQuotient(double a, double b)
{
    if (b == 0.0)
        CheckedDivide(a, b);
    return ToDouble(CheckedValue(a / b));
}

} // namespace tornavel
