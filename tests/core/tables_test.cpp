#include "core/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tornavel;

TEST(Tables, StoredChoiceBecomesAnIndexOnlyWhenItFitsAnInt)
{
    EXPECT_EQ(TruncatedIndex(2.0), 2);
    EXPECT_EQ(TruncatedIndex(2.99), 2);
    EXPECT_EQ(TruncatedIndex(-0.5), 0);
    EXPECT_EQ(TruncatedIndex(-1.5), -1);
    EXPECT_FALSE(TruncatedIndex(std::nan("")));
    EXPECT_FALSE(TruncatedIndex(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(TruncatedIndex(1e300));
    EXPECT_FALSE(TruncatedIndex(-3e9));
}
