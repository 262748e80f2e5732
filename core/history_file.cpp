#include "core/history_file.h"

#include "core/history_book.h"
#include "platform/folder_lock.h"
#include "platform/save_file.h"
#include "platform/little_endian.h"
#include "core/options.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

#include <QFileInfo>
#include <QThread>

namespace tornavel {

namespace {

// How long a close waits for another program on the same folder to finish writing the
// history file. A merge takes milliseconds; a holder that keeps the lock this long is
// stuck, and the close goes on without it rather than hold the logout up.
constexpr int kHistoryLockWaitMs = 2000;

// Where the file system cannot swap two files in one step, a save made without the lock
// reads the file again this long after replacing it: a program that checked the file
// just before that replace and replaced it just after has done so by then, and what it
// left out is merged again.
constexpr unsigned long kUnguardedSettleMs = 100;

// Every round that starts again does so because another program replaced the file
// meanwhile, and a round ends the save once what came out adds nothing: this many is
// only a guard. Past it, what came out stays on disk for the next close.
constexpr int kMaxSaveRounds = 64;

// The entries of a history, each as the bytes it is written as.
QList<QByteArray> Records(const History& history)
{
    const QByteArray bytes = EncodeHistory(history);
    QList<QByteArray> records;
    for (int k = 0; k <= history.LastHistoryIndex; ++k)
        records << bytes.mid(4 + qsizetype(HistoryRecordSize) * k, HistoryRecordSize);
    return records;
}

// Takes one `record` out of `records`; false when there is none.
bool TakeOne(QList<QByteArray>& records, const QByteArray& record)
{
    const qsizetype at = records.indexOf(record);
    if (at >= 0)
        records.removeAt(at);
    return at >= 0;
}

// True when `now` begins with the newest entries of `written` (all of them, or the
// newest ones when later saves pushed the oldest out), as every save that read
// `written` leaves it. A save that read an older file leaves what it read instead.
bool KeepsTheTailOf(const History& now, const History& written)
{
    const QList<QByteArray> a = Records(written);
    const QList<QByteArray> b = Records(now);
    for (qsizetype overlap = std::min(a.size(), b.size()); overlap > 0; --overlap) {
        if (a.mid(a.size() - overlap) == b.first(overlap))
            return true;
    }
    return false;
}

// The entries of `replaced` that neither `placed` (what the save placed, that
// `replaced` may have been built on) nor `read` holds, in their order: those that the
// program which wrote `replaced` added. An entry is known as many times as it is in
// whichever of the two holds it more often, so that another program's calculation that
// is the same as one already there is still added.
History AddedBy(const History& replaced, const History& placed, const History& read)
{
    QList<QByteArray> known = Records(placed);
    QList<QByteArray> unmatched = known;
    for (const QByteArray& record : Records(read)) {
        if (!TakeOne(unmatched, record))
            known << record;
    }
    const QList<QByteArray> records = Records(replaced);
    History added;
    int count = 0;
    for (int k = 0; k < records.size(); ++k) {
        if (!TakeOne(known, records[k]))
            added.HistoryEntries[static_cast<size_t>(count++)] = replaced.HistoryEntries[static_cast<size_t>(k)];
    }
    added.LastHistoryIndex = count - 1;
    added.NewEntryCount = count;
    return added;
}

// `history` without its newest `count` entries.
History Older(const History& history, int count)
{
    History older = history;
    older.LastHistoryIndex = std::max(-1, history.LastHistoryIndex - std::max(count, 0));
    older.NewEntryCount = 0;
    return older;
}

// The entries of `leftover` that `onDisk` lacks: those that the close which left it had
// not got into the file. From a full file, the entries older than the first of the
// leftover's that it holds were pushed out by newer ones, and are not added again.
History NotIn(const History& onDisk, const History& leftover)
{
    History rest = leftover;
    if (onDisk.LastHistoryIndex + 1 == HistoryCapacity) {
        const QList<QByteArray> known = Records(onDisk);
        const QList<QByteArray> records = Records(leftover);
        const auto held = std::find_if(records.cbegin(), records.cend(),
                                       [&known](const QByteArray& record) { return known.contains(record); });
        const auto older = static_cast<int>(held == records.cend() ? 0 : held - records.cbegin());
        std::move(leftover.HistoryEntries.cbegin() + older, leftover.HistoryEntries.cend(),
                  rest.HistoryEntries.begin());
        rest.LastHistoryIndex -= older;
    }
    return AddedBy(rest, onDisk, onDisk);
}

// `onDisk` with `rest`, the entries of a leftover `leftover` older than the file, after
// its own. Where they do not all fit, the first to drop are the file's entries that the
// leftover holds too (older than it), then the leftover's, and only then the file's
// others, placed after the leftover was left.
History WithOlder(const History& onDisk, const History& leftover, const History& rest)
{
    QList<QByteArray> shared = Records(leftover);
    std::vector<std::pair<int, HistoryEntry>> ranked;  // (age rank, entry), in order
    for (const QByteArray& record : Records(onDisk))
        ranked.emplace_back(TakeOne(shared, record) ? 0 : 2, onDisk.HistoryEntries[ranked.size()]);
    for (int k = 0; k <= rest.LastHistoryIndex; ++k)
        ranked.emplace_back(1, rest.HistoryEntries[static_cast<size_t>(k)]);
    for (int rank = 0; rank < 3 && ranked.size() > static_cast<size_t>(HistoryCapacity); ++rank) {
        for (auto it = ranked.begin(); it != ranked.end() && ranked.size() > static_cast<size_t>(HistoryCapacity);)
            it = it->first == rank ? ranked.erase(it) : it + 1;
    }
    History merged;
    for (const auto& [rank, entry] : ranked)
        merged.HistoryEntries[static_cast<size_t>(++merged.LastHistoryIndex)] = entry;
    return merged;
}

// `onDisk` (written at `onDiskModified`, -1 for no file) with what the `leftovers` hold
// that it lacks, the oldest leftover first, each after what is there: one older than the
// file pushes out none of the entries placed after it was left (WithOlder).
History WithLeftovers(History onDisk, long long onDiskModified, const std::vector<TakenFile>& leftovers,
                      const CalculatorRegistry& rows)
{
    for (const TakenFile& file : leftovers) {
        const History leftover = DecodeHistory(file.Bytes(), &rows);
        const History rest = NotIn(onDisk, leftover);
        onDisk = file.Modified() < onDiskModified ? WithOlder(onDisk, leftover, rest)
                                                  : MergeHistoryAtClose(onDisk, rest);
    }
    onDisk.NewEntryCount = 0;
    return onDisk;
}

// Sets the count of `history`'s entries that the file at the path lacks, at most all.
void CountNew(History& history, int count)
{
    history.NewEntryCount = std::clamp(count, 0, history.LastHistoryIndex + 1);
}

void RemoveAll(std::vector<TakenFile>& files)
{
    for (TakenFile& file : files)
        file.Remove();
    files.clear();
}

HistoryEntry DecodeRecord(const char* p)
{
    HistoryEntry entry;
    entry.Number = ReadInt32(p);
    const char* text = p + 4;
    const void* nul = std::memchr(text, 0, HistoryTextBytes);
    // Without a NUL the text still ends within its 108 bytes.
    const int length = nul ? static_cast<int>(static_cast<const char*>(nul) - text) : HistoryTextMaxLength;
    entry.Text = DecodeWindows1252(QByteArray(text, length));
    for (int i = 0; i < MaxInputs; ++i)
        entry.Inputs[static_cast<size_t>(i)] = ReadDouble(p + 112 + 8 * i);
    entry.TermIndex = ReadInt32(p + 160);
    entry.UnitScale = ReadInt32(p + 164);
    return entry;
}

// What an entry of a calculator holds, as its row says; without rows, its inputs up to
// its term index and nothing else.
struct EntryShape {
    bool keepsInputs = true;
    int keyCodeInput = -1;
    int firstListRows = 0;  // rows of a first input chosen in a list, 0 when typed
};

EntryShape ShapeOf(const HistoryEntry& entry, const CalculatorRegistry* rows)
{
    EntryShape shape;
    if (!rows)
        return shape;
    const CalculatorDescription& row = rows->Of(entry.Number);
    shape.keepsInputs = row.historyKeepsInputs;
    if (row.historyKeyCodeInput >= 0 && row.historyKeyCodeInput < MaxInputs)
        shape.keyCodeInput = row.historyKeyCodeInput;
    // The number of rows does not depend on the decimal separator.
    if (!row.inputs.empty() && row.inputs[0].list && row.inputs[0].rows)
        shape.firstListRows = static_cast<int>(row.inputs[0].rows(InputValues{}, QStringLiteral(",")).size());
    return shape;
}

// Inputs that carry no meaning are not checked; a value there that is not finite is
// replaced so that nothing downstream ever meets it.
void ClearMeaninglessInputs(HistoryEntry& entry, const EntryShape& shape)
{
    for (int i = 0; i < MaxInputs; ++i) {
        const bool meaningful = (shape.keepsInputs && i <= entry.TermIndex) || i == shape.keyCodeInput;
        double& value = entry.Inputs[static_cast<size_t>(i)];
        if (!meaningful && !std::isfinite(value))
            value = 0.0;
    }
}

} // namespace

bool IsUsableHistoryEntry(const HistoryEntry& entry, const CalculatorRegistry* rows)
{
    // A calculator the catalogue lacks cannot be shown; without the rows, any number.
    if (rows ? !rows->Has(entry.Number) : entry.Number < 0)
        return false;
    if (entry.TermIndex < 0 || entry.TermIndex >= MaxInputs)
        return false;
    if (!IsUnitScaleCode(entry.UnitScale))
        return false;
    const EntryShape shape = ShapeOf(entry, rows);
    if (shape.keepsInputs) {
        for (int i = 0; i <= entry.TermIndex; ++i) {
            if (!std::isfinite(entry.Inputs[static_cast<size_t>(i)]))
                return false;
        }
    }
    if (shape.keyCodeInput >= 0 && !TruncatedIndex(entry.Inputs[static_cast<size_t>(shape.keyCodeInput)]))
        return false;
    if (shape.firstListRows > 0) {
        const std::optional<int> row = TruncatedIndex(entry.Inputs[0]);
        if (!row || *row < 0 || *row >= shape.firstListRows)
            return false;
    }
    return true;
}

QByteArray EncodeHistory(const History& history)
{
    const int last = std::clamp(history.LastHistoryIndex, -1, HistoryCapacity - 1);
    QByteArray out;
    out.reserve(4 + HistoryRecordSize * (last + 1));
    AppendInt32(out, last);
    for (int k = 0; k <= last; ++k) {
        const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(k)];
        AppendInt32(out, entry.Number);
        QByteArray text = EncodeWindows1252(entry.Text.left(HistoryTextMaxLength));
        text.resize(HistoryTextBytes, '\0');
        out.append(text);
        for (double value : entry.Inputs)
            AppendDouble(out, value);
        AppendInt32(out, entry.TermIndex);
        AppendInt32(out, entry.UnitScale);
    }
    return out;
}

History DecodeHistory(const QByteArray& bytes, const CalculatorRegistry* rows)
{
    History history;
    if (bytes.size() < 4)
        return history;
    const qint64 count = qint64(ReadInt32(bytes.constData())) + 1;
    const qint64 present = (bytes.size() - 4) / HistoryRecordSize;
    const qint64 records = std::min(count, present);

    std::deque<HistoryEntry> kept;
    for (qint64 k = 0; k < records; ++k) {
        HistoryEntry entry = DecodeRecord(bytes.constData() + 4 + HistoryRecordSize * k);
        if (!IsUsableHistoryEntry(entry, rows))
            continue;
        ClearMeaninglessInputs(entry, ShapeOf(entry, rows));
        kept.push_back(entry);
        if (kept.size() > static_cast<size_t>(HistoryCapacity))
            kept.pop_front();
    }
    for (size_t k = 0; k < kept.size(); ++k)
        history.HistoryEntries[k] = kept[k];
    history.LastHistoryIndex = static_cast<int>(kept.size()) - 1;
    return history;
}

History MergeHistoryAtClose(const History& onDisk, const History& session)
{
    std::deque<HistoryEntry> entries;
    for (int k = 0; k <= onDisk.LastHistoryIndex && k < HistoryCapacity; ++k)
        entries.push_back(onDisk.HistoryEntries[static_cast<size_t>(k)]);
    const int last = std::min(session.LastHistoryIndex, HistoryCapacity - 1);
    const int added = std::clamp(session.NewEntryCount, 0, last + 1);
    for (int k = last + 1 - added; k <= last; ++k)
        entries.push_back(session.HistoryEntries[static_cast<size_t>(k)]);
    while (entries.size() > static_cast<size_t>(HistoryCapacity))
        entries.pop_front();

    History merged;
    std::copy(entries.begin(), entries.end(), merged.HistoryEntries.begin());
    merged.LastHistoryIndex = static_cast<int>(entries.size()) - 1;
    // The newest entries are still this run's: a save that fails and is tried again adds them once.
    merged.NewEntryCount = std::min(added, static_cast<int>(entries.size()));
    return merged;
}

void HistoryBook::Add(int number, const QString& text, const std::array<double, MaxInputs>& inputs, int termIndex,
                      int unitScale, int keyCode)
{
    if (!descriptions_.Has(number))
        return;
    auto& entries = history_.HistoryEntries;
    int slot;
    if (history_.LastHistoryIndex < HistoryCapacity - 1) {
        slot = ++history_.LastHistoryIndex;
    } else {
        // Full: the oldest entry drops off and the others move down one place.
        std::move(entries.begin() + 1, entries.end(), entries.begin());
        slot = HistoryCapacity - 1;
    }

    HistoryEntry& entry = entries[static_cast<size_t>(slot)];
    const int term = std::clamp(termIndex, 0, MaxInputs - 1);
    entry.Number = number;
    entry.Text = text.left(HistoryTextMaxLength);
    const CalculatorDescription& row = descriptions_.Of(number);
    if (row.historyKeepsInputs) {
        for (int i = 0; i <= term; ++i)
            entry.Inputs[static_cast<size_t>(i)] = inputs[static_cast<size_t>(i)];
    }
    // The function chosen goes with the entry, so that a replay finds it.
    if (row.historyKeyCodeInput >= 0 && row.historyKeyCodeInput < MaxInputs)
        entry.Inputs[static_cast<size_t>(row.historyKeyCodeInput)] = keyCode;
    entry.TermIndex = term;
    entry.UnitScale = unitScale;
    history_.NewEntryCount = std::min(history_.NewEntryCount + 1, HistoryCapacity);
}

bool HistoryBook::Load(const QString& path)
{
    history_ = History{};
    QByteArray bytes;
    FileVersion version;
    const FileReadStatus status = ReadRegularFile(path, kMaxHistoryFileBytes, bytes, &version);
    if (status == FileReadStatus::Unreadable) {
        history_.FileUnreadable = true;
        return false;
    }
    // What closes that ended midway left waits for the next close to place it; it is shown
    // meanwhile, as that close will place it.
    history_ = WithLeftovers(DecodeHistory(bytes, &descriptions_), version.Modified(),
                             TakeLeftovers(path, kMaxHistoryFileBytes), descriptions_);
    return status == FileReadStatus::Read;
}

bool HistoryBook::Save(const QString& path, QString* reason)
{
    // A file that could not be read at the start keeps what it holds.
    if (history_.FileUnreadable) {
        if (reason)
            *reason = UnreadableFileKeptReason();
        return false;
    }
    // Programs closing together on one folder take turns from the read to the replace,
    // in the folder the files are in (a link's). The turn is only a courtesy: a holder may
    // stall past the wait, and some folders cannot be locked. What keeps every program's
    // entries is the exchange below.
    const QString target = SaveTarget(path);
    const FolderLock turn(QFileInfo(target.isEmpty() ? path : target).path(), kHistoryLockWaitMs);
    // Files whose entries are not at the path yet, which stay on disk until they are:
    // those left by closes that ended midway, then what came out of this one's exchanges.
    std::vector<TakenFile> leftovers = TakeLeftovers(path, kMaxHistoryFileBytes);
    std::vector<TakenFile> cameOut;
    const int own = history_.NewEntryCount;
    // Another Tornavel on the same folder may have closed since this one started.
    QByteArray bytes;
    FileVersion expected;
    if (!ReadAndMerge(path, bytes, expected, reason, leftovers))
        return false;
    History read = DecodeHistory(bytes, &descriptions_);
    bool placed = false;
    // Once this run's entries are at the path, so is everything that fails to follow.
    const auto saved = [&] {
        history_.NewEntryCount = 0;
        if (reason)
            reason->clear();
        return true;
    };
    for (int round = 1; round <= kMaxSaveRounds; ++round) {
        // Before this run's entries were ever at the path, no file that comes out can hold
        // them: one of its entries that is the same as one of this run's is another's.
        const History known = placed ? history_ : Older(history_, own);
        FileExchange swap = ExchangeFile(path, EncodeHistory(history_), expected, kMaxHistoryFileBytes, reason,
                                         saveStepHook_);
        switch (swap.outcome) {
        case ExchangeOutcome::Failed:
            return placed && saved();
        case ExchangeOutcome::Unsupported:
            if (!SaveByRename(path, turn.Held(), reason, leftovers))
                return placed && saved();
            RemoveAll(leftovers);
            return saved();
        case ExchangeOutcome::Changed:
            // The file went, or one came where there was none: start again from it.
            if (!ReadAndMerge(path, bytes, expected, reason, leftovers))
                return placed && saved();
            read = DecodeHistory(bytes, &descriptions_);
            continue;
        case ExchangeOutcome::Placed:
            placed = true;
            break;
        }
        RemoveAll(leftovers);
        RemoveAll(cameOut);
        if (!swap.cameOut.Held())
            break;
        // Another program replaced the file between this one's read and its swap; what it
        // wrote came out of the swap. The entries it added go after what is at the path
        // now, and the swap is made again, expecting this one's file there.
        const History added = AddedBy(DecodeHistory(swap.cameOut.Bytes(), &descriptions_), known, read);
        if (added.NewEntryCount == 0) {
            swap.cameOut.Remove();
            break;
        }
        // Past the guard, it stays on disk, where the next start shows it and the next
        // close places it.
        if (round == kMaxSaveRounds)
            break;
        cameOut.push_back(std::move(swap.cameOut));
        expected = std::move(swap.placed);
        // Should the file go and come back before the next swap, every entry placed so
        // far goes again after what it then holds.
        const int fresh = history_.NewEntryCount + added.NewEntryCount;
        history_ = MergeHistoryAtClose(history_, added);
        CountNew(history_, fresh);
    }
    // A file that went and came back at every round never took this run's entries.
    if (!placed) {
        if (reason)
            *reason = QStringLiteral("le fichier ne peut pas être remplacé");
        return false;
    }
    return saved();
}

bool HistoryBook::ReadAndMerge(const QString& path, QByteArray& bytes, FileVersion& version, QString* reason,
                               const std::vector<TakenFile>& leftovers)
{
    const FileReadStatus now = ReadRegularFile(path, kMaxHistoryFileBytes, bytes, &version);
    if (now == FileReadStatus::Unreadable) {
        if (reason)
            *reason = UnreadableFileKeptReason();
        return false;
    }
    // A history file that cannot be opened for writing is not replaced either.
    if (now == FileReadStatus::Read && !MayBeWritten(path, reason))
        return false;
    // The leftovers are merged again at every read, as they are on disk until placed; the
    // entries counted new are this run's and those that came out of its exchanges.
    const History onDisk = now == FileReadStatus::Read ? DecodeHistory(bytes, &descriptions_)
                                                       : Older(history_, history_.NewEntryCount);
    history_ = MergeHistoryAtClose(WithLeftovers(onDisk, version.Modified(), leftovers, descriptions_), history_);
    return true;
}

bool HistoryBook::SaveByRename(const QString& path, bool locked, QString* reason,
                               const std::vector<TakenFile>& leftovers)
{
    for (int round = 1;; ++round) {
        QByteArray bytes;
        FileVersion read;
        if (!ReadAndMerge(path, bytes, read, reason, leftovers))
            return false;
        const QByteArray written = EncodeHistory(history_);
        // The file replaces the one read only if that one is still there; else the round
        // starts again from the file as it is now.
        const bool lastRound = round == kMaxSaveRounds;
        const ReplaceOutcome outcome = lastRound
            ? (ReplaceFile(path, written, reason) ? ReplaceOutcome::Replaced : ReplaceOutcome::Failed)
            : ReplaceFileIfUnchanged(path, written, read, reason, saveStepHook_);
        if (outcome == ReplaceOutcome::Failed)
            return false;
        if (outcome == ReplaceOutcome::Changed)
            continue;
        if (locked || history_.NewEntryCount == 0 || lastRound)
            break;
        // Unguarded, the check and the replace are two steps, and another program's
        // replace may fall between them. It has happened if the file no longer begins
        // with what was written; this run's entries are then added again.
        QThread::msleep(kUnguardedSettleMs);
        const FileReadStatus after = ReadRegularFile(path, kMaxHistoryFileBytes, bytes);
        if (after == FileReadStatus::Unreadable
            || (after == FileReadStatus::Read
                && KeepsTheTailOf(DecodeHistory(bytes, &descriptions_), DecodeHistory(written, &descriptions_))))
            break;
    }
    history_.NewEntryCount = 0;
    return true;
}

} // namespace tornavel
