#pragma once

// What a test reads of an engine beyond its facade: const views of what each part owns.
// A test produces the state it needs by the program's operations (keys, menus, the
// files read at start-up), never by writing it.

#include "tests/support/engine_access.h"

namespace tornavel {

struct EngineView {
    explicit EngineView(const Engine& engine)
        : keys(EngineAccess::Keys(engine)), screen(EngineAccess::Screen(engine)), stack(EngineAccess::Stack(engine)),
          numbers(EngineAccess::Numbers(engine)), lifecycle(EngineAccess::Lifecycle(engine)),
          options(EngineAccess::Options(engine)), history(EngineAccess::History(engine)),
          help(EngineAccess::Help(engine))
    {
    }

    // The panel of the calculator on screen; only while one is open.
    const PanelState& TopPanel() const { return screen.Panel(stack.Top().Number); }

    const KeyState& keys;
    const Screen& screen;
    const CalculatorStack& stack;
    const NumberRules& numbers;
    const Lifecycle& lifecycle;
    const OptionsStore& options;
    const HistoryBook& history;
    const HelpLinks& help;
};

inline EngineView Seen(const Engine& engine) { return EngineView(engine); }

} // namespace tornavel
