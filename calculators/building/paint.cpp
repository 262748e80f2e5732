#include "calculators/building/paint.h"

#include "calculators/building/tables.h"
#include "calculators/building/texts.h"
#include "core/calcerror.h"
#include "core/numbers.h"
#include "core/units.h"

#include <climits>
#include <cmath>

namespace tornavel::building {
namespace {

// Square metres in one area unit of the unit scale code: the areas and the yield are
// multiplied by it; the metre (whose factor is one) and any other code take none. It
// cancels out of the litres but for the last bits.
std::optional<double> AreaFactor(int unitScaleCode)
{
    const UnitOfMeasure* unit = FindUnitOfMeasure(unitScaleCode);
    if (!unit || unit->squareMetres == 1.0)
        return std::nullopt;
    return unit->squareMetres;
}

double InArea(double value, std::optional<double> factor)
{
    if (!factor)
        return value;
    return RoundToShownDigits(ToDouble(static_cast<long double>(value) * static_cast<long double>(*factor)));
}

// A number of coats is a whole number that fits an int.
std::optional<int> WholeCoats(double coats)
{
    const double n = RoundToShownDigits(coats);
    if (!std::isfinite(n) || n != std::trunc(n) || n < INT_MIN || n > INT_MAX)
        return std::nullopt;
    return static_cast<int>(n);
}

bool IsSurfaceType(double row)
{
    const std::optional<int> index = TruncatedIndex(row);
    return index && SurfaceCoatFactors.at(*index).has_value();
}

// litres = (surface - openings) / yield x coats x factor, in extended precision.
Outcome PaintLitres(double surface, double openings, double surfaceType, double yield,
                    double coats, int unitScaleCode)
{
    const std::optional<int> n = WholeCoats(coats);
    const std::optional<int> type = TruncatedIndex(surfaceType);
    const std::optional<double> coating = type ? SurfaceCoatFactors.at(*type) : std::nullopt;
    if (!n || !coating)
        return std::nullopt;
    try {
        const std::optional<double> factor = AreaFactor(unitScaleCode);
        const long double s = InArea(surface, factor);
        const long double o = InArea(openings, factor);
        const long double r = InArea(yield, factor);
        const long double litres = CheckedDivide(s - o, r) * *n * *coating;
        FinishingResult result;
        result.value = ToDouble(litres);
        result.labelId = text::PaintLitres;
        result.formulaLabelId = text::Paint;
        return result;
    } catch (const CalcError&) {
        return std::nullopt; // the whole step is guarded: a failure is an input error
    }
}

} // namespace

bool CeilingPaintAccepts(double value, int index, const InputValues&, int)
{
    switch (index) {
    case 1: return IsSurfaceType(value);
    case 2: return value != 0.0;
    default: return true;
    }
}

bool WallPaintAccepts(double value, int index, const InputValues& closed, int)
{
    switch (index) {
    case 1: return closed[0] > value; // openings strictly smaller than the surface
    case 2: return IsSurfaceType(value);
    case 3: return value != 0.0;
    default: return true;
    }
}

Outcome CeilingPaint(const InputValues& in, int unitScaleCode)
{
    return PaintLitres(in[0], 0.0, in[1], in[2], in[3], unitScaleCode);
}

Outcome WallPaint(const InputValues& in, int unitScaleCode)
{
    return PaintLitres(in[0], in[1], in[2], in[3], in[4], unitScaleCode);
}

} // namespace tornavel::building
