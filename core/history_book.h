#pragma once

// The history of calculations and the file that keeps it between runs (CLS.dat).

#include "core/description.h"
#include "core/history.h"

#include <QString>

namespace tornavel {

class HistoryBook {
public:
    explicit HistoryBook(const CalculatorRegistry& descriptions) : descriptions(descriptions) {}
    HistoryBook(const HistoryBook&) = delete;
    HistoryBook& operator=(const HistoryBook&) = delete;

    History& Values() { return history; }
    const History& Values() const { return history; }
    // Name of the file, in the current directory unless set otherwise.
    QString& FilePath() { return filePath_; }
    const QString& FilePath() const { return filePath_; }

    // false when the file could not be read; the history is then empty.
    bool Load(const QString& path);
    // Reads the history file again and writes what it holds now followed by this run's
    // new entries (see MergeHistoryAtClose); a file gone meanwhile is written from this
    // run's history. The history then is what was written, or tried.
    bool Save(const QString& path, QString* reason = nullptr);

private:
    const CalculatorRegistry& descriptions;
    History history;
    QString filePath_ = QStringLiteral("CLS.dat");
};

} // namespace tornavel
