#pragma once

#include "core/description.h"
#include "core/key_state.h"

namespace tornavel {

class CalculatorStack;
class KeyDispatch;
class Screen;

// C and CE of the calculator on screen.
class ClearKeys {
public:
    ClearKeys(const CalculatorRegistry& descriptions, Screen& screen, CalculatorStack& stack, KeyState& keys,
              KeyDispatch& dispatch);
    ClearKeys(const ClearKeys&) = delete;
    ClearKeys& operator=(const ClearKeys&) = delete;

    // CE: the calculator's own undo routine takes back the last thing entered.
    void CalculatriceCEClick();
    // C: the calculator starts over at its first input.
    void CalculatriceCClick();

private:
    const CalculatorRegistry& descriptions_;
    Screen& screen_;
    CalculatorStack& stack_;
    KeyState& keys_;
    KeyDispatch& dispatch_;
};

} // namespace tornavel
