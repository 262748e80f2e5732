#include "calculators/building/stairs.h"

#include "core/calcerror.h"
#include "core/numbers.h"

#include <cmath>

namespace tornavel::building {
namespace {

constexpr double MinRiserCm = 16.0;
constexpr double MaxRiserCm = 19.0;
constexpr int FirstRiserTried = 16; // risers tried: 16, 17, 18, 19 cm
constexpr int LastRiserTried = 19;
constexpr double MinTreadCm = 24.0;
constexpr double MaxTreadCm = 64.0;
// Beyond this a number of risers is no longer an exact whole number in a double.
constexpr double MaxRisers = 9007199254740992.0; // 2^53

using Ext = long double;

// The riser height in whole centimetres that gives the number of risers: the largest
// that divides the height exactly (the fewest risers), else among 16, 17 and 18 the
// one that leaves the smallest fraction of a riser (the smaller on a tie).
int ChosenRiser(double heightCm)
{
    int exact = 0;
    for (int d = FirstRiserTried; d <= LastRiserTried; ++d) {
        const double q = RoundToShownDigits(heightCm / d);
        if (q == std::trunc(q))
            exact = d;
    }
    if (exact != 0)
        return exact;
    int nearest = FirstRiserTried;
    double smallest = 2.0;
    for (int d = FirstRiserTried; d < LastRiserTried; ++d) {
        const double q = RoundToShownDigits(heightCm / d);
        const double fraction = q - std::trunc(q);
        if (fraction < smallest) {
            smallest = fraction;
            nearest = d;
        }
    }
    return nearest;
}

Outcome Compute(const InputValues& in, int unitScaleCode, int output)
{
    const double f = UnitFactor(unitScaleCode);
    const double H = Centimetres(in[0], unitScaleCode);
    const double G = std::ceil(Centimetres(in[1], unitScaleCode)); // up to the whole centimetre
    if (H < MinRiserCm)
        return std::nullopt;

    const double N = std::trunc(RoundToShownDigits(H / ChosenRiser(H)));
    if (N < 1.0 || N > MaxRisers)
        return std::nullopt;
    // The riser up to the next hundredth of a centimetre.
    const double hundredths = CeilShown(ToDouble(static_cast<Ext>(H) / N * 100.0L));
    const double riserCm = ToDouble(hundredths * 0.01L);
    const double R = ToDouble(static_cast<Ext>(riserCm) / f);
    if (G < MinTreadCm || G > MaxTreadCm)
        return std::nullopt;
    const double run = ToDouble((static_cast<Ext>(N) - 1.0L) * G / f);
    const double riser15 = RoundToShownDigits(riserCm);
    if (riser15 < MinRiserCm || riser15 > MaxRiserCm)
        return std::nullopt;

    FinishingResult result;
    switch (output) {
    case StairsRiser:
        result.value = R;
        result.labelText = QStringLiteral("Hauteur marches");
        result.suffix = UnitSuffix::Length;
        break;
    case StairsSteps:
        result.value = N;
        result.text = QString::number(static_cast<qint64>(N));
        result.labelText = QStringLiteral("Marches");
        break;
    case StairsRun:
        result.value = run;
        result.labelText = QStringLiteral("Reculement");
        result.suffix = UnitSuffix::Length;
        break;
    default:
        return std::nullopt;
    }
    // The tread is written as taken up to the whole centimetre.
    result.terms = {{ToDouble(static_cast<Ext>(H) / f), {}}, {ToDouble(static_cast<Ext>(G) / f), {}}};
    return result;
}

} // namespace

Outcome Stairs(const InputValues& in, int unitScaleCode, int output)
{
    try {
        return Compute(in, unitScaleCode, output);
    } catch (const CalcError&) {
        return std::nullopt; // the step is guarded: a failure is an input error
    }
}

} // namespace tornavel::building
