// The download progress window and the recovery question: the question's text and buttons over the
// records received and the lost port, its window offscreen and as the program's answer, and the progress
// window following a download written from another thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <memory>
#include <thread>

#include "kivo32/session/download_progress_link.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/tools/data_recovery_dlg.h"
#include "kivo32/tools/data_recovery_question.h"
#include "kivo32/tools/download_dialog.h"
#include "kivo32/tools/download_window_ids.h"
#include "kivo32/tools/download_windows.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

const std::string kPortLost = "The serial port of the link disappeared. ";
constexpr int kTryAgain = static_cast<int>(IDC_RECOVERY_TRY_AGAIN);

// The question over the records received and the lost port.
const struct RecoveryCase {
    int records;
    bool portLost;
    std::string message;
    bool keep;
    bool tryAgain;
} kRecoveryCases[] = {
    {51, false,
     "The download broke off after 51 records. Keep the records received, try again for the rest, or give "
     "up?",
     true, true},
    {51, true, kPortLost + "The download broke off after 51 records. Keep the records received, or give up?",
     true, false},
    {0, false, "The download broke off before any record arrived. Try again, or give up?", false, true},
    {0, true,
     kPortLost + "The download broke off before any record arrived. Connect the logger again and start a new "
                 "download.",
     false, false},
    {-1, false, "The download broke off before any record arrived. Try again, or give up?", false, true},
};

std::string Prefix(const RecoveryCase& c) {
    return c.portLost ? kPortLost : std::string();
}

class DownloadWindowsTest : public testsupport::QtTest {
protected:
    DownloadWindowsTest() { SetProgramTexts(testsupport::LoadResourceTexts("en", "download_windows")); }
    ~DownloadWindowsTest() override { SetProgramTexts({}); }

    testsupport::RecordingDesktopServices desktop_;
};

TEST_F(DownloadWindowsTest, TheRecoveryQuestionOffersWhatTheRecordsAndThePortAllow) {
    for (const RecoveryCase& c : kRecoveryCases) {
        SCOPED_TRACE(testing::Message() << c.records << (c.portLost ? " port lost" : ""));
        const RecoveryQuestion question = DescribeRecoveryQuestion(c.records, c.portLost, Prefix(c));
        EXPECT_EQ(question.message, c.message);
        EXPECT_EQ(question.offersKeep, c.keep);
        EXPECT_EQ(question.offersTryAgain, c.tryAgain);
    }
}

TEST_F(DownloadWindowsTest, EachOfferedButtonEndsTheRecoveryWindowWithItsChoice) {
    for (const RecoveryCase& c : kRecoveryCases) {
        for (const int button : {IDOK, kTryAgain, IDCANCEL}) {
            SCOPED_TRACE(testing::Message() << c.records << (c.portLost ? " port lost, " : ", ") << button);
            const bool offered = button == IDCANCEL || (button == IDOK ? c.keep : c.tryAgain);
            CDataRecoveryDlg dialog(c.portLost);
            dialog.SetMessage(c.records, Prefix(c));
            testsupport::OnNextModal([&](QWidget* window) {
                EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_RECOVERY_MESSAGE)->text(),
                          platform::ToQString(c.message));
                auto* pushed = platform::FindControlAs<QPushButton>(window, button);
                EXPECT_EQ(pushed->isVisible(), offered);
                EXPECT_FALSE(pushed->toolTip().isEmpty());
                if (offered) {
                    pushed->click();
                } else {
                    static_cast<QDialog*>(window)->reject();
                }
            });
            const int result = dialog.DoModal();
            EXPECT_EQ(dialog.GetChoice(), offered ? button : IDCANCEL);
            EXPECT_EQ(result, dialog.GetChoice());
        }
    }
}

TEST_F(DownloadWindowsTest, ReturnKeepsTheRecordsOnlyWhenThereAreAny) {
    for (const int records : {0, 51}) {
        SCOPED_TRACE(records);
        CDataRecoveryDlg dialog(false);
        dialog.SetMessage(records, {});
        testsupport::OnNextModal([](QWidget* window) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(window, &enter);
            if (window->isVisible()) {
                static_cast<QDialog*>(window)->reject();
            }
        });
        dialog.DoModal();
        EXPECT_EQ(dialog.GetChoice(), records > 0 ? IDOK : IDCANCEL);
    }
}

TEST_F(DownloadWindowsTest, TheProgramAnswersTheRecoveryRequestWithItsWindowAfterABeep) {
    testsupport::FakeAppContext app;
    platform::MessageQueue queue;
    platform::QueueMessageTarget target(queue);
    CSessionOwner sessions(app, &target, &target);
    RegisterDownloadWindows(sessions, [] {});
    testsupport::ScriptedUiBroker broker;
    const struct {
        int button;
        int result;
    } answers[] = {
        {IDOK, kReadDataKept}, {kTryAgain, kReadDataTryAgain}, {IDCANCEL, kReadDataRecoveryCancelled}};
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.button);
        broker.AnswerRequestByProgram<DataRecoveryRequest>();
        testsupport::OnNextModal([&answer](QWidget* window) {
            EXPECT_NE(platform::FindControlAs<QLabel>(window, IDC_RECOVERY_MESSAGE)->text().indexOf("51"),
                      -1);
            platform::FindControlAs<QPushButton>(window, answer.button)->click();
        });
        EXPECT_EQ(AskDataRecovery(51, false), answer.result);
    }
    EXPECT_EQ(desktop_.Beeps(), 3);
    platform::RegisterDialogRunner<DataRecoveryRequest>({});
}

// The progress window the session's opener shows, once it is on the screen.
CDownloadDialog* ShownDownloadDialog() {
    CDownloadDialog* shown = nullptr;
    testsupport::ProcessEventsUntil([&shown] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<CDownloadDialog*>(window);
                dialog != nullptr && dialog->isVisible()) {
                shown = dialog;
            }
        }
        return shown != nullptr;
    });
    return shown;
}

TEST_F(DownloadWindowsTest, TheProgressWindowFollowsTheDownloadAndGoesWhenTheSessionClosesIt) {
    testsupport::FakeAppContext app;
    platform::MessageQueue queue;
    platform::QueueMessageTarget target(queue);
    CSessionOwner sessions(app, &target, &target);
    int cancels = 0;
    RegisterDownloadWindows(sessions, [&cancels] { ++cancels; });

    std::shared_ptr<CDownloadProgressLink> link;
    // The session's thread opens the window and writes without waiting for it.
    std::thread session([&sessions, &link] {
        link = sessions.OpenDownloadWindow();
        link->SetOperationText("/data/logger.dat");
        link->SetStepText("Reading the logger memory");
        for (int percent = 0; percent <= 100; ++percent) {
            link->SetProgress(percent);
        }
        link->SetLogText("Reading the logger memory\r\nBuilding the data file");
    });
    session.join();
    ASSERT_NE(link, nullptr);
    QPointer<CDownloadDialog> dialog = ShownDownloadDialog();
    ASSERT_FALSE(dialog.isNull());
    auto* progress = platform::FindControlAs<QProgressBar>(dialog, IDC_DOWNLOAD_PROGRESS);
    auto* log = platform::FindControlAs<QPlainTextEdit>(dialog, IDC_DOWNLOAD_LOG);
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return progress->value() == 100; }));
    EXPECT_EQ(platform::FindControlAs<QLabel>(dialog, IDC_DOWNLOAD_OPERATION)->text(), "/data/logger.dat");
    EXPECT_EQ(platform::FindControlAs<QLabel>(dialog, IDC_DOWNLOAD_STEP)->text(),
              "Reading the logger memory");
    EXPECT_EQ(log->toPlainText(), "Reading the logger memory\nBuilding the data file");

    // Cancel and the window's close ask the application to cancel; the window stays for the session.
    auto* cancel = platform::FindControlAs<QPushButton>(dialog, IDCANCEL);
    EXPECT_FALSE(cancel->toolTip().isEmpty());
    cancel->click();
    dialog->close();
    QApplication::processEvents();
    EXPECT_EQ(cancels, 2);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());

    CloseDownloadDialog(link);
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&dialog] {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }));
    platform::RegisterDialogRunner<DataRecoveryRequest>({});
}

TEST_F(DownloadWindowsTest, ABusyDownloadAddsADotEachSecondUntilItMovesOn) {
    CDownloadDialog dialog([] {});
    dialog.show();
    dialog.SetLogText("Asking for record 12 again");
    dialog.EnableActivityTimer(true);
    auto* log = platform::FindControlAs<QPlainTextEdit>(&dialog, IDC_DOWNLOAD_LOG);
    EXPECT_TRUE(testsupport::ProcessEventsUntil([log] { return log->toPlainText().endsWith("."); }));
    EXPECT_EQ(log->toPlainText(), "Asking for record 12 again.");
    dialog.EnableActivityTimer(false);
    dialog.SetLogText("Record 12 read");
    EXPECT_EQ(log->toPlainText(), "Record 12 read");
}

}  // namespace
