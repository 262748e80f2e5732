#pragma once

#include "core/state.h"

#include <QString>
#include <vector>

namespace tornavel {

class CalculatorRegistry;
class StringTable;

// The calculators menu PopupMCalculettes is derived from the calculators' rows
// (CalculatorRegistry::Menu); its items are named CalculetteK and its separators N1,
// N2 ... Item numbers K follow the menu, not the calculator numbers.

// The titles by calculator number, from the string table in force.
std::vector<QString> ReadCalculatorTitles(const StringTable& strings, const CalculatorRegistry& rows);

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Where a pop-up menu of the menu bar opens: beside the right edge of its button, at
// the height of the button's top. Window left/top are the frame's outer position;
// frameHeight - clientHeight is the height of the title bar and borders above the
// client area.
ScreenPoint MenuPopupPosition(int windowLeft, int windowTop, int frameHeight, int clientHeight,
                              int buttonLeft, int buttonTop, int buttonWidth);

} // namespace tornavel
