// The slabs and tile glue calculator (24): slabs to buy, or kilograms of glue, for a
// surface. The values stay as typed, in the user's unit.

#include "calculators/building/building.h"
#include "calculators/building/texts.h"

#include "calculators/protocol/rounding.h"
#include "core/units.h"

namespace tornavel {

namespace {

enum Output : int { Slabs = 0, Glue = 1 };

constexpr double kGluePerSquareMetre = 2.0; // kg

// The slab length (input 1) must be below the surface, compared as typed.
bool AcceptsSlabLength(const ProtocolCall& call, int k, double value)
{
    return k != 1 || call.inputs[0] > value;
}

ProtocolOutcome ComputeSlabs(const ProtocolCall& call)
{
    const double surface = call.inputs[0];
    const double length = call.inputs[1];
    const double width = call.inputs[2];
    if (!(surface > width))
        return ProtocolOutcome::Refuse();
    if (call.variant == Glue) {
        const QString label = call.Text(building::text::Glue);
        return ProtocolOutcome::Number(surface / UnitOfMeasureOf(call.unitScaleCode).perSquareMetre * kGluePerSquareMetre,
                                       label, label + QStringLiteral(" (kg)"));
    }
    // A slab side of zero raises the division-by-zero error.
    return ProtocolOutcome::Number(CeilShown(CheckedQuotient(surface, length * width)), call.FormulaLabel(),
                                   call.ShownLabel());
}

} // namespace

const ProtocolCalculator SlabsCalculator{
    .acceptsInput = AcceptsSlabLength,
    .compute = ComputeSlabs,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::ByCheck,
};

} // namespace tornavel
