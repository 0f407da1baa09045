// The network scan on 127.0.0.1 against the simulated logger's network module: the loggers listed, the
// settings datagram it takes, and the five outcomes of the connection test.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include "shared/link/discovery_test_socket.h"
#include "shared/link/discovery_udp_socket.h"
#include "shared/link/link_clock.h"
#include "tests/shared/link/poll_waits.h"
#include "tests/support/eventually.h"
#include "tests/support/loopback_datagrams.h"
#include "tools/loggersim/discovery_responder.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

constexpr const char* kLoopback = "127.0.0.1";

// A port of 127.0.0.1 that nothing holds just now.
std::uint16_t FreeUdpPort() {
    platform::UdpSocket probe;
    EXPECT_EQ(probe.Bind(kLoopback, 0), 0);
    return probe.LocalPort();
}

// A TCP socket bound to a free port of 127.0.0.1, and the port.
std::pair<platform::UniqueFd, std::uint16_t> LoopbackTcpSocket() {
    platform::UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(::bind(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length), 0);
    return {std::move(socket), ntohs(address.sin_port)};
}

bool Readable(int fd, int timeoutMs) {
    pollfd watch{fd, POLLIN, 0};
    return ::poll(&watch, 1, timeoutMs) > 0;
}

class DiscoveryScanTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& target : datagrams_.Targets()) {
            EXPECT_EQ(target, kLoopback);
        }
    }

    // A scan socket on 127.0.0.1 that sends to `targetPort` there.
    static DiscoveryEndpoints To(std::uint16_t targetPort, std::uint16_t localPort = 0) {
        return {kLoopback, localPort, kLoopback, targetPort};
    }

    // Takes replies until `rows` are listed; false when they do not come.
    static bool ReceiveRows(CUDPSocket& scan, std::size_t rows) {
        return testsupport::Eventually([&] {
            if (Readable(scan.Descriptor(), 1)) {
                EXPECT_EQ(scan.OnReceive(), 0);
            }
            return scan.Results().size() >= rows;
        });
    }

    // Takes the datagram that was sent to `scan` (and any other already there).
    static void ReceiveAnswered(CUDPSocket& scan) {
        ASSERT_TRUE(Readable(scan.Descriptor(), 10'000));
        EXPECT_EQ(scan.OnReceive(), 0);
    }

    testsupport::LoopbackDatagrams datagrams_;
};

TEST_F(DiscoveryScanTest, ScanListsTheLoggerAndEachScanStartsAfresh) {
    DiscoveryResponder logger({.serial = "20571", .tcpPort = 3002, .connections = "1"});
    const int port = logger.Start(0);
    ASSERT_NE(port, 0);
    CUDPSocket scan(To(static_cast<std::uint16_t>(port)));
    ASSERT_TRUE(scan.SendDiscovery(true));
    ASSERT_TRUE(ReceiveRows(scan, 1));
    EXPECT_TRUE(scan.TakeNewResults());
    EXPECT_FALSE(scan.TakeNewResults());
    EXPECT_EQ(scan.Results()[0],
              (DiscoveredLogger{"20571", "127.0.0.1", "00:1E:C0:12:34:56", "3002", "1", "ESP"}));

    // A second request before the next scan adds the logger's second reply.
    ASSERT_TRUE(scan.SendDiscovery(false));
    EXPECT_TRUE(scan.Results().empty());
    EXPECT_TRUE(scan.TakeNewResults());
    ASSERT_TRUE(ReceiveRows(scan, 1));
    ASSERT_TRUE(testsupport::Eventually([&] { return logger.RequestsAnswered() == 2; }));
    EXPECT_EQ(scan.Results().size(), 1u);
}

TEST_F(DiscoveryScanTest, RepliesWithoutPortOrConnectionsListTheirDefaults) {
    DiscoveryResponder logger({.serial = "5", .withoutPort = true, .withoutConnections = true});
    const int port = logger.Start(0);
    CUDPSocket scan(To(static_cast<std::uint16_t>(port)));
    ASSERT_TRUE(scan.SendDiscovery(true));
    ASSERT_TRUE(ReceiveRows(scan, 1));
    EXPECT_EQ(scan.Results()[0].port, "3001");
    EXPECT_EQ(scan.Results()[0].connections, "NONE");
}

TEST_F(DiscoveryScanTest, OwnRequestAndOtherDevicesAreNotListed) {
    // A scan that hears its own request, as the broadcast brings it back.
    const std::uint16_t own = FreeUdpPort();
    CUDPSocket hearsItself(To(own, own));
    ASSERT_TRUE(hearsItself.SendDiscovery(true));
    ReceiveAnswered(hearsItself);
    EXPECT_TRUE(hearsItself.Results().empty());

    DiscoveryResponder other({.device = "WIFLY"});
    const int port = other.Start(0);
    CUDPSocket scan(To(static_cast<std::uint16_t>(port)));
    ASSERT_TRUE(scan.SendDiscovery(true));
    ASSERT_TRUE(testsupport::Eventually([&] { return other.RequestsAnswered() == 1; }));
    ReceiveAnswered(scan);
    EXPECT_TRUE(scan.Results().empty());
}

TEST_F(DiscoveryScanTest, LoggerTakesTheSettingsDatagramAndRefusedOnesAreNotSent) {
    DiscoveryResponder logger({});
    const int port = logger.Start(0);
    CUDPSocket scan(To(static_cast<std::uint16_t>(port)));
    ASSERT_TRUE(scan.SendDiscovery(true));
    EXPECT_FALSE(scan.SendNetworkSettings({"00:1E:C0:12:34:56", "10.0.0.300", "255.255.255.0", "", "3005"}));
    EXPECT_FALSE(scan.SendNetworkSettings({"00:1E:C0:12:34:56", "0.0.0.0", "", "", "70000"}));
    // Another logger's MAC is not taken; the own one is.
    ASSERT_TRUE(scan.SendNetworkSettings({"00:1E:C0:12:34:57", "0.0.0.0", "", "", "4000"}));
    ASSERT_TRUE(
        scan.SendNetworkSettings({"00:1e:c0:12:34:56", "10.1.2.3", "255.255.0.0", "10.1.0.1", "3005"}));
    ASSERT_TRUE(testsupport::Eventually([&] { return !logger.SettingsReceived().empty(); }));
    ASSERT_EQ(logger.SettingsReceived().size(), 1u);
    const DiscoveryResponder::NewSettings settings = logger.SettingsReceived()[0];
    EXPECT_EQ(settings.address, "10.1.2.3");
    EXPECT_EQ(settings.mask, "255.255.0.0");
    EXPECT_EQ(settings.gateway, "10.1.0.1");
    EXPECT_EQ(settings.tcpPort, 3005);
    EXPECT_EQ(logger.CurrentIdentity().tcpPort, 3005);
}

TEST(DiscoveryTargetTest, TheProgramsBroadcastIsRefusedInTests) {
    testsupport::LoopbackDatagrams datagrams;
    DiscoveryEndpoints broadcast;
    broadcast.localAddress = kLoopback;
    broadcast.localPort = 0;
    CUDPSocket scan(broadcast);
    EXPECT_FALSE(scan.SendDiscovery(true));
    EXPECT_EQ(datagrams.Targets(), std::vector<std::string>{"255.255.255.255"});
}

class ConnectionTestTest : public ::testing::Test {
protected:
    ConnectionTestTest() : simulator_(*FindLoggerModel("standard")) {}

    // In real time by default: a reply ends the wait as soon as it comes, however busy the machine; the
    // cases that wait out the time-out pass the sped-up waits.
    ConnectionTestOutcome RunAgainstSimulator(PollWaits* waits = nullptr) {
        const int port = simulator_.StartTcp(0);
        EXPECT_NE(port, 0);
        CTestSocket test(waits ? *waits : realWaits_);
        return test.Run(kLoopback, static_cast<std::uint16_t>(port));
    }

    LinkClock realTime_;
    PollWaits realWaits_{realTime_};
    // Ten seconds of the test's waits pass in 10 ms.
    LinkClock clock_{1000.0};
    PollWaits waits_{clock_};
    LoggerSimulator simulator_;
};

TEST_F(ConnectionTestTest, LoggerAnsweringOkPassesAlsoWhenTheReplyComesInPieces) {
    EXPECT_EQ(RunAgainstSimulator(), ConnectionTestOutcome::Passed);
    EXPECT_EQ(simulator_.Logger().Commands(), std::vector<std::string>{"I!F"});
    simulator_.Stop();

    SimulatorFaults pieces;
    pieces.chunkSize = 2;
    pieces.delayMs = 5;
    simulator_.Logger().SetFaults(pieces);
    // Only the reply's last piece ends the wait.
    EXPECT_EQ(RunAgainstSimulator(), ConnectionTestOutcome::Passed);
}

TEST_F(ConnectionTestTest, OtherAnswerSilenceAndNoListenerFail) {
    simulator_.Logger().ChangeState([](LoggerState& state) { state.connectionTestReply = "BUSY"; });
    EXPECT_EQ(RunAgainstSimulator(), ConnectionTestOutcome::WrongReply);
    simulator_.Stop();

    SimulatorFaults silent;
    silent.silentCommand = "I!F";
    simulator_.Logger().SetFaults(silent);
    EXPECT_EQ(RunAgainstSimulator(&waits_), ConnectionTestOutcome::NoReply);
    simulator_.Stop();

    // A port nothing listens on.
    const auto [bound, port] = LoopbackTcpSocket();
    CTestSocket test(waits_);
    EXPECT_EQ(test.Run(kLoopback, port), ConnectionTestOutcome::NoConnection);
    EXPECT_EQ(test.Run("not.an.address", 3001), ConnectionTestOutcome::NoConnection);
}

TEST_F(ConnectionTestTest, ConnectionResetBeforeTheRequestIsASendFailure) {
    const auto [listener, port] = LoopbackTcpSocket();
    ASSERT_EQ(::listen(listener.Get(), 1), 0);
    CTestSocket test(waits_);
    ASSERT_TRUE(test.Connect(kLoopback, port));
    platform::UniqueFd accepted(::accept(listener.Get(), nullptr, nullptr));
    const linger reset{1, 0};
    ::setsockopt(accepted.Get(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    accepted.Reset();
    pollfd watch{test.Descriptor(), POLLIN, 0};
    ASSERT_EQ(::poll(&watch, 1, 10'000), 1);
    EXPECT_EQ(test.Exchange(), ConnectionTestOutcome::SendFailed);
}

TEST(ConnectionTestReplyTest, AnswerAfterTheEcho) {
    struct Case {
        std::string_view reply;
        std::string answer;
    };
    const Case cases[] = {
        {"I!F\r\nOK\r\n>", "OK"},       {"OK\r\n", "OK"},           {"  I!F  OK", "OK"}, {"I!FOK\r", "OK"},
        {"I!F\r\nERROR\r\n>", "ERROR"}, {"OK then\rOK", "OK then"}, {"I!F", ""},         {"", ""},
        {"\r\nI!F\r\n\r\nOK", "OK"},    {"I!FI!F\rOK", "I!F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTestSocket::ReplyAnswer(c.reply), c.answer) << c.reply;
    }
}

TEST(ConnectionTestReplyTest, PortOfAScanRowIsItsNumberOr3001) {
    for (const auto& [text, port] : std::vector<std::pair<std::string, std::uint16_t>>{
             {"3002", 3002}, {"0", 3001}, {"", 3001}, {"abc", 3001}, {"70000", 3001}}) {
        EXPECT_EQ(ConnectionTestPort(text), port) << text;
    }
}

}  // namespace
