// The roof calculator (21): tiles or battens for one rectangular slope. Every length
// stays in the user's unit; only the number of units in a metre depends on it.

#include "calculators/building/building.h"
#include "calculators/building/texts.h"

#include "calculators/protocol/rounding.h"
#include "core/units.h"

namespace tornavel {

namespace {

enum Output : int { Tiles = 0, Battens = 1 };

// The tile width (input 2) must be narrower than the slope both ways.
bool AcceptsTileWidth(const ProtocolCall& call, int k, double value)
{
    return k != 2 || (value < call.inputs[0] && value < call.inputs[1]);
}

ProtocolOutcome ComputeRoof(const ProtocolCall& call)
{
    const double length = call.inputs[0];
    const double width = call.inputs[1];
    const double tileWidth = call.inputs[2];
    const double gauge = call.inputs[3];
    // The gauge, too, must be shorter than the slope both ways.
    if (!(gauge < length && gauge < width))
        return ProtocolOutcome::Refuse();
    const double k = UnitOfMeasureOf(call.unitScaleCode).perMetre; // units in one metre

    if (call.variant == Battens) {
        // A row of battens every gauge, and one more; each row as long as the slope is wide.
        const double rows = CeilShown(CheckedQuotient(length, gauge)) + 1.0;
        return ProtocolOutcome::Number(rows * width, call.Text(building::text::Linear),
                                       call.TextWithSuffix(building::text::Linear, UnitSuffix::Length));
    }
    // The tile count needs a slope of at least one metre both ways.
    if (length < k || width < k)
        return ProtocolOutcome::Refuse();
    const double tilesPerSquareMetre = CeilShown(CheckedQuotient(k * k, tileWidth * gauge)) + 1.0;
    const double tiles = CeilShown(CheckedQuotient(length, k) * CheckedQuotient(width, k) * tilesPerSquareMetre);
    const QString label = QStringLiteral("Tuiles");
    return ProtocolOutcome::Number(tiles, label, label);
}

} // namespace

const ProtocolCalculator RoofCalculator{
    .acceptsInput = AcceptsTileWidth,
    .compute = ComputeRoof,
    .rerunMarker = RerunMarker::VariantChanged,
};

} // namespace tornavel
