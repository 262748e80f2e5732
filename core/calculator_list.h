#pragma once

#include "core/state.h"

#include <QString>
#include <vector>

namespace tornavel {

class CalculatorRegistry;
class HelpLinks;
class OptionsStore;
class Screen;
class StringTable;
class UiServices;

// The rules of the calculator-list window FLCalculettes: a check box per
// calculator in the order of the calculator lists (CalculatorRegistry::ListOrder),
// from which the user chooses either the default calculator (mode 0) or up to five
// favourites (mode 1). The window shows this model and forwards its clicks and keys;
// OK writes the choice into the options.
class CalculatorListWindow {
public:
    static constexpr int ChooseDefault = 0;
    static constexpr int ChooseFavourites = 1;

    CalculatorListWindow(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                         const Screen& screen, OptionsStore& options, HelpLinks& help, int listMode);

    // One box per calculator.
    int BoxCount() const { return static_cast<int>(checked_.size()); }

    int ListMode = ChooseDefault;

    // The calculator of box b in the list order, and the box of a calculator; -1 for
    // anything outside the list.
    int CalculatorOfBox(int box) const;
    int BoxOfCalculator(int number) const;

    QString BoxCaption(int box) const;
    bool IsChecked(int box) const;
    int CheckedCount() const;

    // At each showing: every box off, then the boxes of the current choice on.
    void FormActivate();
    // The user switched a box on or off. A second box in mode 0, a sixth in mode 1,
    // is switched off again at once. Returns the box's state after the rule.
    bool BoxClick(int box, bool checked);
    // OK: stores the choice and returns true (the window closes), or shows why not and
    // returns false (the window stays open).
    bool BtnOKClick();
    // Ctrl+A: opens the help page of the mode.
    void HelpKeyDown();
    // A key pressed in the window (see Keypad::FormKeyDown for the codes); true when it
    // was handled.
    bool FormKeyDown(int keyCode, bool ctrl);

private:
    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    UiServices& ui_;
    const Screen& screen_;
    OptionsStore& options_;
    HelpLinks& help_;
    std::vector<bool> checked_;
};

} // namespace tornavel
