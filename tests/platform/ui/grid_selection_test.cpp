// The grid's selection as ranges: deselecting cuts ranges apart, whole columns follow the row count,
// and the answers come from the ranges.
#include "platform/ui/grid_selection.h"

#include <gtest/gtest.h>

namespace {

using platform::GridRange;
using platform::GridSelection;

GridSelection Sized(int rows = 100, int columns = 8) {
    GridSelection selection;
    selection.SetSize(rows, columns);
    return selection;
}

struct DeselectCase {
    const char* name;
    GridRange held;
    GridRange cut;
    std::vector<GridRange> left;
};

class GridSelectionDeselect : public testing::TestWithParam<DeselectCase> {};

TEST_P(GridSelectionDeselect, LeavesTheCellsAroundTheCut) {
    GridSelection selection = Sized();
    selection.Select(GetParam().held);
    selection.Deselect(GetParam().cut);
    EXPECT_EQ(selection.Ranges(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridSelectionDeselect,
    testing::Values(
        DeselectCase{"RowInTheMiddle", GridRange::Cells(10, 4, 20, 5), GridRange::Cells(15, 1, 15, 8),
                     {GridRange::Cells(10, 4, 14, 5), GridRange::Cells(16, 4, 20, 5)}},
        DeselectCase{"TopRow", GridRange::Cells(10, 4, 20, 5), GridRange::Cells(10, 1, 10, 8),
                     {GridRange::Cells(11, 4, 20, 5)}},
        DeselectCase{"WholeBlock", GridRange::Cells(10, 4, 10, 5), GridRange::Cells(10, 4, 10, 5), {}},
        DeselectCase{"Elsewhere", GridRange::Cells(10, 4, 20, 5), GridRange::Cells(30, 4, 40, 5),
                     {GridRange::Cells(10, 4, 20, 5)}},
        DeselectCase{"OneOfWholeColumns", GridRange::Columns(3, 5), GridRange::Columns(4, 4),
                     {GridRange::Columns(3, 3), GridRange::Columns(5, 5)}},
        DeselectCase{"RowOfWholeColumns", GridRange::Columns(3, 4), GridRange::Cells(1, 1, 1, 8),
                     {GridRange::Cells(2, 3, 100, 4)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridSelectionTest, WholeColumnsAreThoseCoveredOverEveryRow) {
    GridSelection selection = Sized(100, 8);
    selection.Select(GridRange::Columns(4, 5));
    selection.Select(GridRange::Cells(1, 7, 60, 7));
    selection.Select(GridRange::Cells(61, 7, 100, 7));
    selection.Select(GridRange::Cells(1, 8, 99, 8));
    EXPECT_EQ(selection.WholeColumns(), (std::vector<int>{4, 5, 7}));
    // More rows arrive: the whole columns stay whole, the cell blocks do not.
    selection.SetSize(200, 8);
    EXPECT_EQ(selection.WholeColumns(), (std::vector<int>{4, 5}));
}

TEST(GridSelectionTest, AnswersFromRangesOverMillionsOfRows) {
    GridSelection selection = Sized(10'000'000, 8);
    selection.Select(GridRange::Columns(4, 4));
    selection.Select(GridRange::Cells(5'000'000, 6, 9'000'000, 6));
    EXPECT_TRUE(selection.IsSelected(10'000'000, 4));
    EXPECT_FALSE(selection.IsSelected(0, 4));
    EXPECT_TRUE(selection.IsSelected(5'000'000, 6));
    EXPECT_FALSE(selection.IsSelected(4'999'999, 6));
    EXPECT_EQ(selection.RowSpan(), (std::pair{1, 10'000'000}));
    selection.Deselect(GridRange::Cells(1, 1, 10'000'000, 4));
    EXPECT_EQ(selection.RowSpan(), (std::pair{5'000'000, 9'000'000}));
    EXPECT_EQ(selection.Ranges().size(), 1u);
}

}  // namespace
