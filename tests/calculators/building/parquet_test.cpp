// Parquet and joists (30).

#include "calculators/building/parquet.h"
#include "tests/calculators/building/finishing_fixture.h"

using namespace tornavel;
using namespace tornavel::building;
using namespace tornavel::testing;

namespace {

constexpr int Straight = 0, Diagonal = 1; // rows of the laying-pattern list
constexpr int Surface = ParquetSurface, Joists = ParquetJoists;

TEST(Parquet, WorkedSurfacesAndJoists)
{
    struct Case {
        double length, width;
        int pattern, unit, output;
        const char* shown;
        const char* terms;
    };
    const Case cases[] = {
        {400, 500, Diagonal, Cm, Joists, "5000", "400&500&Pose diagonale"},
        // By the shorter side: 4 joists up to 139 cm, 5 up to 184, 6 up to 229.
        {300, 139, Straight, Cm, Joists, "1200", "300&139&Pose droite"},
        {300, 139.5, Straight, Cm, Joists, "1500", "300&139,5&Pose droite"},
        {20, 16.69, Straight, M, Joists, "760", "20&16,69&Pose droite"}, // 1669 cm: 38 joists
        {3000, 2300, Straight, Mm, Joists, "21000", "3000&2300&Pose droite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.terms);
        // "&&" stores the sides in centimetres.
        const InputValues in = In({Centimetres(c.length, c.unit), Centimetres(c.width, c.unit),
                                   static_cast<double>(c.pattern)});
        const Outcome r = Parquet(in, c.unit, c.output);
        ASSERT_TRUE(r);
        EXPECT_EQ(Shown(*r), QString::fromUtf8(c.shown));
        EXPECT_EQ(Terms(*r), QString::fromUtf8(c.terms));
        EXPECT_FALSE(r->toMemory);
        EXPECT_EQ(r->labelId, c.output == Surface ? 37 : 63); // "Surface", "Linéaire"
        EXPECT_EQ(r->suffix, c.output == Surface ? UnitSuffix::Area : UnitSuffix::Length);
    }
}

TEST(Parquet, SidesOfAtLeastOneMetreAndPatternsOfTheList)
{
    const InputValues closed = In({500, 400});
    for (int side : {0, 1}) {
        EXPECT_TRUE(ParquetAccepts(100, side, closed, Cm) && ParquetAccepts(1, side, closed, M));
        EXPECT_TRUE(ParquetAccepts(39.38, side, closed, Inch));
        for (double refused : {99.0, 0.0, -500.0})
            EXPECT_FALSE(ParquetAccepts(refused, side, closed, Cm)) << refused;
        EXPECT_FALSE(ParquetAccepts(0.99, side, closed, M) || ParquetAccepts(999, side, closed, Mm));
        EXPECT_FALSE(ParquetAccepts(1e308, side, closed, M));
    }
    EXPECT_TRUE(ParquetAccepts(Diagonal, 2, closed, Cm));
    EXPECT_FALSE(ParquetAccepts(2, 2, closed, Cm) || ParquetAccepts(-1, 2, closed, Cm));
}

TEST(Parquet, DamagedEntriesAndEndlessCountsComputeNothing)
{
    for (int output : {Surface, Joists}) {
        for (double pattern : {2.0, -1.0, 1e300})
            EXPECT_FALSE(Parquet(In({500, 400, pattern}), Cm, output)) << pattern;
        for (double side : {0.0, -500.0, 99.0})
            EXPECT_FALSE(Parquet(In({500, side, Straight}), Cm, output)) << side;
    }
    EXPECT_FALSE(Parquet(In({1e300, 1e300, Straight}), Cm, Joists));
    EXPECT_FALSE(Parquet(In({1e9, 1e9, Straight}), Cm, Joists));
    EXPECT_TRUE(Parquet(In({1e9, 4e7, Straight}), Cm, Joists)); // below a million joists
}

} // namespace
