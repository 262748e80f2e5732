#pragma once

#include "core/calculette.h"
#include "core/description.h"
#include "core/key_state.h"
#include "core/number_rules.h"
#include "core/options_store.h"
#include "core/panel.h"
#include "core/strings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tornavel {

// What the window shows: a panel per calculator, the window-wide state, the option
// selections behind the panels' buttons and the calculators' titles. It lays a
// calculator out, shows its inputs, gates "&&" and "f=" and writes the unit suffixes;
// the other parts change what it shows through its operations.
class Screen {
public:
    Screen(const CalculatorRegistry& descriptions, const StringTable& strings, const OptionsStore& options,
           KeyState& keys, const NumberRules& numbers);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // ---- What the view renders ------------------------------------------------
    // The panel of calculator `number`, a number of the catalogue.
    const PanelState& Panel(int number) const { return panels_[static_cast<size_t>(number)]; }
    const std::vector<PanelState>& Panels() const { return panels_; }
    const WindowState& Window() const { return window_; }
    // The title of a calculator, read when the window is created; empty for a number
    // outside the catalogue.
    QString CalculatorName(int number) const;
    // The option selection of calculator `number`, shared by the calculators of its
    // group (CalculatorRegistry::SelectionOf); 0 for one without option buttons.
    int OptionSelection(int number) const;

    // ---- Start-up ------------------------------------------------------------------
    // The window as it is created: its caption, the menu captions, the titles, every
    // panel with an empty formula and no option button checked.
    void FormCreate(const QString& caption);

    // ---- Layout and gating ------------------------------------------------------------
    // Puts `record`'s panel alone on screen with its sub-calculations offered, folds its
    // result into its formula (also a "0" when `valueReturned`: a sub-calculation has
    // just handed it back) and shows its current input.
    void LayoutCalculator(TCalculette& record, bool valueReturned);
    // Shows input t of `record` as its row describes it: the prompt, the result field
    // or the list, the keypad. A first input chosen in a list is refilled when asked.
    // `atLayout`: the calculator is being laid out, not cleared by C.
    void ShowInput(const TCalculette& record, int t, bool refillFirstList, bool atLayout = false);
    // Enables "&&", "f=" and MR of `record`'s panel as far as its inputs allow.
    void UpdateOperatorButtons(const TCalculette& record);

    // ---- Unit suffixes ---------------------------------------------------------------
    // "(cm)", "(cm2)", "(cm3)", "(cm2/l)" in the user's unit, or the angle's "(°)";
    // empty for none.
    QString UnitSuffixText(UnitSuffix suffix) const;
    // Whether conditional unit suffixes are shown on `record`'s panel (nullptr: no
    // calculator open): units always shown, or a sub-calculation of a calculator that
    // shows them.
    bool UnitSuffixShown(const TCalculette* record) const;
    // Text `promptId` followed by its unit suffix, always or when `record` shows them.
    QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always, const TCalculette* record) const;
    // A prompt or result label of a row as shown on `record`'s panel; empty for a row
    // without one; `atLayout` while the calculator is being laid out.
    QString LabelText(const Label& label, const TCalculette* record, bool atLayout = false) const;

    // ---- Fields of the panel on screen ---------------------------------------------------
    void SetResult(const QString& text);
    void SetFormula(const QString& text);
    void SetList(const QStringList& rows, int selection);
    void SetPrompt(const QString& text);
    // The result field or the list under the prompt, and the keypad that goes with it.
    void ShowInputField(InputField field);
    void SelectListRow(int row);

    // ---- Another calculator's panel ------------------------------------------------------
    // The result field of `caller` receives the result text of its sub-calculation.
    void HandBack(int caller, const QString& text);
    // Result field "0", formula field empty: C, and a calculator closed.
    void ResetPanelFields(int number);
    // The selection of calculator `number` is `index`, and its option button `index`
    // is the one checked (a selection beyond the buttons changes no button).
    void ChooseOption(int number, int index);
    // The option buttons of calculator `number` back to the first, and its selection.
    void ResetOption(int number);

    // ---- Menus ----------------------------------------------------------------------------
    void SetHistoryCaptions(const QStringList& captions);
    void SetFavouriteItems(const QStringList& captions, const std::array<bool, FavouriteSlotCount>& shown);
    void ShowUpgradeItem(bool shown) { window_.upgradeItemVisible = shown; }

private:
    // The panel on screen; nullptr before a calculator is laid out.
    PanelState* OnScreenPanel();
    // The selection of calculator `number`; a scratch value for one without buttons.
    int& SelectionSlot(int number);

    QString Str(int id) const { return strings_.Str(id); }
    bool UnitsAlwaysShown() const { return options_.Values().UnitDisplayOption == 1; }
    QString WithUnitSuffix(int stringId, UnitSuffix suffix, bool shown) const;
    QStringList ListRowsOf(const TCalculette& record, int input) const;
    QString FoldResultIntoFormula(const QString& formula, const QString& result, bool returned) const;
    void LoadMainCaptions();

    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    const OptionsStore& options_;
    KeyState& keys_;
    const NumberRules& numbers_;

    std::vector<PanelState> panels_;
    WindowState window_;
    // The option selections, by CalculatorRegistry::SelectionOf.
    std::vector<int> selections_;
    int noSelection_ = 0;
    // Titles by calculator number, read when the window is created.
    std::vector<QString> calculatorNames_;
};

} // namespace tornavel
