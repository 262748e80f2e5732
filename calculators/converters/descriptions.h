#pragma once

#include "core/description.h"

namespace tornavel {

namespace converters {
// The code that the compute keys leave in LastKeyCode and KeyClass after a result.
inline constexpr int ResultCode = 27;
} // namespace converters

// Registers the rows of the converters (35-38).
void InstallConverterDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
