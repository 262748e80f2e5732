#pragma once

#include "core/description.h"

namespace tornavel {

namespace electrical {
// The code that the compute keys leave in LastKeyCode and KeyClass after a result.
inline constexpr int ResultCode = 26;
} // namespace electrical

// Registers the rows of the electrical calculators (32-34).
void InstallElectricalDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
