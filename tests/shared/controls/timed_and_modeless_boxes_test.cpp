// The timed box that closes itself (and only itself) and the modeless notice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <atomic>
#include <thread>

#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/modeless_message_box.h"
#include "shared/controls/msg_box.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class TimedAndModelessBoxesTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }

    testsupport::ManualUiClock clock_;
};

TEST_F(TimedAndModelessBoxesTest, ATimedBoxClosesItselfAndLeavesAWindowOfTheSameCaption) {
    QDialog namesake;
    namesake.setWindowTitle("KIVO");
    namesake.show();
    CMsgBox box(nullptr);
    bool openBeforeItsTime = false;
    // No button is pressed: only the time passes.
    testsupport::OnNextModal([&](QWidget* shown) {
        clock_.Advance(4999);
        openBeforeItsTime = shown->isVisible();
        clock_.Advance(1);
    });
    box.MessageBox("The logger restarts.", "KIVO", 5000, MB_OK | MB_ICONASTERISK);
    EXPECT_TRUE(openBeforeItsTime);
    EXPECT_EQ(box.Caption(), "KIVO");
    clock_.Advance(60000);
    testsupport::ProcessEventsFor(20);
    EXPECT_TRUE(namesake.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TimedAndModelessBoxesTest, WithoutATimeTheBoxWaitsForTheUser) {
    CMsgBox box(nullptr);
    bool stillOpen = false;
    testsupport::OnNextModal([&](QWidget* shown) {
        clock_.Advance(3600 * 1000);
        stillOpen = shown->isVisible();
        qobject_cast<QMessageBox*>(shown)->button(QMessageBox::Ok)->click();
    });
    box.MessageBox("Read me.", "KIVO", 0, MB_OK);
    EXPECT_TRUE(stillOpen);
}

TEST_F(TimedAndModelessBoxesTest, TheNoticeIsCentredOverItsParentAndTakesEachNewTextAlsoFromAWorker) {
    QMainWindow main;
    main.setGeometry(100, 100, 800, 600);
    main.show();
    CModelessMessageBox notice(&main);
    EXPECT_FALSE(notice.isVisible());
    const QRect owner = main.frameGeometry();
    EXPECT_EQ(notice.x(), owner.left() + owner.width() / 2 - notice.width() / 2);

    auto* message = platform::FindControlAs<QLabel>(&notice, IDC_MODELESS_MESSAGE);
    notice.ShowMessage("KIVO", "Connecting...");
    EXPECT_TRUE(notice.isVisible());
    notice.ShowMessage("KIVO - Wi-Fi", "Installing the update.");
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.windowTitle(), "KIVO - Wi-Fi");
    EXPECT_EQ(message->text(), "Installing the update.");

    std::thread worker([&notice] { notice.ShowMessageText("KIVO", "Waiting for the module."); });
    worker.join();
    ASSERT_TRUE(
        testsupport::ProcessEventsUntil([&] { return message->text() == "Waiting for the module."; }));

    std::thread hider([&notice] { notice.Hide(); });
    hider.join();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !notice.isVisible(); }));

    notice.ShowMessage("KIVO", "Connecting...");
    notice.Hide();
    EXPECT_FALSE(notice.isVisible());
}

}  // namespace
