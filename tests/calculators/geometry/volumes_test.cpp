// Volume calculators (11-16).

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
#include "tests/support/sub_calculation.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using Volumes = GeometryTest;

TEST_F(Volumes, WorkedResults)
{
    struct Case {
        int number;
        std::initializer_list<const char*> inputs;
        const char* formula;
    };
    const Case cases[] = {
        // Four thirds of pi r cubed.
        {11, {"2"}, "Volume(2)=4,18879020478639"},
        {11, {"10"}, "Volume(10)=523,598775598299"},
        {12, {"2", "3"}, "Volume(2&3)=9,42477796076938"},
        {13, {"2", "3"}, "Volume(2&3)=1,73205080756888"},
        {14, {"3", "4"}, "Volume(3&4)=12"},
        {15, {"2", "3"}, "Volume(2&3)=3,14159265358979"},
        {16, {"1000", "500", "800", "250", "20"}, "Volume(1000&500&800&250&20)=273600000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        Open(c.number);
        Enter(c.inputs);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Seen(engine).numbers.NumberText(Seen(engine).keys.MemoryValue()), Panel().result);
        EXPECT_EQ(Seen(engine).keys.LastKeyCode(), 13);
        EXPECT_EQ(Seen(engine).keys.KeyClass(), 13);
        EXPECT_TRUE(ui.messages.isEmpty());
    }
}

TEST_F(Volumes, InteriorVolumeThicknessBoundPerUnit)
{
    struct Case {
        int unit;
        const char* thickness;
        bool accepted;
    };
    const Case cases[] = {
        {10, "99,99", true}, {10, "100", false}, {10, "0", false},
        {1000, "0,99", true}, {1000, "1", false}, {1000, "0", false},
        {1, "999", true}, {1, "1000", false}, {1, "0", false},
        {25, "39,37", true}, {25, "39,38", false}, {25, "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " " + c.thickness);
        ui.messages.clear();
        Open(16);
        ChooseInUnitWindow(engine, c.unit);
        Enter({"5000", "600", "4000", "300", c.thickness});
        if (c.accepted) {
            EXPECT_TRUE(ui.messages.isEmpty());
            EXPECT_TRUE(Panel().formula.startsWith(QStringLiteral("Volume(")));
        } else {
            EXPECT_EQ(ui.messages, QStringList{InputError});
            EXPECT_EQ(Panel().formula, QStringLiteral("5000&600&4000&300&"));
            EXPECT_EQ(Panel().prompt, QStringLiteral("Epaisseur murs ") + Seen(engine).options.Values().LengthUnitSuffix);
            EXPECT_EQ(Record().TermIndex, 4);
        }
    }
}

// Walls twice as thick as a wall is long leave no interior to measure.
TEST_F(Volumes, InteriorVolumeRefusesWallsThatLeaveNoInterior)
{
    struct Case {
        std::initializer_list<const char*> inputs;
        bool accepted;
    };
    const Case cases[] = {
        {{"40", "500", "800", "250", "20"}, false},
        {{"800", "500", "40", "250", "20"}, false},
        {{"39", "500", "800", "250", "20"}, false},
        {{"40", "500", "40", "250", "19,99"}, true},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        Open(16);
        Enter(c.inputs);
        EXPECT_EQ(ui.messages.isEmpty(), c.accepted);
        EXPECT_EQ(Panel().formula.startsWith(QStringLiteral("Volume(")), c.accepted);
    }
}

TEST_F(Volumes, InteriorVolumeChecksTheSideWallHeightAtNextTerm)
{
    Open(16);
    QString formulaAtMessage;
    ui.onMessage = [&] { formulaAtMessage = Panel().formula; };
    Type(QStringLiteral("1000"));
    Next();
    Type(QStringLiteral("500"));
    Next();
    Type(QStringLiteral("800"));
    Next();
    Type(QStringLiteral("501"));
    Next();
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(formulaAtMessage, QStringLiteral("1000&500&800&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur coté (cm)"));
    EXPECT_EQ(Record().TermIndex, 3);
    EXPECT_EQ(Record().Inputs[0], 1000.0);
    EXPECT_EQ(Record().Inputs[1], 500.0);
    EXPECT_EQ(Record().Inputs[2], 800.0);

    // Equal to the gable height is accepted.
    Type(QStringLiteral("500"));
    Next();
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(Record().TermIndex, 4);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Epaisseur murs (cm)"));
}

TEST_F(Volumes, InteriorVolumeNextTermTwiceDoesNotCheckTheClosedInput)
{
    // The side length (800) is above the gable height; pressing "&&" again right
    // after closing it must neither check it as a side-wall height nor store it twice.
    Open(16);
    Type(QStringLiteral("1000"));
    Next();
    Type(QStringLiteral("500"));
    Next();
    Type(QStringLiteral("800"));
    Next();
    Next();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(Record().TermIndex, 3);
    EXPECT_EQ(Panel().formula, QStringLiteral("1000&500&800&"));
}

// With nothing typed there is no side-wall height to check, even against a negative
// gable height (which MR can bring): "&&" neither complains nor takes an input back.
TEST_F(Volumes, InteriorVolumeNextTermWithNothingTypedChecksNothing)
{
    Open(16);
    Type(QStringLiteral("1000"));
    Next();
    Recall(-5.0);
    Next();
    Type(QStringLiteral("800"));
    Next();
    Type(QStringLiteral("3"));
    CE();
    ASSERT_EQ(Panel().formula, QStringLiteral("1000&-5&800&"));
    ASSERT_EQ(Panel().result, QStringLiteral("0"));
    Next();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(Record().TermIndex, 3);
    EXPECT_EQ(Panel().formula, QStringLiteral("1000&-5&800&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur coté (cm)"));
}

TEST_F(Volumes, NextTermIsRefusedOnceTheFirstInputIsClosed)
{
    for (int number : {12, 13, 14, 15}) {
        Open(number);
        Type(QStringLiteral("2"));
        Next();
        Type(QStringLiteral("3"));
        Next();
        EXPECT_EQ(Record().TermIndex, 1);
        EXPECT_EQ(Panel().formula, QStringLiteral("2&3"));
    }
}

TEST_F(Volumes, SuffixesFollowTheCallerExceptInteriorVolume)
{
    ChooseUnitDisplay(engine, 0);
    Open(23);
    OpenSubCalculation(engine, 12);
    Type(QStringLiteral("2"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur (cm)"));
    Type(QStringLiteral("3"));
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Volume (cm3)"));

    // The volume-to-weight converter offers its sub-calculations once its material is
    // chosen, for the volume typed next.
    Open(35);
    engine.ListBoxClick(35, 0);
    Next();
    OpenSubCalculation(engine, 12);
    Type(QStringLiteral("2"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur"));
    Type(QStringLiteral("3"));
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Volume"));

    Open(16);
    Enter({"1000", "500", "800", "250", "20"});
    EXPECT_EQ(Panel().prompt, QStringLiteral("Volume (cm3)"));
}

TEST_F(Volumes, ReplayRereadsTheThicknessAndChecksItAgain)
{
    Replay(12, QStringLiteral("2&3"), {2, 3}, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("Volume(2&3)=9,42477796076938"));

    Replay(16, QStringLiteral("1000&500&800&250&20"), {1000, 500, 800, 250, 0}, 4);
    EXPECT_EQ(Panel().formula, QStringLiteral("Volume(1000&500&800&250&20)=273600000"));
    EXPECT_EQ(Record().Inputs[4], 20.0);

    // An entry whose thickness is beyond the bound in its unit fails it again.
    Replay(16, QStringLiteral("1000&500&800&250&20"), {1000, 500, 800, 250, 20}, 4, 1000);
    EXPECT_EQ(ui.messages, QStringList{InputError});
}

TEST_F(Volumes, OverflowLeavesTheCalculatorAsItWas)
{
    Open(14);
    Type(QStringLiteral("3"));
    Next();
    Recall(1E308);
    as_family::Memory(engine, 5.0);
    try {
        Compute();
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Débordement en virgule flottante"));
    }
    EXPECT_EQ(Panel().formula, QStringLiteral("3&1E308"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 5.0);
    EXPECT_EQ(Record().Inputs[1], 1E308);

    Open(14);
    Recall(1E200);
    Next();
    Type(QStringLiteral("1"));
    EXPECT_THROW(Compute(), CalcError);
    EXPECT_EQ(Panel().formula, QStringLiteral("1E200&1"));
}

} // namespace
