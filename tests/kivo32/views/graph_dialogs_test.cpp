// The graph dialogs on a fake grid: the method list, the all-records box by the number of records, the
// channel list mirrored in the grid and held to 17, the checks of OK, the type and Y-axis steps with Back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/views/graph_assign_y_axes_dlg.h"
#include "kivo32/views/graph_dialog_grid.h"
#include "kivo32/views/graph_methods.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/graph_sel_range_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/user_data_folder.h"
#include "tests/kivo32/views/fake_graph_dialog_grid.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControl;
using platform::FindControlAs;
using testsupport::FakeGrid;

TEST(GraphMethodsTest, ListPositionsAndCodes) {
    const int codes[] = {0, 2, 17, 3, 1, 4, 8, 13, 15, 16};
    for (int index = 0; index < 10; ++index) {
        EXPECT_EQ(GraphMethodCode(index), codes[index]);
        EXPECT_EQ(GraphMethodIndex(codes[index]), index);
    }
    EXPECT_EQ(GraphMethodCode(10), 0);
    EXPECT_EQ(GraphMethodCode(-1), 0);
    EXPECT_EQ(GraphMethodIndex(5), 0);
}

class GraphDialogsTest : public testsupport::QtTest {
protected:
    GraphDialogsTest() {
        SetProgramTexts(platform::EnglishTexts());
        std::filesystem::create_directories(UserDataFolder());
        attributes.LoadGOAttributes(true, true, true, true);
    }

    CGraphSelRangeDlg* Open(FakeGrid& grid) {
        auto* dialog = new CGraphSelRangeDlg(grid, attributes, &owner);
        opened = dialog;
        return dialog;
    }
    QListWidget* Channels() const { return FindControlAs<QListWidget>(opened, IDC_GRAPH_CHANNELS); }
    void Choose(std::initializer_list<int> rows) const {
        for (const int row : rows) {
            Channels()->item(row)->setSelected(true);
        }
    }
    QAbstractButton* Button(QWidget* dialog, int id) const {
        return FindControlAs<QAbstractButton>(dialog, id);
    }
    bool Enabled(int id) const { return FindControl(opened, id)->isEnabled(); }

    // Answers the dialogs it is told to and records the boxes (each answered OK).
    testsupport::ScriptedUiBroker broker{IDOK};
    CGraphObjectAttributes attributes{"KIVO 15"};
    QWidget owner;
    QPointer<CGraphSelRangeDlg> opened;
};

TEST_F(GraphDialogsTest, TheAllRecordsBoxStartsByTheNumberOfRecords) {
    const struct {
        long records;
        bool checked;
    } cases[] = {{60001, true}, {60002, false}};
    for (const auto& test : cases) {
        FakeGrid grid(test.records, 6);
        Open(grid);
        auto* all = Button(opened, IDC_GRAPH_ALL_RECORDS);
        EXPECT_EQ(all->isChecked(), test.checked) << test.records;
        EXPECT_EQ(all->isEnabled(), !test.checked) << test.records;
        for (const int id :
             {IDC_GRAPH_FROM_RECORD, IDC_GRAPH_TO_RECORD, IDC_GRAPH_FROM_LABEL, IDC_GRAPH_TO_LABEL}) {
            EXPECT_EQ(Enabled(id), !test.checked) << test.records << " control " << id;
        }
        EXPECT_EQ(FindControlAs<QLineEdit>(opened, IDC_GRAPH_TO_RECORD)->text().toLong(), test.records);
        EXPECT_EQ(grid.selectionModes, std::vector<unsigned>{0xF3});
        EXPECT_EQ(grid.rangeDialogModes, std::vector<int>{2});
        opened->OnCancel();
        EXPECT_TRUE(grid.dialogClosed);
        EXPECT_EQ(grid.selectionModes.back(), 0x0Au);
        EXPECT_EQ(grid.rangeDialogModes.back(), 1);
        testsupport::ProcessEventsUntil([this] { return opened.isNull(); });
    }
}

TEST_F(GraphDialogsTest, ChannelsAreMirroredInTheGridAndHeldToSeventeen) {
    FakeGrid grid(100, 22);  // channels in columns 3 to 22: 20 of them
    Open(grid);
    ASSERT_EQ(Channels()->count(), 20);
    EXPECT_EQ(Channels()->item(0)->text(), "Ch 3");
    Choose({0, 4});
    EXPECT_EQ(grid.selectedColumns, (std::vector<int>{3, 7}));
    EXPECT_TRUE(Enabled(IDC_GRAPH_ALL_RECORDS));

    Choose({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    EXPECT_EQ(grid.selectedColumns.size(), 17u);
    EXPECT_TRUE(broker.Boxes().empty());
    Choose({17});  // the 18th
    ASSERT_EQ(broker.Boxes().size(), 1u);
    EXPECT_EQ(broker.Boxes()[0].ids.promptId, IDP_GRAPH_TOO_MANY_CHANNELS);
    EXPECT_TRUE(Channels()->selectedItems().isEmpty());
    EXPECT_TRUE(grid.selectedColumns.empty());
    EXPECT_FALSE(Enabled(IDC_GRAPH_ALL_RECORDS));

    // The grid's own choice comes back into the list, unless it is more than 17 channels.
    grid.selectedColumns = {1, 4, 5};
    EXPECT_TRUE(opened->SelectListedColumnsFromGrid());
    EXPECT_EQ(opened->ChosenColumns(), (std::vector<int>{4, 5}));
    grid.selectedColumns.clear();
    for (int column = 3; column <= 20; ++column) {
        grid.selectedColumns.push_back(column);
    }
    EXPECT_FALSE(opened->SelectListedColumnsFromGrid());
    EXPECT_FALSE(Enabled(IDC_GRAPH_FROM_RECORD));
    opened->OnCancel();
}

TEST_F(GraphDialogsTest, OkNeedsAChannelAndARangeOfTwoRecordsAtLeast) {
    FakeGrid grid(100, 6);
    Open(grid);
    Button(opened, IDOK)->click();
    ASSERT_EQ(broker.Boxes().size(), 1u);
    EXPECT_EQ(broker.Boxes()[0].ids.promptId, IDP_GRAPH_NO_CHANNEL);

    Choose({0});
    Button(opened, IDC_GRAPH_ALL_RECORDS)->click();  // unchecked: the record edits open
    auto* from = FindControlAs<QLineEdit>(opened, IDC_GRAPH_FROM_RECORD);
    auto* to = FindControlAs<QLineEdit>(opened, IDC_GRAPH_TO_RECORD);
    ASSERT_TRUE(from->isEnabled());
    const struct {
        const char* from;
        const char* to;
        bool rangeMessage;  // else "the first record must come before the last"
    } cases[] = {{"5", "5", false}, {"9", "4", false}, {"0", "50", true}, {"1", "101", true}};
    for (const auto& test : cases) {
        from->setText(test.from);
        to->setText(test.to);
        if (test.rangeMessage) {
            broker.AnswerMessageBox(IDOK);
        }
        const std::size_t before = broker.Boxes().size();
        Button(opened, IDOK)->click();
        EXPECT_TRUE(opened->isVisible()) << test.from << ".." << test.to;
        EXPECT_EQ(broker.Boxes().size(), before + (test.rangeMessage ? 0 : 1))
            << test.from << ".." << test.to;
        if (!test.rangeMessage) {
            EXPECT_EQ(broker.Boxes().back().ids.promptId, IDP_GRAPH_EMPTY_RANGE);
        }
    }
    EXPECT_EQ(broker.UnusedAnswers(), 0u);
    EXPECT_FALSE(grid.applied);
    opened->OnCancel();
}

TEST_F(GraphDialogsTest, TheStepsLeadToTheGraphWithTheChosenAxesAndAttributes) {
    FakeGrid grid(100, 8);
    Open(grid);
    Choose({0, 2, 3});
    attributes.useDefaultAttributes = 1;
    attributes.annotation = "Roof";
    testsupport::OnNextModal([this](QWidget* type) {
        auto* yAxes = FindControlAs<QCheckBox>(type, IDC_GRAPH_ASSIGN_Y_AXES);
        EXPECT_TRUE(yAxes->isEnabled());
        EXPECT_TRUE(Button(type, IDC_GRAPH_TYPE_DEFAULT_ATTRIBUTES)->isChecked());
        Button(type, IDC_GRAPH_TYPE_OWN_ATTRIBUTES)->click();
        FindControlAs<QComboBox>(type, IDC_GRAPH_METHOD)->setCurrentIndex(3);  // area
        Button(type, IDC_GRAPH_TYPE_DATA_CURSOR)->click();
        yAxes->click();
        EXPECT_EQ(Button(type, IDOK)->text(), "&Next >");
        testsupport::OnNextModal([this](QWidget* axes) {
            // Three channels: three rows of three buttons, the others hidden.
            EXPECT_TRUE(FindControl(axes, 1616)->isVisibleTo(axes));
            EXPECT_EQ(FindControlAs<QLabel>(axes, 1616)->text(), "Ch 6");
            EXPECT_TRUE(FindControl(axes, 1611)->isVisibleTo(axes));
            EXPECT_FALSE(FindControl(axes, 1618)->isVisibleTo(axes));
            Button(axes, 1604)->click();  // channel 2 on axis 2
            Button(axes, 1611)->click();  // channel 3 on axis 3
            Button(axes, IDOK)->click();
        });
        Button(type, IDOK)->click();
    });
    Button(opened, IDOK)->click();

    EXPECT_EQ(grid.axes, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(grid.applied);
    EXPECT_EQ(grid.appliedColumns, (std::vector<int>{3, 5, 6}));
    EXPECT_TRUE(grid.appliedAllRecords);
    EXPECT_TRUE(grid.activated);
    EXPECT_TRUE(grid.graphRequested);
    EXPECT_TRUE(grid.dialogClosed);
    EXPECT_EQ(attributes.plottingMethod, 3);
    EXPECT_EQ(attributes.useDefaultAttributes, 0);
    EXPECT_EQ(attributes.showDataCursor, 1);
    EXPECT_EQ(attributes.annotation, "Roof");
}

TEST_F(GraphDialogsTest, BackReturnsToTheStepBeforeWithItsChoices) {
    FakeGrid grid(100, 8);
    Open(grid);
    Choose({1});
    testsupport::OnNextModal([this](QWidget* type) {
        // One channel: no Y-axis step.
        EXPECT_FALSE(FindControl(type, IDC_GRAPH_ASSIGN_Y_AXES)->isEnabled());
        Button(type, IDC_GRAPH_BACK)->click();
    });
    Button(opened, IDOK)->click();
    ASSERT_FALSE(opened.isNull());
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->ChosenColumns(), std::vector<int>{4});
    EXPECT_FALSE(grid.applied);

    // Cancel in the type step closes everything.
    testsupport::OnNextModal([this](QWidget* type) { Button(type, IDCANCEL)->click(); });
    Button(opened, IDOK)->click();
    EXPECT_TRUE(grid.dialogClosed);
    EXPECT_TRUE(grid.selectedColumns.empty());
    EXPECT_FALSE(grid.graphRequested);
}

TEST_F(GraphDialogsTest, TheYAxisStepShowsARowPerChannelUpToSixteen) {
    const struct {
        int channels;
        bool group;
        int rows;
        bool thirdAxis;
    } cases[] = {{1, false, 1, false},
                 {2, true, 2, false},
                 {3, true, 3, true},
                 {16, true, 16, true},
                 {17, true, 16, true}};
    // The label of each row, in order.
    const int labels[] = {1601, 1607, 1616, 1618, 1626, 1628, 1636, 1638,
                          1646, 1648, 1656, 1658, 1666, 1668, 1676, 1678};
    for (const auto& test : cases) {
        std::vector<std::string> headings;
        for (int i = 0; i < test.channels; ++i) {
            headings.push_back("Ch " + std::to_string(i + 1));
        }
        CGraphAssignYAxesDlg dialog(headings);
        testsupport::OnNextModal([&](QWidget* shown) {
            EXPECT_EQ(FindControl(shown, IDC_GRAPH_Y_AXES_GROUP)->isVisibleTo(shown), test.group)
                << test.channels;
            int rows = 0;
            for (const int label : labels) {
                rows += FindControl(shown, label)->isVisibleTo(shown) ? 1 : 0;
            }
            if (test.group) {
                EXPECT_EQ(rows, test.rows) << test.channels;
            }
            EXPECT_EQ(FindControl(shown, 1600)->isVisibleTo(shown), test.group && test.thirdAxis)
                << test.channels;
            if (test.channels == 17) {
                Button(shown, 1674)->click();  // the 16th channel on axis 3
            }
            Button(shown, IDOK)->click();
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        if (test.channels == 17) {
            EXPECT_EQ(dialog.AxisOf(15), 2);
            EXPECT_EQ(dialog.AxisOf(16), 0);  // no row: axis 0
        }
    }
}

}  // namespace
