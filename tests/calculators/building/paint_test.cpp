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
        {25, In({12, 5, 10, 2}), Cm, "refused"},          // stored rows outside the table
        {25, In({12, -1, 10, 2}), Cm, "refused"},
        {25, In({12, 1e300, 10, 2}), Cm, "refused"},
        {25, In({12, Platre, 0, 2}), Cm, "refused"},
        {25, In({1e300, Platre, 1e-300, 2}), M, "refused"}, // overflow in the guarded step
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

} // namespace
