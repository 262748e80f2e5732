#pragma once

// The calculators of the input protocol driven through the engine's real keys, with a
// key script: digits and "," the keypad, "&" "&&", "=" "f=", "#k" row k of the list,
// "@k" option button k, "<" CE, "!" C, "m" MR.

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

#include <string_view>

namespace tornavel::testing {

// Calculator numbers.
enum Calculator : int {
    RafterSection = 17,
    RafterSpacing = 18,
    TileGauge = 19,
    Roof = 21,
    Concrete = 23,
    Slabs = 24,
};

// Unit codes.
enum Unit : int { Millimetre = 1, Centimetre = 10, Inch = 25, Metre = 1000 };

inline const QString NoAnswer = QStringLiteral("Aucun résultat valide pour ces paramètres !");

struct ProtocolTest : GeometryTest {
    void SetUnit(int unit) { ChooseInUnitWindow(engine, unit); }
    // Opens the calculator in a unit, with its option buttons back to the first. The
    // unit is chosen once it is open, before any input, which it relabels.
    void OpenIn(int number, int unit = Centimetre)
    {
        // The option is chosen as the calculator's own button does, on screen.
        Open(number);
        as_family::Option(engine, number, 0);
        Open(number);
        SetUnit(unit);
    }
    void Keys(std::string_view script)
    {
        for (size_t i = 0; i < script.size(); ++i) {
            const char c = script[i];
            switch (c) {
            case '&': Next(); break;
            case '=': Compute(); break;
            case '<': CE(); break;
            case '!': C(); break;
            case 'm': engine.PMR0Click(); break;
            case ',': engine.PCalculatriceVirguleClick(); break;
            case '#': engine.ListBoxClick(Number(), script[++i] - '0'); break;
            case '@': engine.VariantClick(Number(), script[++i] - '0'); break;
            default: engine.PCalculatriceDigitClick(c - '0'); break;
            }
        }
    }
    int Code() { return Seen(engine).keys.LastKeyCode(); }
    int Entries() { return Seen(engine).history.Values().LastHistoryIndex + 1; }
};

// One worked case: keys typed in a unit, and what the panel then shows. A message of
// nullptr: none.
struct Worked {
    int unit;
    const char* keys;
    const char* formula;
    const char* result;
    const char* prompt;
    const char* message = nullptr;
};

inline void ExpectWorked(ProtocolTest& t, int number, const Worked& c)
{
    SCOPED_TRACE(::testing::Message() << number << " " << c.keys << " in unit " << c.unit);
    t.ui.messages.clear();
    t.OpenIn(number, c.unit);
    t.Keys(c.keys);
    EXPECT_EQ(t.Panel().formula, QString::fromUtf8(c.formula));
    EXPECT_EQ(t.Panel().result, QString::fromUtf8(c.result));
    EXPECT_EQ(t.Panel().prompt, QString::fromUtf8(c.prompt));
    EXPECT_EQ(t.ui.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
}

} // namespace tornavel::testing
