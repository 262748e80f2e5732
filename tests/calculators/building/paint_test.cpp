// Ceiling paint (25) and wall paint (26).

#include "calculators/building/paint.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

constexpr int Crepi = 0, Parpaing = 1, Platre = 4; // rows of the surface-type list

TEST(Paint, WorkedLitres)
{
    struct Case {
        int calculator;
        InputValues in;
        int unit;
        const char* shown;
    };
    const Case cases[] = {
        {25, In({12, Platre, 10, 2}), M, "2,4"},
        {25, In({20, Parpaing, 8, 1}), M, "7,5"},
        {25, In({20, Parpaing, 8, 1}), Cm, "7,5"},
        {25, In({20, Parpaing, 8, 1}), Mm, "7,5"},
        {25, In({20, Parpaing, 8, 1}), Inch, "7,5"},
        {25, In({0, Platre, 10, 2}), Cm, "0"},
        {25, In({-12, Platre, 10, 2}), Cm, "-2,4"},
        {25, In({12, Platre, -10, 2}), Cm, "-2,4"},  // a negative yield is accepted
        {25, In({12, Platre, 10, 0}), Cm, "0"},
        {25, In({12, Platre, 10, -2}), Cm, "-2,4"},  // a negative whole count too
        {25, In({12, Platre, 10, 2.5}), Cm, "refused"},
        {25, In({12, Platre, 10, 3e9}), Cm, "refused"},   // not an int: refused, not converted
        {25, In({12, Platre, 10, -1e300}), Cm, "refused"},
        {25, In({12, 5, 10, 2}), Cm, "refused"},          // a stored row past the table
        {25, In({12, -1, 10, 2}), Cm, "refused"},
        {25, In({12, 1e300, 10, 2}), Cm, "refused"},
        {25, In({12, Platre, 0, 2}), Cm, "refused"},      // a damaged entry: no division
        {25, In({1e300, Platre, 1e-300, 2}), M, "refused"}, // overflow inside the guarded step
        {26, In({30, 4, Parpaing, 10, 2}), M, "15,6"},
        {26, In({30, 4, Parpaing, 10, 2}), Cm, "15,6"},
        {26, In({30, 4, Parpaing, 10, 2}), Mm, "15,6"},
        {26, In({30, 4, Parpaing, 10, 2}), Inch, "15,6"},
        {26, In({12, 0, Platre, 10, 2}), M, "2,4"},  // no openings: the ceiling's litres
        {26, In({12, -3, Platre, 10, 2}), M, "3"},   // negative openings add to the surface
        {26, In({0, -12, Platre, 10, 2}), M, "2,4"},
        {26, In({30, 4, Parpaing, 10, 1.5}), M, "refused"},
        {26, In({30, 4, 7, 10, 2}), M, "refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        const QString shown = ShownOrError([&] {
            return c.calculator == 25 ? CeilingPaint(c.in, c.unit) : WallPaint(c.in, c.unit);
        });
        EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    }
}

TEST(Paint, ResultIsLitresInTheMemoryWithTheTermsAsTyped)
{
    for (const building::Outcome& r : {CeilingPaint(In({12, Crepi, 10, 2}), Cm), WallPaint(In({30, 4, Crepi, 10, 2}), Cm)}) {
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->toMemory);
        EXPECT_EQ(r->labelId, 82);         // "Peinture (litres)"
        EXPECT_EQ(r->FormulaLabelId(), 83); // "Peinture"
        EXPECT_EQ(r->suffix, UnitSuffix::None);
        EXPECT_TRUE(r->terms.empty());
    }
}

TEST(Paint, NextTermChecks)
{
    const InputValues closed = In({30, 4, Crepi, 10});
    struct Case {
        int calculator, index;
        double value;
        bool accepted;
    };
    const Case cases[] = {
        {25, 0, -5, true},   {25, 0, 0, true},
        {25, 1, 0, true},    {25, 1, 4, true},   {25, 1, 5, false}, {25, 1, -1, false},
        {25, 2, 0, false},   {25, 2, -3, true},
        {26, 1, 29.9, true}, {26, 1, 30, false}, {26, 1, 31, false}, {26, 1, -4, true},
        {26, 2, 4, true},    {26, 2, 5, false},
        {26, 3, 0, false},   {26, 3, 0.5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.calculator << " input " << c.index << " " << c.value);
        const bool accepted = c.calculator == 25 ? CeilingPaintAccepts(c.value, c.index, closed, Cm)
                                                 : WallPaintAccepts(c.value, c.index, closed, Cm);
        EXPECT_EQ(accepted, c.accepted);
    }
}

} // namespace
