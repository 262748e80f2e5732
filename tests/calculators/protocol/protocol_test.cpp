// The steps shared by the calculators of the input protocol, on the real keys.

#include "tests/calculators/protocol/protocol_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using InputProtocol = ProtocolTest;

// The same calculation before CE, after CE and "f=", and replayed from the history,
// with a last input recalled by MR (its sign and exponent kept).
TEST_F(InputProtocol, LastInputReadBackKeepsItsSignAndExponent)
{
    struct Case {
        int number;
        const char* closedInputs;
        double lastInput;
    };
    const Case cases[] = {
        {RafterSection, "300&#1&", 60.0},
        {TileGauge, "1&", 0.00005},
        {TileGauge, "1&", -3.0},
        {Roof, "500&400&20&", 0.00005},
        {Slabs, "100&30&", -3.0},
        {Slabs, "100&30&", 0.00005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.number << " " << c.lastInput);
        OpenIn(c.number);
        const int before = Entries();
        Keys(c.closedInputs);
        Recall(c.lastInput);
        Compute();
        const QString first = Panel().formula;
        EXPECT_EQ(Code(), engine.Descriptions().Of(c.number).resultCode);
        CE();
        Compute();
        EXPECT_EQ(Panel().formula, first);
        EXPECT_EQ(Entries() - before, 2);
        engine.TraitArticleMCalculs(before);
        EXPECT_EQ(Panel().formula, first);
        EXPECT_EQ(Entries() - before, 2);
    }
}

TEST_F(InputProtocol, OptionButtonRerunAddsNoHistoryEntryAndLowersItsFlags)
{
    OpenIn(Slabs);
    Keys("100000&30&30=@1");
    EXPECT_EQ(Panel().formula, QStringLiteral("Colle(100000&30&30)=20"));
    EXPECT_FALSE(Panel().radios[0].checked);
    EXPECT_TRUE(Panel().radios[1].checked);
    EXPECT_EQ(Entries(), 1);
    EXPECT_FALSE(Seen(engine).keys.RecomputingFlag());
    EXPECT_FALSE(Seen(engine).keys.VariantChangedFlag());
}

TEST_F(InputProtocol, ReplayComputesTheOptionOnAtTheTimeOfTheReplay)
{
    OpenIn(Roof);
    Keys("500&400&20&35=!@1");
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(Panel().formula, QStringLiteral("Linéaire(500&400&20&35)=6400"));
    EXPECT_EQ(Entries(), 1);
}

TEST_F(InputProtocol, ReplayNeverTrustsStoredChoicesAndSpans)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int number;
        const char* text;
        std::initializer_list<double> inputs;
        int termIndex;
        bool refused;  // the input-error message, else nothing at all
    };
    const Case cases[] = {
        {RafterSection, "300&x&60", {300, 5, 60}, 2, false},
        {RafterSection, "300&250&60", {300, nan, 60}, 2, false},
        {RafterSection, "1E9&250&60", {1e9, 1, 60}, 2, true},
        {RafterSpacing, "300&250&x", {300, 1, 7}, 2, true},
        {RafterSpacing, "300&250&x", {300, 1, -1}, 2, true},
        {RafterSpacing, "300&x&8/14", {300, 3, 4}, 2, false},
        {Concrete, "2&x", {2, 3}, 1, false},
        {Concrete, "2&x", {2, 1e300}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ui.messages.clear();
        Open(c.number);
        as_family::Memory(engine, 0.0);
        Replay(c.number, QString::fromUtf8(c.text), c.inputs, c.termIndex);
        EXPECT_NE(Code(), engine.Descriptions().Of(c.number).resultCode);
        EXPECT_EQ(Seen(engine).keys.MemoryValue(), 0.0);
        EXPECT_EQ(ui.messages.size(), c.refused ? 1 : 0);
        EXPECT_FALSE(Panel().formula.contains(QLatin1Char('=')));
    }
}

// A calculator's keys act only while it is on screen: those of another calculator, the
// one waiting under a sub-calculation included, leave every calculator as it was.
TEST_F(InputProtocol, KeysOfACalculatorNotOnScreenDoNothing)
{
    OpenIn(Roof);
    Keys("500&400&20&35=");
    const PanelState roof = Panel();
    ASSERT_EQ(Entries(), 1);
    const auto expectRoofAsItWas = [&] {
        EXPECT_EQ(Number(), int(Roof));
        EXPECT_EQ(Panel().formula, roof.formula);
        EXPECT_EQ(Panel().result, roof.result);
        EXPECT_EQ(Panel().prompt, roof.prompt);
        EXPECT_EQ(Panel().radios[1].checked, roof.radios[1].checked);
        EXPECT_EQ(Entries(), 1);
    };
    for (int other : {0, 18, 23, 31, 33, 39}) {
        SCOPED_TRACE(other);
        engine.PCalculClick(other);
        engine.PEtClick(other);
        engine.ListBoxClick(other, 0);
        engine.VariantClick(other, 1);
        expectRoofAsItWas();
    }

    // The standard calculator as a sub-calculation: the roof waiting under it ignores
    // its own keys until it is back on screen.
    Keys("!500&");
    const QString waitingFormula = Panel().formula;
    const auto& offered = Record().OfferedCalculators;
    const auto standard = std::find(offered.begin(), offered.end(), 0);
    ASSERT_NE(standard, offered.end());
    engine.LbCalculettesDblClick(static_cast<int>(standard - offered.begin()));
    ASSERT_EQ(Number(), 0);
    Type(QStringLiteral("7"));
    engine.PCalculClick(Roof);
    engine.PEtClick(Roof);
    engine.VariantClick(Roof, 1);
    EXPECT_EQ(Number(), 0);
    EXPECT_EQ(Panel().formula, QStringLiteral("7"));
    const PanelState& waiting = engine.Panel(Roof);
    EXPECT_EQ(waiting.formula, waitingFormula);
    EXPECT_TRUE(waiting.radios[0].checked);
    EXPECT_FALSE(waiting.radios[1].checked);
    EXPECT_EQ(Entries(), 1);
}

} // namespace
