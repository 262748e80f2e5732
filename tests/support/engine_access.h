#pragma once

// Test-only access to the parts of the engine that the view never reaches.

#include "core/engine.h"

namespace tornavel {

struct EngineAccess {
    // What the calculators' keys receive.
    static CalculatorContext& Context(Engine& engine) { return engine.context_; }
};

} // namespace tornavel
