#pragma once

#include "core/description.h"

namespace tornavel {

namespace building {
// The codes that the compute keys leave in LastKeyCode and KeyClass after a result.
inline constexpr int RafterSectionResultCode = 14;
inline constexpr int RafterSpacingResultCode = 15;
inline constexpr int TileGaugeResultCode = 16;
inline constexpr int RoofResultCode = 17;
inline constexpr int StairsResultCode = 18;
inline constexpr int ConcreteResultCode = 19;
inline constexpr int SlabsResultCode = 20;
inline constexpr int PaintResultCode = 21;
inline constexpr int WallpaperResultCode = 22;
inline constexpr int PanellingResultCode = 23;
inline constexpr int ParquetResultCode = 25;
} // namespace building

// Registers the rows of the building and finishing calculators (17-19, 21, 23-31).
void InstallBuildingDescriptions(CalculatorRegistry& registry);

} // namespace tornavel
