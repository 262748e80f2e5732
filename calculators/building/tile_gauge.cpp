// The tile gauge calculator (19): the visible length of a tile once the tiles
// overlap, in the user's unit.

#include "calculators/building/building.h"
#include "calculators/building/texts.h"

namespace tornavel {

namespace {

// Half of what the overlap leaves of the tile; the overlap must be shorter than the
// tile.
ProtocolOutcome ComputeTileGauge(const ProtocolCall& call)
{
    const double tile = call.inputs[0];
    const double overlap = call.inputs[1];
    if (!(tile > overlap))
        return ProtocolOutcome::Refuse();
    return ProtocolOutcome::Number((tile - overlap) * 0.5, call.FormulaLabel(),
                                   call.ShownLabel());
}

} // namespace

const ProtocolCalculator TileGaugeCalculator{
    .compute = ComputeTileGauge,
    .refusal = ComputeRefusal::ByCheck,
    .terms = TermsText::AsTyped,
};

} // namespace tornavel
