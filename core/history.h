#pragma once

#include "core/state.h"

#include <QString>
#include <array>

namespace tornavel {

// The history keeps the last twenty calculations.
inline constexpr int HistoryCapacity = 20;

// One finished calculation, as kept in CLS.dat.
struct HistoryEntry {
    int Number = 0;
    QString Text;                    // at most 107 characters
    std::array<double, MaxInputs> Inputs{};
    int TermIndex = 0;
    int UnitScale = 10;
};

struct History {
    std::array<HistoryEntry, HistoryCapacity> HistoryEntries{};
    int LastHistoryIndex = -1;       // -1: empty
    // How many of the last entries this run added (at most twenty). Entries read from
    // the file are not new, nor is a replay, which adds nothing; only these are added
    // to the file at close, after what another run on the same folder put there.
    int NewEntryCount = 0;
    // The history file exists but could not be read: it is not replaced at close, so
    // that a passing read failure does not wipe the user's history.
    bool FileUnreadable = false;
};

} // namespace tornavel
