#pragma once

#include "core/catalogue.h"
#include "core/description.h"
#include "core/session.h"
#include "core/tips.h"

#include <QString>

namespace tornavel {

class Engine;


// The items of the help menu, each named after its menu item (AideTornavelClick ..).
enum class HelpItem {
    AideTornavel,
    Collaboration,
    AstucesTornavel,
    VideosdedmonstrationdeTornavel,
    PagePresentationTornavel,
    SiteInternetAuteur,
    AproposdeTornavel,
    MiseANiveau,
};

// The main engine as the view sees it: the operations its clicks and keys call, named
// after their handlers, and read access to what it renders. The state and the rules
// are in the session of open calculators; the engine forwards to it.
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
    const PanelState& Panel(int number) const { return session_.Panels()[static_cast<size_t>(number)]; }
    const WindowState& Window() const { return session_.Window(); }
    bool HasCalculator() const { return session_.HasCalculator(); }
    bool WindowResizable() const { return session_.WindowResizable(); }
    // Directory of the program, ending with a separator: the help pages are in its
    // "Aide" subdirectory unless a help directory is set. Set by the program's start-up.
    void SetProgramDirectory(const QString& directory) { help_.SetProgramDirectory(directory); }
    // Directory whose "Aide" subdirectory holds the help pages and tips, when the install
    // put them away from the program. Set by the program's start-up.
    void SetHelpDirectory(const QString& directory) { help_.SetHelpDirectory(directory); }
    QString UpdatePageAddress() const { return session_.UpdatePageAddress(); }
    QString UpgradePageAddress() const { return session_.UpgradePageAddress(); }
    // The rules of a tips window, on the engine's help pages.
    TipsWindow Tips() { return TipsWindow(help_, ui_); }

    // ---- Start-up and close ----------------------------------------------------
    // Without a decimal separator, the one the engine was built with stays.
    void FormCreate(const QString& resizableSetting, const QString& decimalSeparator = QString())
    {
        if (decimalSeparator.isEmpty())
            session_.FormCreate(resizableSetting);
        else
            session_.FormCreate(resizableSetting, decimalSeparator);
    }
    void FormActivate() { session_.FormActivate(); }
    void FormClose() { session_.FormClose(); }
    bool FormKeyPress(QChar key) { return session_.FormKeyPress(key); }
    bool FormKeyDown(int keyCode, bool ctrl) { return session_.FormKeyDown(keyCode, ctrl); }

    // ---- Calculators menu and list -----------------------------------------------
    void CalculetteClick(int item) { session_.CalculetteClick(item); }
    void POk0Click() { session_.POk0Click(); }
    void LbCalculettesDblClick(int row) { session_.LbCalculettesDblClick(row); }

    // ---- Keys of the calculator on screen ------------------------------------------
    void PCalculatriceDigitClick(int digit) { session_.PCalculatriceDigitClick(digit); }
    void PCalculatriceVirguleClick() { session_.PCalculatriceVirguleClick(); }
    void PMR0Click() { session_.PMR0Click(); }
    bool KeypadKeyClick(KeypadKey key) { return session_.KeypadKeyClick(key); }
    void CalculatriceCEClick() { session_.CalculatriceCEClick(); }
    void CalculatriceCClick() { session_.CalculatriceCClick(); }
    void PCalculClick(int number) { session_.PCalculClick(number); }
    void PEtClick(int number) { session_.PEtClick(number); }
    void ListBoxClick(int number, int row) { session_.ListBoxClick(number, row); }
    void VariantClick(int number, int index) { session_.VariantClick(number, index); }

    // ---- History menu ----------------------------------------------------------------
    void PopupMCalculsPopup() { session_.PopupMCalculsPopup(); }
    void TraitArticleMCalculs(int n) { session_.TraitArticleMCalculs(n); }

    // ---- Options and favourites menus --------------------------------------------------
    void UniteMesureClick() { session_.UniteMesureClick(); }
    bool UnitWindowKeyDown(int keyCode, bool ctrl) { return session_.UnitWindowKeyDown(keyCode, ctrl); }
    void Affichage1Click() { session_.Affichage1Click(); }
    void PopupMFavorisPopup() { session_.PopupMFavorisPopup(); }
    void SelCalculetteDefautClick() { session_.SelCalculetteDefautClick(); }
    void SelCalculetteFavoritesClick() { session_.SelCalculetteFavoritesClick(); }
    void FavorisClick(int slot) { session_.FavorisClick(slot); }   // Favoris0Click .. Favoris4Click

    // ---- Help menu -------------------------------------------------------------------------
    void HelpMenuClick(HelpItem item);

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
    HelpLinks help_{strings_, ui_};
    UpdateCheck update_{strings_, ui_, help_, [this] { ui_.ShowUpdatePageWindow(UpdatePageAddress()); },
                        [this](bool shown) { session_.Window().upgradeItemVisible = shown; }};
    Session session_;
};

} // namespace tornavel
