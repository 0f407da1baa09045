// The end of a session: during a command, while the command's dialog is open and after the far end
// closed, the link closes on the session thread, the thread is joined and no question is left open.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/answer_wait.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/session_fixture.h"
#include "tools/loggersim/logger_model.h"

namespace sessiontest {
namespace {

// A user who keeps the properties dialog open until the end of the session closes it.
class OpenDialogBroker : public testsupport::ScriptedUiBroker {
public:
    int RunRequest(const platform::RequestRef& request, const std::function<int()>& answer) override {
        if (request.As<LoggerPropertiesRequest>() == nullptr) {
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
    OpenDialogBroker broker;
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

TEST_F(SessionEndTest, AfterTheFarEndClosedNoFarewellIsWaitedFor) {
    LoggerSimulator simulator(*FindLoggerModel("nimbo-current"));
    ASSERT_TRUE(ConnectOverTcp(simulator));
    const int commands = simulator.Logger().CommandCount();
    simulator.Stop();
    // The link tells the main window that it was lost.
    const std::string lost = LoadText(IDS_NETWORK_LINK_LOST);
    ASSERT_TRUE(Eventually([this, &lost] {
        for (const std::string& text : StatusTexts(STATUS_TEXT)) {
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
