#include "calculators/building/parquet.h"

#include "calculators/building/tables.h"
#include "calculators/building/texts.h"
#include "core/numbers.h"

#include <algorithm>
#include <limits>

namespace tornavel::building {
namespace {

constexpr double MinimumSideCm = 100.0;
constexpr long double WasteFactors[LayingPatternCount] = {1.04L, 1.1L}; // by laying pattern
constexpr double JoistMarginCm = 4.0;   // taken off the shorter side first
constexpr double JoistSpacingCm = 45.0;

using Ext = long double;

bool SideFits(double cm)
{
    return cm >= MinimumSideCm;
}

} // namespace

bool ParquetAccepts(double value, int index, const InputValues&, int unitScaleCode)
{
    if (index == 2)
        return LayingPatternNames.at(TruncatedIndex(value).value_or(-1)).has_value();
    // A side too long for a double in centimetres is refused with the others.
    const Ext raw = static_cast<Ext>(value) * UnitFactor(unitScaleCode);
    if (raw > static_cast<Ext>(std::numeric_limits<double>::max()))
        return false;
    return SideFits(Centimetres(value, unitScaleCode));
}

Outcome Parquet(const InputValues& in, int unitScaleCode, int output)
{
    const std::optional<int> pattern = TruncatedIndex(in[2]);
    const std::optional<QString> patternName = LayingPatternNames.at(pattern.value_or(-1));
    const double L = in[0];
    const double W = in[1];
    if (!patternName || !SideFits(L) || !SideFits(W))
        return std::nullopt;
    const double f = UnitFactor(unitScaleCode);

    FinishingResult result;
    result.toMemory = false;
    switch (output) {
    case ParquetSurface:
        // The area in the square of the user's unit.
        result.value = ToDouble(static_cast<Ext>(L) * W * WasteFactors[*pattern] / (static_cast<Ext>(f) * f));
        result.labelId = text::Surface;
        result.suffix = UnitSuffix::Area;
        break;
    case ParquetJoists: {
        // Joists as long as the longer side, 45 cm apart across the shorter one.
        double s = std::min(L, W) - JoistMarginCm;
        const double a = std::max(L, W);
        if (s / JoistSpacingCm > MaxLoopSteps)
            return std::nullopt;
        int n = 2;
        while (RoundToShownDigits(s) > JoistSpacingCm) {
            ++n;
            s -= JoistSpacingCm;
        }
        result.value = ToDouble(static_cast<Ext>(n) * a / f);
        result.labelId = text::Linear;
        result.suffix = UnitSuffix::Length;
        break;
    }
    default:
        return std::nullopt;
    }
    result.terms = {{ToDouble(static_cast<Ext>(L) / f), {}},
                    {ToDouble(static_cast<Ext>(W) / f), {}},
                    {0.0, *patternName}};
    return result;
}

} // namespace tornavel::building
