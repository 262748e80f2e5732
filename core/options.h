#pragma once

#include "core/units.h"

#include <QString>
#include <array>

namespace tornavel {

// Which unit suffix a prompt or label carries. RafterSection names a rafter section,
// which is given in inches when the unit is the inch and in centimetres otherwise.
enum class UnitSuffix { None, Length, Area, Volume, Yield, Angle, RafterSection };

// Slots of the favourites menu.
inline constexpr int FavouriteSlotCount = 5;

// The user's options, saved in Options.dat.
struct Options {
    int UnitScaleCode = 10;       // 1 mm, 10 cm, 25 inch, 1000 m
    int UnitDisplayOption = 0;    // 0 units shown when needed, 1 always
    int DefaultCalculator = 0;
    std::array<int, FavouriteSlotCount> Favourites{-1, -1, -1, -1, -1};
    bool OptionsChanged = false;
    // The options file exists but could not be read: it is not replaced at close.
    bool FileUnreadable = false;

    QString LengthUnitSuffix = QStringLiteral("(cm)");
    QString AreaUnitSuffix = QStringLiteral("(cm2)");
    QString VolumeUnitSuffix = QStringLiteral("(cm3)");
    QString YieldUnitSuffix = QStringLiteral("(cm2/l)");
};

} // namespace tornavel
