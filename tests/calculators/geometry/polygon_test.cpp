// Regular-polygon calculator (20): the number of sides is picked in its list.

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

struct Polygon : GeometryTest {
    void SetUp() override { Open(20); }
    void Pick(int row) { engine.ListBoxClick(20, row); }
};

TEST_F(Polygon, NextTermSwapsTheResultFieldForTheList)
{
    EXPECT_TRUE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listVisible);
    Type(QStringLiteral("10"));
    Next();
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listRows, (QStringList{QStringLiteral("5"), QStringLiteral("6")}));
    EXPECT_EQ(Panel().listIndex, -1);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Nombre de cotés"));
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().memoryEnabled);
    EXPECT_TRUE(Panel().computeEnabled);
    EXPECT_FALSE(Panel().nextEnabled);

    // Nothing picked yet: "f=" and a second "&&" do nothing.
    Compute();
    Next();
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_EQ(Record().TermIndex, 1);
}

TEST_F(Polygon, AreasOfPentagonAndHexagon)
{
    Type(QStringLiteral("10"));
    Next();
    Pick(0);
    EXPECT_EQ(Panel().formula, QStringLiteral("10&5"));
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&5)=172"));
    EXPECT_EQ(Panel().result, QStringLiteral("172"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 172.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), 36);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), 36);
    EXPECT_EQ(Record().Inputs[1], 0.0);
    EXPECT_TRUE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listVisible);
    // The keypad stays off after a list input.
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());

    Open(20);
    Type(QStringLiteral("10"));
    Next();
    Pick(1);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6)=260"));
    EXPECT_EQ(Record().Inputs[1], 1.0);

    Open(20);
    Type(QStringLiteral("0"));
    Next();
    Pick(1);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(0&6)=0"));
}

TEST_F(Polygon, PickingAnotherRowReplacesTheCount)
{
    Type(QStringLiteral("12,50"));
    Next();
    Pick(0);
    EXPECT_EQ(Panel().formula, QStringLiteral("12,50&5"));
    Pick(1);
    EXPECT_EQ(Panel().formula, QStringLiteral("12,5&6"));
    EXPECT_EQ(Panel().listIndex, 1);
    EXPECT_TRUE(Panel().listVisible);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12,5&6)=406,25"));
}

TEST_F(Polygon, ARowOutsideTheListIsIgnored)
{
    Type(QStringLiteral("10"));
    Next();
    Pick(2);
    Pick(-1);
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_EQ(Panel().listIndex, -1);
}

TEST_F(Polygon, AfterAResultNextTermClearsAndCEReopensTheChoice)
{
    Type(QStringLiteral("10"));
    Next();
    Pick(1);
    Compute();
    CE();
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listIndex, 1);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Nombre de cotés"));
    EXPECT_EQ(Panel().formula, QStringLiteral("10&6"));
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6)=260"));

    // The keypad is still off: digits and MR change nothing.
    Type(QStringLiteral("7"));
    Recall(3.0);
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6)=260"));
    EXPECT_EQ(Panel().result, QStringLiteral("260"));

    Next();
    EXPECT_EQ(Panel().formula, QString());
    EXPECT_EQ(Panel().prompt, QStringLiteral("Longueur coté (cm)"));
    EXPECT_TRUE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listVisible);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
}

// CE on a chosen count keeps the row selected, but the count is no longer in the
// formula: "f=" waits for a new pick.
TEST_F(Polygon, ComputeWaitsForACountTakenBack)
{
    Type(QStringLiteral("10"));
    Next();
    Pick(0);
    CE();
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_EQ(Panel().listIndex, 0);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_NE(Seen(engine).keys.LastKeyCode(), 36);
    Pick(1);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6)=260"));
}

TEST_F(Polygon, ResultLabelSuffixByTheRule)
{
    ChooseUnitDisplay(engine, 0);
    Type(QStringLiteral("10"));
    Next();
    Pick(0);
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Surface"));

    ChooseUnitDisplay(engine, 1);
    Open(20);
    Type(QStringLiteral("10"));
    Next();
    Pick(0);
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Surface (cm2)"));
}

TEST_F(Polygon, ReplayComputesFromTheStoredRow)
{
    Replay(20, QStringLiteral("10&6"), {10, 1}, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6)=260"));
}

// A damaged history entry may store a row the list does not have.
TEST_F(Polygon, ReplayOfARowOutsideTheListComputesNothing)
{
    for (double row : {2.0, 7.0, -1.0, 1E300}) {
        Replay(20, QStringLiteral("10&7"), {10, row}, 1);
        EXPECT_EQ(Panel().formula, QStringLiteral("10&7"));
        EXPECT_EQ(Panel().result, QStringLiteral("0"));
        EXPECT_NE(Seen(engine).keys.LastKeyCode(), 36);
    }
}

} // namespace
