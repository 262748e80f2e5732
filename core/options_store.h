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
    explicit OptionsStore(const CalculatorRegistry& descriptions) : descriptions_(descriptions) {}

    const Options& Values() const { return options_; }
    // Name of the file, in the current directory unless set otherwise.
    const QString& FilePath() const { return filePath_; }
    void SetFilePath(const QString& path) { filePath_ = path; }

    // The unit of measure by its code (1, 10, 25, 1000), with its unit suffixes; any
    // other code keeps the unit there is. The suffixes are filled again either way.
    void SetUnitScale(int code);
    // 0: unit suffixes shown when needed, 1: always; anything else changes nothing.
    void SetUnitDisplay(int option);
    // The calculator opened at start-up.
    void SetDefaultCalculator(int number) { options_.DefaultCalculator = number; }
    // Favourite slot `slot` (0-4) holds calculator `number`, -1 for an empty slot; a
    // slot outside the five is ignored.
    void SetFavourite(int slot, int number);
    // Every favourite slot empty.
    void ClearFavourites() { options_.Favourites.fill(-1); }
    // The options changed during this run: they are saved at close.
    void MarkChanged() { options_.OptionsChanged = true; }
    // false when the file could not be read or written; the values then keep their
    // defaults. A file that is there but could not be read (not a regular file, no
    // permission) is not replaced; a failed save says why in `reason`, in French.
    bool Load(const QString& path);
    bool Save(const QString& path, QString* reason = nullptr) const;

private:
    // Fills the unit suffixes from the unit of measure.
    void UpdateUnitLabels();

    const CalculatorRegistry& descriptions_;
    Options options_;
    QString filePath_ = QStringLiteral("Options.dat");
};

} // namespace tornavel
