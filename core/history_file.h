#pragma once

#include "core/history.h"

#include <QByteArray>


namespace tornavel {

// The history file CLS.dat: a little-endian signed 32-bit index of the newest entry
// (-1 for an empty history), then that many entries plus one, oldest first, 168 bytes
// each:
//   0   Number      int32
//   4   Text        108 bytes of Windows-1252, NUL-terminated (at most 107 characters)
//   112 Inputs      six IEEE-754 doubles
//   160 TermIndex   int32
//   164 UnitScale   int32
inline constexpr int HistoryRecordSize = 168;
inline constexpr int HistoryTextBytes = 108;
inline constexpr int HistoryTextMaxLength = HistoryTextBytes - 1;
// A history file is at most 3364 bytes; a longer one is read no further than this.
inline constexpr qint64 kMaxHistoryFileBytes = 1 << 20;

QByteArray EncodeHistory(const History& history);

class CalculatorRegistry;

// Reads the bytes of a history file. A count below -1 gives an empty history; a
// record cut short by the end of the file is dropped, and so is every record that
// could not be replayed safely (see IsUsableHistoryEntry). Of more than twenty
// usable records, the newest twenty are kept. What each calculator's entries hold is
// read from its row in `rows`; without rows, every entry holds its inputs up to its
// term index.
History DecodeHistory(const QByteArray& bytes, const CalculatorRegistry* rows = nullptr);

// The history to write at close when another run on the same folder may have written
// the file since this run read it: the entries the file holds now (`onDisk`), then the
// entries this run added (the last `session.NewEntryCount` of `session`), of which the
// newest twenty are kept. When the file still holds what this run read, that is this
// run's history unchanged.
History MergeHistoryAtClose(const History& onDisk, const History& session);

// True when an entry read from a file can be shown and replayed: a calculator of the rows,
// term index 0-5, one of the four unit codes, finite inputs where they carry meaning
// (a calculator that keeps a key code in an input needs a whole number there), and,
// for the calculators whose first input is a list choice, a choice inside its list
// (the entry names it in the history menu).
bool IsUsableHistoryEntry(const HistoryEntry& entry, const CalculatorRegistry* rows = nullptr);

} // namespace tornavel
