#pragma once

// The calculators the program serves: each one's description row, which carries its
// keys. The families fill a catalogue in at start-up (calculators/install.h); the
// engine is built from it and knows no family. Every table the engine keeps by
// calculator number is as long as the catalogue.

#include "core/description.h"

namespace tornavel {

class CalculatorCatalogue {
public:
    // The families register their rows here, which the catalogue and every engine
    // built from it keep.
    CalculatorRegistry& Rows() { return rows_; }
    const CalculatorRegistry& Rows() const { return rows_; }

    // The calculator numbers run from 0 to Count() - 1; Has tells whether a number
    // names a calculator of the catalogue.
    int Count() const { return rows_.Count(); }
    bool Has(int number) const { return rows_.Has(number); }

private:
    CalculatorRegistry rows_;
};

} // namespace tornavel
