#pragma once

// Parquet and joists (30): the surface of parquet to buy for a rectangular floor,
// with a waste allowance by laying pattern, or the total length of the joists.
//
// Inputs as stored: the two sides in centimetres (converted when "&&" closes them,
// with Centimetres), then the laying pattern (row of LayingPatternNames).
// The result does not go into the memory register.

#include "calculators/building/finishing.h"

namespace tornavel::building {

// Values of ParquetOutput, by option button.
enum ParquetOutputIndex {
    ParquetSurface = 0, // surface of parquet
    ParquetJoists = 1,  // linear length of joists
};

// The "&&" check of a side (the typed value, in the user's unit): at least 100 cm
// once converted. The laying pattern must be a row of the table.
bool ParquetAccepts(double value, int index, const InputValues& closed, int unitScaleCode);

// "f=". None (nothing computed) for a stored laying pattern outside the table, for
// a side below 100 cm (a damaged stored entry), and when the joists would take more
// than MaxLoopSteps steps to count.
Outcome Parquet(const InputValues& inputs, int unitScaleCode, int output);

} // namespace tornavel::building
