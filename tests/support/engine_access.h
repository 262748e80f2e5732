#pragma once

// Test-only access to the parts of the engine that the view never reaches: const views
// of what they own, the operations of the parts that no menu or key of the view calls
// directly.

#include "core/engine.h"

#include <deque>
#include <memory>

namespace tornavel {

struct EngineAccess {
    static const KeyState& Keys(const Engine& engine) { return engine.keys_; }
    static const tornavel::Screen& Screen(const Engine& engine) { return engine.screen_; }
    static tornavel::CalculatorStack& Stack(Engine& engine) { return engine.stack_; }
    static const tornavel::CalculatorStack& Stack(const Engine& engine) { return engine.stack_; }
    // The panel of the calculator on screen; only while one is open.
    static const PanelState& TopPanel(const Engine& engine) { return engine.screen_.Panel(engine.stack_.Top().Number); }
    static const NumberRules& Numbers(const Engine& engine) { return engine.numbers_; }
    static const tornavel::Lifecycle& Lifecycle(const Engine& engine) { return engine.lifecycle_; }
    static tornavel::HistoryMenu& HistoryMenu(Engine& engine) { return engine.historyMenu_; }
    static tornavel::OptionsMenu& OptionsMenu(Engine& engine) { return engine.optionsMenu_; }
    static KeyDispatch& Dispatch(Engine& engine) { return engine.dispatch_; }
    // The options store and the history book.
    static OptionsStore& Options(Engine& engine) { return engine.options_; }
    static const OptionsStore& Options(const Engine& engine) { return engine.options_; }
    static HistoryBook& History(Engine& engine) { return engine.history_; }
    static const HistoryBook& History(const Engine& engine) { return engine.history_; }
    // The help pages and web pages.
    static HelpLinks& Help(Engine& engine) { return engine.help_; }
    // The rows, for a test that registers a family again.
    static CalculatorRegistry& Rows(Engine& engine) { return engine.descriptions; }
    // The keys of calculator `number`, for a test that replaces some of them: from the
    // first call on, this engine serves a copy of the row, whose keys these are. The
    // copies live as long as the tests.
    static CalculatorKeys& RowKeys(Engine& engine, int number)
    {
        static std::deque<std::shared_ptr<CalculatorDescription>> copies;
        const CalculatorDescription& served = engine.descriptions.Of(number);
        for (const auto& copy : copies) {
            if (copy.get() == &served)
                return copy->keys;
        }
        copies.push_back(std::make_shared<CalculatorDescription>(served));
        engine.descriptions.Replace(copies.back());
        return copies.back()->keys;
    }
};

} // namespace tornavel
