#pragma once

#include "core/options.h"

#include <QByteArray>

namespace tornavel {

class CalculatorRegistry;

// The options file Options.dat: 29 little-endian bytes, fields without gaps:
//   0  UnitScaleCode      int32 (1, 10, 25 or 1000)
//   4  UnitDisplayOption  byte (0 or 1)
//   5  DefaultCalculator  int32 (a calculator number)
//   9  Favourites         five int32 (calculator numbers, -1 for an empty slot)
inline constexpr int OptionsFileSize = 29;

QByteArray EncodeOptions(const Options& options);

// Puts the start values into the four option fields, then reads the fields that the
// bytes hold one by one: a field cut short by the end of the file, or holding a
// value outside its range, keeps its start value. The unit suffixes and
// OptionsChanged are left alone. A calculator number that `rows` lacks is out of range.
void DecodeOptions(const QByteArray& bytes, Options& options, const CalculatorRegistry& rows);

} // namespace tornavel
