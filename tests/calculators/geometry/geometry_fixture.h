#pragma once

#include "calculators/geometry/geometry.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/calcerror.h"
#include "core/engine.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    void Open(int number) { OpenFromMenu(engine, number); }

    const TCalculette& Record() { return Seen(engine).stack.Top(); }
    const PanelState& Panel() { return Seen(engine).TopPanel(); }
    int Number() { return Seen(engine).stack.Top().Number; }

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

    // Reopens from the history menu an entry holding the given calculation, recorded
    // as a family records one, in unit `unitScale`.
    void Replay(int number, const QString& text, std::initializer_list<double> inputs, int termIndex,
                int unitScale = 10)
    {
        InputValues values{};
        std::copy(inputs.begin(), inputs.end(), values.begin());
        Replay(number, text, values, termIndex, unitScale);
    }
    void Replay(int number, const QString& text, const InputValues& inputs, int termIndex, int unitScale)
    {
        // The unit is chosen on the calculator opened afresh, before any input.
        if (Seen(engine).options.Values().UnitScaleCode != unitScale) {
            Open(number);
            ChooseInUnitWindow(engine, unitScale);
        }
        RecordAsAFamily(engine, number, text, inputs, termIndex);
        engine.TraitArticleMCalculs(Seen(engine).history.Values().LastHistoryIndex);
    }
};

} // namespace tornavel::testing
