// The command road end to end: a connection against the logger simulator over a pseudo-terminal and
// over TCP on 127.0.0.1, and against a scripted fake logger for the exact arrival of bytes.
#include "shared/link/connection.h"

#include <errno.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <thread>

#include "platform/base/message_queue.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"
#include "shared/link/connection_direct.h"
#include "shared/link/connection_network.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "tests/shared/link/scripted_logger.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/scripted_ui_broker.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

using namespace std::chrono_literals;

enum class Transport { Pty, Tcp };

// Link time runs this much faster than real time: a 10 s reply time-out takes 1 s.
constexpr double kTestSpeed = 10;
// For the tests that wait for a time-out on purpose.
constexpr double kTimeoutSpeed = 1000;

// Waits for `done` with a generous deadline; false when it never came.
template <class Done>
bool Eventually(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class ConnectionTest : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override {
        app_.session = &session_;
        boxes_.SetDefaultAnswer(IDOK);
    }

    void TearDown() override {
        if (link_) {
            session_.Run([this] {
                link_->CloseLink();
                return 0;
            });
        }
        link_.reset();
        simulator_.reset();
        app_.Set(CAppContext::Flag::Abort, false);
        ClearNetLinkError();
    }

    bool IsNetwork() const { return GetParam() == Transport::Tcp; }

    // Starts the simulator playing `model` and opens and establishes a link to it.
    bool Connect(const std::string& model = "standard") {
        simulator_ = std::make_unique<LoggerSimulator>(*FindLoggerModel(model));
        if (IsNetwork()) {
            const int port = simulator_->StartTcp(0);
            link_ = std::make_unique<CConnectionNetwork>("127.0.0.1", std::to_string(port), 19200);
        } else {
            link_ = std::make_unique<CConnectionDirect>(simulator_->StartPty(), 19200);
        }
        link_->SetClock(clock_);
        link_->SetMainWindow(&main_window_);
        return session_.Run([this] { return link_->Create() && link_->Establish(); });
    }

    int Do(const std::string& command, int timeout = TIMEOUT_16000) {
        return session_.Run([&] { return link_->DoCommand(command, timeout); });
    }

    SimulatedLogger& Logger() { return simulator_->Logger(); }

    void SetFaults(const std::function<void(SimulatorFaults&)>& change) {
        SimulatorFaults faults = Logger().Faults();
        change(faults);
        Logger().SetFaults(faults);
    }

    // The status notices posted so far, by code.
    int NoticesOf(unsigned code) {
        int count = 0;
        while (auto message = main_queue_.TryTake()) {
            posted_.push_back(message->wParam);
        }
        for (const auto posted : posted_) {
            count += posted == code ? 1 : 0;
        }
        return count;
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_;
    testsupport::LinkTestSession session_;
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    LinkClock clock_{kTestSpeed};
    std::vector<std::uintptr_t> posted_;
    std::unique_ptr<LoggerSimulator> simulator_;
    std::unique_ptr<CConnection> link_;
};

TEST_P(ConnectionTest, CommandsInEchoModeAndInLineMode) {
    ASSERT_TRUE(Connect());
    EXPECT_EQ(session_.Run([this] { return link_->IdentifyLogger(); }), 1);
    EXPECT_EQ(link_->GetFirmwareVersion(), "S0-02.115");
    EXPECT_TRUE(Logger().IsEchoOn());

    ASSERT_EQ(Do("R!F", 8000), 1);
    EXPECT_EQ(link_->GetReceivedText(), "OK\r\n>");
    EXPECT_FALSE(Logger().IsEchoOn());
    session_.SetSendMode(SEND_MODE_LINE);
    std::string reply;
    EXPECT_EQ(session_.Run([&] { return link_->DoCommandGetText("Z?", reply, 8000); }), 1);
    EXPECT_EQ(reply, "ERROR");  // a command it does not know
    EXPECT_GT(NoticesOf(STATUS_BYTES_SENT), 0);
    EXPECT_GT(NoticesOf(STATUS_BYTES_RECEIVED), 0);
}

TEST_P(ConnectionTest, IdentifiesTheFirmwareTextOfEveryModel) {
    for (const LoggerModel& model : LoggerModels()) {
        ASSERT_TRUE(Connect(model.name)) << model.name;
        EXPECT_EQ(session_.Run([this] { return link_->IdentifyLogger(); }), 1) << model.name;
        EXPECT_EQ(link_->GetFirmwareVersion(), model.firmwareText.substr(0, 9));
        TearDown();
    }
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_P(ConnectionTest, WakesTheLoggerAfterItWasIdle) {
    ASSERT_TRUE(Connect());
    Logger().PutToSleep();
    clock_.Advance(CConnection::kWakeWindowMs + 1);
    EXPECT_EQ(Do("I?"), 1);
    EXPECT_EQ(Logger().WakeUps(), 1);
    EXPECT_EQ(link_->GetRetries(), 0);
}

TEST_P(ConnectionTest, RetriesAfterAGarbledEchoAndGivesUpAfterThree) {
    ASSERT_TRUE(Connect());
    SetFaults([](SimulatorFaults& f) { f.garbleEchoes = 1; });
    EXPECT_EQ(Do("I?"), 1);
    EXPECT_EQ(link_->GetRetries(), 1);

    SetFaults([](SimulatorFaults& f) { f.garbleEchoes = 3; });
    EXPECT_EQ(Do("I?"), 0);
    EXPECT_EQ(link_->GetRetries(), 3);
    EXPECT_EQ(Do("I?"), 1);  // the logger is still there for the next command
}

TEST_P(ConnectionTest, ACommandWithoutPromptTimesOut) {
    ASSERT_TRUE(Connect());
    SetFaults([](SimulatorFaults& f) { f.dropPrompts = 3; });
    const int taken = Logger().CommandCount();
    auto running = session_.RunAsync([this] { return link_->DoCommand("I?", TIMEOUT_16000); });
    // Only the waits for the missing prompt run fast: a wake-up or an echo racing a fast clock could
    // fail for another reason under load.
    ASSERT_TRUE(Eventually([&] { return Logger().CommandCount() > taken; }));
    clock_.SetSpeed(kTimeoutSpeed);
    ASSERT_EQ(running.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(running.get(), 0);
    EXPECT_GT(NoticesOf(STATUS_TIMEOUT), 0);
    EXPECT_EQ(link_->GetRetries(), IsNetwork() ? 0 : 3);
}

TEST_P(ConnectionTest, TheFarewellThatGetsNoAnswerSucceeds) {
    ASSERT_TRUE(Connect());
    auto farewell = session_.RunAsync([this] { return link_->DoCommand("S!", 4000); });
    // The wait for the answer that never comes runs fast once the farewell has reached the logger.
    ASSERT_TRUE(Eventually([this] { return Logger().IsAsleep(); }));
    clock_.SetSpeed(kTimeoutSpeed);
    ASSERT_EQ(farewell.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(farewell.get(), 1);
}

TEST_P(ConnectionTest, ACancelEndsTheWaitOfARunningCommand) {
    ASSERT_TRUE(Connect());
    const int taken = Logger().CommandCount();
    SetFaults([taken](SimulatorFaults& f) { f.muteAfter = taken; });
    auto running = session_.RunAsync([this] { return link_->DoCommand("I?", TIMEOUT_16000); });
    ASSERT_TRUE(Eventually([&] { return Logger().CommandCount() > taken; }));
    app_.Set(CAppContext::Flag::Abort, true);
    session_.PostCancel();
    ASSERT_EQ(running.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(running.get(), 0);
    // The wait may end on the abort flag before it takes the message; the session takes it then.
    EXPECT_TRUE(Eventually([this] { return session_.CancelsTaken() == 1; }));
    EXPECT_EQ(NoticesOf(STATUS_TIMEOUT), 0);
}

TEST_P(ConnectionTest, AReplySplitAcrossManyReads) {
    ASSERT_TRUE(Connect());
    SetFaults([](SimulatorFaults& f) { f.chunkSize = 1; });
    EXPECT_EQ(session_.Run([this] { return link_->IdentifyLogger(); }), 1);
    EXPECT_EQ(link_->GetFirmwareVersion(), "S0-02.115");
    ASSERT_EQ(Do("O! 0007FF 0400"), 1);  // 1024 bytes, as 2048 hex digits, byte after byte
    EXPECT_GT(link_->GetReceivedCount(), 2048);
}

TEST_P(ConnectionTest, TheFarEndClosingTheLinkEndsTheCommandAtOnce) {
    ASSERT_TRUE(Connect());
    const int taken = Logger().CommandCount();
    SetFaults([taken](SimulatorFaults& f) { f.closeAfter = taken; });
    EXPECT_EQ(Do("I?"), 0);
    EXPECT_TRUE(Eventually([this] { return link_->IsLinkLost(); }));
    EXPECT_EQ(NoticesOf(STATUS_TIMEOUT), 0);  // no reply time-out was waited for
    if (IsNetwork()) {
        EXPECT_EQ(NetLinkErrorCode(), ECONNRESET);
    }
    EXPECT_EQ(Do("I?"), 0);
}

TEST_P(ConnectionTest, ACommandLongerThanTheLoggersLimitIsNotSent) {
    ASSERT_TRUE(Connect());
    const int taken = Logger().CommandCount();
    EXPECT_EQ(Do(std::string(CConnection::kDefaultCommandLimit + 1, 'A')), 0);
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].texts.prompt, "DoCommand(): pszCommand > LOGGER_COMMAND_LIMIT");
    EXPECT_EQ(Do(std::string(CConnection::kDefaultCommandLimit, 'A')), 1);
    EXPECT_EQ(Logger().CommandCount(), taken + 1);
}

INSTANTIATE_TEST_SUITE_P(Transports, ConnectionTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto& info) { return info.param == Transport::Pty ? "Pty" : "Tcp"; });

// A network link whose read thread the test starts itself.
class ExposedNetworkLink : public CConnectionNetwork {
public:
    using CConnectionNetwork::CConnectionNetwork;
    using CConnection::RunNetworkReader;
};

TEST(NetworkReaderTest, AStopAskedBeforeTheReadersFirstTurnEndsIt) {
    testsupport::FakeAppContext app;
    testsupport::ScriptedUiBroker boxes;
    boxes.SetDefaultAnswer(IDOK);
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    ExposedNetworkLink link("127.0.0.1", std::to_string(simulator.StartTcp(0)), 19200);
    ASSERT_EQ(link.Create(), 1);
    CCommSocket& socket = *link.GetSocket();
    ASSERT_EQ(socket.ConnectSocket(), 1);
    // The reader gets its first turn only after the stop, as a thread may on a loaded machine.
    ASSERT_EQ(socket.StartReadThread([&] {
        while (socket.KeepReading()) {
            std::this_thread::yield();
        }
        link.RunNetworkReader();
    }),
              1);
    auto closing = std::async(std::launch::async, [&] { socket.Close(); });
    if (closing.wait_for(10s) != std::future_status::ready) {
        // A reader that never ends cannot be joined: stop here rather than hang.
        ADD_FAILURE() << "the read thread did not end after its stop";
        std::_Exit(EXIT_FAILURE);
    }
    EXPECT_FALSE(link.IsLinkLost());
    EXPECT_EQ(NetLinkErrorCode(), 0);
}

// Exact byte arrival, over a pseudo-terminal, without wake-up (a model that needs none).
class ScriptedConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_.session = &session_;
        session_.SetLoggerType(13);
        boxes_.SetDefaultAnswer(IDOK);
    }

    bool Open() {
        link_ = std::make_unique<CConnectionDirect>(logger_.Path(), 19200);
        link_->SetClock(clock_);
        logger_.Start();
        return session_.Run([this] { return link_->Create(); });
    }

    // "E!" whose first echo comes back garbled: the logger then takes the escape and answers the same
    // command echoed whole.
    void ScriptABadEchoThenTheRetry() {
    logger_.Expect("E");
    logger_.Send("E");
    logger_.Expect("!");
    logger_.Send("#");
    logger_.Expect("\x1b");
    logger_.EchoEach("E!");
    logger_.Expect("\r");
    logger_.Send("\r\nOK\r\n>");
    }

    void TearDown() override {
        if (link_) {
            session_.Run([this] {
                link_->CloseLink();
                return 0;
            });
        }
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_;
    testsupport::LinkTestSession session_;
    LinkClock clock_{kTestSpeed};
    ScriptedLogger logger_;
    std::unique_ptr<CConnection> link_;
};

TEST_F(ScriptedConnectionTest, EchoPacingCountsEchoedBytesSoSeveralInOneReadDoNotStall) {
    using namespace std::string_literals;
    logger_.Expect("I");
    logger_.Send("\0I"s);  // a NUL and the echo in one read
    logger_.Expect("?");
    logger_.Send("?");
    logger_.Expect("\r");
    logger_.Send("\r\n12\r\n>");
    ASSERT_TRUE(Open());
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("I?", TIMEOUT_16000); }), 1);
    EXPECT_EQ(link_->GetReceivedText(), "12\r\n>");
    EXPECT_EQ(link_->GetRetries(), 0);
    EXPECT_TRUE(logger_.WaitForEnd());
}

TEST_F(ScriptedConnectionTest, AReplyArrivingInOneReadWithTheEchoOfItsLineEnd) {
    const std::string text = "(null)\r\n<EMPTY>\r\nW> A=1";
    logger_.EchoEach("L?GEN");
    logger_.Expect("\r");
    logger_.Send("\r\n" + text + "\r\n>");
    ASSERT_TRUE(Open());
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("L?GEN", TIMEOUT_16000); }), 1);
    EXPECT_EQ(link_->GetReceivedText(), text + "\r\n>");  // the '>' inside did not end it
    EXPECT_EQ(logger_.Received(), "L?GEN\r");
}

TEST_F(ScriptedConnectionTest, ABadEchoIsFollowedByAnEscapeAndTheSameCommandAgain) {
    ScriptABadEchoThenTheRetry();
    ASSERT_TRUE(Open());
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("E!", 8000); }), 1);
    EXPECT_EQ(link_->GetRetries(), 1);
    EXPECT_TRUE(logger_.WaitForEnd());
    EXPECT_EQ(logger_.Received(),
              "E!\x1b"
              "E!\r");
}

TEST_F(ScriptedConnectionTest, TheTraceLogShowsTheTrafficABadEchoAndTheRetry) {
    ScriptABadEchoThenTheRetry();
    ASSERT_TRUE(Open());
    // The trace file lies in the user data folder below the test's own home folder.
    std::filesystem::create_directories(UserDataFolder());
    SetTraceOn(true);
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("E!", 8000); }), 1);
    SetTraceOn(false);
    CloseTraceFile();

    std::ifstream file(ProgramTraceLog().Path(), std::ios::binary);
    const std::string trace((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const char* const lines[] = {
        ") Cmd Send(2): E!\r",
        ") Cmd Recv(2): E#\r",
        ") ** Bad Echo **: Expected: E!(2), Received: E#(2)\r",
        ") DoCommand() reports bad command echo\r",
        ") Retry 1 for: E!\r",
        ") Cmd Recv(2): E!\r",
        ") Chr Send: 0xd\r",
    };
    std::size_t from = 0;
    for (const char* line : lines) {
        const std::size_t at = trace.find(line, from);
        EXPECT_NE(at, std::string::npos) << line << " in order, in:\n" << trace;
        from = at == std::string::npos ? from : at;
    }
}

}  // namespace
