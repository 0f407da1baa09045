// The grid's selection rules driven as the mouse drives them: whole columns, nothing in the date and
// time columns, Ctrl+click growing, shrinking and clearing the block, Shift+click from the anchor, and
// the context menu only inside the block.
#include <gtest/gtest.h>

#include <QMenu>

#include "platform/base/message_box_flags.h"
#include "tests/kivo32/views/grid_fixture.h"

namespace {

using platform::kGridFlagControl;
using platform::kGridFlagShift;

class GridSelectionRulesTest : public gridtest::MouseGridFixture {
protected:
    GridBlock Range() {
        GridBlock block;
        view_->GetSelectedRange(block, false);
        return block;
    }
};

TEST_F(GridSelectionRulesTest, WholeColumnsAndNothingInDateOrTime) {
    Click(0, 3);
    EXPECT_EQ(Range(), (GridBlock{0, 3, 20, 3}));
    EXPECT_EQ(view_->GetStoredSelection(), (GridBlock{1, 3, 20, 3}));
    Click(0, 5, kGridFlagControl);
    EXPECT_EQ(Range(), (GridBlock{0, 3, 20, 5}));
    // Columns chosen apart leave out the one between them.
    EXPECT_EQ(view_->GetSelectedColumns(), (std::vector<int>{3, 5}));

    // The date and time columns take no selection and leave the one there is.
    for (const auto& [row, column] : {std::pair{4, 1}, std::pair{0, 2}, std::pair{7, 2}}) {
        Click(row, column);
        EXPECT_FALSE(Selected(4, 1));
        EXPECT_EQ(view_->GetSelectedColumns(), (std::vector<int>{3, 5}));
    }

    // With whole columns selected, Ctrl on a record number selects that record; without, nothing.
    EXPECT_TRUE(view_->OnStartSelection(6, 0, kGridFlagControl));
    EXPECT_FALSE(view_->OnStartSelection(6, 0, 0));
    view_->Grid().Selection().Clear();
    EXPECT_FALSE(view_->OnStartSelection(6, 0, kGridFlagControl));
    GridBlock none{1, 1, 1, 1};
    EXPECT_FALSE(view_->GetSelectedRange(none, false));
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(GridSelectionRulesTest, CtrlClickGrowsShrinksAndClearsTheBlock) {
    Drag(5, 3, 8, 4);
    EXPECT_EQ(view_->GetStoredSelection(), (GridBlock{5, 3, 8, 4}));

    struct Step {
        int row;
        GridBlock stored;
        bool rowSelected;
    };
    const Step steps[] = {
        {4, {4, 3, 8, 4}, true},    // just above: grows upward
        {9, {4, 3, 9, 4}, true},    // just below: grows downward
        {4, {5, 3, 9, 4}, false},   // its top row: shrinks
        {9, {5, 3, 8, 4}, false},   // its bottom row: shrinks
        {6, {5, 3, 8, 4}, true},    // inside: the block stays whole
        {15, {5, 3, 8, 4}, false},  // far away: nothing joins
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.row);
        Click(step.row, 3, kGridFlagControl);
        EXPECT_EQ(view_->GetStoredSelection(), step.stored);
        EXPECT_EQ(Selected(step.row, 4), step.rowSelected);
        EXPECT_TRUE(Selected(7, 4));
    }

    Drag(10, 4, 10, 4);
    EXPECT_EQ(view_->GetStoredSelection(), (GridBlock{10, 4, 10, 4}));
    Click(10, 4, kGridFlagControl);
    EXPECT_TRUE(view_->GetStoredSelection().IsEmpty());
    EXPECT_FALSE(Selected(10, 4));
}

TEST_F(GridSelectionRulesTest, ShiftClickSelectsFromTheAnchor) {
    Click(3, 4);
    Click(6, 5, kGridFlagShift);
    for (int row = 3; row <= 6; ++row) {
        EXPECT_TRUE(Selected(row, 4) && Selected(row, 5)) << row;
    }
    EXPECT_FALSE(Selected(2, 4));
    EXPECT_FALSE(Selected(7, 5));
    EXPECT_FALSE(Selected(4, 3));
}

TEST_F(GridSelectionRulesTest, ContextMenuOpensOnlyInsideTheBlock) {
    Drag(5, 3, 8, 4);
    view_->OnRButtonUp(12, 3, 10, 10);
    EXPECT_EQ(view_->ContextMenu(), nullptr);
    view_->OnRButtonUp(6, 4, 10, 10);
    QMenu* menu = view_->ContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    ASSERT_GT(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Selected Data");
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_EQ(menu->defaultAction(), actions[0]);
    EXPECT_TRUE(actions[1]->isSeparator());
    menu->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view_->ContextMenu(), nullptr);
}

TEST_F(GridSelectionRulesTest, ExtractSelectionNeedsTwoRecords) {
    Drag(5, 3, 5, 4);
    view_->OnExtractSelectedRange();
    EXPECT_EQ(documents_.Templates().front()->Documents().size(), 1u);
    Drag(5, 3, 6, 4);
    broker_.AnswerMessageBox(IDOK);
    view_->OnExtractSelectedRange();
    const auto documents = documents_.Templates().front()->Documents();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(static_cast<CRawDataDoc*>(documents.back())->GetRawData().GetRecordCount(), 2);
}

}  // namespace

namespace {

TEST_F(GridSelectionRulesTest, WholeRowsTheActiveGridAndOneKindOfValues) {
    view_->Grid().MouseDown(6, 3, 0);
    view_->Grid().MouseMove(8, 4);
    view_->Grid().MouseUp(8, 4, 0);
    view_->SelectWholeRows();
    EXPECT_TRUE(Selected(6, 5) && Selected(8, 1));
    EXPECT_FALSE(Selected(9, 5));

    EXPECT_EQ(GetActiveRawDataView(main_.get()), view_);

    CSetupTable setup = gridtest::ChannelsSetup(1);
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityVoltage, kOptionBit1);
    CRawDataView* mixed =
        OpenGrid("mixed.kivo", setup, gridtest::Records(3, 2, 900, [](int, int c) { return float(c); }));
    ASSERT_NE(mixed, nullptr);
    EXPECT_TRUE(mixed->CheckColumnsSameKind(3, 3));
    EXPECT_TRUE(view_->CheckColumnsSameKind(3, 5));
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(mixed->CheckColumnsSameKind(3, 4));
    EXPECT_EQ(broker_.Asked().back().text,
              "The selected channels hold different kinds of values. Select channels of one kind.");
}

}  // namespace
