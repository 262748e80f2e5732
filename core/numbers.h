#pragma once

#include <QString>

namespace tornavel {

// The value of pi that every calculator uses: the double nearest to pi.
inline constexpr double Pi = 3.141592653589793;


static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "the calculators need 80-bit extended precision");

// Number to text in the general format used everywhere on screen: at most 15
// significant digits, fixed notation while 1e-4 <= |x| < 1e15 (after rounding),
// otherwise "d,dddE-n" (no "+" and no leading zeros in the exponent).
QString NumberToText(long double value, const QString& separator);

// Strict text to number: optional blanks around, optional sign, digits with at most
// one separator, optional exponent. Anything else (empty text, a lone sign, "inf",
// "nan", hex, a second separator) raises the French conversion error. A value out
// of the extended range raises the overflow error.
long double TextToNumber(const QString& text, const QString& separator);

// True when TextToNumber would accept the text.
bool IsNumberText(const QString& text, const QString& separator);

// Floating-point faults are checked explicitly, never trapped.
QString InvalidOperationMessage();  // "Opération en virgule flottante incorrecte"
QString DivisionByZeroMessage();    // "Division par zéro en virgule flottante"
QString OverflowMessage();          // "Débordement en virgule flottante"

// Raises the invalid-operation error for NaN and the overflow error for an infinity;
// otherwise returns the value.
long double CheckedValue(long double value);
// a / b with the division-by-zero and invalid-operation errors (0 / 0).
long double CheckedDivide(long double a, long double b);
// Rounds an extended value to a double, raising overflow when it does not fit.
double ToDouble(long double value);

} // namespace tornavel
