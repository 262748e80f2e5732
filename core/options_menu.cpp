#include "core/options_menu.h"

#include "core/calcerror.h"
#include "core/calculator_stack.h"
#include "core/help_links.h"
#include "core/keypad.h"
#include "core/lifecycle.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/ui_services.h"

namespace tornavel {

OptionsMenu::OptionsMenu(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                         OptionsStore& options, Screen& screen, CalculatorStack& stack, HelpLinks& help,
                         const Lifecycle& lifecycle)
    : descriptions_(descriptions), strings_(strings), ui_(ui), options_(options), screen_(screen), stack_(stack),
      help_(help), lifecycle_(lifecycle)
{
}

void OptionsMenu::UniteMesureClick()
{
    const Options& options = options_.Values();
    const UnitOfMeasure* current = FindUnitOfMeasure(options.UnitScaleCode);
    int unitRow = current ? current->windowRow : -1;
    int displayRow = options.UnitDisplayOption != 0 ? 1 : 0;
    ui_.ShowUnitWindow(unitRow, displayRow,
                       [this](int keyCode, bool ctrl) { return UnitWindowKeyDown(keyCode, ctrl); });

    if (const UnitOfMeasure* chosen = UnitOfWindowRow(unitRow))
        options_.SetUnitScale(chosen->code);
    options_.SetUnitDisplay(displayRow);
    options_.MarkChanged();

    if (!stack_.HasCalculator())
        return;
    if (stack_.Top().TermIndex <= 0) {
        stack_.ShowCalculator();
    } else {
        ui_.ShowMessageForm(
            QStringLiteral("Attention, le changement d'unité de mesure\nrisque de rendre votre calcul erroné !"), 2);
    }
}

bool OptionsMenu::UnitWindowKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || keyCode != Keypad::KeyA)
        return false;
    help_.OpenHelpPage(1052);
    return true;
}

void OptionsMenu::Affichage1Click()
{
    // The running window keeps its border until the next start; the window opens on the
    // choice written last during this run, else on the behaviour the window started with.
    const bool resizable = WindowBehaviourWritten.isEmpty() ? lifecycle_.WindowResizable()
                                                            : WindowBehaviourWritten == QLatin1String("O");
    const QString choice = ui_.ShowWindowBehaviourWindow(resizable);
    if (!ui_.WriteSettingsString(QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"), choice))
        throw CalcError(QStringLiteral("Impossible d'écrire dans ") + ui_.SettingsFileName());
    WindowBehaviourWritten = choice;
}

void OptionsMenu::PopupMFavorisPopup()
{
    const Options& options = options_.Values();
    QStringList captions;
    std::array<bool, FavouriteSlotCount> shown{};
    for (size_t k = 0; k < options.Favourites.size(); ++k) {
        const int favourite = options.Favourites[k];
        const bool filled = descriptions_.Has(favourite);
        captions << (filled ? screen_.CalculatorName(favourite) : QString());
        shown[k] = filled;
    }
    screen_.SetFavouriteItems(captions, shown);
}

CalculatorListWindow OptionsMenu::CalculatorList(int listMode)
{
    return CalculatorListWindow(descriptions_, strings_, ui_, screen_, options_, help_, listMode);
}

void OptionsMenu::SelCalculetteDefautClick()
{
    CalculatorListWindow list = CalculatorList(CalculatorListWindow::ChooseDefault);
    ui_.ShowCalculatorListWindow(list, strings_.Str(125));
    options_.MarkChanged();
}

void OptionsMenu::SelCalculetteFavoritesClick()
{
    CalculatorListWindow list = CalculatorList(CalculatorListWindow::ChooseFavourites);
    ui_.ShowCalculatorListWindow(list, strings_.Str(126));
    options_.MarkChanged();
}

void OptionsMenu::FavorisClick(int slot)
{
    const Options& options = options_.Values();
    if (slot < 0 || slot >= static_cast<int>(options.Favourites.size()))
        return;
    const int favourite = options.Favourites[static_cast<size_t>(slot)];
    if (!descriptions_.Has(favourite))
        return;
    stack_.OpenCalculator(favourite);
}

} // namespace tornavel
