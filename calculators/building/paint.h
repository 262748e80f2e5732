#pragma once

// Ceiling paint (25) and wall paint (26): litres of paint for a surface of a given
// kind, from the yield of the paint and the number of coats.
//
// Inputs as stored, in the user's unit:
//   25: surface, surface type (row of SurfaceTypeNames), yield, coats
//   26: surface, openings, surface type, yield, coats
// Both compute steps run as one guarded block: every refusal and every
// floating-point failure inside them is an input error.

#include "calculators/building/finishing.h"

namespace tornavel::building {

// The "&&" check of input `index` with the value just entered (a list row for the
// surface type); `closed` holds the inputs before it. The number of coats is the
// last input and is checked by the compute step.
bool CeilingPaintAccepts(double value, int index, const InputValues& closed, int unitScaleCode);
bool WallPaintAccepts(double value, int index, const InputValues& closed, int unitScaleCode);

// "f=": litres = surface / yield x coats x coating factor of the surface type (26
// takes the openings off the surface first). The areas are converted by the area
// factor of the unit, which cancels out. Input error for a number of coats that is
// not a whole number of the int range, for a stored surface type outside the table,
// and for a result that is not a finite double.
Outcome CeilingPaint(const InputValues& inputs, int unitScaleCode);
Outcome WallPaint(const InputValues& inputs, int unitScaleCode);

} // namespace tornavel::building
