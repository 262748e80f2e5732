// Stairs (31).

#include "calculators/building/stairs.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

TEST(Stairs, WorkedRisersStepsAndRun)
{
    struct Case {
        InputValues in;
        int unit;
        const char* shown[3]; // riser, steps, run
        const char* terms;
    };
    const Case cases[] = {
        {In({272, 25}), Cm, {"17", "16", "375"}, "272&25"},       // 16 and 17 divide: 17 wins
        {In({250, 28}), Cm, {"16,67", "15", "392"}, "250&28"},    // nearest fraction: 16
        {In({300, 25}), Cm, {"17,65", "17", "400"}, "300&25"},    // nearest fraction: 17
        {In({228, 25}), Cm, {"19", "12", "275"}, "228&25"},
        {In({2.28, 0.25}), M, {"0,19", "12", "2,75"}, "2,28&0,25"}, // the same stairs
        {In({272, 23.5}), Cm, {"17", "16", "360"}, "272&24"},     // tread up to 24 cm
        {In({2720, 245}), Mm, {"170", "16", "3750"}, "2720&250"},
        {In({16.5, 30}), Cm, {"16,5", "1", "0"}, "16,5&30"},
    };
    const char* labels[] = {"Hauteur marches", "Marches", "Reculement"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.terms);
        for (int output : {StairsRiser, StairsSteps, StairsRun}) {
            const Outcome r = Stairs(c.in, c.unit, output);
            ASSERT_TRUE(r);
            EXPECT_EQ(Shown(*r), QString::fromUtf8(c.shown[output]));
            EXPECT_EQ(Terms(*r), QString::fromUtf8(c.terms));
            EXPECT_EQ(r->labelText, QString::fromUtf8(labels[output]));
            EXPECT_EQ(r->suffix, output == StairsSteps ? UnitSuffix::None : UnitSuffix::Length);
            EXPECT_TRUE(r->toMemory);
        }
    }
}

TEST(Stairs, Refusals)
{
    const InputValues refused[] = {
        In({31, 25}),      // one riser of 31 cm
        In({15.9, 25}),    // below one riser
        In({0, 25}),       In({-272, 25}),
        In({272, 22.9}),   // 23 cm
        In({272, 64.2}),   // 65 cm
        In({272, 0}),      In({272, -25}), In({272, 1e300}),
        In({1e300, 25}),   In({-1e300, 25}),
    };
    for (const InputValues& in : refused) {
        SCOPED_TRACE(::testing::Message() << in[0] << " & " << in[1]);
        for (int output : {StairsRiser, StairsSteps, StairsRun})
            EXPECT_FALSE(Stairs(in, Cm, output));
    }
    EXPECT_FALSE(Stairs(In({1e307, 25}), M, StairsRiser)); // overflow inside the guarded step
}

} // namespace
