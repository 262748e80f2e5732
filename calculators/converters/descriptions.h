#pragma once

#include "core/description.h"

namespace tornavel {

// Registers the rows of the converters (35-38).
void InstallConverterDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
