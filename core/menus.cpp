#include "core/menus.h"

#include "core/description.h"
#include "core/strings.h"

namespace tornavel {

std::vector<QString> ReadCalculatorTitles(const StringTable& strings, const CalculatorRegistry& rows)
{
    return rows.Titles([&strings](int id) { return strings.Str(id, CalculatorNameBufferSize); });
}

ScreenPoint MenuPopupPosition(int windowLeft, int windowTop, int frameHeight, int clientHeight,
                              int buttonLeft, int buttonTop, int buttonWidth)
{
    return {windowLeft + buttonLeft + buttonWidth, windowTop + (frameHeight - clientHeight) + buttonTop};
}

} // namespace tornavel
