// Ceiling paint (25) and wall paint (26).

#include "calculators/building/paint.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

constexpr int Parpaing = 1, Platre = 4; // rows of the surface-type list

TEST(Paint, WorkedLitresAndRefusals)
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
        {25, In({20, Parpaing, 8, 1}), Mm, "7,5"},
        {25, In({20, Parpaing, 8, 1}), Inch, "7,5"},
        {25, In({0, Platre, 10, 2}), Cm, "0"},
        {25, In({12, Platre, -10, 2}), Cm, "-2,4"}, // negative yield and coats accepted
        {25, In({12, Platre, 10, -2}), Cm, "-2,4"},
        {25, In({12, Platre, 10, 0}), Cm, "0"},
        {25, In({12, Platre, 10, 2.5}), Cm, "refused"},
        {25, In({12, Platre, 10, 3e9}), Cm, "refused"},   // no whole int: refused
        {25, In({12, 5, 10, 2}), Cm, "refused"},          // stored rows outside the table
        {25, In({12, -1, 10, 2}), Cm, "refused"},
        {25, In({12, 1e300, 10, 2}), Cm, "refused"},
        {25, In({12, Platre, 0, 2}), Cm, "refused"},
        {25, In({1e300, Platre, 1e-300, 2}), M, "refused"}, // overflow in the guarded step
        {26, In({30, 4, Parpaing, 10, 2}), Cm, "15,6"},
        {26, In({30, 4, Parpaing, 10, 2}), Inch, "15,6"},
        {26, In({12, 0, Platre, 10, 2}), M, "2,4"},  // the ceiling's litres
        {26, In({12, -3, Platre, 10, 2}), M, "3"},   // negative openings add
        {26, In({0, -12, Platre, 10, 2}), M, "2,4"},
        {26, In({30, 4, Parpaing, 10, 1.5}), M, "refused"},
        {26, In({30, 4, 7, 10, 2}), M, "refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(ShownOrError([&] {
                      return c.calculator == 25 ? CeilingPaint(c.in, c.unit) : WallPaint(c.in, c.unit);
                  }),
                  QString::fromUtf8(c.shown));
    }
    const Outcome r = WallPaint(In({30, 4, Parpaing, 10, 2}), Cm);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->toMemory && r->terms.empty());
    EXPECT_EQ(r->labelId, 82);          // "Peinture (litres)"
    EXPECT_EQ(r->FormulaLabelId(), 83); // "Peinture"
}

TEST(Paint, NextTermChecks)
{
    const InputValues closed = In({30, 4, Platre, 10});
    EXPECT_TRUE(CeilingPaintAccepts(Platre, 1, closed, Cm) && CeilingPaintAccepts(-3, 2, closed, Cm));
    EXPECT_FALSE(CeilingPaintAccepts(5, 1, closed, Cm) || CeilingPaintAccepts(-1, 1, closed, Cm));
    EXPECT_FALSE(CeilingPaintAccepts(0, 2, closed, Cm)); // a yield of 0
    EXPECT_TRUE(WallPaintAccepts(29.9, 1, closed, Cm) && WallPaintAccepts(-4, 1, closed, Cm));
    EXPECT_FALSE(WallPaintAccepts(30, 1, closed, Cm)); // openings as large as the surface
    EXPECT_FALSE(WallPaintAccepts(5, 2, closed, Cm) || WallPaintAccepts(0, 3, closed, Cm));
}

} // namespace
