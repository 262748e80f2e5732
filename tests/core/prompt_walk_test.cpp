#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"
#include "tests/support/sub_calculation.h"

#include <gtest/gtest.h>

#include <map>

namespace tornavel {
namespace {

// Walks every calculator through the ways a prompt gets on screen (open, C, "&&",
// CE, the return from a sub-calculation, a refusal, the replay of a history entry)
// and checks that each input is asked for with one and the same text on all of them.
// The calculators of the input protocol, whose CE asks for some inputs with texts of
// its own, are walked against their texts in texts_walk_test.cpp.
struct PromptWalk : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    // Prompts seen, by input and then by the step that showed them.
    std::map<int, std::map<std::string, QString>> seen;

    const CalculatorDescription& Row(int n) { return engine.Descriptions().Of(n); }
    const CalculatorKeys& Keys(int n) { return Row(n).keys; }

    void Record(int input, const std::string& step) { seen[input][step] = Seen(engine).TopPanel().prompt; }

    // Values that every calculator accepts in this order (lengths that shrink, a wall
    // thickness that leaves an interior; only the wallpaper needs a roll longer than
    // its wall is high); list inputs take their first row.
    void Enter(int n, int t)
    {
        if (Row(n).inputs[static_cast<size_t>(t)].list) {
            engine.ListBoxClick(n, 0);
            return;
        }
        static const char* const values[] = {"300", "250", "20", "10", "5", "4"};
        static const char* const wallpaper[] = {"300", "250", "1000", "50", "5", "4"};
        const char* const* chosen = n == 27 ? wallpaper : values;
        for (const char* c = chosen[t]; *c; ++c)
            engine.FormKeyPress(QLatin1Char(*c));
    }

    // Opens the standard calculator as a sub-calculation, types 7 and hands it back;
    // CE then takes the returned number back again.
    void SubCalculation(int t)
    {
        const TCalculette& caller = Seen(engine).stack.Top();
        const auto& offered = caller.OfferedCalculators;
        const auto it = std::find(offered.begin(), offered.end(), 0);
        if (!Seen(engine).keys.KeypadEnabled() || it == offered.end())
            return;
        const int n = caller.Number;
        engine.LbCalculettesDblClick(static_cast<int>(it - offered.begin()));
        ASSERT_EQ(Seen(engine).stack.Top().Number, 0);
        engine.FormKeyPress(QLatin1Char('7'));
        engine.POk0Click();
        ASSERT_EQ(Seen(engine).stack.Top().Number, n);
        Record(t, "back from a sub-calculation");
        engine.CalculatriceCEClick();
        Record(t, "CE on the returned number");
    }

    void Walk(int n)
    {
        const CalculatorDescription& row = Row(n);
        OpenFromMenu(engine, n);
        Record(0, "open");
        engine.CalculatriceCClick();
        Record(0, "C");
        if (row.inputs.empty())
            return;
        SubCalculation(0);

        const int last = row.inputCount() - 1;
        for (int t = 0; t < last && Keys(n).nextTerm; ++t) {
            Enter(n, t);
            engine.PEtClick(n);
            if (Seen(engine).stack.Top().TermIndex != t + 1) {
                Record(t, "asked again after a refusal");
                return;
            }
            Record(t + 1, "&&");
            engine.CalculatriceCEClick();
            Record(t, "CE right after &&");
            engine.PEtClick(n);
            Record(t + 1, "&& again");
            LayOutAgain(engine);
            Record(t + 1, "back on screen");
            SubCalculation(t + 1);
        }
        if (!Keys(n).compute || !Keys(n).undo || Seen(engine).stack.Top().TermIndex != last)
            return;
        Enter(n, last);
        engine.PCalculClick(n);
        if (Seen(engine).keys.LastKeyCode() != row.resultCode) {
            Record(last, "asked again after a refusal");
            return;
        }
        engine.CalculatriceCEClick();
        Record(last, "CE on a result");
        engine.TraitArticleMCalculs(Seen(engine).history.Values().LastHistoryIndex);
        engine.CalculatriceCEClick();
        Record(last, "CE on a replayed result");
    }
};

TEST_F(PromptWalk, EveryInputIsAskedForWithTheSameTextWhicheverWayItComesBack)
{
    for (int display : {0, 1}) {
        for (int n = 0; n < CalculatorCount; ++n) {
            if (n >= 17 && n <= 38 && n != 20 && n != 22)
                continue;
            SCOPED_TRACE(::testing::Message() << "calculator " << n << ", units shown " << display);
            ChooseUnitDisplay(engine, display);
            seen.clear();
            Walk(n);
            for (auto [input, steps] : seen) {
                // A prompt with a rule of its own when the calculator is laid out.
                if (input < Row(n).inputCount()
                    && Row(n).inputs[static_cast<size_t>(input)].prompt.shown == SuffixShown::ByRuleAtLayout) {
                    steps.erase("open");
                    steps.erase("back from a sub-calculation");
                }
                if (steps.empty())
                    continue;
                const auto& [firstStep, firstPrompt] = *steps.begin();
                for (const auto& [step, prompt] : steps)
                    EXPECT_EQ(prompt.toStdString(), firstPrompt.toStdString())
                        << "input " << input << ": \"" << step << "\" against \"" << firstStep << "\"";
            }
            // Every described input was reached by the geometry calculators, whose
            // keys are all here.
            if (n >= 1 && n <= 38 && Keys(n).nextTerm) {
                EXPECT_EQ(static_cast<int>(seen.size()), Row(n).inputCount());
            }
        }
    }
}

} // namespace
} // namespace tornavel
