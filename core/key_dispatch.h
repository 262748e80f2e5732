#pragma once

#include "core/description.h"

namespace tornavel {

class CalculatorContext;
class CalculatorStack;
class KeyState;
class Screen;

// Owns no state: it holds the rule that a row's keys run only while their calculator
// is the one on screen, and that they work on it through the families' context.
class KeyDispatch {
public:
    KeyDispatch(const CalculatorRegistry& descriptions, const CalculatorStack& stack, CalculatorContext& context,
                Screen& screen, KeyState& keys);
    KeyDispatch(const KeyDispatch&) = delete;
    KeyDispatch& operator=(const KeyDispatch&) = delete;

    void PCalculClick(int number);
    void PEtClick(int number);
    void ListBoxClick(int number, int row);
    void VariantClick(int number, int index);
    void RunUndoRoutine(int number);
    // CE: the undo routine of the calculator on screen takes back the last thing
    // entered.
    void CalculatriceCEClick();
    // An operator or function key of the keypad calculators (PCalculatricePlusClick ..
    // PMSClick of the standard calculator, PCalculatriceSinClick ..
    // PCalculatriceInvSigneClick of the mathematical functions): the key of the
    // calculator on screen. False when that calculator has no such key.
    bool KeypadKeyClick(KeypadKey key);

private:
    // nullptr when `number` is not on screen.
    const CalculatorKeys* KeysOnScreen(int number) const;

    const CalculatorRegistry& descriptions_;
    const CalculatorStack& stack_;
    CalculatorContext& context_;
    Screen& screen_;
    KeyState& keys_;
};

} // namespace tornavel
