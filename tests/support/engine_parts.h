#pragma once

// The families' context, for a test that stands in for a calculator's key; what a test
// reads is in engine_view.h, the steps that bring an engine somewhere in
// program_steps.h.

#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"

namespace tornavel {

struct EngineParts {
    explicit EngineParts(Engine& engine) : family(EngineAccess::Context(engine)), stack(EngineAccess::Stack(engine))
    {
    }

    // What a family's key receives: the calculator on screen, its panel and the key
    // state, writable as a key writes them.
    CalculatorContext& family;
    const CalculatorStack& stack;
};

inline EngineParts Parts(Engine& engine) { return EngineParts(engine); }

} // namespace tornavel
