#include "core/engine.h"

#include "core/calcerror.h"
#include "core/calculator_list.h"
#include "core/options_file.h"
#include "platform/save_file.h"

#include <QFile>

namespace tornavel {

bool IsUnitScaleCode(int code)
{
    return code == 1 || code == 10 || code == 25 || code == 1000;
}

double UnitFactor(int unitScaleCode)
{
    switch (unitScaleCode) {
    case 1: return 0.1;
    case 25: return 2.54;
    case 1000: return 100.0;
    default: return 1.0;
    }
}

namespace {

// Rows of the unit-of-measure window: millimetre, centimetre, metre, inch.
constexpr int kUnitOfRow[] = {1, 10, 1000, 25};

int RowOfUnit(int code)
{
    for (int row = 0; row < 4; ++row) {
        if (kUnitOfRow[row] == code)
            return row;
    }
    return -1;
}

} // namespace

void Engine::UpdateUnitLabels()
{
    QString unit;
    switch (options.UnitScaleCode) {
    case 1: unit = QStringLiteral("mm"); break;
    case 10: unit = QStringLiteral("cm"); break;
    case 25: unit = QStringLiteral("in"); break;
    case 1000: unit = QStringLiteral("m"); break;
    default: return;
    }
    options.LengthUnitSuffix = QLatin1Char('(') + unit + QLatin1Char(')');
    options.AreaUnitSuffix = QLatin1Char('(') + unit + QStringLiteral("2)");
    options.VolumeUnitSuffix = QLatin1Char('(') + unit + QStringLiteral("3)");
    options.YieldUnitSuffix = QLatin1Char('(') + unit + QStringLiteral("2/l)");
}

void Engine::UniteMesureClick()
{
    int unitRow = RowOfUnit(options.UnitScaleCode);
    int displayRow = options.UnitDisplayOption != 0 ? 1 : 0;
    ui.ShowUnitWindow(*this, unitRow, displayRow);

    if (unitRow >= 0 && unitRow < 4) {
        options.UnitScaleCode = kUnitOfRow[unitRow];
        UpdateUnitLabels();
    }
    if (displayRow == 0 || displayRow == 1)
        options.UnitDisplayOption = displayRow;
    options.OptionsChanged = true;

    if (!HasCalculator())
        return;
    if (Top().TermIndex <= 0) {
        ShowCalculator(Top());
    } else {
        ui.ShowMessageForm(
            QStringLiteral("Attention, le changement d'unité de mesure\nrisque de rendre votre calcul erroné !"), 2);
    }
}

bool Engine::UnitWindowKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || keyCode != KeyA)
        return false;
    OpenHelpPage(1052);
    return true;
}

void Engine::Affichage1Click()
{
    // The running window keeps its border until the next start; the window opens on the
    // choice written last during this run, else on the behaviour the window started with.
    const bool resizable =
        WindowBehaviourWritten.isEmpty() ? WindowResizable : WindowBehaviourWritten == QLatin1String("O");
    const QString choice = ui.ShowWindowBehaviourWindow(*this, resizable);
    if (!ui.WriteSettingsString(QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"), choice))
        throw CalcError(QStringLiteral("Impossible d'écrire dans ") + ui.SettingsFileName());
    WindowBehaviourWritten = choice;
}

void Engine::PopupMFavorisPopup()
{
    window.favouriteCaptions.clear();
    for (size_t k = 0; k < options.Favourites.size(); ++k) {
        const int favourite = options.Favourites[k];
        const bool filled = IsCalculatorNumber(favourite);
        window.favouriteCaptions << (filled ? CalculatorName(favourite) : QString());
        window.favouriteShown[k] = filled;
    }
}

void Engine::SelCalculetteDefautClick()
{
    CalculatorListWindow list(*this, CalculatorListWindow::ChooseDefault);
    ui.ShowCalculatorListWindow(list, Str(125));
    options.OptionsChanged = true;
}

void Engine::SelCalculetteFavoritesClick()
{
    CalculatorListWindow list(*this, CalculatorListWindow::ChooseFavourites);
    ui.ShowCalculatorListWindow(list, Str(126));
    options.OptionsChanged = true;
}

void Engine::FavorisClick(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(options.Favourites.size()))
        return;
    const int favourite = options.Favourites[static_cast<size_t>(slot)];
    if (!FindCalculatorPanel(favourite))
        return;
    OpenCalculator(favourite);
}

} // namespace tornavel
