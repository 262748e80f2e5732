#include "calculators/geometry/tables.h"

#include <gtest/gtest.h>

using namespace tornavel;

TEST(GeometryTables, PolygonSides)
{
    EXPECT_EQ(PolygonSides.at(0), 5);
    EXPECT_EQ(PolygonSides.at(1), 6);

    EXPECT_FALSE(PolygonSides.at(2));
    EXPECT_FALSE(PolygonSides.at(-1));
}
