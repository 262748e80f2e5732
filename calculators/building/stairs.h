#pragma once

// Stairs (31): a straight flight from the floor-to-floor height and the tread depth.
// The number of risers is chosen so that each riser lies between 16 and 19 cm; the
// result is the riser height, the number of steps or the run of the flight.
//
// Inputs as stored, in the user's unit: height from floor to floor, tread depth.
// The compute step runs as one guarded block: every refusal and every floating-point
// failure inside it is an input error.

#include "calculators/building/finishing.h"

namespace tornavel::building {

// Values of StairsOutput, by option button.
enum StairsOutputIndex {
    StairsRiser = 0, // riser height
    StairsSteps = 1, // number of steps (risers)
    StairsRun = 2,   // horizontal run of the flight
};

// "f=". Input error for a height below 16 cm, a tread (taken up to the whole
// centimetre) outside 24 to 64 cm, and a height that no number of risers divides into
// risers of 16 to 19 cm.
Outcome Stairs(const InputValues& inputs, int unitScaleCode, int output);

} // namespace tornavel::building
