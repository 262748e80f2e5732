#pragma once

// The electrical calculators of the input protocol: their rows, next to their formulas.
// Each calculator's description row carries its protocol row in its keys (descriptions.cpp).

#include "calculators/protocol/protocol.h"

namespace tornavel::electrical {

extern const ProtocolCalculator ResistancePowerCalculator;  // 32 (resistance.cpp)
extern const ProtocolCalculator CircuitCalculator;          // 33 (circuit.cpp)
extern const ProtocolCalculator ConductorLengthCalculator;  // 34 (conductor.cpp)

} // namespace tornavel::electrical
