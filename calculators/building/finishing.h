#pragma once

// What the finishing calculators (paint, wallpaper, panelling, parquet, stairs) share:
// the shape of a computed result, the 15-digit rule for counts and thresholds, and
// the conversion of a typed length to centimetres.
//
// These are pure functions of the stored inputs: no panel, no key state. The input
// protocol stores the inputs, calls the checks and the computation, and writes the
// result, the formula and the history from what they return.

#include "calculators/protocol/rounding.h"
#include "core/description.h"
#include "core/options.h"

#include <QString>

#include <optional>
#include <vector>

namespace tornavel::building {

// A loop that counts battens, boards or joists would run this many steps at most;
// an input that needs more is refused before the loop starts.
inline constexpr double MaxLoopSteps = 1'000'000.0;

// Whole counts, integer parts, exact-division tests and thresholds are taken on values
// rounded to 15 significant digits (RoundToShownDigits, CeilShown), so that a length
// typed in metres counts as the same length typed in centimetres (2,28 m is 228 cm,
// not 227,99999999999997 cm). A quotient of doubles whose divisor may be zero is
// CheckedQuotient.

// A typed length in centimetres (ToCentimetres); raises the French overflow error when
// it does not fit a double.
double Centimetres(double typed, int unitScaleCode);

// floor of a value rounded to 15 significant digits.
double FloorCount(double value);

// One term of the formula as the computation writes it again: a number shown with
// NumberToText in the user's unit, or a list item's text.
struct Term {
    double number = 0.0;
    QString text; // not empty: this text instead of the number
};

// What "f=" shows.
struct FinishingResult {
    double value = 0.0;          // the result, in the user's unit (or a count)
    QString text;                // the result text when it is not NumberToText(value)
    bool toMemory = true;        // MemoryValue := value
    int labelId = -1;            // string number of the result label; -1: labelText
    QString labelText;           // the label of a result without a string number
    int formulaLabelId = -1;     // the label before "(" when it differs from labelId
    UnitSuffix suffix = UnitSuffix::None; // after the label in LblResultatN (" " + suffix)
    std::vector<Term> terms;     // the terms written again; empty: the formula text as typed

    int FormulaLabelId() const { return formulaLabelId >= 0 ? formulaLabelId : labelId; }
};

// A computation's outcome: the result, or none for the input-error path.
using Outcome = std::optional<FinishingResult>;

} // namespace tornavel::building
