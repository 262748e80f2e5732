#pragma once

#include "core/calculator_list.h"

#include <QString>

namespace tornavel {

class CalculatorRegistry;
class CalculatorStack;
class HelpLinks;
class Lifecycle;
class OptionsStore;
class Screen;
class StringTable;
class UiServices;

// The options and favourites menus: the unit of measure, the window behaviour, the
// default calculator and the favourites.
class OptionsMenu {
public:
    OptionsMenu(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                OptionsStore& options, Screen& screen, CalculatorStack& stack, HelpLinks& help,
                const Lifecycle& lifecycle);
    OptionsMenu(const OptionsMenu&) = delete;
    OptionsMenu& operator=(const OptionsMenu&) = delete;

    void UniteMesureClick();
    // A key pressed in the unit-of-measure window: Ctrl+A opens its help page. True
    // when the key was handled.
    bool UnitWindowKeyDown(int keyCode, bool ctrl);
    void Affichage1Click();
    // Fills the favourites menu (WindowState::favouriteCaptions and favouriteShown):
    // item k shows the calculator title of slot k; the item of an empty slot is hidden
    // and has an empty caption.
    void PopupMFavorisPopup();
    void SelCalculetteDefautClick();
    void SelCalculetteFavoritesClick();
    void FavorisClick(int slot);   // Favoris0Click .. Favoris4Click
    // The rules of the calculator-list window in one of its modes.
    CalculatorListWindow CalculatorList(int listMode);

private:
    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    UiServices& ui_;
    OptionsStore& options_;
    Screen& screen_;
    CalculatorStack& stack_;
    HelpLinks& help_;
    const Lifecycle& lifecycle_;
    // The window behaviour last written to the settings file during this run ("O" or
    // "N"), empty before the first write.
    QString WindowBehaviourWritten;
};

} // namespace tornavel
