#pragma once

// The protocol rows of each family, which InstallProtocolCalculators registers. A
// family that joins the protocol adds its function here and to install.cpp.

#include "calculators/protocol/protocol.h"

#include <span>

namespace tornavel {

// 17-19, 21 and 23-31 (calculators/building/).
std::span<const ProtocolCalculator* const> BuildingProtocolRows();

} // namespace tornavel
