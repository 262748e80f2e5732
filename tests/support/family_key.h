#pragma once

// A test that stands in for a family's key: its step receives the families' context
// the way a key of a calculator's row does, pressed through the engine's operations,
// and says what it wants done through the same intent operations.

#include "core/engine.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <functional>

namespace tornavel {

// Runs `step` as the compute key of the calculator on screen, pressed once through the
// engine; the row's own key runs again afterwards. A calculator must be on screen, and
// the engine must serve AllCalculators() or a copy of it.
inline void AsFamilyKey(Engine& engine, const std::function<void(CalculatorContext&)>& step)
{
    if (!engine.HasCalculator()) {
        ADD_FAILURE() << "no calculator on screen to receive a family's key";
        return;
    }
    struct Pressed {
        explicit Pressed(const std::function<void(CalculatorContext&)>& step) { StandInComputeKey() = step; }
        ~Pressed() { StandInComputeKey() = nullptr; }
    } pressed(step);
    engine.PCalculClick(engine.Window().visiblePanel);
}

// What a family's key can leave, for tests that start from such a state.
namespace as_family {

// Opens calculator `number` alone from the calculators menu, for a test that has none
// on screen yet.
inline void Open(Engine& engine, int number)
{
    engine.CalculetteClick(engine.Descriptions().MenuItemOfCalculator(number));
}

// The fields of the calculator on screen as typing leaves them.
inline void Typed(Engine& engine, const QString& formula, const QString& result, int code)
{
    AsFamilyKey(engine, [&](CalculatorContext& c) {
        c.ShowEntry(result, formula);
        c.KeyPressed(code);
    });
}

// The fields of the calculator on screen hold `result` and `formula`, the key state as
// it was.
inline void Fields(Engine& engine, const QString& formula, const QString& result)
{
    AsFamilyKey(engine, [&](CalculatorContext& c) { c.ShowEntry(result, formula); });
}

// The formula of the calculator on screen holds `formula`, its result field as it was.
inline void Formula(Engine& engine, const QString& formula)
{
    AsFamilyKey(engine, [&](CalculatorContext& c) { c.ShowEntry(c.TopPanel().result, formula); });
}

// The memory register holds `value` (MS).
inline void Memory(Engine& engine, double value)
{
    AsFamilyKey(engine, [value](CalculatorContext& c) { c.StoreInMemory(value); });
}

// Option `index` of calculator `number` is chosen, with no result to compute again.
inline void Option(Engine& engine, int number, int index)
{
    AsFamilyKey(engine, [&](CalculatorContext& c) {
        c.ChooseOption(c.Descriptions().Of(number), index);
        c.RecomputeForOption([] {});
    });
}

// The calculator on screen is at input `termIndex`.
inline void Term(Engine& engine, int termIndex)
{
    AsFamilyKey(engine, [termIndex](CalculatorContext& c) { c.GoToTerm(termIndex); });
}

// The key state as a key that leaves `code` leaves it.
inline void Pressed(Engine& engine, int code)
{
    AsFamilyKey(engine, [code](CalculatorContext& c) { c.KeyPressed(code); });
}

} // namespace as_family

} // namespace tornavel
