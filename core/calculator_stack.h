#pragma once

#include "core/calculette.h"
#include "core/description.h"
#include "core/key_state.h"

#include <deque>

namespace tornavel {

class Screen;

// The stack of open calculators: the calculator on screen at the back, the callers of
// its sub-calculations below it. It owns their records, opens and closes calculators
// with the hand-back rule, lays out the one that comes on screen and starts it over
// (C).
class CalculatorStack {
public:
    CalculatorStack(const CalculatorRegistry& descriptions, Screen& screen, KeyState& keys);
    CalculatorStack(const CalculatorStack&) = delete;
    CalculatorStack& operator=(const CalculatorStack&) = delete;

    bool HasCalculator() const { return !records_.empty(); }
    // The record of the calculator on screen; only while HasCalculator().
    const TCalculette& Top() const { return records_.back(); }
    // nullptr while no calculator is open.
    const TCalculette* OnScreen() const { return records_.empty() ? nullptr : &records_.back(); }
    const std::deque<TCalculette>& Records() const { return records_; }
    bool IsOpenInStack(int number) const;

    // Pushes a calculator (a number of the catalogue; anything else is ignored) and lays
    // it out. With a target, the caller's result field receives the new calculator's
    // result text.
    void PushCalculator(int number, int target);
    // Removes the back record with the hand-back rule; true when its result text
    // went into the caller's result field.
    bool PopCalculator();
    // Removes every record, back to front, handing nothing back; the panel of each
    // closed record is reset to "0" and an empty formula.
    void ClearCalculatorStack();
    // Closes every open calculator and opens `number` alone (menus, favourites,
    // history).
    void OpenCalculator(int number);
    // OK of a sub-calculation: it closes and hands its result back to its caller.
    void POk0Click();
    // A double click in the sub-calculation list opens row `row` above the calculator
    // on screen.
    void LbCalculettesDblClick(int row);
    // CalculetteKClick: menu item K opens its calculator.
    void CalculetteClick(int item);
    // Lays out the calculator on screen again; `valueReturned` as for
    // Screen::LayoutCalculator.
    void ShowCalculator(bool valueReturned = false);
    // The calculator on screen is at input `termIndex` with these values.
    void SetTopInputs(int termIndex, const InputValues& inputs);
    // C: the calculator on screen starts over at its first input.
    void CalculatriceCClick();

private:
    TCalculette& TopRecord() { return records_.back(); }

    void ResetCurrentCalculatorDisplay();
    int TargetCalculatorNumber(const TCalculette& record) const;

    const CalculatorRegistry& descriptions_;
    Screen& screen_;
    KeyState& keys_;
    std::deque<TCalculette> records_;
};

} // namespace tornavel
