#pragma once

// The protocol rows of each family, which InstallProtocolCalculators registers. A
// family that joins the protocol adds its function here and to install.cpp.

#include "calculators/protocol/protocol.h"

#include <span>

namespace tornavel {

// 17, 18, 19, 21, 23 and 24 (calculators/building/).
std::span<const ProtocolCalculator* const> BuildingProtocolRows();

} // namespace tornavel
