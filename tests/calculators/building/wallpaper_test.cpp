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
        {In({4, 2.5, 10, 0.53, 0.1}), M, "3"},
        {In({478, 250, 1000, 53, 10}), Cm, "4"},      // 10 strips
        {In({160, 100, 1000, 20, 59}), Inch, "2"},    // 59 in is 149,86 cm
        // Strips of 234 + 6 + 10 = 250 cm: 4 to a roll; 424 / 53 is exactly 8 strips.
        {In({424, 234, 1000, 53, 10}), Cm, "2"},
        {In({425, 234, 1000, 53, 10}), Cm, "3"},      // 9 strips
        {In({424, 234.1, 1000, 53, 10}), Cm, "3"},    // 250,1 cm: 3 to a roll
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

} // namespace
