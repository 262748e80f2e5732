#pragma once

// What each family of calculators registers: the rows that describe its calculators,
// each carrying the keys that run it.

#include "core/catalogue.h"

namespace tornavel {

// Registers every family's calculators in `catalogue`, in the menu's order: what the
// program's start-up builds the engine from.
void InstallCalculatorFamilies(CalculatorCatalogue& catalogue);

// The calculators menu, top to bottom: calculator numbers and MenuSeparator. The one
// place that orders the menu: a new calculator goes in here where it shows.
std::vector<int> CalculatorsMenuOrder();

// The standard calculator (0): "=", its undo routine and its operator keys.
void InstallStandardCalculator(CalculatorRegistry& rows);
// Geometry calculators (1-16, 20, 22).
void InstallGeometryCalculators(CalculatorRegistry& rows);
// The mathematical-functions calculator (39): "=", its undo routine and its function keys.
void InstallMathFunctionsCalculator(CalculatorRegistry& rows);

} // namespace tornavel
