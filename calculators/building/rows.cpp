#include "calculators/building/building.h"
#include "calculators/protocol/families.h"

#include <array>

namespace tornavel {

std::span<const ProtocolCalculator* const> BuildingProtocolRows()
{
    static const std::array<const ProtocolCalculator*, 6> rows{
        &RafterSectionCalculator, &RafterSpacingCalculator, &TileGaugeCalculator,
        &RoofCalculator,          &ConcreteCalculator,      &SlabsCalculator,
    };
    return rows;
}

} // namespace tornavel
