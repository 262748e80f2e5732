#include "core/menus.h"

#include "core/strings.h"
#include "core/tables.h"

namespace tornavel {

namespace {

constexpr CalculatorMenuEntry Item(const char* name, int item, int captionId, int calculator)
{
    return {name, item, captionId, calculator};
}

constexpr CalculatorMenuEntry Separator(const char* name)
{
    return {name, -1, -1, -1};
}

// Display order of the calculators menu.
constexpr std::array<CalculatorMenuEntry, CalculatorMenuEntryCount> kEntries{{
    Item("Calculette0", 0, 6, 0),
    Item("Calculette1", 1, 184, 39),
    Separator("N1"),
    Item("Calculette2", 2, 7, 1),
    Item("Calculette3", 3, 8, 2),
    Item("Calculette4", 4, 9, 3),
    Item("Calculette5", 5, 10, 4),
    Item("Calculette6", 6, 11, 5),
    Item("Calculette7", 7, 12, 6),
    Item("Calculette8", 8, 13, 7),
    Item("Calculette9", 9, 14, 8),
    Item("Calculette10", 10, 15, 9),
    Item("Calculette21", 21, 148, 20),
    Item("Calculette23", 23, 25, 22),
    Item("Calculette11", 11, 17, 11),
    Item("Calculette12", 12, 18, 12),
    Item("Calculette13", 13, 19, 13),
    Item("Calculette14", 14, 136, 14),
    Item("Calculette15", 15, 20, 15),
    Separator("N2"),
    Item("Calculette16", 16, 16, 10),
    Item("Calculette17", 17, 147, 16),
    Separator("N3"),
    Item("Calculette18", 18, 21, 17),
    Item("Calculette19", 19, 22, 18),
    Item("Calculette20", 20, 23, 19),
    Item("Calculette22", 22, 24, 21),
    Item("Calculette24", 24, 31, 31),
    Item("Calculette25", 25, 149, 28),
    Item("Calculette26", 26, 176, 29),
    Item("Calculette29", 29, 177, 30),
    Item("Calculette27", 27, 26, 23),
    Item("Calculette28", 28, 27, 24),
    Item("Calculette30", 30, 28, 25),
    Item("Calculette31", 31, 29, 26),
    Item("Calculette32", 32, 30, 27),
    Item("Calculette33", 33, 32, 32),
    Item("Calculette34", 34, 178, 33),
    Item("Calculette35", 35, 179, 34),
    Separator("N4"),
    Item("Calculette36", 36, 180, 35),
    Item("Calculette37", 37, 181, 36),
    Item("Calculette38", 38, 182, 37),
    Item("Calculette39", 39, 183, 38),
}};

constexpr std::array<int, CalculatorMenuItemCount> BuildItemToCalculator()
{
    std::array<int, CalculatorMenuItemCount> map{};
    for (const CalculatorMenuEntry& e : kEntries) {
        if (e.item >= 0)
            map[static_cast<size_t>(e.item)] = e.calculator;
    }
    return map;
}

constexpr std::array<int, CalculatorMenuItemCount> kItemToCalculator = BuildItemToCalculator();

} // namespace

const std::array<CalculatorMenuEntry, CalculatorMenuEntryCount>& CalculatorMenuEntries()
{
    return kEntries;
}

int CalculatorOfMenuItem(int item)
{
    if (item < 0 || item >= CalculatorMenuItemCount)
        return -1;
    return kItemToCalculator[static_cast<size_t>(item)];
}

int MenuItemOfCalculator(int calculator)
{
    for (int k = 0; k < CalculatorMenuItemCount; ++k) {
        if (kItemToCalculator[static_cast<size_t>(k)] == calculator)
            return k;
    }
    return -1;
}

ScreenPoint MenuPopupPosition(int windowLeft, int windowTop, int frameHeight, int clientHeight,
                              int buttonLeft, int buttonTop, int buttonWidth)
{
    return {windowLeft + buttonLeft + buttonWidth, windowTop + (frameHeight - clientHeight) + buttonTop};
}

} // namespace tornavel

namespace tornavel {

std::array<QString, CalculatorCount> ReadCalculatorTitles(const StringTable& strings)
{
    const CalculatorTables tables = InitCalculatorTables(strings);
    std::array<QString, CalculatorCount> titles;
    for (int n = 0; n < CalculatorCount; ++n)
        titles[static_cast<size_t>(n)] = tables.CalculatorNames.at(n).value_or(QString());
    return titles;
}

bool CollaborationOffers(int onScreen, int offered)
{
    return CollaborationMatrix.at(onScreen, offered).value_or(0) == 1;
}

bool SubCalculationShowsUnits(int caller)
{
    return UnitSuffixFlags.at(caller).value_or(0) == 1;
}

} // namespace tornavel
