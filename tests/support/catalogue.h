#pragma once

// The catalogue of the program's calculators, as its start-up builds it: the engine of
// a test serves the same calculators as the program.

#include "calculators/install.h"
#include "core/catalogue.h"

namespace tornavel {

// The program has forty calculators, numbered 0 to 39.
inline constexpr int CalculatorCount = 40;


inline const CalculatorCatalogue& AllCalculators()
{
    static const CalculatorCatalogue catalogue = [] {
        CalculatorCatalogue all;
        InstallCalculatorFamilies(all);
        return all;
    }();
    return catalogue;
}

} // namespace tornavel
