// The command road end to end: a connection against the logger simulator over a pseudo-terminal, over
// TCP on 127.0.0.1 and over an in-process pair, and against a scripted fake logger for the exact arrival
// of bytes.
#include "shared/link/connection.h"

#include <errno.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <thread>
#include <utility>

#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "platform/base/system_error_text.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"
#include "shared/link/connection_direct.h"
#include "shared/link/connection_network.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "tests/shared/link/scripted_logger.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/silence_skipper.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

using namespace std::chrono_literals;

enum class Transport { Pty, Tcp, InProcess };

// Link time runs this much faster than real time: a 10 s reply time-out takes 1 s.
constexpr double kTestSpeed = 10;
// For the tests that wait for a time-out on purpose.
constexpr double kTimeoutSpeed = 1000;

using testsupport::Eventually;

class ConnectionTest : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override { boxes_.SetDefaultAnswer(IDOK); }

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
        SetProgramTexts({});
    }

    bool IsNetwork() const { return GetParam() == Transport::Tcp; }

    // Starts the simulator playing `model` and opens and establishes a link to it.
    bool Connect(const std::string& model = "standard") {
        simulator_ = std::make_unique<LoggerSimulator>(*FindLoggerModel(model));
        switch (GetParam()) {
            case Transport::Tcp:
                link_ = std::make_unique<CConnectionNetwork>(Context(), "127.0.0.1",
                                                             std::to_string(simulator_->StartTcp(0)), 19200);
                break;
            case Transport::Pty:
                link_ = std::make_unique<CConnectionDirect>(Context(), simulator_->StartPty(), 19200);
                break;
            case Transport::InProcess:
                link_ = std::make_unique<CConnectionDirect>(Context(), simulator_->StartInProcess(), 19200);
                break;
        }
        link_->SetClock(clock_);
        link_->SetMainWindow(&main_window_);
        return session_.Run([this] { return link_->Create() && link_->Establish(); });
    }

    int Do(const std::string& command, int timeout = TIMEOUT_16000) {
        return session_.Run([&] { return link_->DoCommand(command, timeout); });
    }

    CLinkContext Context() { return {&session_, &app_}; }

    SimulatedLogger& Logger() { return simulator_->Logger(); }

    void SetFaults(const std::function<void(SimulatorFaults&)>& change) {
        SimulatorFaults faults = Logger().Faults();
        change(faults);
        Logger().SetFaults(faults);
    }

    // The status notices posted so far, by code.
    int NoticesOf(unsigned code) { return static_cast<int>(TextsOf(code).size()); }
    // The texts of the notices of `code` posted so far ("" for a notice without one).
    std::vector<std::string> TextsOf(unsigned code) {
        while (auto message = main_queue_.TryTake()) {
            const auto* text = platform::PayloadAs<std::string>(*message);
            posted_.emplace_back(message->wParam, text != nullptr ? *text : std::string());
        }
        std::vector<std::string> texts;
        for (const auto& [posted, text] : posted_) {
            if (posted == code) {
                texts.push_back(text);
            }
        }
        return texts;
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_;
    testsupport::LinkTestSession session_;
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    LinkClock clock_{kTestSpeed};
    std::vector<std::pair<std::uintptr_t, std::string>> posted_;
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

TEST_P(ConnectionTest, ALampNoticeWaitsAloneAtTheWindowUntilTheWindowTakesIt) {
    ASSERT_TRUE(Connect());
    const int sentBefore = NoticesOf(STATUS_BYTES_SENT);  // the window takes what the opening posted
    const int receivedBefore = NoticesOf(STATUS_BYTES_RECEIVED);
    // Each command sends and receives in many pieces (echo mode: byte by byte; "I?" a long reply), yet
    // leaves one notice of each lamp waiting; once the window took it, the next command posts again.
    struct Case {
        const char* command;
        int sendMode;
    };
    const Case cases[] = {{"I?", SEND_MODE_ECHO}, {"R!F", SEND_MODE_ECHO}, {"I?", SEND_MODE_LINE}};
    int taken = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        session_.SetSendMode(c.sendMode);
        ASSERT_EQ(Do(c.command, 8000), 1);
        ++taken;
        EXPECT_EQ(NoticesOf(STATUS_BYTES_SENT), sentBefore + taken);
        EXPECT_EQ(NoticesOf(STATUS_BYTES_RECEIVED), receivedBefore + taken);
    }
}

TEST_P(ConnectionTest, TheCommunicationLogShowsWhatTheSendQueueWrites) {
    ASSERT_TRUE(Connect());
    app_.SetCommTraceFlags(kCommTraceOn);
    ASSERT_EQ(Do("R!F", 8000), 1);
    std::string echoed;
    for (const std::string& line : app_.CommTraceLines()) {
        echoed += line + "|";
    }
    // Echo mode: one line per byte, each written once its echo came back, then the CR.
    EXPECT_NE(echoed.find("|R|!|F|\r|"), std::string::npos) << echoed;
    session_.SetSendMode(SEND_MODE_LINE);
    ASSERT_EQ(Do("I?", 8000), 1);
    const auto lines = app_.CommTraceLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "I?\r"), lines.end());  // line mode: the whole block
    app_.SetCommTraceFlags(0);
    const std::size_t before = app_.CommTraceLines().size();
    ASSERT_EQ(Do("I?", 8000), 1);
    const auto after = app_.CommTraceLines();
    EXPECT_EQ(std::count(after.begin() + static_cast<std::ptrdiff_t>(before), after.end(), "I?\r"), 0);
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
    // Only the waits for the missing prompt are skipped: a wake-up or an echo never races a fast clock.
    const testsupport::SilenceSkipper silences(clock_, Logger());
    auto running = session_.RunAsync([this] { return link_->DoCommand("I?", TIMEOUT_16000); });
    ASSERT_EQ(running.wait_for(60s), std::future_status::ready);
    EXPECT_EQ(running.get(), 0);
    EXPECT_GT(NoticesOf(STATUS_TIMEOUT), 0);
    EXPECT_EQ(link_->GetRetries(), IsNetwork() ? 0 : 3);
}

TEST_P(ConnectionTest, TheFarewellEndsWithItsEchoWithoutWaitingForAnAnswer) {
    ASSERT_TRUE(Connect());
    auto farewell = session_.RunAsync([this] { return link_->DoCommand("S!", 4000); });
    ASSERT_EQ(farewell.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(farewell.get(), 1);
    EXPECT_TRUE(Eventually([this] { return Logger().IsAsleep(); }));
    // The sleeping logger sends no prompt: the farewell did not wait out its reply time for one.
    EXPECT_EQ(NoticesOf(STATUS_TIMEOUT), 0);
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
    SetProgramTexts(testsupport::LoadResourceTexts("en", "link"));
    ASSERT_TRUE(Connect());
    const int taken = Logger().CommandCount();
    SetFaults([taken](SimulatorFaults& f) { f.closeAfter = taken; });
    EXPECT_EQ(Do("I?"), 0);
    EXPECT_TRUE(Eventually([this] { return link_->IsLinkLost(); }));
    EXPECT_EQ(NoticesOf(STATUS_TIMEOUT), 0);  // no reply time-out was waited for
    // The status window forgets the logger's state and says why the link went, in words, and what to do.
    const std::vector<std::string> lost = TextsOf(STATUS_LINK_LOST);
    ASSERT_EQ(lost.size(), 1u);
    const std::string why = SystemErrorText(link_->GetLinkLostError());
    const std::string head = LoadText(IsNetwork() ? IDS_NETWORK_LINK_LOST : IDS_LINK_LOST);
    EXPECT_TRUE(lost[0].starts_with(head + " (" + why + ").")) << lost[0];
    EXPECT_NE(lost[0].find("Connect again"), std::string::npos) << lost[0];
    if (IsNetwork()) {
        EXPECT_EQ(NetLinkErrorCode(), ECONNRESET);
        EXPECT_EQ(why, "Connection reset by peer");
    }
    EXPECT_EQ(Do("I?"), 0);
}

TEST_P(ConnectionTest, ACommandLongerThanTheLoggersLimitIsNotSent) {
    ASSERT_TRUE(Connect());
    const int taken = Logger().CommandCount();
    EXPECT_EQ(Do(std::string(CConnection::kDefaultCommandLimit + 1, 'A')), 0);
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].ids.promptId, IDS_LOGGER_COMMAND_TOO_LONG);
    EXPECT_EQ(Do(std::string(CConnection::kDefaultCommandLimit, 'A')), 1);
    EXPECT_EQ(Logger().CommandCount(), taken + 1);
}

INSTANTIATE_TEST_SUITE_P(Transports, ConnectionTest,
                         ::testing::Values(Transport::Pty, Transport::Tcp, Transport::InProcess),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Transport::Pty:
                                     return "Pty";
                                 case Transport::Tcp:
                                     return "Tcp";
                                 default:
                                     return "InProcess";
                             }
                         });

// Exact byte arrival, over a pseudo-terminal, without wake-up (a model that needs none).
class ScriptedConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_.SetLoggerType(13);
        boxes_.SetDefaultAnswer(IDOK);
    }

    bool Open() {
        link_ = std::make_unique<CConnectionDirect>(CLinkContext{&session_, &app_}, logger_.Path(), 19200);
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

TEST_F(ScriptedConnectionTest, ANulIsNoEchoSoTheNextByteWaitsForTheRealOne) {
    using namespace std::string_literals;
    logger_.Expect("I");
    logger_.Send("\0"s);
    logger_.ExpectSilence(300ms);  // '?' must not go out on the NUL alone
    logger_.Send("I");
    logger_.Expect("?");
    logger_.Send("?");
    logger_.Expect("\r");
    logger_.Send("\r\n12\r\n>");
    ASSERT_TRUE(Open());
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("I?", TIMEOUT_16000); }), 1);
    EXPECT_TRUE(logger_.WaitForEnd());
    EXPECT_EQ(link_->GetReceivedText(), "12\r\n>");
}

TEST_F(ScriptedConnectionTest, BytesThatComeWhileAbortedAreDroppedAndTheLinkStaysUp) {
    logger_.Send("junk");
    logger_.Mark();
    logger_.EchoEach("I?");
    logger_.Expect("\r");
    logger_.Send("\r\n12\r\n>");
    app_.Set(CAppContext::Flag::Abort, true);
    ASSERT_TRUE(Open());
    ASSERT_TRUE(logger_.WaitForMark());
    // Nothing may reach the buffer while the flag is set; give the reader time to take the bytes.
    const auto until = std::chrono::steady_clock::now() + 300ms;
    while (std::chrono::steady_clock::now() < until) {
        ASSERT_EQ(link_->GetReceivedCount(), 0);
        std::this_thread::sleep_for(5ms);
    }
    app_.Set(CAppContext::Flag::Abort, false);
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("I?", TIMEOUT_16000); }), 1);
    EXPECT_EQ(link_->GetReceivedText(), "12\r\n>");
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
    link_->SetReplyMode('T');
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("E!", 8000); }), 1);
    EXPECT_EQ(link_->GetReplyMode(), 'H');  // the escape put the logger back to its plain replies
    EXPECT_EQ(link_->GetRetries(), 1);
    EXPECT_TRUE(logger_.WaitForEnd());
    EXPECT_EQ(logger_.Received(),
              "E!\x1b"
              "E!\r");
}

TEST_F(ScriptedConnectionTest, AReplyThatCameBeforeTheWaitEndsItAtOnce) {
    session_.SetSendMode(SEND_MODE_LINE);
    logger_.Expect("I?\r");
    logger_.Send("\r\n12\r\n>");
    ASSERT_TRUE(Open());
    ASSERT_EQ(session_.Run([this] { return link_->SendCommand("I?", 10000); }), 1);
    ASSERT_TRUE(Eventually([this] { return link_->GetReceivedCount() == 7; }));
    // From here a polling turn takes 1000 s: only the reply already there can end the wait.
    clock_.SetSpeed(0.0001);
    auto waiting = session_.RunAsync([this] {
        link_->WaitMsgPump({}, 0, true);
        return 0;
    });
    ASSERT_EQ(waiting.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(link_->GetReceivedText(), "12\r\n>");
}

TEST_F(ScriptedConnectionTest, TheEscapeIsADleOnlyForTheFirmwareThatTakesIt) {
    const struct {
        const char* firmware;
        char escape;
        int sendModeAfter;
    } cases[] = {
        {"NX4.165", '\x10', SEND_MODE_LINE}, {"NX4.170", '\x10', SEND_MODE_LINE},
        {"NX4.169", '\x1b', SEND_MODE_ECHO}, {"NX4.164", '\x1b', SEND_MODE_ECHO},
        {"NX4", '\x1b', SEND_MODE_ECHO},     {"S0-02.165", '\x1b', SEND_MODE_ECHO},
    };
    for (const auto& c : cases) {
        ScriptedLogger logger;
        logger.Expect(std::string(1, c.escape));
        session_.SetSendMode(SEND_MODE_ECHO);
        CConnectionDirect link(CLinkContext{&session_, &app_}, logger.Path(), 19200);
        link.SetClock(clock_);
        link.SetFirmwareVersion(c.firmware);
        logger.Start();
        EXPECT_EQ(session_.Run([&] { return link.Create() ? link.SendEscape() : -1; }), 0) << c.firmware;
        EXPECT_TRUE(logger.WaitForEnd()) << c.firmware;
        EXPECT_EQ(logger.Received(), std::string(1, c.escape)) << c.firmware;
        EXPECT_EQ(session_.GetSendMode(), c.sendModeAfter) << c.firmware;
        session_.Run([&] {
            link.CloseLink();
            return 0;
        });
    }
}

// A transport whose reader never ends when it is closed.
class StuckTransport : public platform::ByteTransport {
public:
    explicit StuckTransport(std::atomic<bool>& destroyed) : destroyed_(destroyed) {}
    ~StuckTransport() override { destroyed_.store(true); }
    std::size_t Write(const std::uint8_t*, std::size_t n) override { return n; }
    bool StartReading(platform::ByteReceiver&) override { return true; }
    bool StopReading() override { return false; }
    bool Close() override { return false; }

private:
    std::atomic<bool>& destroyed_;
};

TEST(CloseLinkTest, AReaderThatDoesNotEndLeavesItsTransportKeptAndTheProgramGoesOn) {
    testsupport::FakeAppContext app;
    testsupport::ScriptedUiBroker boxes;
    boxes.SetDefaultAnswer(IDOK);
    testsupport::LinkTestSession session;
    // Kept for the rest of the test program, as the program keeps it: the flag must outlive the test.
    static std::atomic<bool> destroyed{false};
    {
        CConnectionDirect link({&session, &app}, std::make_unique<StuckTransport>(destroyed), 19200);
        ASSERT_EQ(session.Run([&] { return link.Create(); }), 1);
        ASSERT_NE(link.GetTransport(), nullptr);
        link.CloseLink();
        EXPECT_EQ(link.GetTransport(), nullptr);
    }
    EXPECT_FALSE(destroyed.load());
    EXPECT_TRUE(boxes.Boxes().empty());
}

// A logger that never answers the wake-up's blank: each kind of link tries its own number of times.
TEST(WakeUpTest, EachKindOfLinkTriesItsOwnNumberOfTimes) {
    for (const auto kind : {ScriptedLogger::Kind::Pty, ScriptedLogger::Kind::Tcp}) {
        testsupport::FakeAppContext app;
        testsupport::ScriptedUiBroker boxes;
        boxes.SetDefaultAnswer(IDOK);
        testsupport::LinkTestSession session;
        LinkClock clock(kTimeoutSpeed);
        ScriptedLogger logger(kind);
        // The program's CR after the wake-up marks the end of what it sent.
        logger.Expect("\r");
        logger.Start();
        const CLinkContext context{&session, &app};
        const bool network = kind == ScriptedLogger::Kind::Tcp;
        std::unique_ptr<CConnection> link;
        if (network) {
            link = std::make_unique<CConnectionNetwork>(context, "127.0.0.1", std::to_string(logger.Port()), 19200);
        } else {
            link = std::make_unique<CConnectionDirect>(context, logger.Path(), 19200);
        }
        link->SetClock(clock);
        // A network link wakes the logger as its last step of opening; a direct link when asked.
        EXPECT_EQ(session.Run([&] {
            const bool opened = link->Create() && (network ? link->Establish() : link->WakeLogger(true));
            link->KickLogger();
            return opened;
        }),
                  false);
        ASSERT_TRUE(logger.WaitForEnd());
        const std::string sent = logger.Received();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), ' '), network ? 5 : 2) << sent.size();
        // A NUL before the escape on a serial line only.
        EXPECT_EQ(sent.find('\0') != std::string::npos, !network);
        session.Run([&] {
            link->CloseLink();
            return 0;
        });
    }
}

// A network link that receives more than its buffer holds is lost: the reader tells it, asks nobody.
TEST(NetworkOverflowTest, EndsTheLinkWithANoticeAndNoBox) {
    testsupport::FakeAppContext app;
    testsupport::ScriptedUiBroker boxes;
    boxes.SetDefaultAnswer(IDOK);
    testsupport::LinkTestSession session;
    platform::MessageQueue mainQueue;
    platform::QueueMessageTarget mainWindow{mainQueue};
    LinkClock clock(kTestSpeed);
    ScriptedLogger logger(ScriptedLogger::Kind::Tcp);
    // The escapes and the wake-up of the opening, then a command whose reply does not fit.
    logger.Expect(" ");
    logger.Send(" ");
    logger.Expect("\r");
    logger.Send("\r\n>");
    logger.EchoEach("X!");
    logger.Expect("\r");
    logger.Send("\r\n" + std::string(ReceiveBuffer::kCapacity + 100, 'A') + "\r\n>");
    logger.Start();
    CConnectionNetwork link({&session, &app}, "127.0.0.1", std::to_string(logger.Port()), 19200);
    link.SetClock(clock);
    link.SetMainWindow(&mainWindow);
    ASSERT_TRUE(session.Run([&] { return link.Create() && link.Establish(); }));
    EXPECT_EQ(session.Run([&] { return link.DoCommand("X!", TIMEOUT_16000); }), 0);
    EXPECT_TRUE(link.IsLinkLost());
    EXPECT_EQ(link.GetLinkLostError(), ENOBUFS);
    EXPECT_TRUE(boxes.Boxes().empty());
    bool told = false;
    while (auto message = mainQueue.TryTake()) {
        if (message->wParam == STATUS_TEXT) {
            const auto* text = platform::PayloadAs<std::string>(*message);
            told = told || (text != nullptr && text->find(LoadText(IDS_RECEIVE_OVERFLOW)) != std::string::npos);
        }
    }
    EXPECT_TRUE(told);
    session.Run([&] {
        link.CloseLink();
        return 0;
    });
}

TEST_F(ScriptedConnectionTest, MoreBytesThanTheSendQueueHoldsFailWithATraceLineAndSendNothing) {
    logger_.EchoEach("I?");
    logger_.Expect("\r");
    logger_.Send("\r\n12\r\n>");
    ASSERT_TRUE(Open());
    std::filesystem::create_directories(UserDataFolder());
    SetTraceOn(true);
    const std::string tooMany(CConnection::kTxCapacity + 1, 'A');
    EXPECT_EQ(
        session_.Run([&] { return link_->SendBytes(tooMany.data(), static_cast<int>(tooMany.size())); }), 0);
    SetTraceOn(false);
    CloseTraceFile();
    // Nothing went out: the logger's first bytes are the next command's, and no box asked the user.
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("I?", TIMEOUT_16000); }), 1);
    EXPECT_TRUE(logger_.WaitForEnd());
    EXPECT_TRUE(boxes_.Asked().empty());
    EXPECT_NE(testsupport::ReadWholeFile(ProgramTraceLog().Path())
                  .find("SendBytes(): 2049 bytes do not fit the send queue of 2048\r"),
              std::string::npos);
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
