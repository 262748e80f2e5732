#pragma once

// The parts of an engine as a test sees them: const views of what each part owns, the
// operations of the parts that no key or menu of the view calls directly. A test that
// stands in for a calculator's key does so through tests/support/family_key.h.

#include "tests/support/engine_access.h"

#include <array>

namespace tornavel {

struct EngineParts {
    explicit EngineParts(Engine& engine)
        : keys(EngineAccess::Keys(engine)), screen(EngineAccess::Screen(engine)), stack(EngineAccess::Stack(engine)),
          numbers(EngineAccess::Numbers(engine)), lifecycle(EngineAccess::Lifecycle(engine)),
          options(EngineAccess::Options(engine)),
          history(EngineAccess::History(engine)), historyMenu(EngineAccess::HistoryMenu(engine)),
          optionsMenu(EngineAccess::OptionsMenu(engine)), dispatch(EngineAccess::Dispatch(engine)),
          help(EngineAccess::Help(engine))
    {
    }

    // The panel of the calculator on screen; only while one is open.
    const PanelState& TopPanel() const { return screen.Panel(stack.Top().Number); }

    const KeyState& keys;
    const Screen& screen;
    CalculatorStack& stack;
    const NumberRules& numbers;
    const Lifecycle& lifecycle;
    OptionsStore& options;
    HistoryBook& history;
    HistoryMenu& historyMenu;
    OptionsMenu& optionsMenu;
    KeyDispatch& dispatch;
    HelpLinks& help;
};

inline EngineParts Parts(Engine& engine) { return EngineParts(engine); }

// The five favourite slots at once.
inline void SetFavourites(Engine& engine, const std::array<int, FavouriteSlotCount>& favourites)
{
    OptionsStore& options = EngineAccess::Options(engine);
    for (int slot = 0; slot < FavouriteSlotCount; ++slot)
        options.SetFavourite(slot, favourites[static_cast<size_t>(slot)]);
}

// The history holds the entries of `history` and nothing else: emptied as when no
// history file is there, then each entry added as a calculation of this run adds it
// (for the calculators that keep their inputs and no key code, the entry itself).
inline void ReplaceHistory(Engine& engine, const History& history)
{
    HistoryBook& book = EngineAccess::History(engine);
    book.Load(QString());
    for (int k = 0; k <= history.LastHistoryIndex && k < HistoryCapacity; ++k) {
        const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(k)];
        book.Add(entry.Number, entry.Text, entry.Inputs, entry.TermIndex, entry.UnitScale, Code::None);
    }
}

} // namespace tornavel
