#pragma once

#include "core/description.h"
#include "core/history.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tornavel {

// What the history reads of a calculator's lists, from its row.

// The list input that replaying `entry` refills: its rows, and the row to select
// (-1: none, also for a stored choice outside the list). None for a calculator
// without a list.
struct HistoryListRefill {
    QStringList rows;
    int selection = -1;
};
std::optional<HistoryListRefill> HistoryListRefillOf(const CalculatorDescription& row, const HistoryEntry& entry,
                                                     const QString& separator);

// The name of the choice that identifies an entry in the history menu, for the
// calculators whose first input is a list choice; none for the others or for a
// choice outside the list.
std::optional<QString> HistoryChoiceName(const CalculatorDescription& row, const HistoryEntry& entry,
                                         const QString& separator);

} // namespace tornavel
