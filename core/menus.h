#pragma once

#include "core/state.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tornavel {

// The calculators menu PopupMCalculettes: 40 calculator items CalculetteK and four
// separators N1..N4, in display order. Item numbers K follow the menu, not the
// calculator numbers.
struct CalculatorMenuEntry {
    const char* name;  // objectName of the menu item or separator
    int item;          // K of CalculetteK, -1 for a separator
    int captionId;     // string number of the caption, -1 for a separator
    int calculator;    // calculator opened by the item, -1 for a separator
};

inline constexpr int CalculatorMenuEntryCount = 44;
inline constexpr int CalculatorMenuItemCount = 40;

const std::array<CalculatorMenuEntry, CalculatorMenuEntryCount>& CalculatorMenuEntries();

// Calculator number opened by menu item K, or -1 outside 0..39.
int CalculatorOfMenuItem(int item);
// Menu item K that opens calculator N, or -1 outside 0..39.
int MenuItemOfCalculator(int calculator);

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

namespace tornavel {

class StringTable;

// What the main window's menus and lists read of the calculator tables.
// The forty calculator titles by calculator number, from the string table in force.
std::array<QString, CalculatorCount> ReadCalculatorTitles(const StringTable& strings);
// True when the calculator on screen offers the other one in its sub-calculation list.
bool CollaborationOffers(int onScreen, int offered);
// True when a sub-calculation opened from this calculator shows its unit suffixes.
bool SubCalculationShowsUnits(int caller);

} // namespace tornavel
