// Wall panelling (28) and gable-wall panelling (29).

#include "calculators/building/panelling.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

constexpr int Boards = PanellingBoards, Battens = PanellingBattens, Clips = PanellingClips;

QString Shown28or29(int calculator, const InputValues& in, int unit, int output)
{
    return ShownOrError([&] {
        return calculator == 28 ? WallPanelling(in, unit, output) : GablePanelling(in, unit, output);
    });
}

TEST(Panelling, WorkedQuantitiesRefusalsAndErrors)
{
    struct Case {
        int calculator;
        InputValues in;
        int unit;
        int output;
        QString shown;
    };
    const Case cases[] = {
        {28, In({300, 59, 10}), Cm, Battens, "900"},
        // 30 boards of 256,0001 cm: 7680,003, up to the next hundredth.
        {28, In({300, 250.0001, 10}), Cm, Boards, "7680,01"},
        {28, In({300, 251, 10}), Cm, Clips, "151"}, // 150,6 clips
        {29, In({601, 400, 250, 10}), Cm, Clips, "391"}, // 390,65 clips
        // 126 cm of height are left at the 7th batten: a gable of exactly 126 cm does
        // not hold it, so 7 battens are full length and 2 half.
        {29, In({600, 400, 274, 10}), Cm, Battens, "4800"},
        {28, In({300, 250, -10}), Cm, Battens, "refused"},
        {28, In({300, 1e300, 10}), Cm, Battens, "refused"}, // too many battens to count
        {28, In({1e308, 250, 0.1}), M, Clips, OverflowMessage()},
        {29, In({600, 400, 250, 100}), Cm, Clips, "refused"},
        {29, In({600, 400, 250, -10}), Cm, Boards, "refused"},
        {29, In({1e300, 400, 250, 10}), Cm, Boards, "refused"}, // too many boards to walk
        {29, In({600, 1e300, 250, 10}), Cm, Battens, "refused"},
        {29, In({600, 1e308, 250, 10}), Cm, Boards, OverflowMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.calculator << " " << c.output << " " << c.shown.toStdString());
        EXPECT_EQ(Shown28or29(c.calculator, c.in, c.unit, c.output), c.shown);
    }
}

TEST(Panelling, LoopsEndOnExtremeValues)
{
    for (int calculator : {28, 29}) {
        const InputValues wall = calculator == 28 ? In({300, 250, 10}) : In({600, 400, 250, 10});
        for (int output : {Boards, Battens, Clips}) {
            for (size_t i = 0; i < (calculator == 28 ? 3u : 4u); ++i) {
                for (double v : {0.0, -5.0, 1e300, -1e300, 1e-300}) {
                    InputValues in = wall;
                    in[i] = v;
                    Shown28or29(calculator, in, Cm, output); // ends; never an infinite result
                }
            }
        }
    }
}

TEST(Panelling, LabelsTermsAndChecks)
{
    const Outcome boards = WallPanelling(In({3000, 2500, 100}), Mm, Boards);
    ASSERT_TRUE(boards);
    EXPECT_EQ(boards->labelId, 63); // "Linéaire" (mm)
    EXPECT_EQ(boards->suffix, UnitSuffix::Length);
    EXPECT_EQ(Terms(*boards), QStringLiteral("3000&2500&100"));
    const Outcome clips = GablePanelling(In({6, 4, 2.5, 0.1}), M, Clips);
    ASSERT_TRUE(clips);
    EXPECT_EQ(clips->labelId, 135); // "Clips", without suffix
    EXPECT_EQ(clips->suffix, UnitSuffix::None);
    EXPECT_EQ(Terms(*clips), QStringLiteral("6&4&2,5&0,1"));
    EXPECT_TRUE(clips->toMemory);
}

} // namespace
