#include "calculators/building/finishing.h"

#include "core/numbers.h"

#include <charconv>
#include <cmath>

namespace tornavel::building {

double Rounded15(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    // Scientific notation with 14 digits after the point is 15 significant digits,
    // correctly rounded; reading it back gives the nearest double.
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

double Centimetres(double typed, int unitScaleCode)
{
    const long double product =
        static_cast<long double>(typed) * static_cast<long double>(UnitFactor(unitScaleCode));
    return Rounded15(ToDouble(product));
}

double CeilCount(double value)
{
    return std::ceil(Rounded15(value));
}

double FloorCount(double value)
{
    return std::floor(Rounded15(value));
}

double DoubleQuotient(double a, double b)
{
    if (b == 0.0)
        CheckedDivide(a, b); // raises the division-by-zero or invalid-operation error
    return ToDouble(a / b);
}

} // namespace tornavel::building
