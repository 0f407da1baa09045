// The sortable list: numbers as numbers, dates by year first, addresses as text, the direction of a
// second click, and the heading's arrow.
#include "kivo32/controls/sort_list_ctrl.h"

#include <gtest/gtest.h>

#include <QHeaderView>

#include "tests/support/ui/qt_test_application.h"

namespace {

class SortListCtrlTest : public testsupport::QtTest {
protected:
    SortListCtrlTest() {
        list_.setHeaderLabels({"Port", "Date", "Address"});
        list_.AddItem({"80", "01/02/2024", "192.168.1.20"});
        list_.AddItem({"3001", "01/02/2023", "10.0.0.5"});
        list_.AddItem({"443", "03/01/2024", "192.168.1.3"});
        list_.AddItem({"", "28/12/2023", "172.16.0.1"});
    }
    std::vector<QString> Column(int column) const {
        std::vector<QString> texts;
        for (int row = 0; row < list_.topLevelItemCount(); ++row) {
            texts.push_back(list_.topLevelItem(row)->text(column));
        }
        return texts;
    }
    void ClickHeading(int column) { emit list_.header()->sectionClicked(column); }

    CSortListCtrl list_;
};

TEST_F(SortListCtrlTest, SortsEachKindByItsOwnRule) {
    ClickHeading(0);
    EXPECT_EQ(Column(0), (std::vector<QString>{"", "80", "443", "3001"}));
    ClickHeading(0);
    EXPECT_EQ(Column(0), (std::vector<QString>{"3001", "443", "80", ""}));
    EXPECT_FALSE(list_.Ascending());
    EXPECT_EQ(list_.header()->sortIndicatorOrder(), Qt::DescendingOrder);

    // Year first, then the middle field, then the first.
    ClickHeading(1);
    EXPECT_TRUE(list_.Ascending());
    EXPECT_EQ(list_.header()->sortIndicatorSection(), 1);
    EXPECT_EQ(Column(1), (std::vector<QString>{"01/02/2023", "28/12/2023", "03/01/2024", "01/02/2024"}));

    ClickHeading(2);
    EXPECT_EQ(Column(2), (std::vector<QString>{"10.0.0.5", "172.16.0.1", "192.168.1.20", "192.168.1.3"}));
}

TEST_F(SortListCtrlTest, RowsTakeOneTextPerHeading) {
    EXPECT_EQ(list_.AddItem({"1", "x", "y", "dropped"}), 4);
    EXPECT_EQ(list_.topLevelItem(4)->columnCount(), 3);
    list_.DeleteAllItems();
    EXPECT_EQ(list_.topLevelItemCount(), 0);
}

}  // namespace
