#include "calculators/geometry/sides.h"

#include "core/tables.h"

namespace tornavel {

int PolygonSideRows()
{
    return PolygonSides.size();
}

std::optional<int> PolygonSidesOfRow(int row)
{
    const std::optional<std::int32_t> sides = PolygonSides.at(row);
    if (!sides)
        return std::nullopt;
    return static_cast<int>(*sides);
}

std::optional<int> StoredListRow(double storedValue)
{
    return TruncatedIndex(storedValue);
}

} // namespace tornavel
