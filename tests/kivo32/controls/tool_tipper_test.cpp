// The tool tipper: how far it counts its two tables, and which tip a control shows while enabled and
// while disabled.
#include "kivo32/controls/tool_tipper.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

constexpr unsigned kFirstTip = 500;

// A dialog with controls 1..n, and texts "enabled <i>" (id 500 + 2i) and "disabled <i>" (id 501 + 2i).
class ToolTipperTest : public testsupport::QtTest {
protected:
    ToolTipperTest() : parent_(std::make_unique<QWidget>()) {}
    ~ToolTipperTest() override { SetProgramTexts({}); }

    void MakeControls(int count) {
        platform::TextTable texts;
        for (int id = 1; id <= count; ++id) {
            platform::SetControlId(new QWidget(parent_.get()), id);
            texts.Set(EnabledTip(id), "enabled " + std::to_string(id));
            texts.Set(DisabledTip(id), "disabled " + std::to_string(id));
        }
        SetProgramTexts(std::move(texts));
    }
    static unsigned EnabledTip(int id) { return kFirstTip + 2 * static_cast<unsigned>(id); }
    static unsigned DisabledTip(int id) { return EnabledTip(id) + 1; }

    QString TipOf(int id) const { return platform::FindControl(parent_.get(), id)->toolTip(); }
    QWidget* Control(int id) const { return platform::FindControl(parent_.get(), id); }

    std::unique_ptr<QWidget> parent_;
};

TEST_F(ToolTipperTest, TheCountStopsAtTheFirstRowThatBreaksTheTables) {
    const ToolTipTexts end{0, 0};
    const ToolTipTexts tip1{EnabledTip(1), 0};
    const ToolTipTexts tip2{EnabledTip(2), DisabledTip(2)};
    const ToolTipTexts tip3{EnabledTip(3), 0};
    const ToolTipTexts onlyDisabled{0, DisabledTip(2)};
    const struct {
        const char* name;
        std::vector<int> ids;
        std::vector<ToolTipTexts> tips;
        int expected;
    } cases[] = {
        {"whole tables", {1, 2, 3, 0}, {tip1, tip2, tip3, end}, 3},
        {"an id without an enabled tip", {1, 2, 3, 0}, {tip1, onlyDisabled, tip3, end}, 1},
        {"fewer tips than ids", {1, 2, 3, 0}, {tip1, tip2, end}, 2},
        {"more tips than ids", {1, 2, 0}, {tip1, tip2, tip3, end}, 2},
        {"no ids", {0}, {end}, 0},
    };
    for (const auto& test : cases) {
        parent_ = std::make_unique<QWidget>();
        MakeControls(3);
        CToolTipper tipper;
        tipper.Create(parent_.get(), test.ids.data(), test.tips.data());
        EXPECT_EQ(tipper.ToolCount(), test.expected) << test.name;
        for (int id = 1; id <= 3; ++id) {
            const QString expected = id <= test.expected ? QString("enabled %1").arg(id) : QString();
            EXPECT_EQ(TipOf(id), expected) << test.name << ", control " << id;
        }
    }
    CToolTipper withoutTables;
    withoutTables.Create(parent_.get(), nullptr, nullptr);
    EXPECT_EQ(withoutTables.ToolCount(), 0);
}

TEST_F(ToolTipperTest, AtMost999IdsGetTools) {
    for (const int ids : {999, 1000}) {
        parent_ = std::make_unique<QWidget>();
        MakeControls(ids);
        std::vector<int> controlIds;
        std::vector<ToolTipTexts> tips;
        for (int id = 1; id <= ids; ++id) {
            controlIds.push_back(id);
            tips.push_back({EnabledTip(id), 0});
        }
        controlIds.push_back(0);
        tips.push_back({0, 0});
        CToolTipper tipper;
        tipper.Create(parent_.get(), controlIds.data(), tips.data());
        EXPECT_EQ(tipper.ToolCount(), 999) << ids;
        EXPECT_EQ(TipOf(999), "enabled 999") << ids;
        if (ids == 1000) {
            EXPECT_TRUE(TipOf(1000).isEmpty());
        }
    }
}

TEST_F(ToolTipperTest, EachStateShowsItsTipAndWithoutADisabledTipTheEnabledOneServes) {
    MakeControls(3);
    const int ids[] = {1, 2, 0};
    const ToolTipTexts tips[] = {{EnabledTip(1), DisabledTip(1)}, {EnabledTip(2), 0}, {0, 0}};
    Control(2)->setEnabled(false);
    CToolTipper tipper;
    tipper.Create(parent_.get(), ids, tips);
    // Each tool starts enabled.
    EXPECT_TRUE(Control(2)->isEnabled());

    tipper.EnableTool(1, false);
    EXPECT_FALSE(Control(1)->isEnabled());
    EXPECT_EQ(TipOf(1), "disabled 1");
    tipper.EnableTool(2, false);
    EXPECT_FALSE(Control(2)->isEnabled());
    EXPECT_EQ(TipOf(2), "enabled 2");
    tipper.EnableTool(1, true);
    EXPECT_TRUE(Control(1)->isEnabled());
    EXPECT_EQ(TipOf(1), "enabled 1");

    // A control outside the table is enabled and disabled, and keeps the tip it was given.
    EXPECT_TRUE(tipper.AddTool(3, "own tip"));
    tipper.EnableTool(3, false);
    EXPECT_FALSE(Control(3)->isEnabled());
    EXPECT_EQ(TipOf(3), "own tip");
}

TEST_F(ToolTipperTest, AToolNeedsTheTipperCreatedAndTheControl) {
    MakeControls(1);
    const int ids[] = {0};
    const ToolTipTexts tips[] = {{0, 0}};
    CToolTipper tipper;
    EXPECT_FALSE(tipper.AddTool(1, "tip"));
    EXPECT_TRUE(TipOf(1).isEmpty());
    tipper.Create(parent_.get(), ids, tips);
    EXPECT_FALSE(tipper.AddTool(42, "tip"));
    EXPECT_TRUE(tipper.AddTool(1, "tip"));
    EXPECT_EQ(TipOf(1), "tip");
}

}  // namespace
