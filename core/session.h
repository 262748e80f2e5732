#pragma once

#include "core/calculette.h"
#include "core/context.h"
#include "core/description.h"
#include "core/engine_context.h"
#include "core/history.h"
#include "core/help_links.h"
#include "core/history_book.h"
#include "core/number_rules.h"
#include "core/options.h"
#include "core/options_store.h"
#include "core/panel.h"
#include "core/state.h"
#include "core/strings.h"
#include "core/update_check.h"
#include "core/ui_services.h"

#include <QString>
#include <array>
#include <deque>
#include <vector>
#include <functional>

namespace tornavel {

// The session of open calculators: the stack, the key state with the memory register,
// the panels, the option selections and the window state, with every rule that works
// on them. It is what the calculators' keys see, through its context.
class Session {
public:
    Session(const StringTable& strings, UiServices& ui, const CalculatorRegistry& descriptions,
            OptionsStore& options, HistoryBook& history,
            HelpLinks& helpLinks, UpdateCheck& updateCheck, QString decimalSeparator);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- State, read and written through these -----------------------------
    KeyState& Keys() { return keys; }
    const KeyState& Keys() const { return keys; }
    // The option selection of calculator `number`, shared by the calculators of its
    // group (CalculatorRegistry::SelectionOf); for a calculator without option buttons,
    // a scratch value that nothing reads.
    int& OptionSelection(int number);
    int OptionSelection(int number) const;
    // Every option selection back to the first button.
    void ResetOptionSelections();
    // The options store and the history book the session works with.
    OptionsStore& Store() { return optionsStore_; }
    const OptionsStore& Store() const { return optionsStore_; }
    HistoryBook& Book() { return historyBook_; }
    const HistoryBook& Book() const { return historyBook_; }
    std::vector<PanelState>& Panels() { return panels; }
    const std::vector<PanelState>& Panels() const { return panels; }
    WindowState& Window() { return window; }
    const WindowState& Window() const { return window; }
    std::deque<TCalculette>& Stack() { return CalculatorStack; }
    const CalculatorRegistry& Descriptions() const { return descriptions; }
    // The calculator numbers run from 0 to CalculatorCount() - 1, those of the catalogue.
    int CalculatorCount() const { return descriptions.Count(); }
    bool IsCalculatorNumber(int number) const { return descriptions.Has(number); }
    const StringTable& Strings() const { return strings; }
    UiServices& Ui() { return ui; }
    CalculatorContext& Context() { return context_; }
    HelpLinks& Help() { return helpLinks_; }
    const QString& ProductName() const { return productName_; }
    const QString& ProductVersion() const { return productVersion_; }
    bool WindowResizable() const { return windowResizable_; }
    std::vector<QString>& CalculatorNames() { return calculatorNames_; }
    const std::vector<QString>& CalculatorNames() const { return calculatorNames_; }
    QString& ProductName() { return productName_; }
    QString& ProductVersion() { return productVersion_; }
    bool& WindowResizable() { return windowResizable_; }
    const QString& AngleUnitSuffixText() const { return AngleUnitSuffix; }

    // ---- Formula rules and look-ups (engine.cpp) ---------------------------
    TCalculette& Top() { return CalculatorStack.back(); }
    PanelState& TopPanel() { return panels[static_cast<size_t>(CalculatorStack.back().Number)]; }
    bool HasCalculator() const { return !CalculatorStack.empty(); }
    QString Str(int id, int bufferSize = 100) const { return strings.Str(id, bufferSize); }
    // The number rules in the user's decimal separator (set by FormCreate).
    const NumberRules& Numbers() const { return numbers_; }
    PanelState* FindCalculatorPanel(int number);
    // The code that the calculator's compute key leaves after a result (-1 for the
    // keypad calculators, which show results with "=").
    int ResultCodeOf(int number) const;
    // True when the code means that a result is shown (CalculatorRegistry::IsResultState).
    bool IsResultState(int code) const { return descriptions.IsResultState(code); }
    // The compute key of a calculator, or an empty function when it has none.
    std::function<void(CalculatorContext&)> FindComputeButton(int number) const;

    // ---- Calculator record and stack (stack.cpp) ---------------------------
    // Pushes a calculator (a number of the catalogue; anything else is ignored) and lays
    // it out. With a target, the caller's result field receives the new calculator's
    // result text.
    void PushCalculator(int number, int target);
    // Closes every open calculator and opens `number` alone (menus, favourites,
    // history).
    void OpenCalculator(int number);
    void POk0Click();
    void LbCalculettesDblClick(int row);
    void ResetCurrentCalculatorDisplay();
    int TargetCalculatorNumber(const TCalculette& record) const;
    // Removes the back record with the hand-back rule; true when its result text
    // went into the caller's result field.
    bool PopCalculator();
    bool IsOpenInStack(int number) const;
    // Removes every record, back to front, handing nothing back; the panel of each
    // closed record is reset to "0" and an empty formula.
    void ClearCalculatorStack();
    // Result field "0", formula field empty.
    void ResetPanelFields(int number);

    // ---- Layout and gating (layout.cpp) ------------------------------------
    void ShowCalculator(TCalculette& record);
    // The same for a caller that has just received a result from a sub-calculation:
    // the returned text enters its formula even when it is "0".
    void ShowCalculatorWithReturnedValue(TCalculette& record);
    void UpdateOperatorButtons(const TCalculette& record);
    // The text of a unit suffix: "(cm)", "(cm2)", "(cm3)", "(cm2/l)" in the user's unit,
    // or the angle's "(°)"; empty for none.
    QString UnitSuffixText(UnitSuffix suffix) const;
    // Text `stringId`, followed by a space and the unit suffix when `shown`.
    QString WithUnitSuffix(int stringId, UnitSuffix suffix, bool shown) const;
    // The prompt with its unit suffix, appended always or only when unit suffixes are
    // shown for the calculator on screen.
    QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const;
    // Whether conditional unit suffixes are shown for the calculator on screen: units
    // always shown, or a sub-calculation of a calculator that shows them.
    bool UnitSuffixShown() const;
    bool UnitSuffixShownFor(const TCalculette& record) const;
    // A prompt or result label of a row as shown on the calculator on screen, or as
    // shown on `record`'s panel; empty for a row without one.
    QString LabelText(const Label& label) const;
    QString LabelTextFor(const Label& label, const TCalculette& record) const;
    // The rows of input `input`'s list on `record`, from the inputs it has closed.
    QStringList ListRowsOf(const TCalculette& record, int input) const;
    // Shows input t of `record` as its row describes it: the prompt, the result field
    // or the list, the keypad. A first input chosen in a list is refilled when asked.
    void ShowInput(TCalculette& record, int t, bool refillFirstList);
    // The formula fold: the result text replaces the number being typed at the end of
    // the formula or follows a trailing operator. A result "0" that was not returned
    // by a sub-calculation leaves the formula as it is.
    QString FoldResultIntoFormula(const QString& formula, const QString& result, bool returned) const;
    void LayoutCalculator(TCalculette& record, bool valueReturned);

    // ---- Calculators menu (stack.cpp; the menu table is in menus.h) --------
    // CalculetteKClick: menu item K opens its calculator.
    void CalculetteClick(int item);
    QString CalculatorName(int number) const;

    // ---- Start-up and close (lifecycle.cpp) --------------------------------
    void FormCreate(const QString& resizableSetting);
    void FormCreate(const QString& resizableSetting, const QString& decimalSeparator);
    // Captions of the menu items (LoadMainCaptions).
    void LoadMainCaptions();
    // Runs its steps at the first call only.
    void FormActivate();
    void FormClose();

    // ---- Keypad, keyboard, memory (keypad.cpp) -----------------------------
    // Enters a digit, or with wholeNumber a whole number text (MR), into the number
    // at the end of the panel's formula and shows that number in its result field.
    void AppendKeyToEntry(const QString& key, PanelState& panel, bool wholeNumber = false);
    void PCalculatriceDigitClick(int digit);
    void PCalculatriceVirguleClick();
    void PMR0Click();
    // Returns true when the key was handled.
    bool FormKeyPress(QChar key);
    // keyCode: the key's upper-case letter code (KeyA, KeyC). Ctrl+C copies the result
    // field, Ctrl+A opens the help page of the calculator on screen.
    static constexpr int KeyA = 65;
    static constexpr int KeyC = 67;
    bool FormKeyDown(int keyCode, bool ctrl);

    // ---- Clear and undo (clearkeys.cpp) ------------------------------------
    void CalculatriceCEClick();
    void CalculatriceCClick();

    // ---- Dispatch by calculator number (engine.cpp) ------------------------
    // The keys of the calculator's row, run only while it is the one on screen: its
    // keys work on the calculator on screen.
    const CalculatorKeys* KeysOnScreen(int number) const;  // nullptr when it is not on screen
    void PCalculClick(int number);
    void PEtClick(int number);
    void ListBoxClick(int number, int row);
    void VariantClick(int number, int index);
    void RunUndoRoutine(int number);
    // An operator or function key of the keypad calculators (PCalculatricePlusClick ..
    // PMSClick of the standard calculator, PCalculatriceSinClick ..
    // PCalculatriceInvSigneClick of the mathematical functions): the key of the
    // calculator on screen. False when that calculator has no such key.
    bool KeypadKeyClick(KeypadKey key);

    // ---- History (history.cpp) ---------------------------------------------
    void AddHistoryEntry(int number, const QString& text, const std::array<double, MaxInputs>& inputs,
                         int termIndex, int unitScale);
    // Fills the history menu's captions (WindowState::historyCaptions): caption k is
    // that of entry k (oldest first), one per entry; the items beyond are hidden.
    void PopupMCalculsPopup();
    QString HistoryCaption(const HistoryEntry& entry) const;
    // Menu item Calcul<k> reopens history entry k: its unit comes back, its calculator
    // opens alone and the entry is replayed.
    void TraitArticleMCalculs(int n);
    // Restores entry n into the calculator on screen and presses its compute key with
    // RecomputingFlag set (cleared again also when the key fails).
    void ReplayHistoryEntry(int n);

    // ---- Options and favourites (options.cpp) ------------------------------
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

    // ---- Help menu (help.cpp) ----------------------------------------------
    void AideTornavelClick();
    void CollaborationClick();
    void AstucesTornavelClick();
    void VideosdedmonstrationdeTornavelClick();
    void PagePresentationTornavelClick();
    void SiteInternetAuteurClick();
    void AproposdeTornavelClick();
    void MiseANiveauClick();

    // ---- Update check (update_check.cpp) -----------------------------------
    // The pages of TFMiseAjour and TFMiseANiveau, for this product.
    QString UpdatePageAddress() const;
    QString UpgradePageAddress() const;

private:
    const StringTable& strings;
    UiServices& ui;
    const CalculatorRegistry& descriptions;
    KeyState keys;
    // The option selections, by CalculatorRegistry::SelectionOf.
    std::vector<int> selections_;
    int noSelection_ = 0;
    OptionsStore& optionsStore_;
    HistoryBook& historyBook_;
    HelpLinks& helpLinks_;
    UpdateCheck& updateCheck_;
    // The values of the two parts, as the rules read them; they change through the parts.
    const Options& options;
    const History& history;
    std::vector<PanelState> panels;
    WindowState window;
    std::deque<TCalculette> CalculatorStack;
    // Titles by calculator number, read when the window is created.
    std::vector<QString> calculatorNames_;
    QString AngleUnitSuffix = QStringLiteral("(°)");
    QString productName_;
    QString productVersion_;
    bool windowResizable_ = true;
    // The window behaviour last written to the settings file during this run ("O" or
    // "N"), empty before the first write.
    QString WindowBehaviourWritten;
    bool firstActivationDone = false;
    // The current folder at the first activation, where the state files are.
    QString startFolder_;
    NumberRules numbers_;
    // What the calculators' keys receive.
    EngineContext context_{*this};
};

} // namespace tornavel
