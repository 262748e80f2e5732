#include "core/session.h"

#include "core/calcerror.h"
#include "core/calculator_list.h"
#include "core/options_file.h"
#include "platform/save_file.h"

#include <QFile>

namespace tornavel {

void Session::UniteMesureClick()
{
    const UnitOfMeasure* current = FindUnitOfMeasure(options.UnitScaleCode);
    int unitRow = current ? current->windowRow : -1;
    int displayRow = options.UnitDisplayOption != 0 ? 1 : 0;
    ui.ShowUnitWindow(unitRow, displayRow,
                      [this](int keyCode, bool ctrl) { return UnitWindowKeyDown(keyCode, ctrl); });

    if (const UnitOfMeasure* chosen = UnitOfWindowRow(unitRow))
        optionsStore_.SetUnitScale(chosen->code);
    optionsStore_.SetUnitDisplay(displayRow);
    optionsStore_.MarkChanged();

    if (!HasCalculator())
        return;
    if (Top().TermIndex <= 0) {
        ShowCalculator(Top());
    } else {
        ui.ShowMessageForm(
            QStringLiteral("Attention, le changement d'unité de mesure\nrisque de rendre votre calcul erroné !"), 2);
    }
}

bool Session::UnitWindowKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || keyCode != KeyA)
        return false;
    helpLinks_.OpenHelpPage(1052);
    return true;
}

void Session::Affichage1Click()
{
    // The running window keeps its border until the next start; the window opens on the
    // choice written last during this run, else on the behaviour the window started with.
    const bool resizable =
        WindowBehaviourWritten.isEmpty() ? windowResizable_ : WindowBehaviourWritten == QLatin1String("O");
    const QString choice = ui.ShowWindowBehaviourWindow(resizable);
    if (!ui.WriteSettingsString(QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"), choice))
        throw CalcError(QStringLiteral("Impossible d'écrire dans ") + ui.SettingsFileName());
    WindowBehaviourWritten = choice;
}

void Session::PopupMFavorisPopup()
{
    window.favouriteCaptions.clear();
    for (size_t k = 0; k < options.Favourites.size(); ++k) {
        const int favourite = options.Favourites[k];
        const bool filled = IsCalculatorNumber(favourite);
        window.favouriteCaptions << (filled ? CalculatorName(favourite) : QString());
        window.favouriteShown[k] = filled;
    }
}

void Session::SelCalculetteDefautClick()
{
    CalculatorListWindow list(*this, CalculatorListWindow::ChooseDefault);
    ui.ShowCalculatorListWindow(list, Str(125));
    optionsStore_.MarkChanged();
}

void Session::SelCalculetteFavoritesClick()
{
    CalculatorListWindow list(*this, CalculatorListWindow::ChooseFavourites);
    ui.ShowCalculatorListWindow(list, Str(126));
    optionsStore_.MarkChanged();
}

void Session::FavorisClick(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(options.Favourites.size()))
        return;
    const int favourite = options.Favourites[static_cast<size_t>(slot)];
    if (!FindCalculatorPanel(favourite))
        return;
    OpenCalculator(favourite);
}

} // namespace tornavel
