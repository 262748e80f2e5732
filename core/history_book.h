#pragma once

// The history of calculations and the file that keeps it between runs (CLS.dat).

#include "core/description.h"
#include "core/history.h"
#include "core/key_state.h"

#include <QString>

#include <functional>

namespace tornavel {

class FileVersion;

class HistoryBook {
public:
    explicit HistoryBook(const CalculatorRegistry& descriptions) : descriptions_(descriptions) {}
    HistoryBook(const HistoryBook&) = delete;
    HistoryBook& operator=(const HistoryBook&) = delete;

    const History& Values() const { return history_; }
    // Name of the file, in the current directory unless set otherwise.
    const QString& FilePath() const { return filePath_; }
    void SetFilePath(const QString& path) { filePath_ = path; }

    // Adds a finished calculation of calculator `number` (one of the descriptions; any
    // other number adds nothing) after the newest entry; when the twenty entries are
    // there, the oldest drops off. The text keeps its first 107 characters; the inputs
    // up to the term index are kept when the calculator's row says so, and `keyCode`
    // goes into the input where the row keeps the function chosen. It counts as new
    // (see History::NewEntryCount).
    void Add(int number, const QString& text, const std::array<double, MaxInputs>& inputs, int termIndex,
             int unitScale, int keyCode);
    // A calculation of this run, recorded as Add does with the last key code as the
    // keys stand before its result; a replay or a re-run records nothing.
    void Record(int number, const QString& text, const std::array<double, MaxInputs>& inputs, int termIndex,
                int unitScale, const KeyState& keys)
    {
        if (!keys.RecomputingFlag())
            Add(number, text, inputs, termIndex, unitScale, keys.LastKeyCode());
    }

    // false when the file could not be read; the history is then empty.
    bool Load(const QString& path);
    // Reads the history file again and writes what it holds now followed by this run's
    // new entries (see MergeHistoryAtClose); a file gone meanwhile is written from this
    // run's history. The history then is what was written, or tried. Other programs
    // saving into the same folder wait their turn (a lock on the folder), or are waited
    // for a short while at most. Whether the lock was had or not, the new file is swapped
    // with the one at the path in one step; when what came out is not the file read,
    // the entries another program added to it are merged in and the swap made again.
    // Where the file system cannot swap, the file replaces the one read only if that
    // one is still there, and a save made without the lock checks afterwards that its
    // entries stayed.
    bool Save(const QString& path, QString* reason = nullptr);

    // Runs at the last instant before each save puts its file in place. For tests that
    // make a save stall at that point.
    void SetPauseBeforeReplace(std::function<void()> pause) { pauseBeforeReplace_ = std::move(pause); }

private:
    // Reads the file at `path` (kept in `version`) and merges this run's new entries
    // after its entries; false, with the reason, when something there cannot be read.
    bool ReadAndMerge(const QString& path, QByteArray& bytes, FileVersion& version, QString* reason);
    // Save on a file system that cannot swap two files in one step.
    bool SaveByRename(const QString& path, bool locked, QString* reason);

    const CalculatorRegistry& descriptions_;
    History history_;
    QString filePath_ = QStringLiteral("CLS.dat");
    std::function<void()> pauseBeforeReplace_;
};

} // namespace tornavel
