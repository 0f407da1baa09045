// Sorting a table of values together with the indices that say where each value came from.
#include "shared/common/sort_with_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(SortWithIndexTest, MovesEachIndexWithItsValue) {
    std::vector<double> values{3.0, 1.0, 2.0, 1.0};
    std::vector<int> indices{0, 1, 2, 3};
    SortAscendingWithIndex(values, indices);
    EXPECT_EQ(values, (std::vector<double>{1.0, 1.0, 2.0, 3.0}));
    EXPECT_EQ(indices, (std::vector<int>{1, 3, 2, 0}));  // equal values keep their order

    SortDescendingWithIndex(values, indices);
    EXPECT_EQ(values, (std::vector<double>{3.0, 2.0, 1.0, 1.0}));
    EXPECT_EQ(indices, (std::vector<int>{0, 2, 1, 3}));
}

TEST(SortWithIndexTest, PutsNaNLastAndSortsOnlyWhatBothHave) {
    std::vector<double> values{2.0, std::nan(""), 1.0, 9.0};
    std::vector<int> indices{0, 1, 2};
    SortDescendingWithIndex(values, indices);
    EXPECT_EQ(values[0], 2.0);
    EXPECT_EQ(values[1], 1.0);
    EXPECT_TRUE(std::isnan(values[2]));
    EXPECT_EQ(values[3], 9.0);  // beyond the indices: untouched
    EXPECT_EQ(indices, (std::vector<int>{0, 2, 1}));
}

}  // namespace
