#include "core/tables.h"

#include <climits>
#include <cmath>

namespace tornavel {

// ---------------------------------------------------------------------------
// Stored choices
// ---------------------------------------------------------------------------

std::optional<int> TruncatedIndex(double storedValue)
{
    if (!std::isfinite(storedValue))
        return std::nullopt;
    const double whole = std::trunc(storedValue);
    if (whole < static_cast<double>(INT_MIN) || whole > static_cast<double>(INT_MAX))
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace tornavel
