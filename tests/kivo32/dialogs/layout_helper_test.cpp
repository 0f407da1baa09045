// The layout helper: edges from references, spreading, the anchor, stopping at a missing control, and
// the tracking sizes.
#include "kivo32/dialogs/layout_helper.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "platform/ui/control_id.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class LayoutHelperTest : public testsupport::QtTest {
protected:
    void SetUp() override {
        owner_.resize(400, 300);
        for (int id = 1; id <= 5; ++id) {
            auto* control = new QPushButton(&owner_);
            platform::SetControlId(control, id);
            control->setGeometry(10 * id, 10, 20, 10);
        }
        helper_.Attach(&owner_, 0);
    }

    QRect Rect(int id) { return platform::FindControl(&owner_, id)->geometry(); }

    QWidget owner_;
    CLayoutHelper helper_;
};

TEST_F(LayoutHelperTest, EachEdgeCodeSetsItsEdgeFromTheReference) {
    // Control 1 starts at (10,10) 20x10; control 2 at (20,10) 20x10, its right edge at 40.
    struct Case {
        int edge;
        int referenceEdge;
        int offset;
        QRect expected;
    };
    const std::vector<Case> cases = {
        {EDGE_TOP, EDGE_BOTTOM, 5, QRect(10, 25, 20, 10)},   // moves, keeps the height
        {EDGE_LEFT, EDGE_RIGHT, 0, QRect(40, 10, 20, 10)},   // moves, keeps the width
        {EDGE_RIGHT, EDGE_LEFT, -1, QRect(-1, 10, 20, 10)},  // right edge at 19
        {EDGE_BOTTOM, EDGE_TOP, 30, QRect(10, 30, 20, 10)},  // bottom edge at 40
        {EDGE_HCENTER, EDGE_HCENTER, 0, QRect(20, 10, 20, 10)},
        {EDGE_VCENTER, EDGE_VCENTER, 10, QRect(10, 20, 20, 10)},
        {EDGE_HEIGHT, EDGE_WIDTH, 5, QRect(10, 10, 20, 25)},
        {EDGE_WIDTH, EDGE_HEIGHT, 0, QRect(10, 10, 10, 10)},
        {9, EDGE_TOP, 0, QRect(10, 10, 20, 10)},  // an unknown code sets nothing
    };
    for (const Case& test : cases) {
        platform::FindControl(&owner_, 1)->setGeometry(10, 10, 20, 10);
        const LayoutRule rules[] = {{LAYOUT_EDGE, 1, test.edge, 2, test.referenceEdge, test.offset, 0}, {}};
        helper_.Resize(rules);
        EXPECT_EQ(Rect(1), test.expected) << test.edge;
    }
}

TEST_F(LayoutHelperTest, TheDialogIsTheReferenceZeroAndTheAnchorGoesToTheCorner) {
    CLayoutHelper helper;
    helper.Attach(&owner_, 5);
    const LayoutRule rules[] = {
        {LAYOUT_EDGE, 1, EDGE_WIDTH, 0, EDGE_WIDTH, -40, 0},
        {LAYOUT_EDGE, 2, EDGE_RIGHT, 0, EDGE_RIGHT, -20, 0},
        {LAYOUT_EDGE, 3, EDGE_RIGHT, 2, EDGE_LEFT, -15, 0},
        {},
    };
    helper.Resize(rules, 400, 300);
    EXPECT_EQ(Rect(1).width(), 360);
    EXPECT_EQ(Rect(2).right() + 1, 380);
    EXPECT_EQ(Rect(3).right() + 1, Rect(2).left() - 15);
    EXPECT_EQ(Rect(5).bottomRight(), QPoint(399, 299));
}

TEST_F(LayoutHelperTest, AMissingControlStopsTheLayoutBeforeTheRulesAfterIt) {
    const LayoutRule rules[] = {
        {LAYOUT_EDGE, 1, EDGE_LEFT, 0, EDGE_LEFT, 100, 0},
        {LAYOUT_EDGE, 99, EDGE_LEFT, 0, EDGE_LEFT, 100, 0},
        {LAYOUT_EDGE, 2, EDGE_LEFT, 0, EDGE_LEFT, 100, 0},
        {},
    };
    helper_.Resize(rules);
    EXPECT_EQ(Rect(1).left(), 100);
    EXPECT_EQ(Rect(2).left(), 20);

    // An empty table moves nothing; a rule of a moving kind without a control stops as well.
    const LayoutRule empty[] = {{}, {LAYOUT_EDGE, 3, EDGE_LEFT, 0, EDGE_LEFT, 100, 0}};
    helper_.Resize(empty);
    const LayoutRule noControl[] = {{LAYOUT_EDGE, 0, EDGE_LEFT, 0, EDGE_LEFT, 1, 0},
                                    {LAYOUT_EDGE, 3, EDGE_LEFT, 0, EDGE_LEFT, 100, 0},
                                    {}};
    helper_.Resize(noControl);
    EXPECT_EQ(Rect(3).left(), 30);
}

TEST_F(LayoutHelperTest, SpreadingPlacesTheMiddleCentresAtEqualSteps) {
    const int two[] = {1, 5};
    const int five[] = {1, 2, 3, 4, 5};
    platform::FindControl(&owner_, 5)->setGeometry(210, 10, 20, 10);
    const LayoutRule twoRule[] = {{LAYOUT_SPREAD, 1, 0, 0, 0, 0, 0, two}, {}};
    helper_.Resize(twoRule);
    EXPECT_EQ(Rect(2).left(), 20);

    const LayoutRule fiveRule[] = {{LAYOUT_SPREAD, 1, 0, 0, 0, 0, 0, five}, {}};
    helper_.Resize(fiveRule);
    // Centres 20 and 220: steps of 50.
    EXPECT_EQ(Rect(1).left(), 10);
    EXPECT_EQ(Rect(2).left(), 60);
    EXPECT_EQ(Rect(3).left(), 110);
    EXPECT_EQ(Rect(4).left(), 160);
    EXPECT_EQ(Rect(5).left(), 210);
}

TEST_F(LayoutHelperTest, TrackSizesAreWrittenOnlyOnceSet) {
    MinMaxInfo info{QSize(1, 2), QSize(3, 4)};
    helper_.GetMinMaxInfo(&info);
    EXPECT_EQ(info.minTrackSize, QSize(1, 2));
    EXPECT_EQ(info.maxTrackSize, QSize(3, 4));

    const LayoutRule limits[] = {{LAYOUT_WIDTH, 0, 0, 0, 0, 250, 1024}, {}};
    helper_.Resize(limits);
    helper_.GetMinMaxInfo(&info);
    EXPECT_EQ(info.minTrackSize, QSize(1, 2));  // the heights are not set yet

    helper_.SetTrackSizes(250, 250, 1024, 768);
    helper_.GetMinMaxInfo(&info);
    EXPECT_EQ(info.minTrackSize, QSize(250, 250));
    EXPECT_EQ(info.maxTrackSize, QSize(1024, 768));
}

}  // namespace
