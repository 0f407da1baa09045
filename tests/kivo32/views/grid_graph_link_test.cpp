// The graph range dialog opened on a data grid: its choice mirrored into the grid's selection, the
// mouse's selection taken back into the dialog, the date and time columns left out, the channel limit,
// and the dialog closing with the grid.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/graph_sel_range_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "shared/setup/setup_codes.h"
#include "shared/common/user_data_folder.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using platform::FindControlAs;
using platform::GridRange;

class GridGraphLinkTest : public gridtest::MouseGridFixture {
protected:
    CGraphSelRangeDlg* OpenDialog(CRawDataView& view) {
        dialog_ = view.OpenGraphRangeDialog(attributes_);
        QApplication::processEvents();
        return dialog_;
    }
    QListWidget* Channels() const { return FindControlAs<QListWidget>(dialog_, IDC_GRAPH_CHANNELS); }
    QString EditText(int id) const { return FindControlAs<QLineEdit>(dialog_, id)->text(); }
    bool AllRecords() const { return FindControlAs<QCheckBox>(dialog_, IDC_GRAPH_ALL_RECORDS)->isChecked(); }

    CGraphObjectAttributes attributes_{"KIVO 15"};
    QPointer<CGraphSelRangeDlg> dialog_;
};

TEST_F(GridGraphLinkTest, TheDialogsChoiceBecomesTheGridsSelection) {
    ASSERT_NE(OpenDialog(*view_), nullptr);
    EXPECT_EQ(view_->OpenGraphRangeDialog(attributes_), dialog_.data());
    EXPECT_EQ(view_->GetRangeDialogMode(), 2);
    // Only the channels are offered, headed as the grid heads them.
    ASSERT_EQ(Channels()->count(), 3);
    std::string cell, title, unit;
    view_->GetColumnHeading(4, cell, title, unit);
    EXPECT_EQ(Channels()->item(1)->text().toStdString(), title + " " + unit);

    Channels()->item(0)->setSelected(true);
    Channels()->item(2)->setSelected(true);
    EXPECT_EQ(view_->Grid().Selection().WholeColumns(), (std::vector<int>{3, 5}));
    EXPECT_EQ(view_->GetSelectedColumns(), (std::vector<int>{3, 5}));

    auto* from = FindControlAs<QLineEdit>(dialog_, IDC_GRAPH_FROM_RECORD);
    auto* to = FindControlAs<QLineEdit>(dialog_, IDC_GRAPH_TO_RECORD);
    FindControlAs<QCheckBox>(dialog_, IDC_GRAPH_ALL_RECORDS)->click();
    from->setText("4");
    emit from->editingFinished();
    to->setText("9");
    emit to->editingFinished();
    EXPECT_TRUE(Selected(4, 3) && Selected(9, 3) && Selected(4, 5) && Selected(9, 5));
    EXPECT_FALSE(Selected(3, 3) || Selected(10, 5) || Selected(6, 4));
    GridBlock block;
    ASSERT_TRUE(view_->GetSelectedRange(block, false));
    EXPECT_EQ(block, (GridBlock{4, 3, 9, 5}));

    // Cancel hands the grid back cleared, and the view forgets the dialog.
    dialog_->OnCancel();
    EXPECT_TRUE(view_->Grid().Selection().IsEmpty());
    EXPECT_EQ(view_->GraphRangeDialog(), nullptr);
    EXPECT_EQ(view_->GetRangeDialogMode(), 1);
}

TEST_F(GridGraphLinkTest, OkThroughTheTypeStepLeavesTheChoiceSelected) {
    std::filesystem::create_directories(UserDataFolder());
    view_->SetColumnYAxis(1, 2);
    ASSERT_NE(OpenDialog(*view_), nullptr);
    Channels()->item(2)->setSelected(true);
    testsupport::OnNextModal([](QWidget* type) { FindControlAs<QAbstractButton>(type, IDOK)->click(); });
    FindControlAs<QAbstractButton>(dialog_, IDOK)->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog_.isNull());
    EXPECT_EQ(view_->GraphRangeDialog(), nullptr);
    EXPECT_EQ(view_->GetRangeDialogMode(), 1);
    EXPECT_EQ(view_->Grid().Selection().WholeColumns(), (std::vector<int>{5}));
    // The type step cleared the Y axes the grid held.
    EXPECT_EQ(view_->GetColumnYAxis(1), 0);
}

TEST_F(GridGraphLinkTest, ApplyingTheRangeClipsToTheGridAndLeavesOutDateAndTime) {
    const struct {
        std::vector<int> columns;
        bool allRecords;
        long from;
        long to;
        std::vector<GridRange> expected;
    } cases[] = {
        {{3, 5}, false, 4, 9, {GridRange::Cells(4, 3, 9, 3), GridRange::Cells(4, 5, 9, 5)}},
        {{4}, false, 0, 99, {GridRange::Cells(1, 4, 20, 4)}},
        {{4}, true, 4, 9, {GridRange::Columns(4, 4)}},
        // No channel chosen: the selection stays as it was.
        {{}, false, 4, 9, {GridRange::Cells(2, 3, 2, 3)}},
    };
    for (const auto& test : cases) {
        view_->Grid().Selection().Clear();
        view_->Grid().Selection().Select(GridRange::Cells(2, 3, 2, 3));
        view_->ApplyRangeDialogSelection(test.columns, test.allRecords, test.from, test.to);
        EXPECT_EQ(view_->Grid().Selection().Ranges(), test.expected) << test.from << ".." << test.to;
    }

    // Whole rows lose their date and time cells.
    view_->Grid().Selection().Clear();
    view_->Grid().Selection().Select(GridRange::Cells(6, 1, 8, 5));
    view_->DeselectUnplottableColumns();
    EXPECT_EQ(view_->GetSelectedColumns(), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(Selected(6, 3) && Selected(8, 5));
}

TEST_F(GridGraphLinkTest, TheMousesSelectionBecomesTheDialogsChoice) {
    ASSERT_NE(OpenDialog(*view_), nullptr);
    Drag(5, 3, 12, 4);
    EXPECT_TRUE(Channels()->item(0)->isSelected() && Channels()->item(1)->isSelected());
    EXPECT_FALSE(Channels()->item(2)->isSelected());
    EXPECT_EQ(EditText(IDC_GRAPH_FROM_RECORD), "5");
    EXPECT_EQ(EditText(IDC_GRAPH_TO_RECORD), "12");
    EXPECT_FALSE(AllRecords());
    EXPECT_TRUE(Selected(5, 3) && Selected(12, 4));
    EXPECT_FALSE(Selected(5, 5));

    // A whole column names the channel and leaves the records as they were.
    Click(0, 5);
    EXPECT_EQ(dialog_->ChosenColumns(), (std::vector<int>{5}));
    EXPECT_EQ(EditText(IDC_GRAPH_TO_RECORD), "12");

    // Without the dialog the mouse selects as ever and nothing is asked of a dialog.
    dialog_->OnCancel();
    Drag(5, 3, 12, 4);
    EXPECT_TRUE(Selected(5, 3) && Selected(12, 4));
}

TEST_F(GridGraphLinkTest, MoreChannelsThanAGraphTakesAreRefused) {
    // Four power channels logging two values of three quantities: 24 channel columns.
    CSetupTable setup = gridtest::ChannelsSetup(4);
    for (int channel = 0; channel < 4; ++channel) {
        for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
            const bool logged = quantity == kQuantityVoltage || quantity == kQuantityCurrent || quantity == kQuantityKW;
            setup.GetHardwareChannel(channel).SetPowerOptions(quantity, logged ? kOptionBit1 | kOptionBit8 : 0);
        }
    }
    view_ = OpenGrid("wide.kivo", setup, gridtest::Records(10, 24, 900, [](int i, int c) { return float(i * c); }));
    ASSERT_NE(view_, nullptr);
    ASSERT_EQ(view_->GetColCount(), 26);
    ASSERT_NE(OpenDialog(*view_), nullptr);

    broker_.AnswerMessageBox(IDOK);
    Drag(2, 3, 6, 20);
    EXPECT_EQ(broker_.Asked().back().text, "At most 17 channels can be graphed at once. The choice has been cleared.");
    EXPECT_TRUE(view_->Grid().Selection().IsEmpty());
    EXPECT_TRUE(dialog_->ChosenColumns().empty());

    // Seventeen are taken.
    Drag(2, 3, 6, 19);
    EXPECT_EQ(dialog_->ChosenColumns().size(), 17u);
    EXPECT_EQ(EditText(IDC_GRAPH_FROM_RECORD), "2");
}

TEST_F(GridGraphLinkTest, TheDialogClosesWithItsGrid) {
    ASSERT_NE(OpenDialog(*view_), nullptr);
    Channels()->item(0)->setSelected(true);
    main_.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog_.isNull());
}

}  // namespace
