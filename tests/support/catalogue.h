#pragma once

// The catalogue of the program's calculators, as its start-up builds it: the engine of
// a test serves the same calculators as the program.

#include "calculators/install.h"
#include "core/catalogue.h"

namespace tornavel {

inline const CalculatorCatalogue& AllCalculators()
{
    static const CalculatorCatalogue catalogue = [] {
        CalculatorCatalogue all;
        InstallCalculatorFamilies(all);
        return all;
    }();
    return catalogue;
}

// The program's calculators are numbered 0 to CalculatorCount - 1, as many as its
// families register.
inline const int CalculatorCount = AllCalculators().Rows().Count();

} // namespace tornavel
