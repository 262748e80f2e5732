#pragma once

#include "core/calculette.h"
#include "core/history.h"
#include "core/options.h"
#include "core/panel.h"
#include "core/state.h"
#include "core/strings.h"
#include "platform/services.h"

#include <QString>
#include <array>
#include <deque>
#include <functional>

namespace tornavel {

class Engine;

// The keys of one calculator. Families of calculators fill these in; an empty entry
// does nothing.
struct CalculatorKeys {
    std::function<void(Engine&)> compute;            // PCalculNClick ("f=")
    std::function<void(Engine&)> nextTerm;           // PEtNClick ("&&")
    std::function<void(Engine&)> undo;               // the calculator's CE routine
    std::function<void(Engine&, int)> listChoice;    // ListBoxNClick with the chosen row
    std::function<void(Engine&, int)> variantChoice; // an option button, by its index
};

// Geometry calculators (1-16, 20, 22) fill in their keys.
void InstallGeometryCalculators(std::array<CalculatorKeys, CalculatorCount>& keys);

// The main engine: every rule and all state of the main window. The view forwards
// every click and key here and then renders panels and window from the state.
class Engine {
public:
    Engine(const StringTable& strings, UiServices& ui, QString decimalSeparator = QStringLiteral(","));

    // ---- State -------------------------------------------------------------
    const StringTable& strings;
    UiServices& ui;
    KeyState keys;
    VariantSelections variants;
    Options options;
    History history;
    std::array<PanelState, CalculatorCount> panels;
    WindowState window;
    std::deque<TCalculette> CalculatorStack;
    std::array<CalculatorKeys, CalculatorCount> calculatorKeys;

    QString SystemDecimalSeparator;
    QString AngleUnitSuffix = QStringLiteral("(°)");
    QString ProductName;
    QString ProductVersion;
    bool WindowResizable = true;

    // ---- Shared helpers (engine.cpp) ---------------------------------------
    TCalculette& Top() { return CalculatorStack.back(); }
    PanelState& TopPanel() { return panels[static_cast<size_t>(CalculatorStack.back().Number)]; }
    bool HasCalculator() const { return !CalculatorStack.empty(); }
    QString Str(int id, int bufferSize = 100) const { return strings.Str(id, bufferSize); }
    QString NumberText(long double value) const;
    long double TextNumber(const QString& text) const;

    bool FormulaEndsWithNumber(const QString& formula) const;
    // Index (0-based) where the last term starts: after the last operator that is not
    // the sign of the number (a "-" right after an operator, "(" or "E" belongs to the
    // number). 0 when there is none.
    int LastTermStart(const QString& formula) const;
    double LastFormulaTermValue(const QString& formula) const;
    long double LastFormulaTermExtended(const QString& formula) const;
    void NormalizeEnteredNumber(PanelState& panel);
    bool ComboHasSelection(const PanelState& panel) const;
    PanelState* FindCalculatorPanel(int number);
    // The compute key of a calculator, or an empty function when it has none.
    std::function<void(Engine&)> FindComputeButton(int number) const;

    // ---- Calculator record and stack (stack.cpp) ---------------------------
    void PushCalculator(int number, int target);
    void OpenCalculator(int number);
    void POk0Click();
    void LbCalculettesDblClick(int row);
    void ResetCurrentCalculatorDisplay();
    int TargetCalculatorNumber(const TCalculette& record) const;
    // Removes the back record with the hand-back rule.
    void PopCalculator();
    bool IsOpenInStack(int number) const;

    // ---- Layout and gating (layout.cpp) ------------------------------------
    void ShowCalculator(TCalculette& record);
    void UpdateOperatorButtons(const TCalculette& record);
    // The prompt with its unit suffix when one applies.
    QString PromptWithSuffix(int promptId, const QString& suffix, bool always) const;
    bool UnitSuffixShown() const;

    // ---- Start-up and close (lifecycle.cpp) --------------------------------
    void FormCreate(const QString& resizableSetting);
    void FormActivate();
    void FormClose();
    bool firstActivationDone = false;

    // ---- Keypad, keyboard, memory (keypad.cpp) -----------------------------
    void AppendKeyToEntry(const QString& key, PanelState& panel);
    void PCalculatriceDigitClick(int digit);
    void PCalculatriceVirguleClick();
    void PMR0Click();
    // Returns true when the key was handled.
    bool FormKeyPress(QChar key);
    bool FormKeyDown(int keyCode, bool ctrl);

    // ---- Clear and undo (clearkeys.cpp) ------------------------------------
    void CalculatriceCEClick();
    void CalculatriceCClick();

    // ---- Standard calculator (standard.cpp) --------------------------------
    void PCalculatricePlusClick();
    void PCalculatriceMoinsClick();
    void PCalculatriceMultClick();
    void PCalculatriceSlashClick();
    void PCalculatriceRacineClick();
    void PCalculatriceInverseClick();
    void PCalculatriceEgalClick();
    void PCalculatriceMSClick();
    void UndoStandardTerm(bool flag = false);

    // ---- Dispatch by calculator number (engine.cpp) ------------------------
    void PCalculClick(int number);
    void PEtClick(int number);
    void ListBoxClick(int number, int row);
    void VariantClick(int number, int index);
    void RunUndoRoutine(int number);

    // ---- History (history.cpp) ---------------------------------------------
    void AddHistoryEntry(int number, const QString& text, const std::array<double, 6>& inputs,
                         int termIndex, int unitScale);
    // Fills the history menu's captions (WindowState::historyCaptions), newest first as shown.
    void PopupMCalculsPopup();
    // Menu item Calcul<k> reopens history entry k.
    void TraitArticleMCalculs(int n);
    void ReplayHistoryEntry(int n);

    // ---- Options and favourites (options.cpp) ------------------------------
    void UpdateUnitLabels();
    void UniteMesureClick();
    void Affichage1Click();
    // Fills the favourites menu's captions (WindowState::favouriteCaptions).
    void PopupMFavorisPopup();
    void SelCalculetteDefautClick();
    void SelCalculetteFavoritesClick();
    void FavorisClick(int slot);   // Favoris0Click .. Favoris4Click

    // ---- Help menu (help.cpp) ----------------------------------------------
    void AideTornavelClick();
    void CollaborationClick();
    void AstucesTornavelClick();
    void VideosdedmonstrationdeTornavelClick();
    void PagePresentationTornavelClick();
    void SiteInternetAuteurClick();
    void AproposdeTornavelClick();
    void MiseANiveauClick();

    // ---- Mathematical-functions calculator (mathfunctions.cpp) -------------
    void PCalculatriceSinClick();
    void PCalculatriceCosClick();
    void PCalculatriceTanClick();
    void PCalculatriceInvClick();
    void PCalculatricePiClick();
    void PCalculatricePuisClick();
    void PCalculatriceInvSigneClick();
    void PCalcul39Click();
    void UndoMathFunctionInput();
};

} // namespace tornavel
