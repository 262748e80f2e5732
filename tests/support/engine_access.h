#pragma once

// Test-only access to the parts of the engine that the view never reaches: const views
// of what they own.

#include "core/engine.h"


namespace tornavel {

struct EngineAccess {
    static const KeyState& Keys(const Engine& engine) { return engine.keys_; }
    static const tornavel::Screen& Screen(const Engine& engine) { return engine.screen_; }
    static const tornavel::CalculatorStack& Stack(const Engine& engine) { return engine.stack_; }
    static const NumberRules& Numbers(const Engine& engine) { return engine.numbers_; }
    static const tornavel::Lifecycle& Lifecycle(const Engine& engine) { return engine.lifecycle_; }
    static const OptionsStore& Options(const Engine& engine) { return engine.options_; }
    static const HistoryBook& History(const Engine& engine) { return engine.history_; }
    static const HelpLinks& Help(const Engine& engine) { return engine.help_; }
};

} // namespace tornavel
