#pragma once

// Helpers with which the families write the heads of their calculators' rows.

#include "core/description.h"

#include <initializer_list>
#include <vector>

namespace tornavel {

// A calculator's number, the string numbers of its title and help page, and its menu
// item: K of CalculetteK, its place in the menu, a separator above it.
inline CalculatorIdentity Identity(int number, int titleId, int helpPageId, int menuItem, int menuPosition,
                                   bool separatorBefore = false)
{
    return {number, titleId, helpPageId, {menuItem, menuPosition, separatorBefore}};
}

// The two keypad calculators, standard (0) and mathematical functions (39), which
// nearly every calculator offers as sub-calculations, followed by `more`.
inline std::vector<int> KeypadCalculatorsAnd(std::initializer_list<int> more = {})
{
    std::vector<int> offers{0, 39};
    offers.insert(offers.end(), more);
    return offers;
}

} // namespace tornavel
