// The steps shared by the calculators of the input protocol, on the real keys.

#include "tests/calculators/protocol/protocol_fixture.h"

#include <cmath>
#include <limits>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using InputProtocol = ProtocolTest;

TEST_F(InputProtocol, TypedZeroIsAnInputAndNextTermTwiceDoesNothing)
{
    OpenIn(TileGauge);
    Keys("0&&");
    EXPECT_EQ(Panel().formula, QStringLiteral("0&"));
    EXPECT_EQ(Panel().result, QStringLiteral("0"));
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Record().Inputs[0], 0.0);
    EXPECT_EQ(Code(), Code::NextTerm);
    // "&&" on the last input, and "f=" before it, do nothing.
    Keys("!50&10&");
    EXPECT_EQ(Panel().formula, QStringLiteral("50&10"));
    OpenIn(Slabs);
    Keys("100&30=");
    EXPECT_EQ(Panel().formula, QStringLiteral("100&30"));
    EXPECT_EQ(Record().TermIndex, 1);
}

TEST_F(InputProtocol, NextTermOnAResultStartsOverWithoutOpeningTheNextInput)
{
    OpenIn(TileGauge);
    Keys("50&10=&5");
    EXPECT_EQ(Panel().formula, QStringLiteral("5"));
    EXPECT_EQ(Record().TermIndex, 0);
    Keys("&");
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Recouvrement (cm)"));
}

TEST_F(InputProtocol, CeWalksBackOneStepAtATime)
{
    struct Step {
        const char* formula;
        const char* prompt;
        int termIndex;
        int lastKeyCode;
    };
    OpenIn(Slabs);
    Keys("100000&30&");
    const Step steps[] = {
        {"100000&30", "Longueur dalle (cm)", 1, Code::None},
        {"100000&", "Longueur dalle (cm)", 1, Code::NextTerm},
        {"100000", "Surface (cm2)", 0, Code::AfterUndo},
        {"", "Surface (cm2)", 0, Code::AfterUndo},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.formula);
        CE();
        EXPECT_EQ(Panel().formula, QString::fromUtf8(s.formula));
        EXPECT_EQ(Panel().prompt, QString::fromUtf8(s.prompt));
        EXPECT_EQ(Panel().result, QStringLiteral("0"));
        EXPECT_EQ(Record().TermIndex, s.termIndex);
        EXPECT_EQ(Code(), s.lastKeyCode);
        EXPECT_EQ(engine.keys.KeyClass, Code::AfterCE);
    }
}

TEST_F(InputProtocol, TypingAfterCeOnAResultReplacesTheLastTerm)
{
    // The formula records the value actually used, not "50&105".
    OpenIn(TileGauge);
    Keys("50&10=<5=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Pureau(50&5)=22,5"));
    OpenIn(RafterSection);
    Keys("300&#1&60=<65=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Section(300&250&65)=8/14"));
}

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
        engine.history = History{};
        Keys(c.closedInputs);
        Recall(c.lastInput);
        Compute();
        const QString first = Panel().formula;
        EXPECT_EQ(Code(), engine.descriptions.Of(c.number).resultCode);
        CE();
        Compute();
        EXPECT_EQ(Panel().formula, first);
        EXPECT_EQ(Entries(), 2);
        engine.TraitArticleMCalculs(0);
        EXPECT_EQ(Panel().formula, first);
        EXPECT_EQ(Entries(), 2);
    }
}

TEST_F(InputProtocol, OptionButtonsRerunOnlyAShownResult)
{
    OpenIn(Slabs);
    Keys("@1");
    EXPECT_EQ(engine.variants.SlabsOutput, 1);
    EXPECT_TRUE(Panel().formula.isEmpty());
    Keys("100000&30&30=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Colle(100000&30&30)=20"));
    // The button already on does nothing; another one shows its result at once,
    // without a history entry; both flags are down afterwards.
    Keys("@1");
    EXPECT_EQ(Panel().formula, QStringLiteral("Colle(100000&30&30)=20"));
    Keys("@0");
    EXPECT_EQ(Panel().formula, QStringLiteral("Dalles(100000&30&30)=112"));
    EXPECT_TRUE(Panel().radios[0].checked);
    EXPECT_FALSE(Panel().radios[1].checked);
    EXPECT_EQ(Entries(), 1);
    EXPECT_FALSE(engine.keys.RecomputingFlag);
    EXPECT_FALSE(engine.keys.VariantChangedFlag);
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
        engine.keys.MemoryValue = 0.0;
        Replay(c.number, QString::fromUtf8(c.text), c.inputs, c.termIndex);
        EXPECT_NE(Code(), engine.descriptions.Of(c.number).resultCode);
        EXPECT_EQ(engine.keys.MemoryValue, 0.0);
        EXPECT_EQ(ui.messages.size(), c.refused ? 1 : 0);
        EXPECT_FALSE(Panel().formula.contains(QLatin1Char('=')));
    }
}

} // namespace
