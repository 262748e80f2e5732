#pragma once

// Test-only access to the parts of the engine that the view never reaches.

#include "core/engine.h"

#include <deque>
#include <array>

namespace tornavel {

struct EngineAccess {
    // The session of open calculators: its state and rules.
    static tornavel::Session& Session(Engine& engine) { return engine.session_; }
    static const tornavel::Session& Session(const Engine& engine) { return engine.session_; }
    // The options store and the history book.
    static OptionsStore& Options(Engine& engine) { return engine.options_; }
    static const OptionsStore& Options(const Engine& engine) { return engine.options_; }
    static HistoryBook& History(Engine& engine) { return engine.history_; }
    static const HistoryBook& History(const Engine& engine) { return engine.history_; }
    // A length suffix apart from the unit's other suffixes, to tell which one a label takes.
    static void SetLengthUnitSuffix(Engine& engine, const QString& suffix)
    {
        engine.options_.options.LengthUnitSuffix = suffix;
    }
    // Replaces the whole history, for a test that starts from given entries.
    static void SetHistory(Engine& engine, const tornavel::History& history) { engine.history_.history = history; }
    // The five favourite slots at once.
    static void SetFavourites(Engine& engine, const std::array<int, FavouriteSlotCount>& favourites)
    {
        for (int slot = 0; slot < FavouriteSlotCount; ++slot)
            engine.options_.SetFavourite(slot, favourites[static_cast<size_t>(slot)]);
    }
    // The help pages and web pages.
    static HelpLinks& Help(Engine& engine) { return engine.help_; }
    // What the calculators' keys receive.
    static CalculatorContext& Context(Engine& engine) { return engine.session_.Context(); }
    // The rows, for a test that registers a family again.
    static CalculatorRegistry& Rows(Engine& engine) { return engine.descriptions; }
    // The keys of calculator `number`, for a test that replaces some of them: from the
    // first call on, this engine serves a copy of the row, whose keys these are. The
    // copies live as long as the tests.
    static CalculatorKeys& Keys(Engine& engine, int number)
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
