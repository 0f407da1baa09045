// Connect and identify against the logger simulator over pseudo-terminals and TCP: every model, the
// memory text, the pending command, the port search and the failures that end the session.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "kivo32/session/session_ids.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/session_fixture.h"
#include "tests/support/fake_serial_port_source.h"
#include "tools/loggersim/logger_model.h"

namespace sessiontest {
namespace {

constexpr unsigned kPendingCommand = 32799;

enum class Link { Pty, Tcp };

class SessionConnectTest : public ::testing::Test, public SessionFixture {
protected:
    void TearDown() override { owner_.Disconnect(0); }

    // Starts a session to `simulator` over `link` at 57600 baud (the stored default: nothing to keep).
    bool ConnectTo(LoggerSimulator& simulator, Link link) {
        if (link == Link::Tcp) {
            const int port = simulator.StartTcp(0);
            return Start([port](CSessionOwner& owner) {
                return owner.ConnectNetwork("127.0.0.1", std::to_string(port));
            });
        }
        const std::string path = simulator.StartPty();
        app_.portName = PortNameOf(path);
        return Start([path](CSessionOwner& owner) { return owner.ConnectDirect(PortNameOf(path), 57600); });
    }
};

class EveryModelTest : public SessionConnectTest,
                       public ::testing::WithParamInterface<std::tuple<Link, LoggerModel>> {};

TEST_P(EveryModelTest, IdentifiesTheModelAndRunsThePendingCommandOnce) {
    const auto& [link, model] = GetParam();
    LoggerSimulator simulator(model);
    owner_.SetPendingCommand(kPendingCommand);

    ASSERT_TRUE(ConnectTo(simulator, link)) << model.name;
    CSessionEL& session = *owner_.GetActiveSession();
    EXPECT_EQ(session.GetLoggerType(), model.typeCode);
    EXPECT_EQ(app_.GetLoggerType(), model.typeCode);
    const std::string shown = session.GetDisplayedModelName();
    if (model.typeCode >= 13) {
        // The KX is told apart by its session start only, and shows no memory size.
        EXPECT_EQ(shown, model.typeCode == 14 ? "Quarven KX" : "Quarven RS");
    } else {
        EXPECT_EQ(shown, session.GetModelName() + " LoMem");
    }
    EXPECT_TRUE(WaitForMainWindow(WM_COMMAND, kPendingCommand));
    EXPECT_EQ(owner_.TakePendingCommand(), 0u);
    EXPECT_EQ(StatusTexts(STATUS_TEXT).back(), "Logger connected.");
    EXPECT_TRUE(BoxIds().empty());
    EXPECT_FALSE(EndOfSessionAsked());

    EXPECT_TRUE(owner_.Disconnect(0));
    EXPECT_EQ(owner_.GetActiveSession(), nullptr);
    EXPECT_EQ(CountOf(WM_COMMAND, kPendingCommand), 1);
}

INSTANTIATE_TEST_SUITE_P(PtyAndTcp, EveryModelTest,
                         ::testing::Combine(::testing::Values(Link::Pty, Link::Tcp),
                                            ::testing::ValuesIn(LoggerModels())),
                         [](const auto& info) {
                             std::string name = std::get<0>(info.param) == Link::Pty ? "Pty_" : "Tcp_";
                             for (const char c : std::get<1>(info.param).name) {
                                 name += c == '-' ? '_' : c;
                             }
                             return name;
                         });

TEST_F(SessionConnectTest, TheMainWindowLearnsTheLoggersModulesAndTexts) {
    const struct {
        const char* model;
        int configurationWord;
        int wifi;
        int webLogin;
    } cases[] = {
        {"standard", -1, 0, 0},  // no configuration word: all ones
        {"quarven-rs", 0x08, 0, 1},
        {"quarven-kx", 0x4C, 1, 1},
    };
    for (const auto& entry : cases) {
        LoggerSimulator simulator(*FindLoggerModel(entry.model));
        simulator.Logger().ChangeState(
            [&entry](LoggerState& state) { state.configurationWord = entry.configurationWord; });
        const int modelNamesBefore = CountOf(WM_LINK_STATUS, STATUS_MODEL_NAME);
        ASSERT_TRUE(ConnectTo(simulator, Link::Tcp)) << entry.model;
        const CSessionEL& session = *owner_.GetActiveSession();
        // The model field learns the model once, when the session start has settled it (a KX first
        // decodes as an RS).
        EXPECT_EQ(CountOf(WM_LINK_STATUS, STATUS_MODEL_NAME), modelNamesBefore + 1) << entry.model;
        EXPECT_EQ(session.GetDisplayedModelName(),
                  session.GetModelName() + (entry.configurationWord == -1 ? " LoMem" : ""))
            << entry.model;
        EXPECT_EQ(session.LoggerHasWiFi(), entry.wifi) << entry.model;
        EXPECT_EQ(session.LoggerHasWebLogin(), entry.webLogin) << entry.model;
        EXPECT_NE(session.GetStatusText(false).find(simulator.Logger().Model().loggerId), std::string::npos);
        EXPECT_FALSE(session.GetStatusText(true).empty());
        if (simulator.Logger().Model().typeCode >= 13) {
            // The link speed means nothing to a Quarven: its field is emptied.
            const std::vector<std::string> speeds = StatusTexts(STATUS_LINK_SPEED);
            EXPECT_NE(std::find(speeds.begin(), speeds.end(), std::string()), speeds.end());
        }
        EXPECT_TRUE(owner_.Disconnect(0));
    }
}

TEST_F(SessionConnectTest, TheMemorySizeDecidesHighOrLowMemory) {
    const struct {
        int kb;
        const char* suffix;
    } cases[] = {{123, " LoMem"}, {124, " HiMem"}, {513, " HiMem"}, {514, " LoMem"}};
    for (const auto& entry : cases) {
        LoggerSimulator simulator(*FindLoggerModel("nimbo-current"));
        simulator.Logger().ChangeState([&entry](LoggerState& state) {
            // A part of a KB more does not count.
            state.memoryEnd = state.memoryStart + static_cast<std::uint32_t>(entry.kb) * 1024 + 1023;
            state.recordPointer = state.memoryEnd;
        });
        ASSERT_TRUE(ConnectTo(simulator, Link::Pty)) << entry.kb;
        EXPECT_EQ(owner_.GetActiveSession()->GetDisplayedModelName(),
                  std::string("Nimbo Current") + entry.suffix)
            << entry.kb;
        EXPECT_TRUE(owner_.Disconnect(0));
    }
}

TEST_F(SessionConnectTest, ThePortSearchFindsTheLoggerAtTheSecondSpeedOfTheSecondPort) {
    // Three ports: the first answers at no searched speed, the second at 2400, the third at 57600.
    std::vector<std::unique_ptr<LoggerSimulator>> simulators;
    std::vector<platform::SerialPortInfo> ports;
    for (const int baud : {9600, 2400, 57600}) {
        simulators.push_back(std::make_unique<LoggerSimulator>(*FindLoggerModel("standard")));
        simulators.back()->SetLineBaud(baud);
        ports.push_back({PortNameOf(simulators.back()->StartPty()), {}, {}});
    }
    testsupport::FakeSerialPortSource source(ports);
    owner_.SetSerialPortSource(&source);
    owner_.SetPendingCommand(kPendingCommand);
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);  // keep 2400 as the default
    app_.portName = ports[0].name;

    ASSERT_TRUE(Start([&ports](CSessionOwner& owner) { return owner.ConnectDirect(ports[0].name, 57600); }));

    // The pair that failed first is not tried again.
    std::vector<std::string> searched;
    for (const std::string& text : StatusTexts(STATUS_TEXT)) {
        if (text.rfind("Searching", 0) == 0) {
            searched.push_back(text);
        }
    }
    EXPECT_EQ(searched, (std::vector<std::string>{
                            "Searching for the logger on " + ports[0].name + " at 2400 baud...",
                            "Searching for the logger on " + ports[1].name + " at 57600 baud...",
                            "Searching for the logger on " + ports[1].name + " at 2400 baud...",
                        }));
    const CLastConnection last = owner_.GetLastConnection();
    EXPECT_EQ(last.portName, ports[1].name);
    EXPECT_EQ(last.baud, 2400);
    EXPECT_EQ(owner_.GetStoredBaud(kLinkDirect), 2400);
    EXPECT_EQ(
        profile_,
        (std::vector<std::tuple<std::string, std::string, int>>{{"Direct Connect", "DirectBaud", 2400}}));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{0});  // the offer to keep the speed, in the own box
    EXPECT_TRUE(WaitForMainWindow(WM_COMMAND, kPendingCommand));
    EXPECT_EQ(simulators[2]->Logger().CommandCount(), 0);
}

TEST_F(SessionConnectTest, ANewSpeedIsOfferedAsTheDefaultBelowTheQuarven) {
    const struct {
        const char* model;
        int answer;  // 0: not asked
    } cases[] = {{"standard", IDC_MSGBOX_BUTTON2}, {"nimbo-vdc", IDCANCEL}, {"quarven-rs", 0}};
    for (const auto& entry : cases) {
        LoggerSimulator simulator(*FindLoggerModel(entry.model));
        const std::string path = simulator.StartPty();
        app_.portName = PortNameOf(path);
        if (entry.answer != 0) {
            broker_.AnswerDialog("CMsgBoxDlg", entry.answer);
        }
        ASSERT_TRUE(Start([&path](CSessionOwner& owner) {
            return owner.ConnectDirect(PortNameOf(path), 19200);
        })) << entry.model;
        EXPECT_EQ(broker_.UnusedAnswers(), 0u) << entry.model;
        EXPECT_TRUE(owner_.Disconnect(0));
    }
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(broker_.Boxes()[0].texts.prompt,
              "The link runs at 19200 baud. Keep this speed as the default?");
    // Only the first button keeps it.
    EXPECT_EQ(owner_.GetStoredBaud(kLinkDirect), 57600);
    EXPECT_TRUE(profile_.empty());
}

TEST_F(SessionConnectTest, WithoutPortSearchAPortThatDoesNotOpenFailsAtOnceAndForgetsThePendingCommand) {
    owner_.SetPortSearchAllowed(false);
    owner_.SetPendingCommand(kPendingCommand);
    broker_.AnswerMessageBox(IDOK);

    EXPECT_FALSE(Start([](CSessionOwner& owner) { return owner.ConnectDirect("pts/no-such-port", 57600); }));
    // What the application tells the link code as its port.
    EXPECT_EQ(owner_.GetLinkPortName(), "pts/no-such-port");

    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_CONNECT_FAILED_MESSAGE});
    EXPECT_TRUE(EndOfSessionAsked());
    EXPECT_EQ(CountOf(WM_COMMAND, kPendingCommand), 0);
    EXPECT_EQ(owner_.TakePendingCommand(), 0u);
    EXPECT_TRUE(owner_.Disconnect(0));

    // A later session that connects runs no command chosen for the failed one.
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    ASSERT_TRUE(ConnectTo(simulator, Link::Pty));
    EXPECT_EQ(CountOf(WM_COMMAND, kPendingCommand), 0);
}

TEST_F(SessionConnectTest, AnUnknownCombinationVariantEndsAtTheLoggerObjectWithoutASearch) {
    LoggerModel unknown = *FindLoggerModel("nimbo-combo2");
    unknown.firmwareText = "BUC92.150";
    LoggerSimulator simulator(unknown);
    testsupport::FakeSerialPortSource source({});
    owner_.SetSerialPortSource(&source);
    broker_.AnswerMessageBox(IDOK);

    EXPECT_FALSE(ConnectTo(simulator, Link::Pty));

    EXPECT_EQ(owner_.GetActiveSession()->GetConnectStage(), kStageLoggerObject);
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_CONNECT_FAILED_MESSAGE});
    EXPECT_TRUE(EndOfSessionAsked());
    for (const std::string& text : StatusTexts(STATUS_TEXT)) {
        EXPECT_EQ(text.rfind("Searching", 0), std::string::npos) << text;
    }
}

TEST_F(SessionConnectTest, ANetworkLoggerThatCannotBeReachedIsToldWithTheSystemsReason) {
    // A port nobody listens on: taken and given back.
    int port = 0;
    {
        LoggerSimulator closed(*FindLoggerModel("quarven-rs"));
        port = closed.StartTcp(0);
    }
    broker_.SetDefaultAnswer(IDOK);

    EXPECT_FALSE(Start(
        [port](CSessionOwner& owner) { return owner.ConnectNetwork("127.0.0.1", std::to_string(port)); }));

    ASSERT_EQ(broker_.Boxes().size(), 1u);
    const testsupport::RecordedMessageBox told = broker_.Boxes().back();
    EXPECT_FALSE(told.byId);
    EXPECT_NE(told.texts.prompt.find("The network logger could not be reached."), std::string::npos);
    EXPECT_EQ(told.texts.caption, "Network Connection");
    EXPECT_TRUE(EndOfSessionAsked());
}

TEST_F(SessionConnectTest, AnAddressThatCannotBeUsedIsToldInOneBoxThatNamesIt) {
    broker_.SetDefaultAnswer(IDOK);
    for (const std::string address : {"0.0.0.0", "255.255.255.255", "300.1.1.1"}) {
        SCOPED_TRACE(address);
        const std::size_t before = broker_.Boxes().size();

        EXPECT_FALSE(Start([&](CSessionOwner& owner) { return owner.ConnectNetwork(address, "3001"); }));

        // Not the advice about cables and ports of a logger that did not answer.
        ASSERT_EQ(broker_.Boxes().size(), before + 1);
        const testsupport::RecordedMessageBox told = broker_.Boxes().back();
        EXPECT_FALSE(told.byId);
        EXPECT_NE(told.texts.prompt.find("Unusable address " + address), std::string::npos) << told.texts.prompt;
        EXPECT_NE(told.texts.prompt.find("The network logger could not be reached."), std::string::npos);
        EXPECT_TRUE(owner_.Disconnect(0));
    }
}

}  // namespace
}  // namespace sessiontest
