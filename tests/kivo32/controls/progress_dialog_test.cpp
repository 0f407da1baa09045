// The counting wait dialog: its progress text second by second, closing by itself, and Cancel.
#include "kivo32/controls/progress_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "kivo32/controls/controls_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/test_ui_clock.h"

namespace {

using platform::FindControlAs;

class ProgressDialogTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }

    testsupport::TestUiClock clock_{200};
};

TEST_F(ProgressDialogTest, TheTextCountsFromNoneDoneToAllDoneAndTheDialogClosesAfterTheLastSecond) {
    CProgressDialog dialog;
    dialog.Set("Logger restarts", "%d%% done, %d second%s left", "Waiting for the logger.", 40);
    testsupport::OnNextModal([&](QWidget*) {
        auto* text = FindControlAs<QLabel>(&dialog, IDC_PROGRESS_TEXT);
        EXPECT_EQ(FindControlAs<QLabel>(&dialog, IDC_PROGRESS_MESSAGE)->text(), "Waiting for the logger.");
        EXPECT_EQ(FindControlAs<QProgressBar>(&dialog, IDC_PROGRESS_BAR)->maximum(), 40);
        EXPECT_EQ(dialog.windowTitle(), "Logger restarts");
        const std::vector<std::pair<std::int64_t, QString>> steps = {
            {0, "0% done, 40 seconds left"},
            {20'500, "50% done, 20 seconds left"},
            {39'000, "97% done, 1 second left"},
            {40'999, "100% done, 0 seconds left"},
        };
        for (const auto& [now, expected] : steps) {
            clock_.SetNow(now);
            EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return text->text() == expected; })) << now;
        }
        testsupport::ProcessEventsFor(20);
        EXPECT_TRUE(dialog.isVisible());
        clock_.SetNow(41'000);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(ProgressDialogTest, CancelEndsTheWaitAtOnce) {
    CProgressDialog dialog;
    dialog.Set("Logger restarts", "%d%% %d%s", "Waiting.", 40);
    testsupport::OnNextModal([&](QWidget*) { FindControlAs<QPushButton>(&dialog, IDCANCEL)->click(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ProgressDialogTest, AWaitOfNoSecondsIsCompleteAtOnceWithoutDividingByZero) {
    CProgressDialog dialog;
    dialog.Set("Wait", "%d%% done, %d second%s left", "", 0);
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_EQ(FindControlAs<QLabel>(&dialog, IDC_PROGRESS_TEXT)->text(), "100% done, 0 seconds left");
        clock_.SetNow(1'000);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
