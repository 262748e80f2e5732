#include "calculators/building/panelling.h"
#include "calculators/building/texts.h"

#include "core/numbers.h"

namespace tornavel::building {
namespace {

constexpr double BoardAllowanceCm = 6.0;   // added to the height of every board
constexpr double FirstBattenCm = 4.0;      // taken off the height before the battens
constexpr double BattenSpacingCm = 54.0;   // one more batten per 54 cm or part of it
constexpr long double ClipsPerM2 = 20.0L;
constexpr long double M2PerCm2 = 0.0001L;

using Ext = long double;

// The board is wider than 0 and narrower than 100 cm. A width of 0 or below would
// divide the wall by zero, or never move the board walk along it.
bool BoardWidthFits(double typedWidth, int unitScaleCode)
{
    if (!(typedWidth > 0.0))
        return false;
    const Ext raw = static_cast<Ext>(typedWidth) * UnitFactor(unitScaleCode);
    return raw < 101.0L && Centimetres(typedWidth, unitScaleCode) < 100.0;
}

// The battens counted up the height: 2, and one more for each further 54 cm (or part
// of it) of the height less 4 cm. None when the count would pass MaxLoopSteps.
// `onBatten` sees the count and the height left after each further batten.
template <typename OnBatten>
std::optional<int> CountBattens(double height, OnBatten onBatten)
{
    double y = height - FirstBattenCm;
    if (y / BattenSpacingCm > MaxLoopSteps)
        return std::nullopt;
    int n = 2;
    while (RoundToShownDigits(y) > BattenSpacingCm) {
        ++n;
        y -= BattenSpacingCm;
        onBatten(n, y);
    }
    return n;
}

FinishingResult Shown(double value, int output, const std::vector<double>& lengthsCm, double f)
{
    FinishingResult result;
    result.value = value;
    if (output == PanellingClips) {
        result.labelId = text::Clips;
    } else {
        result.labelId = text::Linear;
        result.suffix = UnitSuffix::Length;
    }
    for (double cm : lengthsCm)
        result.terms.push_back({ToDouble(static_cast<Ext>(cm) / f), {}});
    return result;
}

} // namespace

bool GablePanellingAccepts(double value, int index, const InputValues& closed, int)
{
    return index != 2 || value < closed[1]; // the eaves below the apex
}

Outcome WallPanelling(const InputValues& in, int unitScaleCode, int output)
{
    if (!(in[0] > in[2]) || !BoardWidthFits(in[2], unitScaleCode))
        return std::nullopt;
    const double f = UnitFactor(unitScaleCode);
    const double L = Centimetres(in[0], unitScaleCode);
    const double H = Centimetres(in[1], unitScaleCode);
    const double w = Centimetres(in[2], unitScaleCode);

    // Each ceiling takes its argument rounded to a double, so that 20 x 300 x 250 x
    // 0.0001 clips are exactly 150.
    double value = 0.0;
    switch (output) {
    case PanellingBoards: {
        const double boards = CeilShown(ToDouble(CheckedDivide(L, w)));
        const double hundredths = CeilShown(ToDouble((H + static_cast<Ext>(BoardAllowanceCm)) * boards * 100.0L));
        value = ToDouble(hundredths * 0.01L / f);
        break;
    }
    case PanellingBattens: {
        const std::optional<int> n = CountBattens(H, [](int, double) {});
        if (!n)
            return std::nullopt;
        value = ToDouble(static_cast<Ext>(*n) * L / f);
        break;
    }
    case PanellingClips:
        value = CeilShown(ToDouble(ClipsPerM2 * L * H * M2PerCm2));
        break;
    default:
        return std::nullopt;
    }
    return Shown(value, output, {L, H, w}, f);
}

Outcome GablePanelling(const InputValues& in, int unitScaleCode, int output)
{
    if (!(in[1] > in[3]) || !BoardWidthFits(in[3], unitScaleCode))
        return std::nullopt;
    const double f = UnitFactor(unitScaleCode);
    const double L = Centimetres(in[0], unitScaleCode);
    const double A = Centimetres(in[1], unitScaleCode);
    const double B = Centimetres(in[2], unitScaleCode);
    const double w = Centimetres(in[3], unitScaleCode);

    // Every intermediate value is a double.
    double value = 0.0;
    switch (output) {
    case PanellingBoards: {
        if (static_cast<Ext>(L) / w > MaxLoopSteps)
            return std::nullopt;
        // Boards walked from the left end, w at a time; each counted at the height of
        // the sloping edge at its higher side, plus 6 cm. Positions along the wall are
        // kept to 15 significant digits, so that boards that exactly fill a half end
        // at the apex.
        const double half = L * 0.5;
        const double s = CheckedQuotient(A - B, half); // rise per centimetre
        double x = 0.0;
        double h = B;
        double total = 0.0;
        while (x < half) {
            // The board that reaches the apex is counted up to the apex only.
            const double d = RoundToShownDigits(half - x) > w ? s * w : (half - x) * s;
            total = total + (h + d + BoardAllowanceCm);
            h = h + d;
            x = RoundToShownDigits(x + w);
        }
        h = h - s * (x - half);
        const double x0 = x;
        while (x < L) {
            if (x == x0) {
                // The first board of the falling half: the height where it starts.
                total = total + (h + BoardAllowanceCm);
            } else {
                // h lags one board behind x; the last board, cut short by the end of
                // the wall, drops by what is left of the wall only.
                const double d = RoundToShownDigits(x + w) > L ? (L - x) * s : s * w;
                total = total + (h - d + BoardAllowanceCm);
                h = h - d;
            }
            x = RoundToShownDigits(x + w);
        }
        const double linear = CeilShown(total * 100.0) * 0.01;
        value = CheckedQuotient(linear, f);
        break;
    }
    case PanellingBattens: {
        // Battens that lie in the gable count at half length; m are full length.
        int m = -1;
        const double gable = RoundToShownDigits(A - B);
        const std::optional<int> n = CountBattens(A, [&](int count, double y) {
            if (m == -1 && gable > RoundToShownDigits(y))
                m = count - 1;
        });
        if (!n)
            return std::nullopt;
        if (m == -1)
            m = *n;
        value = CheckedQuotient((*n - m) * L * 0.5 + m * L, f);
        break;
    }
    case PanellingClips:
        value = CeilShown(ToDouble((B * L + (A - B) * L * 0.5) * 20.0 * 0.0001));
        break;
    default:
        return std::nullopt;
    }
    return Shown(value, output, {L, A, B, w}, f);
}

} // namespace tornavel::building
