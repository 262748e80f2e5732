// Wallpaper (27).

#include "calculators/building/wallpaper.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

TEST(Wallpaper, WorkedRollsRefusalsAndErrors)
{
    struct Case {
        InputValues in;
        int unit;
        QString shown;
    };
    const Case cases[] = {
        {In({400, 250, 1000, 53, 10}), Cm, "3"},      // 8 strips of 266 cm, 3 per roll
        {In({4000, 2500, 10000, 530, 100}), Mm, "3"}, // converted before the 6 cm are added
        {In({4, 2.5, 10, 0.53, 0.1}), M, "3"},
        {In({478, 250, 1000, 53, 10}), Cm, "4"},      // 10 strips
        {In({400, 250, 1000, 53, 149}), Cm, "4"},     // 2 strips of 405 cm per roll
        {In({400, 250, 1000, 53, 150}), Cm, "refused"},
        {In({4, 2.5, 10, 0.53, 1.5}), M, "refused"},
        {In({4, 2.5, 10, 0.53, 1e300}), M, "refused"},
        {In({160, 100, 1000, 20, 59}), Inch, "2"},    // 59 in is 149,86 cm
        {In({400, 250, 250, 53, 0}), Cm, DivisionByZeroMessage()}, // no 256 cm strip in the roll
        {In({0, 250, 250, 53, 0}), Cm, InvalidOperationMessage()},
        {In({400, 250, 1000, 0, 10}), Cm, DivisionByZeroMessage()},
        {In({1e300, 250, 1000, 1e-300, 10}), Cm, OverflowMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        EXPECT_EQ(ShownOrError([&] { return Wallpaper(c.in, c.unit); }), c.shown);
    }
    const Outcome r = Wallpaper(In({400, 250, 1000, 53, 10}), Cm);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->labelId, 90); // "Rouleaux", without suffix
    EXPECT_EQ(r->suffix, UnitSuffix::None);
    EXPECT_TRUE(r->toMemory && r->terms.empty());
}

TEST(Wallpaper, RollMustCoverTheHeightAndBeNoWiderThanLong)
{
    const InputValues closed = In({400, 250, 1000});
    EXPECT_TRUE(WallpaperAccepts(250, 2, closed, Cm) && WallpaperAccepts(1000, 3, closed, Cm));
    EXPECT_FALSE(WallpaperAccepts(249, 2, closed, Cm) || WallpaperAccepts(1001, 3, closed, Cm));
}

} // namespace
