#pragma once

// The converters of the input protocol: their rows, next to their formulas. Each
// calculator's description row carries its protocol row in its keys (descriptions.cpp).

#include "calculators/protocol/protocol.h"

namespace tornavel::converters {

extern const ProtocolCalculator VolumeToWeightCalculator;  // 35 (materials.cpp)
extern const ProtocolCalculator WeightToVolumeCalculator;  // 36 (materials.cpp)
extern const ProtocolCalculator TemperatureCalculator;     // 37 (temperature.cpp)
extern const ProtocolCalculator CapacityCalculator;        // 38 (capacity.cpp)

} // namespace tornavel::converters
