#pragma once

// The precision the user sees. A length converted to centimetres, and a quotient
// whose whole part counts something, are taken at 15 significant digits first, so
// that 0,55 m is 55 cm and 0,81 / (0,3 x 0,3) is 9 slabs, as the screen shows them.

namespace tornavel {

// The value rounded to 15 significant digits (0 and non-finite values unchanged).
double RoundToShownDigits(double value);

// A length in the user's unit in centimetres, rounded to 15 significant digits.
double ToCentimetres(double length, int unitScaleCode);
// A length in centimetres in the user's unit, rounded to 15 significant digits.
double FromCentimetres(double centimetres, int unitScaleCode);

// The smallest whole number not below the value, taken on its 15 significant digits.
double CeilShown(double value);

} // namespace tornavel

namespace tornavel {

// a / b in double precision; a zero divisor raises the French division-by-zero error
// (0 / 0 the invalid-operation error) instead of giving an infinity.
double CheckedQuotient(double a, double b);

} // namespace tornavel
