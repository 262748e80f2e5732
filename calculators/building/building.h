#pragma once

// The building calculators of the input protocol: their rows and formulas. Each
// calculator's description row carries its protocol row in its keys (descriptions.cpp).

#include "calculators/protocol/protocol.h"

namespace tornavel {

extern const ProtocolCalculator RafterSectionCalculator;  // 17 (rafters.cpp)
extern const ProtocolCalculator RafterSpacingCalculator;  // 18 (rafters.cpp)
extern const ProtocolCalculator TileGaugeCalculator;      // 19 (tile_gauge.cpp)
extern const ProtocolCalculator RoofCalculator;           // 21 (roof.cpp)
extern const ProtocolCalculator ConcreteCalculator;       // 23 (concrete.cpp)
extern const ProtocolCalculator SlabsCalculator;          // 24 (slabs.cpp)
extern const ProtocolCalculator CeilingPaintCalculator;   // 25 (finishing_rows.cpp)
extern const ProtocolCalculator WallPaintCalculator;      // 26
extern const ProtocolCalculator WallpaperCalculator;      // 27
extern const ProtocolCalculator WallPanellingCalculator;  // 28
extern const ProtocolCalculator GablePanellingCalculator; // 29
extern const ProtocolCalculator ParquetCalculator;        // 30
extern const ProtocolCalculator StairsCalculator;         // 31

} // namespace tornavel
