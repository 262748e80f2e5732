#pragma once

// The calculators in fixed units (32-38) driven through the engine's real keys. The key
// script of the protocol tests, where "[text]" chooses the list row shown as "text".

#include "tests/calculators/protocol/protocol_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

namespace tornavel::testing {

enum FixedUnitCalculator : int {
    ResistancePower = 32,
    Circuit = 33,
    ConductorLength = 34,
    VolumeToWeight = 35,
    WeightToVolume = 36,
    Temperature = 37,
    Capacity = 38,
};

// One worked case: the shared option selection when the calculator opens, the keys, and
// what the panel then shows. A message of nullptr: none.
struct KeyCase {
    int shared;
    const char* keys;
    const char* formula;
    const char* result;
    const char* prompt;
    const char* message = nullptr;
};

struct FixedUnitsTest : ProtocolTest {
    // Opens the calculator with the shared option selections at `shared`.
    void OpenWith(int number, int shared)
    {
        Open(number);
        as_family::Option(engine, number, shared);
        Open(number);
    }
    void Script(std::string_view script)
    {
        while (!script.empty()) {
            const size_t open = script.find('[');
            Keys(script.substr(0, open));
            if (open == std::string_view::npos)
                return;
            const size_t close = script.find(']', open);
            Choose(QString::fromUtf8(script.substr(open + 1, close - open - 1)));
            script.remove_prefix(close + 1);
        }
    }
    // Clicks the row of the list on screen that shows `text`.
    void Choose(const QString& text)
    {
        ASSERT_TRUE(Panel().listVisible) << text.toStdString();
        const qsizetype row = Panel().listRows.indexOf(text);
        ASSERT_GE(row, 0) << text.toStdString();
        engine.ListBoxClick(Number(), int(row));
    }
    void Expect(int number, const KeyCase& c)
    {
        SCOPED_TRACE(::testing::Message() << number << " " << c.keys << " shared " << c.shared);
        ui.messages.clear();
        OpenWith(number, c.shared);
        Script(c.keys);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Panel().result, QString::fromUtf8(c.result));
        EXPECT_EQ(Panel().prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(ui.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
    // The row of the list on screen that is selected, as shown; empty for none.
    QString Selected()
    {
        const int row = Panel().listIndex;
        return row >= 0 && row < Panel().listRows.size() ? Panel().listRows[row] : QString();
    }
    // Reopens a history entry from the history menu.
    void ReplayEntry(int number, const char* text, const InputValues& inputs, int termIndex)
    {
        Replay(number, QString::fromUtf8(text), inputs, termIndex, Centimetre);
    }
    int CheckedButton()
    {
        for (size_t i = 0; i < Panel().radios.size(); ++i) {
            if (Panel().radios[i].checked)
                return int(i);
        }
        return -1;
    }
};

inline const char* const Refused = "Erreur de saisie : Valeur non valide !";
inline const char* const NoValue = "Aucun résultat valide pour ces paramètres !";

} // namespace tornavel::testing
