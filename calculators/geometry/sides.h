#pragma once

// The side counts offered in the polygon calculator's list, by list row.

#include <optional>

namespace tornavel {

// Number of rows of the list.
int PolygonSideRows();
// The side count of a row, or none for a row outside the list.
std::optional<int> PolygonSidesOfRow(int row);
// The row index a stored choice stands for (its integer part), or none for a value
// that cannot be an index.
std::optional<int> StoredListRow(double storedValue);

} // namespace tornavel
