#pragma once

// The protocol rows of each family, which InstallProtocolCalculators registers. A
// family that joins the protocol adds its function here and to install.cpp.

#include "calculators/protocol/protocol.h"

#include <span>

namespace tornavel {

// 17-19, 21 and 23-31 (calculators/building/).
std::span<const ProtocolCalculator* const> BuildingProtocolRows();

// 32, 33 and 34 (calculators/electrical/).
std::span<const ProtocolCalculator* const> ElectricalProtocolRows();

// 35, 36, 37 and 38 (calculators/converters/).
std::span<const ProtocolCalculator* const> ConverterProtocolRows();

} // namespace tornavel
