#include "calculators/building/building.h"
#include "calculators/protocol/families.h"

#include <array>

namespace tornavel {

std::span<const ProtocolCalculator* const> BuildingProtocolRows()
{
    static const std::array<const ProtocolCalculator*, 13> rows{
        &RafterSectionCalculator, &RafterSpacingCalculator,  &TileGaugeCalculator,     &RoofCalculator,
        &ConcreteCalculator,      &SlabsCalculator,          &CeilingPaintCalculator,  &WallPaintCalculator,
        &WallpaperCalculator,     &WallPanellingCalculator,  &GablePanellingCalculator, &ParquetCalculator,
        &StairsCalculator,
    };
    return rows;
}

} // namespace tornavel
