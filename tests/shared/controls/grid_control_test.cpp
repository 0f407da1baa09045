// The grid control of dialogs: a click on a push-button cell is posted to its owner with the row and the
// column; other cells post nothing.
#include "shared/controls/grid_control.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/base/message_queue.h"
#include "shared/controls/controls_ids.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class GridControlTest : public testsupport::QtTest {
protected:
    platform::MessageQueue queue_;
    CGridControl grid_{std::make_shared<platform::QueueMessageTarget>(queue_)};
};

TEST_F(GridControlTest, AButtonCellPostsItsRowAndColumn) {
    grid_.SetRowCount(4);
    grid_.SetColCount(3);
    platform::GridCell button;
    button.text = "Edit";
    button.button = true;
    grid_.SetCell(3, 2, button);
    grid_.SetCell(1, 1, {.text = "plain"});
    grid_.show();
    QApplication::processEvents();

    for (const auto& [row, column] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 2}}) {
        grid_.Grid().MouseDown(row, column, 0);
        grid_.Grid().MouseUp(row, column, 0);
    }
    std::optional<platform::Message> message = queue_.TryTake();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->id, WM_GRID_BUTTON_CLICKED);
    EXPECT_EQ(message->wParam, 3u);
    EXPECT_EQ(message->lParam, 2);
    EXPECT_FALSE(queue_.TryTake());
    EXPECT_EQ(grid_.Grid().model()->data(grid_.Grid().model()->index(0, 0), Qt::DisplayRole).toString(), "plain");
}

}  // namespace
