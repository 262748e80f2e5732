#pragma once

#include "core/description.h"
#include "core/key_state.h"
#include "core/number_rules.h"

#include <QChar>
#include <QString>

namespace tornavel {

class CalculatorStack;
class HelpLinks;
class KeyDispatch;
class Screen;
class UiServices;

// Owns no state: it holds the keypad's entry rules (digits, the comma, MR) and the
// keyboard table of the main window.
class Keypad {
public:
    // keyCode of FormKeyDown: the key's upper-case letter code.
    static constexpr int KeyA = 65;
    static constexpr int KeyC = 67;

    Keypad(const CalculatorRegistry& descriptions, Screen& screen, CalculatorStack& stack, KeyState& keys,
           KeyDispatch& dispatch, const NumberRules& numbers, UiServices& ui, HelpLinks& help);
    Keypad(const Keypad&) = delete;
    Keypad& operator=(const Keypad&) = delete;

    void PCalculatriceDigitClick(int digit);
    void PCalculatriceVirguleClick();
    void PMR0Click();
    // Returns true when the key was handled.
    bool FormKeyPress(QChar key);
    // Ctrl+C copies the result field, Ctrl+A opens the help page of the calculator on
    // screen.
    bool FormKeyDown(int keyCode, bool ctrl);

private:
    // Enters a digit, or with wholeNumber a whole number text (MR), into the number at
    // the end of the formula of the calculator on screen and shows that number in its
    // result field.
    void AppendKeyToEntry(const QString& key, bool wholeNumber);
    void PrepareEntry(bool takeBackRecalled);
    bool EndsWithDanglingNumber() const;
    int OnScreen() const;

    const CalculatorRegistry& descriptions_;
    Screen& screen_;
    CalculatorStack& stack_;
    KeyState& keys_;
    KeyDispatch& dispatch_;
    const NumberRules& numbers_;
    UiServices& ui_;
    HelpLinks& help_;
};

} // namespace tornavel
