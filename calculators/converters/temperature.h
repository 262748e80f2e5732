#pragma once

// Temperature converter (calculator 37): a temperature in the unit chosen in the list
// (0 Celsius, 1 Kelvin, 2 Fahrenheit) converted to the unit of the selection shared
// with the weight-to-volume and capacity converters.

#include "calculators/protocol/fixed_units.h"

#include <QStringList>

namespace tornavel::converters {

// Inputs by index.
inline constexpr int TemperatureUnitInput = 0; // source unit row
inline constexpr int TemperatureInput = 1;     // in the source unit

// Units, both as list rows and as own options (RbtnCelsius, RbtnKelvin, RbtnFahrenheit).
inline constexpr int Celsius = 0;
inline constexpr int Kelvin = 1;
inline constexpr int Fahrenheit = 2;
inline constexpr int TemperatureOptionCount = 3;

// The shared selection 3 (the capacity converter's "m3") means Celsius.
int TemperatureOwnOption(int sharedSelection);

// The temperature `value` in unit `from` converted to unit `to`, in extended precision;
// units outside 0..2 give none. Not rounded to a double.
std::optional<long double> ConvertTemperature(long double value, int from, int to);

// The converted temperature, shown with the target's mark ("Température (°F)"). A
// stored source unit outside the list computes nothing; an overflow raises the
// overflow error.
fixedunits::Result ComputeTemperature(const InputValues& inputs, int sharedSelection);

// List rows of the unit input, also its formula terms.
QStringList TemperatureUnitRows(const InputValues& closed, const QString& separator);

} // namespace tornavel::converters
