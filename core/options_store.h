#pragma once

// The user's options and the file that keeps them between runs (Options.dat).

#include "core/description.h"
#include "core/options.h"

#include <QString>

namespace tornavel {

class OptionsStore {
public:
    // The default calculator and the favourites read from the file must be calculators
    // of `descriptions`.
    explicit OptionsStore(const CalculatorRegistry& descriptions) : descriptions(descriptions) {}

    Options& Values() { return options; }
    const Options& Values() const { return options; }
    // Name of the file, in the current directory unless set otherwise.
    QString& FilePath() { return filePath_; }
    const QString& FilePath() const { return filePath_; }

    // Fills the unit suffixes from the unit of measure.
    void UpdateUnitLabels();
    // false when the file could not be read or written; the values then keep their
    // defaults. A file that is there but could not be read (not a regular file, no
    // permission) is not replaced; a failed save says why in `reason`, in French.
    bool Load(const QString& path);
    bool Save(const QString& path, QString* reason = nullptr) const;

private:
    const CalculatorRegistry& descriptions;
    Options options;
    QString filePath_ = QStringLiteral("Options.dat");
};

} // namespace tornavel
