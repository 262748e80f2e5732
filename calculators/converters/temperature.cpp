#include "calculators/converters/temperature.h"
#include "calculators/converters/converters.h"

#include "calculators/converters/tables.h"
#include "calculators/converters/texts.h"
#include "core/numbers.h"

namespace tornavel::converters {

namespace {

// The mark shown after the label, by target unit.
constexpr const char16_t* UnitMarks[TemperatureOptionCount] = {u" (°C)", u" (°K)", u" (°F)"};

// 273.15 is taken as a double; 1/9 and 0.2 as the nearest extended values.
constexpr long double KelvinOffset = 273.15;
constexpr long double OneNinth = 1.0L / 9.0L;
constexpr long double OneFifth = 0.2L;
constexpr long double FahrenheitOffset = 32.0L;

long double CelsiusToFahrenheit(long double celsius)
{
    return ((9.0L * celsius) * OneFifth) + FahrenheitOffset;
}

long double FahrenheitToCelsius(long double fahrenheit)
{
    return ((fahrenheit - FahrenheitOffset) * 5.0L) * OneNinth;
}

} // namespace

int TemperatureOwnOption(int sharedSelection)
{
    return fixedunits::OwnOption(sharedSelection, TemperatureOptionCount);
}

std::optional<long double> ConvertTemperature(long double v, int from, int to)
{
    if (from < 0 || from >= TemperatureOptionCount || to < 0 || to >= TemperatureOptionCount)
        return std::nullopt;
    if (from == to)
        return v;
    switch (from) {
    case Celsius:
        return to == Kelvin ? v + KelvinOffset : CelsiusToFahrenheit(v);
    case Kelvin:
        // Kelvin to Fahrenheit runs as ((v - 273.15) x 9) x 0.2 + 32.
        return to == Celsius ? v - KelvinOffset : (((v - KelvinOffset) * 9.0L) * OneFifth) + FahrenheitOffset;
    default:
        return to == Celsius ? FahrenheitToCelsius(v) : FahrenheitToCelsius(v) + KelvinOffset;
    }
}

fixedunits::Result ComputeTemperature(const InputValues& inputs, int sharedSelection)
{
    const auto from = fixedunits::StoredChoice(inputs[TemperatureUnitInput], TemperatureUnitCount);
    if (!from)
        return fixedunits::Result::None();
    const int to = TemperatureOwnOption(sharedSelection);
    const long double converted = *ConvertTemperature(inputs[TemperatureInput], *from, to);
    return fixedunits::Result::Number(ToDouble(converted), text::Temperature, text::Temperature,
                                      QString::fromUtf16(UnitMarks[to]));
}

QStringList TemperatureUnitRows(const InputValues&, const QString&)
{
    return TemperatureUnitNames.items();
}

// Nothing is refused, not even a temperature below absolute zero; the terms are the
// stored inputs written again.
const ProtocolCalculator TemperatureCalculator{
    .compute = fixedunits::Compute<ComputeTemperature>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::Never,
    .keypadAfter = KeypadAfter::On,
};

} // namespace tornavel::converters
