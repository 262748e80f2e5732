#pragma once

// The catalogue of the program's calculators, as its start-up builds it: the engine of
// a test serves the same calculators as the program.

#include "calculators/install.h"
#include "core/catalogue.h"

#include <functional>
#include <memory>

namespace tornavel {

// The step that a test presses as the compute key of the calculator on screen
// (family_key.h); empty the rest of the time, when each row's own key runs.
inline std::function<void(CalculatorContext&)>& StandInComputeKey()
{
    static std::function<void(CalculatorContext&)> step;
    return step;
}

// `keys` with a compute key that runs a test's stand-in step while one is pressed, so
// that the step receives the context exactly as a family's key does, and the row's own
// key the rest of the time.
inline void TakeStandInSteps(CalculatorKeys& keys)
{
    keys.compute = [own = keys.compute](CalculatorContext& context) {
        if (StandInComputeKey())
            StandInComputeKey()(context);
        else if (own)
            own(context);
    };
}

inline const CalculatorCatalogue& AllCalculators()
{
    static const CalculatorCatalogue catalogue = [] {
        CalculatorCatalogue all;
        InstallCalculatorFamilies(all);
        for (int number = 0; number < all.Rows().Count(); ++number) {
            if (!all.Rows().Has(number))
                continue;
            auto row = std::make_shared<CalculatorDescription>(all.Rows().Of(number));
            TakeStandInSteps(row->keys);
            all.Rows().Replace(std::move(row));
        }
        return all;
    }();
    return catalogue;
}

// The program's calculators are numbered 0 to CalculatorCount - 1, as many as its
// families register.
inline const int CalculatorCount = AllCalculators().Rows().Count();

} // namespace tornavel
