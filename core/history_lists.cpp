#include "core/history_lists.h"

#include "core/numbers.h"
#include "core/tables.h"

namespace tornavel {

namespace {

// A stored choice as a row of a list of `rows` rows, -1 outside it.
int RowOf(double stored, qsizetype rows)
{
    const std::optional<int> index = TruncatedIndex(stored);
    if (!index || *index < 0 || *index >= rows)
        return -1;
    return *index;
}

} // namespace

std::optional<HistoryListRefill> HistoryListRefillOf(const HistoryEntry& entry, const QString& separator)
{
    if (entry.TermIndex < 0 || entry.TermIndex >= static_cast<int>(entry.Inputs.size()))
        return std::nullopt;
    const double last = entry.Inputs[static_cast<size_t>(entry.TermIndex)];
    const double first = entry.Inputs[0];

    HistoryListRefill refill;
    const auto select = [&refill](double stored) { refill.selection = RowOf(stored, refill.rows.size()); };

    switch (entry.Number) {
    case 17: case 18:
        refill.rows = RafterLoadClasses.items();
        select(last);
        break;
    case 20:
        for (std::int32_t sides : PolygonSides)
            refill.rows << NumberToText(sides, separator);
        select(last);
        break;
    case 23:
        refill.rows = ConcreteTypeNames.items();
        select(last);
        break;
    case 25: case 26:
        // Refilling the list leaves it without a selection.
        refill.rows = SurfaceTypeNames.items();
        break;
    case 30:
        refill.rows = LayingPatternNames.items();
        select(last);
        break;
    case 33: {
        // The number of points of the circuit chosen in the input before the last.
        const int circuit = entry.TermIndex >= 1
                                ? RowOf(entry.Inputs[static_cast<size_t>(entry.TermIndex - 1)], CircuitCount)
                                : -1;
        if (const std::optional<std::int32_t> points = CircuitMaxPoints.at(circuit)) {
            for (std::int32_t p = 1; p <= *points; ++p)
                refill.rows << NumberToText(p, separator);
        }
        select(last);
        break;
    }
    case 34:
        refill.rows = PhaseNames.items();
        break;
    case 35:
        refill.rows = VolumeUnitNames.items();
        select(last);
        break;
    case 36:
        refill.rows = MaterialNames.items();
        select(first);
        break;
    case 37:
        refill.rows = TemperatureUnitNames.items();
        select(first);
        break;
    case 38:
        refill.rows = CapacityUnitNames.items();
        select(first);
        break;
    default:
        return std::nullopt;
    }
    return refill;
}

std::optional<QString> HistoryChoiceName(int number, double storedChoice)
{
    const QStringList names = FirstInputListRows(number);
    const int row = RowOf(storedChoice, names.size());
    if (row < 0)
        return std::nullopt;
    return names[row];
}

} // namespace tornavel
