// Lateral surfaces, parallelogram, trapezium and house walls (6-10).

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using Surfaces = GeometryTest;

TEST_F(Surfaces, WorkedResults)
{
    struct Case {
        int number;
        std::initializer_list<const char*> inputs;
        const char* formula;
    };
    const Case cases[] = {
        {6, {"2", "3"}, "Surface(2&3)=18,8495559215388"},
        {7, {"6", "4"}, "Surface(6&4)=47,1238898038469"},
        {7, {"0", "5"}, "Surface(0&5)=0"},
        {8, {"12", "5"}, "Surface(12&5)=60"},
        {9, {"10", "6", "4"}, "Surface(10&6&4)=32"},
        {9, {"10", "0", "4"}, "Surface(10&0&4)=20"},
        {10, {"10", "6", "8", "4"}, "Surface(10&6&8&4)=164"},
        {10, {"10", "6", "8", "6"}, "Surface(10&6&8&6)=216"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        Open(c.number);
        Enter(c.inputs);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Seen(engine).keys.LastKeyCode(), 12);
        EXPECT_TRUE(ui.messages.isEmpty());
    }
}

TEST_F(Surfaces, CylinderSurfaceLeavesTheMemoryAlone)
{
    Open(8);
    Enter({"12", "5"});
    Open(6);
    Enter({"2", "3"});
    EXPECT_EQ(Panel().result, QStringLiteral("18,8495559215388"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 60.0);
}

TEST_F(Surfaces, FlatConeIsAnInvalidOperation)
{
    Open(7);
    as_family::Memory(engine, 3.0);
    Type(QStringLiteral("0"));
    Next();
    Type(QStringLiteral("0"));
    try {
        Compute();
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Opération en virgule flottante incorrecte"));
    }
    EXPECT_EQ(Panel().formula, QStringLiteral("0&0"));
    EXPECT_EQ(Panel().result, QStringLiteral("0"));
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 3.0);
}

TEST_F(Surfaces, TrapeziumRefusesAShortBaseNotShorterAtNextTerm)
{
    Open(9);
    QString formulaAtMessage;
    ui.onMessage = [&] { formulaAtMessage = Panel().formula; };
    Type(QStringLiteral("10"));
    Next();
    Type(QStringLiteral("10"));
    Next();
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(ui.messageLines, QList<int>{1});
    EXPECT_EQ(formulaAtMessage, QStringLiteral("10&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Petite base"));
    EXPECT_EQ(Panel().result, QStringLiteral("0"));
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Record().Inputs[1], 0.0);
}

TEST_F(Surfaces, HouseWallsRefuseASideWallAboveTheGableAtCompute)
{
    Open(10);
    Type(QStringLiteral("10"));
    Next();
    Type(QStringLiteral("6"));
    Next();
    Type(QStringLiteral("8"));
    Next();
    Type(QStringLiteral("7"));
    EXPECT_TRUE(ui.messages.isEmpty());
    Compute();
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(Panel().formula, QStringLiteral("10&6&8&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur coté (cm)"));
    EXPECT_EQ(Record().Inputs[3], 0.0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::NextTerm);
}

TEST_F(Surfaces, HouseWallsAlwaysShowTheirUnits)
{
    ChooseUnitDisplay(engine, 0);
    Open(10);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Long. mur pignon (cm)"));
    Type(QStringLiteral("10"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur pignon (cm)"));
    Type(QStringLiteral("6"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Longueur coté (cm)"));
    Type(QStringLiteral("8"));
    Next();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur coté (cm)"));
    Type(QStringLiteral("4"));
    Compute();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Surface (cm2)"));
}

// "&&" right after "&&" would close the number still shown as a further input, while
// formula and history show the calculation as typed.
TEST_F(Surfaces, NextTermAgainRightAfterClosingAnInputDoesNothing)
{
    Open(10);
    Type(QStringLiteral("10"));
    Next();
    Next();
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Hauteur pignon (cm)"));
    Type(QStringLiteral("6"));
    Next();
    Type(QStringLiteral("8"));
    Next();
    Type(QStringLiteral("4"));
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6&8&4)=164"));

    // The trapezium would check the long base against itself as a short base.
    Open(9);
    Type(QStringLiteral("10"));
    Next();
    Next();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(Record().TermIndex, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
}

TEST_F(Surfaces, NextTermStopsAtTheLastInput)
{
    const std::pair<int, int> lastInputs[] = {{6, 1}, {7, 1}, {8, 1}, {9, 2}, {10, 3}};
    for (const auto& [number, last] : lastInputs) {
        SCOPED_TRACE(number);
        Open(number);
        for (int k = 0; k < last; ++k) {
            Type(k == 0 ? QStringLiteral("9") : QStringLiteral("3"));
            Next();
        }
        Type(QStringLiteral("2"));
        Next();
        EXPECT_EQ(Record().TermIndex, last);
        EXPECT_FALSE(Panel().formula.endsWith(QLatin1Char('&')));
    }
}

// A term re-read from the formula keeps its sign and its exponent.
TEST_F(Surfaces, ReReadTermKeepsItsExponent)
{
    Open(8);
    Type(QStringLiteral("12"));
    Next();
    Recall(1E-5);
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12&1E-5)=0,00012"));
    CE();
    EXPECT_EQ(Panel().formula, QStringLiteral("12&1E-5"));
    EXPECT_EQ(Panel().result, QStringLiteral("0"));
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12&1E-5)=0,00012"));

    Open(8);
    Type(QStringLiteral("12"));
    Next();
    Recall(-5);
    Compute();
    CE();
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12&-5)=-60"));
}

TEST_F(Surfaces, ReplayUsesTheStoredLastInputExceptHouseWalls)
{
    // The stored height wins over the formula's text.
    Replay(8, QStringLiteral("12&5"), {12, 7}, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(12&5)=84"));

    // The house walls read their side-wall height again and check it again.
    Replay(10, QStringLiteral("10&6&8&4"), {10, 6, 8, 99}, 3);
    EXPECT_EQ(Panel().formula, QStringLiteral("Surface(10&6&8&4)=164"));
    EXPECT_EQ(Record().Inputs[3], 4.0);

    Replay(10, QStringLiteral("10&6&8&7"), {10, 6, 8, 7}, 3);
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(Panel().formula, QStringLiteral("10&6&8&"));
}

} // namespace
