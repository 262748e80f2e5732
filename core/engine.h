#pragma once

#include "core/calculator_stack.h"
#include "core/catalogue.h"
#include "core/description.h"
#include "core/engine_context.h"
#include "core/help_links.h"
#include "core/history_book.h"
#include "core/history_menu.h"
#include "core/key_dispatch.h"
#include "core/key_state.h"
#include "core/keypad.h"
#include "core/lifecycle.h"
#include "core/number_rules.h"
#include "core/options_menu.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/tips.h"
#include "core/ui_services.h"
#include "core/update_check.h"

#include <QString>

namespace tornavel {

// The main engine as the view sees it: the operations its clicks and keys call, named
// after their handlers, and read access to what it renders. The state and the rules
// are in the parts below, each the owner of its state; the engine builds them, wires
// each to the parts it needs, and forwards to them.
class Engine {
public:
    // The engine serves the calculators of `catalogue`, whose rows and keys it copies.
    Engine(const CalculatorCatalogue& catalogue, const StringTable& strings, UiServices& ui,
           QString decimalSeparator = QStringLiteral(","));

    // ---- What the view renders -----------------------------------------------
    const StringTable& Strings() const { return strings_; }
    QString Str(int id, int bufferSize = 100) const { return strings_.Str(id, bufferSize); }
    UiServices& Ui() { return ui_; }
    const CalculatorRegistry& Descriptions() const { return descriptions; }
    const PanelState& Panel(int number) const { return screen_.Panel(number); }
    const WindowState& Window() const { return screen_.Window(); }
    bool HasCalculator() const { return stack_.HasCalculator(); }
    bool WindowResizable() const { return lifecycle_.WindowResizable(); }
    // Directories of the program and of the help pages, each ending with a separator:
    // the help pages and tips are in the "Aide" subdirectory of the help directory, that
    // of the program when none is given (an install may put them away from the program).
    // Set by the program's start-up.
    void SetDirectories(const QString& program, const QString& help = QString())
    {
        help_.SetProgramDirectory(program);
        help_.SetHelpDirectory(help);
    }
    QString UpdatePageAddress() const { return tornavel::UpdatePageAddress(lifecycle_.Product()); }
    QString UpgradePageAddress() const { return tornavel::UpgradePageAddress(lifecycle_.Product()); }
    // The rules of a tips window, on the engine's help pages.
    TipsWindow Tips() { return TipsWindow(help_, ui_); }

    // ---- Start-up and close ----------------------------------------------------
    // Without a decimal separator, the one the engine was built with stays.
    void FormCreate(const QString& resizableSetting, const QString& decimalSeparator = QString())
    {
        if (decimalSeparator.isEmpty())
            lifecycle_.FormCreate(resizableSetting);
        else
            lifecycle_.FormCreate(resizableSetting, decimalSeparator);
    }
    void FormActivate() { lifecycle_.FormActivate(); }
    void FormClose() { lifecycle_.FormClose(); }
    bool FormKeyPress(QChar key) { return keypad_.FormKeyPress(key); }
    bool FormKeyDown(int keyCode, bool ctrl) { return keypad_.FormKeyDown(keyCode, ctrl); }

    // ---- Calculators menu and list -----------------------------------------------
    void CalculetteClick(int item) { stack_.CalculetteClick(item); }
    void POk0Click() { stack_.POk0Click(); }
    void LbCalculettesDblClick(int row) { stack_.LbCalculettesDblClick(row); }

    // ---- Keys of the calculator on screen ------------------------------------------
    void PCalculatriceDigitClick(int digit) { keypad_.PCalculatriceDigitClick(digit); }
    void PCalculatriceVirguleClick() { keypad_.PCalculatriceVirguleClick(); }
    void PMR0Click() { keypad_.PMR0Click(); }
    bool KeypadKeyClick(KeypadKey key) { return dispatch_.KeypadKeyClick(key); }
    void CalculatriceCEClick() { dispatch_.CalculatriceCEClick(); }
    void CalculatriceCClick() { stack_.CalculatriceCClick(); }
    void PCalculClick(int number) { dispatch_.PCalculClick(number); }
    void PEtClick(int number) { dispatch_.PEtClick(number); }
    void ListBoxClick(int number, int row) { dispatch_.ListBoxClick(number, row); }
    void VariantClick(int number, int index) { dispatch_.VariantClick(number, index); }

    // ---- History menu ----------------------------------------------------------------
    void PopupMCalculsPopup() { historyMenu_.PopupMCalculsPopup(); }
    void TraitArticleMCalculs(int n) { historyMenu_.TraitArticleMCalculs(n); }

    // ---- Options and favourites menus --------------------------------------------------
    void UniteMesureClick() { optionsMenu_.UniteMesureClick(); }
    bool UnitWindowKeyDown(int keyCode, bool ctrl) { return optionsMenu_.UnitWindowKeyDown(keyCode, ctrl); }
    void Affichage1Click() { optionsMenu_.Affichage1Click(); }
    void PopupMFavorisPopup() { optionsMenu_.PopupMFavorisPopup(); }
    void SelCalculetteDefautClick() { optionsMenu_.SelCalculetteDefautClick(); }
    void SelCalculetteFavoritesClick() { optionsMenu_.SelCalculetteFavoritesClick(); }
    void FavorisClick(int slot) { optionsMenu_.FavorisClick(slot); }   // Favoris0Click .. Favoris4Click

    // ---- Help menu -------------------------------------------------------------------------
    void HelpMenuClick(HelpItem item) { help_.HelpMenuClick(item); }

private:
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    friend struct EngineAccess;  // tests only

    const StringTable& strings_;
    UiServices& ui_;
    // What each calculator is: one row per calculator, registered by its family, with
    // its keys.
    CalculatorRegistry descriptions;
    OptionsStore options_{descriptions};
    HistoryBook history_{descriptions};
    HelpLinks help_{strings_, ui_, [this] { return UpgradePageAddress(); }};
    UpdateCheck update_{strings_, ui_, help_, [this] { ui_.ShowUpdatePageWindow(UpdatePageAddress()); },
                        [this](bool shown) { screen_.ShowUpgradeItem(shown); }};
    // The number rules in the user's decimal separator; start-up sets it.
    NumberRules numbers_;
    KeyState keys_;
    Screen screen_{descriptions, strings_, options_, keys_, numbers_};
    CalculatorStack stack_{descriptions, screen_, keys_};
    // The calculators' keys receive the context, built over the parts it writes.
    EngineContext context_{descriptions, strings_, ui_, numbers_, options_, keys_, screen_, stack_, history_};
    KeyDispatch dispatch_{descriptions, stack_, context_, screen_, keys_};
    HistoryMenu historyMenu_{descriptions, strings_, history_, options_, screen_, stack_, keys_, dispatch_, numbers_};
    Keypad keypad_{descriptions, screen_, stack_, keys_, dispatch_, numbers_, ui_, help_};
    Lifecycle lifecycle_{strings_, ui_, descriptions, screen_, stack_, keys_, options_, history_, update_, numbers_};
    OptionsMenu optionsMenu_{descriptions, strings_, ui_, options_, screen_, stack_, help_, lifecycle_};
};

} // namespace tornavel
