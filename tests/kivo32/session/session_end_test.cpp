// The end of a session: during a command, while the command's dialog is open, during a download whose
// cancel brings its recovery question and after the far end closed, the link closes on the session
// thread, the thread is joined and no question is left open.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "kivo32/session/download_request.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/answer_wait.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_recovery_prompt.h"
#include "tests/kivo32/session/session_fixture.h"
#include "tests/support/temp_folder.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/quarven_records.h"

namespace sessiontest {
namespace {

// A user who leaves the session's `Request` open until the end of the session closes it.
template <platform::DialogRequestType Request>
class OpenDialogBroker : public testsupport::ScriptedUiBroker {
public:
    int RunRequest(const platform::RequestRef& request, const std::function<int()>& answer) override {
        if (request.As<Request>() == nullptr) {
            return ScriptedUiBroker::RunRequest(request, answer);
        }
        platform::AnswerWait* wait = platform::ThreadAnswerWait();
        waiting_.store(wait);
        opened_.store(true);
        wait->Wait([this] { return closed_.load(); });
        waiting_.store(nullptr);
        return IDCANCEL;
    }

    // The end of the session's way of closing it, as with Cancel.
    void Close() {
        closed_.store(true);
        if (platform::AnswerWait* wait = waiting_.load()) {
            wait->Wake();
        }
    }

    bool Opened() const { return opened_.load(); }
    bool Closed() const { return closed_.load(); }

private:
    std::atomic<platform::AnswerWait*> waiting_{nullptr};
    std::atomic<bool> opened_{false};
    std::atomic<bool> closed_{false};
};

class SessionEndTest : public ::testing::Test, public SessionFixture {
protected:
    bool ConnectOverPty(LoggerSimulator& simulator) {
        const std::string path = simulator.StartPty();
        app_.portName = PortNameOf(path);
        return Start([path](CSessionOwner& owner) { return owner.ConnectDirect(PortNameOf(path), 57600); });
    }
    bool ConnectOverTcp(LoggerSimulator& simulator) {
        const int port = simulator.StartTcp(0);
        return Start(
            [port](CSessionOwner& owner) { return owner.ConnectNetwork("127.0.0.1", std::to_string(port)); });
    }
    void Post(unsigned message) { owner_.GetActiveSession()->Post(platform::Message(message)); }
};

TEST_F(SessionEndTest, DuringACommandTheCommandIsCancelledAndTheThreadJoined) {
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    ASSERT_TRUE(ConnectOverPty(simulator));
    // The logger stops answering: clearing its memory waits for a reply that never comes.
    SimulatorFaults faults;
    faults.muteAfter = simulator.Logger().CommandCount();
    simulator.Logger().SetFaults(faults);
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    Post(WM_SESSION_CLEAR_MEMORY);
    ASSERT_TRUE(Eventually([this] { return !owner_.GetActiveSession()->IsCommandDone(); }));
    ASSERT_TRUE(Eventually([this] { return broker_.UnusedAnswers() == 0; }));

    EXPECT_TRUE(owner_.Disconnect(0));

    EXPECT_EQ(owner_.GetActiveSession(), nullptr);
    EXPECT_EQ(owner_.KeptSessions(), 0u);
    // Cancelled by the user: no failure message after the confirmation.
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_CONFIRM_CLEAR_MEMORY});
    EXPECT_EQ(StatusTexts(STATUS_TEXT).back(), "Command cancelled.");
    EXPECT_EQ(app_.GetLoggerType(), kNoLogger);
    EXPECT_FALSE(app_.IsSet(CAppContext::Flag::Disconnecting));
}

TEST_F(SessionEndTest, WhileTheCommandsDialogIsOpenTheDialogIsClosedFirst) {
    OpenDialogBroker<LoggerPropertiesRequest> broker;
    owner_.SetDialogEnder([&broker] { broker.Close(); });
    LoggerSimulator simulator(*FindLoggerModel("quarven-rs"));
    ASSERT_TRUE(ConnectOverTcp(simulator));
    Post(WM_SESSION_LOGGER_PROPERTIES);
    ASSERT_TRUE(Eventually([&broker] { return broker.Opened(); }));

    EXPECT_TRUE(owner_.Disconnect(0));

    EXPECT_TRUE(broker.Closed());
    EXPECT_EQ(owner_.KeptSessions(), 0u);
    EXPECT_EQ(broker.UnusedAnswers(), 0u);
}

TEST_F(SessionEndTest, DuringADownloadTheRecoveryQuestionItsCancelBringsIsGivenUpAndNoRawFileStays) {
    OpenDialogBroker<DataRecoveryRequest> broker;
    owner_.SetDialogEnder([&broker] { broker.Close(); });
    // The box that tells what the disk holds once the download is given up.
    broker.SetDefaultAnswer(IDOK);
    broker_.SetDefaultAnswer(IDOK);
    LoggerSimulator simulator(*FindLoggerModel("quarven-rs"));
    simulator.Logger().ChangeState([](LoggerState& s) {
        ClearQuarvenRecords(s);
        LogQuarvenRecords(s, 200);
    });
    ASSERT_TRUE(ConnectOverTcp(simulator));
    // No batch of records ever comes: the download waits in its transfer when the session ends.
    SimulatorFaults faults;
    faults.batchFaultsAfter = 0;
    faults.silentBatches = 1000;
    simulator.Logger().SetFaults(faults);
    testsupport::TempFolder folder;
    owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_READ_ALL_DATA, 0,
                                                      platform::MakePayload(DownloadRequest{folder / "cut.kivo"})));
    ASSERT_TRUE(Eventually([this] { return app_.IsSet(CAppContext::Flag::DownloadRunning); }));

    const bool ended = owner_.Disconnect(0);
    // Should the end have left the question open, the session may go on, so that the test ends.
    const bool closedByTheEnd = broker.Closed();
    broker.Close();

    EXPECT_TRUE(ended);
    EXPECT_TRUE(broker.Opened());
    EXPECT_TRUE(closedByTheEnd);
    EXPECT_EQ(owner_.KeptSessions(), 0u);
    // Given up with nothing received: neither the raw download nor a data file stays.
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(SessionEndTest, AfterTheFarEndClosedNoFarewellIsWaitedFor) {
    LoggerSimulator simulator(*FindLoggerModel("nimbo-current"));
    ASSERT_TRUE(ConnectOverTcp(simulator));
    const int commands = simulator.Logger().CommandCount();
    simulator.Stop();
    // The link tells the main window that it was lost.
    const std::string lost = LoadText(IDS_NETWORK_LINK_LOST);
    ASSERT_TRUE(Eventually([this, &lost] {
        for (const std::string& text : StatusTexts(STATUS_LINK_LOST)) {
            if (text.rfind(lost, 0) == 0) {
                return true;
            }
        }
        return false;
    }));

    EXPECT_TRUE(owner_.Disconnect(0));

    EXPECT_EQ(owner_.KeptSessions(), 0u);
    EXPECT_EQ(simulator.Logger().CommandCount(), commands);
    EXPECT_TRUE(BoxIds().empty());
}

}  // namespace
}  // namespace sessiontest
