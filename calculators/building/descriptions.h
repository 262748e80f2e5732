#pragma once

#include "core/description.h"

namespace tornavel {

// Registers the descriptions of the building calculators.
void InstallBuildingDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
