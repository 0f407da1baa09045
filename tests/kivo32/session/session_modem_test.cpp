// The session over a modem, against the fake AT modem on a pseudo-terminal with the logger simulator
// behind it: a dialled call identifies the logger and downloads through the call; answer mode waits,
// answers the ring and completes the session once the application forwards the answered call; a far
// end that hangs up ends the session and is told, our own end hangs up and tells nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/session/download_request.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/session_fixture.h"
#include "tests/support/silence_skipper.h"
#include "tests/support/temp_folder.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/fake_modem.h"
#include "tools/loggersim/logger_model.h"

namespace sessiontest {
namespace {

constexpr int kLoggedRecords = 30;
constexpr const char* kNumber = "5551234";

class SessionModemTest : public ::testing::Test, public SessionFixture {
protected:
    SessionModemTest() : simulator_(*FindLoggerModel("standard-135")), modem_(simulator_) {
        platform::TextTable texts;
        for (const char* area : {"link", "logger", "datafile", "session", "modem", "modem_app"}) {
            texts.Merge(testsupport::LoadResourceTexts("en", area));
        }
        SetProgramTexts(std::move(texts));
    }

    void SetUp() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
            LogRecords(s, kLoggedRecords);
        });
        app_.modemLineName = modem_.Start();
        ASSERT_FALSE(app_.modemLineName.empty());
        owner_.SetModemLineName(app_.modemLineName);
    }
    void TearDown() override {
        owner_.Disconnect(0);
        modem_.Stop();
    }

    bool Dial() {
        return Start([](CSessionOwner& owner) { return owner.ConnectModem(kNumber, 9600); });
    }

    // Starts answer mode and answers a ring as the application does: the connected call is forwarded
    // to the session.
    // `beforeIdentifying` runs once the call is connected, before the logger is asked who it is.
    bool AnswerARing(const std::function<void()>& beforeIdentifying = {}) {
        owner_.SetAnsweringMode(true);
        if (!owner_.StartAnswering()) {
            return false;
        }
        CSessionEL* session = owner_.GetActiveSession();
        EXPECT_TRUE(Eventually([&] { return session->IsWaitingForCall(); }));
        EXPECT_FALSE(session->IsCommandDone());
        modem_.Ring();
        EXPECT_TRUE(WaitForApplication(WM_MODEM_CALL_OFFERED, 0));
        EXPECT_TRUE(WaitForApplication(WM_MODEM_CALL_CONNECTED, 0));
        if (beforeIdentifying) {
            beforeIdentifying();
        }
        session->Post(platform::Message(WM_SESSION_CALL_ANSWERED));
        EXPECT_TRUE(Eventually([&] { return session->IsCommandDone(); }));
        return session->IsConnected();
    }

    bool Heard(const std::string& command) const {
        const std::vector<std::string> commands = modem_.Commands();
        return std::find(commands.begin(), commands.end(), command) != commands.end();
    }

    LoggerSimulator simulator_;
    FakeModem modem_;
};

TEST_F(SessionModemTest, ADialledCallIdentifiesTheLoggerAndDownloadsThroughIt) {
    ASSERT_TRUE(Dial());
    EXPECT_TRUE(Heard(std::string("ATD") + kNumber));
    EXPECT_EQ(owner_.GetActiveSession()->GetLinkKind(), kLinkModem);
    const std::vector<std::string> speeds = StatusTexts(STATUS_LINK_SPEED);
    EXPECT_NE(std::find(speeds.begin(), speeds.end(), "9600/9600"), speeds.end());
    const CLastConnection last = owner_.GetLastConnection();
    EXPECT_EQ(last.linkKind, kLinkModem);
    EXPECT_EQ(last.modemNumber, kNumber);
    EXPECT_EQ(last.baud, 9600);
    // The modem line is the link's port.
    EXPECT_EQ(owner_.GetLinkPortName(), app_.modemLineName);
    EXPECT_EQ(last.portName, app_.modemLineName);
    // A dialled call is no call that came in.
    EXPECT_FALSE(owner_.IsCalledIn());

    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "called.dat";
    CSessionEL* session = owner_.GetActiveSession();
    session->Post(platform::Message(WM_SESSION_READ_ALL_DATA, 0, platform::MakePayload(DownloadRequest{path, false})));
    ASSERT_TRUE(Eventually([&] { return !session->IsCommandDone(); }));
    ASSERT_TRUE(session->WaitForCommandDone(60s));
    EXPECT_EQ(RecordsIn(path), kLoggedRecords);
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(SessionModemTest, AnswerModeAnswersTheRingAndConnectsTheLoggerThatCalled) {
    ASSERT_TRUE(AnswerARing());
    EXPECT_TRUE(Heard("ATA"));
    EXPECT_FALSE(owner_.IsAnsweringMode());
    EXPECT_TRUE(owner_.IsCalledIn());
    const std::vector<std::string> texts = StatusTexts(STATUS_TEXT);
    EXPECT_NE(std::find(texts.begin(), texts.end(), LoadText(IDS_LOGGER_CONNECTED)), texts.end());
    // The answered call's rate is the link's.
    const std::vector<std::string> speeds = StatusTexts(STATUS_LINK_SPEED);
    EXPECT_NE(std::find(speeds.begin(), speeds.end(), "9600/9600"), speeds.end());
    EXPECT_EQ(app_.GetLoggerType(), owner_.GetActiveSession()->GetLoggerType());
    EXPECT_TRUE(broker_.Asked().empty());
    // The end of the session forgets the call that came in.
    EXPECT_TRUE(owner_.Disconnect(0));
    EXPECT_FALSE(owner_.IsCalledIn());
}

TEST_F(SessionModemTest, AnAnsweredCallWhoseLoggerDoesNotAnswerIsToldAndEndsTheSession) {
    SimulatorFaults faults;
    faults.muteAfter = 0;
    simulator_.Logger().SetFaults(faults);
    broker_.SetDefaultAnswer(IDOK);
    // Only the silent logger's time-outs are skipped: the modem's own replies must not be seen as timed
    // out on a slow run (under a sanitizer).
    std::optional<testsupport::SilenceSkipper> silences;
    EXPECT_FALSE(AnswerARing([&] { silences.emplace(clock_, simulator_.Logger()); }));
    ASSERT_TRUE(WaitForApplication(WM_END_SESSION, 0));
    ASSERT_FALSE(BoxIds().empty());
    EXPECT_EQ(BoxIds().back(), IDS_CALL_ANSWERED_FAILED);
}

TEST_F(SessionModemTest, ACancelEndsTheWaitForACall) {
    owner_.SetAnsweringMode(true);
    ASSERT_TRUE(owner_.StartAnswering());
    CSessionEL* session = owner_.GetActiveSession();
    ASSERT_TRUE(Eventually([&] { return session->IsWaitingForCall(); }));
    app_.Set(CAppContext::Flag::Abort, true);
    session->Post(platform::Message(WM_CANCEL_COMMAND));
    EXPECT_TRUE(Eventually([&] { return session->IsCommandDone() && !session->IsWaitingForCall(); }));
    // Waiting for a call is no failure: nothing was told and the session did not ask for its end.
    EXPECT_FALSE(EndOfSessionAsked());
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(SessionModemTest, ALineEventThatLeavesTheSessionWaitingWithoutACallAllowsCloseAgain) {
    owner_.SetAnsweringMode(true);
    ASSERT_TRUE(owner_.StartAnswering());
    CSessionEL* session = owner_.GetActiveSession();
    ASSERT_TRUE(Eventually([&] { return session->IsWaitingForCall(); }));
    // The event's handler marks its run among the main window's messages: the modem's own line events (a
    // late reply to its set-up) allow close too, and may come before it.
    session->Post(
        platform::Message(WM_MODEM_LINE_EVENT, 0, platform::MakePayload(std::function<void()>([this] {
                              main_queue_.Post(platform::Message(WM_MODEM_LINE_EVENT));
                          }))));
    EXPECT_TRUE(Eventually([&] {
        const std::vector<platform::Message>& messages = MainWindowMessages();
        const auto handled =
            std::find_if(messages.begin(), messages.end(),
                         [](const platform::Message& message) { return message.id == WM_MODEM_LINE_EVENT; });
        return std::any_of(handled, messages.end(), [](const platform::Message& message) {
            return message.id == WM_CLOSE_COMMAND && message.wParam == 1;
        });
    }));
    EXPECT_TRUE(session->IsWaitingForCall());
}

TEST_F(SessionModemTest, AFarEndThatHangsUpEndsTheSessionAndIsTold) {
    ASSERT_TRUE(Dial());
    broker_.SetDefaultAnswer(IDOK);
    modem_.HangUpFarEnd();
    ASSERT_TRUE(WaitForApplication(WM_END_SESSION, 1));
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].caption, LoadText(IDS_MODEM_ERROR_CAPTION));
    EXPECT_NE(broker_.Asked()[0].text.find(LoadText(IDS_MODEM_FAR_END_HUNG_UP)), std::string::npos);
    EXPECT_TRUE(owner_.Disconnect(1));
    EXPECT_EQ(broker_.Asked().size(), 1u);
}

TEST_F(SessionModemTest, OurOwnEndHangsUpAndTellsNothing) {
    ASSERT_TRUE(Dial());
    const int hangUps = modem_.HangUps();
    EXPECT_TRUE(owner_.Disconnect(0));
    EXPECT_TRUE(Eventually([&] { return modem_.HangUps() == hangUps + 1 && !modem_.InCall(); }));
    EXPECT_TRUE(broker_.Asked().empty());
    EXPECT_FALSE(EndOfSessionAsked());
}

}  // namespace
}  // namespace sessiontest
