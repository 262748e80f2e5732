#pragma once

// The history of calculations and the file that keeps it between runs (CLS.dat).

#include "core/description.h"
#include "core/history.h"
#include "core/key_state.h"

#include <QString>

#include <functional>
#include <vector>

namespace tornavel {

class FileVersion;
class TakenFile;
enum class SaveStep;

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

    // false when the file could not be read; the history is then empty but for what files
    // left by closes that ended midway hold, shown as the next close will place them.
    bool Load(const QString& path);
    // Reads the history file again and writes what it holds now, then what files left by
    // closes that ended midway add to it (the oldest first; one older than the file pushes
    // out none of the entries placed after it), then this run's new entries (see
    // MergeHistoryAtClose); a file gone meanwhile is written from this run's history. The
    // history then is what was written, or tried. A file that cannot be opened for
    // writing is kept as it is. Other programs saving into the same folder wait their
    // turn (a lock on the folder), or are waited for a short while at most. Whether the
    // lock was had or not, the new file is swapped with the one at the path in one step;
    // when what came out is not the file read, it stays on disk while the entries another
    // program added to it are merged in and the swap made again. Where the file system
    // cannot swap, the file replaces the one read only if that one is still there, and a
    // save made without the lock checks afterwards that its entries stayed. True once
    // this run's entries are in the file, and then `reason` is empty. A file that another
    // program placed and this one's swap brought out is merged and swapped in again until
    // nothing more comes out; should that go on past a guard, it stays on disk for the next
    // start to show and the next close to place.
    bool Save(const QString& path, QString* reason = nullptr);

    // Runs at the steps of each save's putting its file in place. For tests that make a
    // save stall, fail or end at one of them.
    void SetSaveStepHook(std::function<void(SaveStep)> hook) { saveStepHook_ = std::move(hook); }

private:
    // Reads the file at `path` (kept in `version`), merges in what `leftovers` hold that
    // it lacks, then the new entries; false, with the reason, when something there cannot
    // be read or written.
    bool ReadAndMerge(const QString& path, QByteArray& bytes, FileVersion& version, QString* reason,
                      const std::vector<TakenFile>& leftovers);
    // Save on a file system that cannot swap two files in one step.
    bool SaveByRename(const QString& path, bool locked, QString* reason, const std::vector<TakenFile>& leftovers);

    const CalculatorRegistry& descriptions_;
    History history_;
    QString filePath_ = QStringLiteral("CLS.dat");
    std::function<void(SaveStep)> saveStepHook_;
};

} // namespace tornavel
