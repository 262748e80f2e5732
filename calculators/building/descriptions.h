#pragma once

#include "core/description.h"

namespace tornavel {

// Registers the rows of the building and finishing calculators (17-19, 21, 23-31).
void InstallBuildingDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
