// Circle, ellipse, sector and sphere-surface calculators (1-5, 22), and the parts of
// the next-term and compute pattern that every geometry calculator shares.

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using Circles = GeometryTest;

TEST_F(Circles, WorkedResults)
{
    struct Case {
        int number;
        std::initializer_list<const char*> inputs;
        const char* formula;
    };
    const Case cases[] = {
        {1, {"10"}, "Périmètre(10)=31,4159265358979"},
        {2, {"12", "5"}, "Périmètre(12&5)=28,8787390980294"},
        {3, {"10"}, "Surface(10)=78,5398163397448"},
        {4, {"10", "90"}, "Surface(10&90)=78,5398163397448"},
        {4, {"10", "359,9"}, "Surface(10&359,9)=314,07199889638"},
        {5, {"12", "5"}, "Surface(12&5)=47,1238898038469"},
        {22, {"10"}, "Surface(10)=314,159265358979"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        Open(c.number);
        Enter(c.inputs);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        const QString result = Panel().formula.section(QLatin1Char('='), 1);
        EXPECT_EQ(Panel().result, result);
        EXPECT_EQ(Seen(engine).numbers.NumberText(Seen(engine).keys.MemoryValue()), result);
        EXPECT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(c.number).resultCode);
        EXPECT_EQ(Seen(engine).keys.KeyClass(), engine.Descriptions().Of(c.number).resultCode);
        EXPECT_TRUE(ui.messages.isEmpty());
    }
}

// The checks on one input against another or a bound: accepted just inside the bound,
// refused at it and beyond it.
TEST_F(Circles, ChecksAcceptJustInsideTheBoundAndRefuseAtAndBeyondIt)
{
    struct Case {
        int number;
        std::initializer_list<const char*> inputs;
        bool accepted;
    };
    const Case cases[] = {
        {2, {"12", "11,99"}, true},  {2, {"12", "12"}, false},  {2, {"12", "12,01"}, false},
        {5, {"12", "11,99"}, true},  {5, {"12", "12"}, false},  {5, {"12", "12,01"}, false},
        {4, {"10", "359,99"}, true}, {4, {"10", "360"}, false}, {4, {"10", "360,01"}, false},
        {9, {"10", "9,99", "4"}, true}, {9, {"10", "10", "4"}, false}, {9, {"10", "10,01", "4"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.number << " " << *std::next(c.inputs.begin()));
        ui.messages.clear();
        Open(c.number);
        Enter(c.inputs);
        EXPECT_EQ(ui.messages.isEmpty(), c.accepted);
        EXPECT_EQ(Seen(engine).keys.LastKeyCode() == engine.Descriptions().Of(c.number).resultCode, c.accepted);
    }
}

TEST_F(Circles, EllipsesRefuseAMajorAxisNotLongerThanTheMinor)
{
    for (int number : {2, 5}) {
        for (const char* minor : {"15", "12"}) {
            SCOPED_TRACE(number);
            ui.messages.clear();
            Open(number);
            as_family::Memory(engine, 7.0);
            QString formulaAtMessage;
            ui.onMessage = [&] { formulaAtMessage = Panel().formula; };
            Enter({"12", minor});
            EXPECT_EQ(ui.messages, QStringList{InputError});
            EXPECT_EQ(ui.messageLines.back(), 1);
            // The refused axis is taken back before the message shows.
            EXPECT_EQ(formulaAtMessage, QStringLiteral("12&"));
            EXPECT_EQ(Panel().formula, QStringLiteral("12&"));
            EXPECT_EQ(Panel().result, QStringLiteral("0"));
            EXPECT_EQ(Panel().prompt, QStringLiteral("Petit axe"));
            EXPECT_EQ(Record().TermIndex, 1);
            EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7.0);
            EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::NextTerm);
        }
    }
}

TEST_F(Circles, SectorRefusesAFullTurn)
{
    Open(4);
    Enter({"10", "360"});
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Angle (°)"));
}

TEST_F(Circles, NoCheckOnZeroOrNegativeValues)
{
    Open(4);
    Type(QStringLiteral("10"));
    Next();
    Recall(-90.0);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&-90)=-78,5398163397448"));
    EXPECT_TRUE(ui.messages.isEmpty());

    Open(3);
    Enter({"0"});
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(0)=0"));
}

TEST_F(Circles, CirclePerimeterTidiesTheTypedNumberOthersKeepIt)
{
    Open(1);
    Enter({"12,"});
    EXPECT_EQ(Panel().formula, QStringLiteral("Périmètre(12)=37,6991118430775"));

    Open(3);
    Enter({"12,"});
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12,)=113,097335529233"));
}

TEST_F(Circles, ComputeIsRefusedRightAfterNextTermAndOnAShownResult)
{
    Open(2);
    Type(QStringLiteral("12"));
    Next();
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("12&"));
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::NextTerm);

    Type(QStringLiteral("5"));
    Compute();
    const QString shown = Panel().formula;
    as_family::Memory(engine, 1.0);
    Compute();
    EXPECT_EQ(Panel().formula, shown);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 1.0);

    Open(22);
    Enter({"10"});
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10)=314,159265358979"));
}

TEST_F(Circles, SingleInputComputeOnAnEmptyCalculatorOnlySetsTheCodes)
{
    for (int number : {1, 3, 11, 22}) {
        Open(number);
        Compute();
        EXPECT_EQ(Panel().formula, QString());
        EXPECT_EQ(Panel().result, QStringLiteral("0"));
        EXPECT_EQ(Seen(engine).keys.LastKeyCode(), engine.Descriptions().Of(number).resultCode);
        EXPECT_EQ(Seen(engine).keys.KeyClass(), engine.Descriptions().Of(number).resultCode);
        // The next digit starts over.
        Type(QStringLiteral("4"));
        EXPECT_EQ(Panel().formula, QStringLiteral("4"));
    }
}

TEST_F(Circles, NextTermGuards)
{
    Open(2);
    // Nothing typed: nothing to close.
    Next();
    EXPECT_EQ(Record().TermIndex, 0);
    EXPECT_EQ(Panel().formula, QString());

    // A typed zero is read from the formula and stored.
    Type(QStringLiteral("0"));
    Next();
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("0&"));
    EXPECT_EQ(Record().Inputs[0], 0.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::NextTerm);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::NextTerm);
    EXPECT_FALSE(Panel().nextEnabled);
    EXPECT_TRUE(Panel().computeEnabled);

    // The last input is closed by "f=" only.
    Type(QStringLiteral("5"));
    Next();
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("0&5"));
}

TEST_F(Circles, NextTermOnAShownResultClearsTheCalculator)
{
    Open(2);
    Enter({"12", "5"});
    Next();
    EXPECT_EQ(Panel().formula, QString());
    EXPECT_EQ(Panel().result, QStringLiteral("0"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Grand axe"));
    EXPECT_EQ(Record().TermIndex, 0);
}

TEST_F(Circles, SectorLabelsAndSuffixes)
{
    // Units shown only when needed, opened from the menu.
    Open(4);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Rayon"));
    Type(QStringLiteral("10"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Angle (°)"));
    Type(QStringLiteral("90"));
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Surface"));

    // Units always shown, in centimetres.
    ChooseUnitDisplay(engine, 1);
    Open(4);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Rayon (cm)"));
    Type(QStringLiteral("10"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Angle (°)"));
    Type(QStringLiteral("90"));
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Surface (cm2)"));
    // The finished formula carries the label without its suffix.
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&90)=78,5398163397448"));
}

TEST_F(Circles, HistoryKeepsTheTermsAndAReplayAddsNothing)
{
    ChooseInUnitWindow(engine, 25);
    Open(2);
    Enter({"12", "5"});
    Open(1);
    Enter({"10"});
    ASSERT_EQ(Seen(engine).history.Values().LastHistoryIndex, 1);
    const HistoryEntry& ellipse = Seen(engine).history.Values().HistoryEntries[0];
    EXPECT_EQ(ellipse.Number, 2);
    EXPECT_EQ(ellipse.Text, QStringLiteral("12&5"));
    EXPECT_EQ(ellipse.Inputs[0], 12.0);
    EXPECT_EQ(ellipse.Inputs[1], 5.0);
    EXPECT_EQ(ellipse.TermIndex, 1);
    EXPECT_EQ(ellipse.UnitScale, 25);
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[1].Text, QStringLiteral("10"));

    // A single-input calculator computes again from the entry's text alone.
    ChooseInUnitWindow(engine, 10);
    engine.TraitArticleMCalculs(1);
    EXPECT_EQ(Panel().formula, QStringLiteral("Périmètre(10)=31,4159265358979"));
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(Panel().formula, QStringLiteral("Périmètre(12&5)=28,8787390980294"));
    EXPECT_EQ(Seen(engine).options.Values().UnitScaleCode, 25);
    EXPECT_EQ(Seen(engine).history.Values().LastHistoryIndex, 1);
    EXPECT_FALSE(Seen(engine).keys.RecomputingFlag());
}

} // namespace
