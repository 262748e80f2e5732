#pragma once

// The converters of the input protocol: their rows, next to their formulas. The rows
// are listed, in calculator order, by ConverterProtocolRows
// (calculators/protocol/families.h).

#include "calculators/protocol/protocol.h"

namespace tornavel::converters {

extern const ProtocolCalculator VolumeToWeightCalculator;  // 35 (materials.cpp)
extern const ProtocolCalculator WeightToVolumeCalculator;  // 36 (materials.cpp)
extern const ProtocolCalculator TemperatureCalculator;     // 37 (temperature.cpp)
extern const ProtocolCalculator CapacityCalculator;        // 38 (capacity.cpp)

} // namespace tornavel::converters
