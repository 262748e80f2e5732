#include "core/calculator_list.h"

#include "core/help_links.h"
#include "core/keypad.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/ui_services.h"

#include <algorithm>

namespace tornavel {

CalculatorListWindow::CalculatorListWindow(const CalculatorRegistry& descriptions, const StringTable& strings,
                                           UiServices& ui, const Screen& screen, OptionsStore& options,
                                           HelpLinks& help, int listMode)
    : ListMode(listMode), descriptions_(descriptions), strings_(strings), ui_(ui), screen_(screen),
      options_(options), help_(help), checked_(static_cast<size_t>(descriptions.Count()), false)
{
}

int CalculatorListWindow::CalculatorOfBox(int box) const
{
    const std::vector<int>& order = descriptions_.ListOrder();
    if (box < 0 || box >= BoxCount() || box >= static_cast<int>(order.size()))
        return -1;
    return order[static_cast<size_t>(box)];
}

int CalculatorListWindow::BoxOfCalculator(int number) const
{
    const std::vector<int>& order = descriptions_.ListOrder();
    const auto found = std::find(order.begin(), order.end(), number);
    const int box = static_cast<int>(found - order.begin());
    return found != order.end() && box < BoxCount() ? box : -1;
}

QString CalculatorListWindow::BoxCaption(int box) const
{
    return screen_.CalculatorName(CalculatorOfBox(box));
}

bool CalculatorListWindow::IsChecked(int box) const
{
    return box >= 0 && box < BoxCount() && checked_[static_cast<size_t>(box)];
}

int CalculatorListWindow::CheckedCount() const
{
    return static_cast<int>(std::count(checked_.begin(), checked_.end(), true));
}

void CalculatorListWindow::FormActivate()
{
    std::fill(checked_.begin(), checked_.end(), false);
    const auto check = [this](int number) {
        const int box = BoxOfCalculator(number);
        if (box >= 0)
            checked_[static_cast<size_t>(box)] = true;
    };
    if (ListMode == ChooseDefault) {
        check(options_.Values().DefaultCalculator);
    } else {
        for (int favourite : options_.Values().Favourites)
            check(favourite);
    }
}

bool CalculatorListWindow::BoxClick(int box, bool checked)
{
    if (box < 0 || box >= BoxCount())
        return false;
    checked_[static_cast<size_t>(box)] = checked;
    const int limit = ListMode == ChooseDefault ? 1 : 5;
    if (CheckedCount() > limit)
        checked_[static_cast<size_t>(box)] = false;
    return checked_[static_cast<size_t>(box)];
}

bool CalculatorListWindow::BtnOKClick()
{
    if (ListMode == ChooseDefault) {
        for (int box = 0; box < BoxCount(); ++box) {
            if (checked_[static_cast<size_t>(box)]) {
                options_.SetDefaultCalculator(CalculatorOfBox(box));
                return true;
            }
        }
        ui_.MessageBox(strings_.Str(131), strings_.Str(125), BoxIcon::Exclamation);
        return false;
    }
    options_.ClearFavourites();
    int slot = 0;
    for (int box = 0; box < BoxCount() && slot < FavouriteSlotCount; ++box) {
        if (checked_[static_cast<size_t>(box)])
            options_.SetFavourite(slot++, CalculatorOfBox(box));
    }
    return true;
}

void CalculatorListWindow::HelpKeyDown()
{
    help_.OpenHelpPage(ListMode == ChooseDefault ? 1053 : 1054);
}

bool CalculatorListWindow::FormKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || keyCode != Keypad::KeyA)
        return false;
    HelpKeyDown();
    return true;
}

} // namespace tornavel
