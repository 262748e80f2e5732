#pragma once

#include "core/history.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tornavel {

// What the history needs of the calculators' lists and name tables.

// The list input that replaying `entry` refills: its rows, and the row to select
// (-1: none, also for a stored choice outside the list). None for a calculator
// without a list to refill.
struct HistoryListRefill {
    QStringList rows;
    int selection = -1;
};
std::optional<HistoryListRefill> HistoryListRefillOf(const HistoryEntry& entry, const QString& separator);

// The name of the choice that identifies an entry in the history menu, for the
// calculators whose first input is a list choice (33, 35-38); none for the others or
// for a choice outside its table.
std::optional<QString> HistoryChoiceName(int number, double storedChoice);

} // namespace tornavel
