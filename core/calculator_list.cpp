#include "core/calculator_list.h"

#include "core/session.h"

#include <algorithm>

namespace tornavel {

CalculatorListWindow::CalculatorListWindow(Session& engine, int listMode)
    : ListMode(listMode), engine_(engine), checked_(static_cast<size_t>(engine.Descriptions().Count()), false)
{
}

int CalculatorListWindow::CalculatorOfBox(int box) const
{
    const std::vector<int>& order = engine_.Descriptions().ListOrder();
    if (box < 0 || box >= BoxCount() || box >= static_cast<int>(order.size()))
        return -1;
    return order[static_cast<size_t>(box)];
}

int CalculatorListWindow::BoxOfCalculator(int number) const
{
    const std::vector<int>& order = engine_.Descriptions().ListOrder();
    const auto found = std::find(order.begin(), order.end(), number);
    const int box = static_cast<int>(found - order.begin());
    return found != order.end() && box < BoxCount() ? box : -1;
}

QString CalculatorListWindow::BoxCaption(int box) const
{
    return engine_.CalculatorName(CalculatorOfBox(box));
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
        check(engine_.Store().Values().DefaultCalculator);
    } else {
        for (int favourite : engine_.Store().Values().Favourites)
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
                engine_.Store().SetDefaultCalculator(CalculatorOfBox(box));
                return true;
            }
        }
        engine_.Ui().MessageBox(engine_.Str(131), engine_.Str(125), BoxIcon::Exclamation);
        return false;
    }
    OptionsStore& options = engine_.Store();
    options.ClearFavourites();
    int slot = 0;
    for (int box = 0; box < BoxCount() && slot < FavouriteSlotCount; ++box) {
        if (checked_[static_cast<size_t>(box)])
            options.SetFavourite(slot++, CalculatorOfBox(box));
    }
    return true;
}

void CalculatorListWindow::HelpKeyDown()
{
    engine_.Help().OpenHelpPage(ListMode == ChooseDefault ? 1053 : 1054);
}

bool CalculatorListWindow::FormKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || keyCode != Session::KeyA)
        return false;
    HelpKeyDown();
    return true;
}

} // namespace tornavel
