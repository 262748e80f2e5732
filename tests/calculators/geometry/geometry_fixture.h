#pragma once

#include "calculators/geometry/geometry.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/calcerror.h"
#include "core/engine.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tornavel::testing {

// Records the message window and, at that moment, what the calculator on screen
// shows: a refused input must already be taken back when the message appears.
class RecordingUi : public FakeUi {
public:
    std::function<void()> onMessage;
    void ShowMessageForm(const QString& text, int lines) override
    {
        FakeUi::ShowMessageForm(text, lines);
        if (onMessage)
            onMessage();
    }
};

inline const QString InputError = QStringLiteral("Erreur de saisie : Valeur non valide !");

struct GeometryTest : ::testing::Test {
    StringTable strings;
    RecordingUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    // Opens a calculator from the calculators menu.
    void Open(int number) { Parts(engine).stack.OpenCalculator(number); }

    const TCalculette& Record() { return Parts(engine).stack.Top(); }
    const PanelState& Panel() { return Parts(engine).TopPanel(); }
    int Number() { return Parts(engine).stack.Top().Number; }

    // Types a number on the keypad, the comma included.
    void Type(const QString& text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char(','))
                engine.PCalculatriceVirguleClick();
            else
                engine.PCalculatriceDigitClick(c.digitValue());
        }
    }
    // MR with the given value in the memory register.
    void Recall(double value)
    {
        as_family::Memory(engine, value);
        engine.PMR0Click();
    }
    void Next() { engine.PEtClick(Number()); }
    void Compute() { engine.PCalculClick(Number()); }
    void CE() { engine.CalculatriceCEClick(); }
    void C() { engine.CalculatriceCClick(); }

    // Types every input, closing all but the last with "&&", then "f=".
    void Enter(std::initializer_list<const char*> inputs)
    {
        int i = 0;
        for (const char* input : inputs) {
            if (i++ > 0)
                Next();
            Type(QString::fromUtf8(input));
        }
        Compute();
    }

    // Reopens a history entry holding the given calculation, from the history menu.
    void Replay(int number, const QString& text, std::initializer_list<double> inputs, int termIndex,
                int unitScale = 10)
    {
        HistoryEntry entry;
        entry.Number = number;
        entry.Text = text;
        int i = 0;
        for (double v : inputs)
            entry.Inputs[static_cast<size_t>(i++)] = v;
        entry.TermIndex = termIndex;
        entry.UnitScale = unitScale;
        History history;
        history.HistoryEntries[0] = entry;
        history.LastHistoryIndex = 0;
        ReplaceHistory(engine, history);
        engine.TraitArticleMCalculs(0);
    }
};

} // namespace tornavel::testing
