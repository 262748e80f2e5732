#pragma once

#include "core/description.h"

namespace tornavel {

// Registers the rows of the electrical calculators (32-34).
void InstallElectricalDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
