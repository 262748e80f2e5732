#pragma once

// The reference table of the geometry calculators: the side counts of the polygon.

#include "core/tables.h"

#include <cstdint>

namespace tornavel {

inline constexpr int PolygonSideRowCount = 2;

extern const Table<std::int32_t, PolygonSideRowCount> PolygonSides; // by list row

} // namespace tornavel
