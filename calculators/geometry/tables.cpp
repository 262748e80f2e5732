#include "calculators/geometry/tables.h"

namespace tornavel {

constinit const Table<std::int32_t, PolygonSideRowCount> PolygonSides{{5, 6}};

} // namespace tornavel
