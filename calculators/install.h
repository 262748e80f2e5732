#pragma once

// What each family of calculators registers: the rows that describe its calculators
// and the keys that run them.

#include "core/catalogue.h"

namespace tornavel {

// Registers every family's calculators in `catalogue`: what the program's start-up
// builds the engine from.
void InstallCalculatorFamilies(CalculatorCatalogue& catalogue);

// The standard calculator (0): "=", its undo routine and its operator keys.
void InstallStandardCalculator(CalculatorRegistry& rows, CalculatorKeyTable& keys);
// Geometry calculators (1-16, 20, 22).
void InstallGeometryCalculators(CalculatorRegistry& rows, CalculatorKeyTable& keys);
// The mathematical-functions calculator (39): "=", its undo routine and its function keys.
void InstallMathFunctionsCalculator(CalculatorRegistry& rows, CalculatorKeyTable& keys);
// The calculators of the input protocol (17-38) fill in their keys from their
// descriptions and protocol rows (calculators/protocol/); after their descriptions.
void InstallProtocolCalculators(const CalculatorRegistry& rows, CalculatorKeyTable& keys);

struct ProtocolCalculator;
// The keys of one calculator of the input protocol, from its description (registered
// first) and its protocol row; both must outlive the keys.
void InstallProtocolCalculator(const CalculatorRegistry& rows, CalculatorKeyTable& keys,
                               const ProtocolCalculator* row);

} // namespace tornavel
