#include "calculators/electrical/fixed_units.h"

#include "core/tables.h"

#include <charconv>
#include <cmath>

namespace tornavel::fixedunits {

QString NoValueMessage()
{
    return QStringLiteral("Aucun résultat valide pour ces paramètres !");
}

long double RoundedTo15Digits(long double value)
{
    if (!std::isfinite(value) || value == 0.0L)
        return value;
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    long double rounded = value;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

std::optional<int> StoredChoice(double stored, int count)
{
    const auto index = TruncatedIndex(static_cast<double>(RoundedTo15Digits(stored)));
    if (!index || *index < 0 || *index >= count)
        return std::nullopt;
    return index;
}

int OwnOption(int sharedSelection, int optionCount)
{
    return sharedSelection >= 0 && sharedSelection < optionCount ? sharedSelection : 0;
}

} // namespace tornavel::fixedunits
