// CE on the geometry calculators: one step back at a time.

#include "tests/calculators/geometry/geometry_fixture.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using GeometryUndoTest = GeometryTest;

struct Shown {
    QString formula;
    QString result;
    QString prompt;
    int termIndex;
    int lastKeyCode;
};

void ExpectShown(GeometryTest& t, const Shown& s)
{
    EXPECT_EQ(t.Panel().formula, s.formula);
    EXPECT_EQ(t.Panel().result, s.result);
    EXPECT_EQ(t.Panel().prompt, s.prompt);
    EXPECT_EQ(t.Record().TermIndex, s.termIndex);
    EXPECT_EQ(Seen(t.engine).keys.LastKeyCode(), s.lastKeyCode);
}

TEST_F(GeometryUndoTest, TrapeziumWalksBackOneStepAtATime)
{
    Open(9);
    Enter({"12,50", "5", "3"});
    const QString result = Panel().formula;
    EXPECT_EQ(result, QStringLiteral("Surface(12,50&5&3)=26,25"));

    CE();
    ExpectShown(*this, {"12,50&5&3", "0", "Hauteur", 2, Code::None});
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::AfterCE);
    EXPECT_TRUE(Panel().computeEnabled);
    Compute();
    EXPECT_EQ(Panel().formula, result);

    Open(9);
    Type(QStringLiteral("12,50"));
    Next();
    Type(QStringLiteral("5"));
    Next();
    CE();
    ExpectShown(*this, {"12,50&5", "0", "Petite base", 1, Code::None});
    EXPECT_FALSE(Panel().computeEnabled);
    EXPECT_TRUE(Panel().nextEnabled);

    // Typing the short base anew drops it; the closed long base comes back in the
    // program's number format.
    CE();
    ExpectShown(*this, {"12,5&", "0", "Petite base", 1, Code::NextTerm});

    CE();
    ExpectShown(*this, {"12,5", "0", "Grande base", 0, Code::AfterUndo});
    CE();
    ExpectShown(*this, {"", "0", "Grande base", 0, Code::AfterUndo});
    CE();
    ExpectShown(*this, {"", "0", "Grande base", 0, Code::AfterUndo});
}

TEST_F(GeometryUndoTest, TypingTheLastInputAgain)
{
    Open(9);
    Type(QStringLiteral("12"));
    Next();
    Type(QStringLiteral("5"));
    Next();
    Type(QStringLiteral("3"));
    CE();
    ExpectShown(*this, {"12&5&", "0", "Hauteur", 2, Code::NextTerm});
}

TEST_F(GeometryUndoTest, FirstInputAndEmptyCalculatorStartOver)
{
    for (int number : {2, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16}) {
        SCOPED_TRACE(number);
        Open(number);
        const QString first = Panel().prompt;
        CE();
        ExpectShown(*this, {"", "0", first, 0, Code::AfterUndo});
        Type(QStringLiteral("7"));
        CE();
        ExpectShown(*this, {"", "0", first, 0, Code::AfterUndo});
    }
}

TEST_F(GeometryUndoTest, SingleInputCalculators)
{
    for (int number : {1, 3, 11, 22}) {
        SCOPED_TRACE(number);
        Open(number);
        Enter({"10"});
        ChooseUnitDisplay(engine, 1);
        CE();
        EXPECT_EQ(Panel().formula, QStringLiteral("10"));
        EXPECT_EQ(Panel().result, QStringLiteral("10"));
        EXPECT_EQ(Panel().prompt, QStringLiteral("Diamètre (cm)"));
        EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::AfterUndo);
        CE();
        EXPECT_EQ(Panel().formula, QString());
        EXPECT_EQ(Panel().result, QStringLiteral("0"));
        ChooseUnitDisplay(engine, 0);
    }
}

TEST_F(GeometryUndoTest, SectorAngleAlwaysCarriesItsUnit)
{
    Open(4);
    Type(QStringLiteral("10"));
    Next();
    Type(QStringLiteral("90"));
    Compute();
    CE();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Angle (°)"));
    CE();
    CE();
    EXPECT_EQ(Panel().prompt, QStringLiteral("Rayon"));
}

TEST_F(GeometryUndoTest, InteriorVolumeReopensTheThicknessWithItsUnit)
{
    Open(16);
    Enter({"1000", "500", "800", "250", "20"});
    CE();
    ExpectShown(*this, {"1000&500&800&250&20", "0", "Epaisseur murs (cm)", 4, Code::None});
}

TEST_F(GeometryUndoTest, PolygonSwitchesBetweenListAndResultField)
{
    Open(20);
    Type(QStringLiteral("10"));
    Next();
    engine.ListBoxClick(20, 0);
    Compute();

    CE();
    EXPECT_FALSE(Panel().resultVisible);
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listIndex, 0);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_EQ(Panel().prompt, QStringLiteral("Nombre de cotés"));

    // Takes the count back, then the "&&".
    CE();
    EXPECT_EQ(Panel().formula, QStringLiteral("10&"));
    EXPECT_TRUE(Panel().listVisible);
    CE();
    EXPECT_EQ(Panel().formula, QStringLiteral("10"));
    EXPECT_TRUE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listVisible);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    EXPECT_TRUE(Panel().memoryEnabled);
    EXPECT_EQ(Panel().prompt, QStringLiteral("Longueur coté (cm)"));
}

TEST_F(GeometryUndoTest, EveryRoutineServesItsCalculators)
{
    struct Case {
        int number;
        const char* lastPrompt;
    };
    const Case cases[] = {
        {2, "Petit axe"}, {5, "Petit axe"}, {6, "Hauteur"}, {12, "Hauteur"},
        {7, "Hauteur"}, {15, "Hauteur"}, {8, "Hauteur"}, {13, "Hauteur"}, {14, "Hauteur"},
        {10, "Hauteur coté (cm)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Open(c.number);
        Type(QStringLiteral("9"));
        for (int k = 1; k < FindGeometryCalculator(c.number)->inputCount(); ++k) {
            Next();
            Type(QStringLiteral("3"));
        }
        Compute();
        ASSERT_TRUE(Panel().formula.contains(QLatin1Char('=')));
        CE();
        EXPECT_EQ(Panel().prompt, QString::fromUtf8(c.lastPrompt));
        EXPECT_FALSE(Panel().formula.contains(QLatin1Char('=')));
    }
}

TEST_F(GeometryUndoTest, DamagedFinishedFormulaIsReadOnlyInside)
{
    Open(8);
    as_family::Formula(engine, QStringLiteral("Surface(12&5=60"));
    as_family::Term(engine, 1);
    engine.CalculatriceCEClick();
    EXPECT_EQ(Panel().formula, QStringLiteral("12&5=60"));

    Open(3);
    as_family::Formula(engine, QStringLiteral("Surface)=("));
    engine.CalculatriceCEClick();
    EXPECT_EQ(Panel().formula, QString());
}

} // namespace
