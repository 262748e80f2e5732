#include "core/history_lists.h"

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

std::optional<HistoryListRefill> HistoryListRefillOf(const CalculatorDescription& row, const HistoryEntry& entry,
                                                     const QString& separator)
{
    if (entry.TermIndex < 0 || entry.TermIndex >= static_cast<int>(entry.Inputs.size()))
        return std::nullopt;
    const int input = row.replayList();
    if (input < 0)
        return std::nullopt;
    const InputDescription& list = row.inputs[static_cast<size_t>(input)];
    HistoryListRefill refill;
    if (list.rows)
        refill.rows = list.rows(entry.Inputs, separator);
    // A list of the first input selects the stored first input; any other the value
    // stored last.
    if (row.replaySelects) {
        const double stored = entry.Inputs[static_cast<size_t>(input == 0 ? 0 : entry.TermIndex)];
        refill.selection = RowOf(stored, refill.rows.size());
    }
    return refill;
}

std::optional<QString> HistoryChoiceName(const CalculatorDescription& row, const HistoryEntry& entry,
                                         const QString& separator)
{
    if (row.inputs.empty() || !row.inputs[0].list || !row.inputs[0].rows)
        return std::nullopt;
    const QStringList names = row.inputs[0].rows(entry.Inputs, separator);
    const int index = RowOf(entry.Inputs[0], names.size());
    if (index < 0)
        return std::nullopt;
    return names[index];
}

} // namespace tornavel
