#pragma once

// Wallpaper (27): rolls of wallpaper for one wall.
//
// Inputs as stored, in the user's unit: wall length, wall height, roll length, roll
// width, supplement added to every strip.

#include "calculators/building/finishing.h"

namespace tornavel::building {

// The "&&" checks: the roll may not be shorter than the wall is high, nor wider than
// it is long. The supplement is the last input and is checked by the compute step.
bool WallpaperAccepts(double value, int index, const InputValues& closed, int unitScaleCode);

// "f=": strips = wall length / roll width raised to a whole number, strips per roll =
// roll length / (wall height + 6 cm + supplement) lowered to a whole number, rolls =
// their quotient raised to a whole number. Input error for a supplement of 150 cm or
// more. A roll width of 0, or a roll too short for one strip, raises the French
// division-by-zero error (invalid operation when the dividend is 0 as well).
Outcome Wallpaper(const InputValues& inputs, int unitScaleCode);

} // namespace tornavel::building
