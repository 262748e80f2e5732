#pragma once

#include "core/description.h"

namespace tornavel {

class CalculatorContext;
class CalculatorStack;

// The keys of the calculators' rows, run only while their calculator is the one on
// screen: its keys work on the calculator on screen, through the families' context.
class KeyDispatch {
public:
    KeyDispatch(const CalculatorRegistry& descriptions, const CalculatorStack& stack, CalculatorContext& context);
    KeyDispatch(const KeyDispatch&) = delete;
    KeyDispatch& operator=(const KeyDispatch&) = delete;

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

private:
    // nullptr when `number` is not on screen.
    const CalculatorKeys* KeysOnScreen(int number) const;

    const CalculatorRegistry& descriptions_;
    const CalculatorStack& stack_;
    CalculatorContext& context_;
};

} // namespace tornavel
