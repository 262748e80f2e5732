#pragma once

#include "core/description.h"
#include "core/history.h"
#include "core/key_state.h"
#include "core/number_rules.h"

#include <QString>

namespace tornavel {

class CalculatorStack;
class HistoryBook;
class KeyDispatch;
class OptionsStore;
class Screen;
class StringTable;

// Owns no state: it holds the history menu's rules, what a finished calculation adds to
// the history book, the menu's captions, and reopening an entry by replaying it.
class HistoryMenu {
public:
    HistoryMenu(const CalculatorRegistry& descriptions, const StringTable& strings, HistoryBook& book,
                OptionsStore& options, Screen& screen, CalculatorStack& stack, KeyState& keys, KeyDispatch& dispatch,
                const NumberRules& numbers);
    HistoryMenu(const HistoryMenu&) = delete;
    HistoryMenu& operator=(const HistoryMenu&) = delete;

    // A calculation of calculator `number` in the unit `unitScale`; a replay adds
    // nothing.
    void AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex, int unitScale);
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

private:
    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    HistoryBook& book_;
    OptionsStore& options_;
    Screen& screen_;
    CalculatorStack& stack_;
    KeyState& keys_;
    KeyDispatch& dispatch_;
    const NumberRules& numbers_;
};

} // namespace tornavel
