// The history file CLS.dat, as read at start and before the close merges into it.

#include "core/history_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/catalogue.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace tornavel;

namespace {

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// At most twenty entries, each one the history menu can show and replay; the slots past
// the last are empty.
void CheckHistory(const History& history, const CalculatorRegistry* rows)
{
    FUZZ_CHECK(history.LastHistoryIndex >= -1 && history.LastHistoryIndex < HistoryCapacity,
               "last history index out of range");
    FUZZ_CHECK(history.NewEntryCount == 0 && !history.FileUnreadable, "a read history claims new entries");
    for (int k = 0; k < HistoryCapacity; ++k) {
        const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(k)];
        if (k > history.LastHistoryIndex) {
            FUZZ_CHECK(entry.Text.isEmpty() && entry.Number == HistoryEntry{}.Number, "an entry past the last");
            continue;
        }
        FUZZ_CHECK(IsUsableHistoryEntry(entry, rows), "an entry that cannot be replayed");
        FUZZ_CHECK(!rows || rows->Has(entry.Number), "an entry of an unknown calculator");
        FUZZ_CHECK(entry.TermIndex >= 0 && entry.TermIndex < MaxInputs, "term index out of range");
        FUZZ_CHECK(entry.Text.size() <= HistoryTextMaxLength, "an entry text too long");
        for (double value : entry.Inputs)
            FUZZ_CHECK(std::isfinite(value), "an input that is not a number reaches the engine");
    }
}

// What is read is written back as it was: a close that saves the history it read loses
// or changes nothing.
void CheckWrittenBack(const History& history, const CalculatorRegistry* rows)
{
    const History again = DecodeHistory(EncodeHistory(history), rows);
    FUZZ_CHECK(again.LastHistoryIndex == history.LastHistoryIndex, "entries lost when written back");
    for (int k = 0; k <= history.LastHistoryIndex; ++k) {
        const HistoryEntry& a = history.HistoryEntries[static_cast<size_t>(k)];
        const HistoryEntry& b = again.HistoryEntries[static_cast<size_t>(k)];
        bool same = a.Number == b.Number && a.Text == b.Text && a.TermIndex == b.TermIndex
                    && a.UnitScale == b.UnitScale;
        for (int i = 0; i < MaxInputs; ++i)
            same = same && SameBits(a.Inputs[static_cast<size_t>(i)], b.Inputs[static_cast<size_t>(i)]);
        FUZZ_CHECK(same, "an entry changed when written back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CalculatorRegistry& rows = AllCalculators().Rows();
    for (const CalculatorRegistry* shapes : {&rows, static_cast<const CalculatorRegistry*>(nullptr)}) {
        const History history = DecodeHistory(bytes, shapes);
        CheckHistory(history, shapes);
        CheckWrittenBack(history, shapes);
    }
    return 0;
}
