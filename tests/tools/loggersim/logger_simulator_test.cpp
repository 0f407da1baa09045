// The simulator on its transports: output paced as a serial line of a given rate sends it, a program
// hanging up mid-reply, and the setting commands' own checks.
#include "tools/loggersim/logger_simulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/base/unique_fd.h"
#include "tools/loggersim/hex_dump.h"
#include "tools/loggersim/setting_commands.h"

namespace {

platform::UniqueFd ConnectTo(int port) {
    platform::UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        return {};
    }
    return socket;
}

// Sends `command` in line mode and reads up to its prompt: the reply and the time it took.
std::pair<std::string, std::chrono::duration<double>> Exchange(int fd, const std::string& command) {
    const std::string line = "\x10" + command + "\r";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(::write(fd, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    std::string reply;
    char buffer[256];
    while (reply.empty() || reply.back() != '>') {
        pollfd watch{fd, POLLIN, 0};
        if (::poll(&watch, 1, 5000) <= 0) {
            break;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        reply.append(buffer, static_cast<std::size_t>(got));
    }
    return {reply, std::chrono::steady_clock::now() - start};
}

TEST(LoggerSimulatorTest, PacedOutputTakesTenBitsAByte) {
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    const int port = simulator.StartTcp(0);
    ASSERT_NE(port, 0);
    platform::UniqueFd link = ConnectTo(port);
    ASSERT_TRUE(link.Valid());
    constexpr int kBaud = 4800;
    simulator.SetPacingBaud(kBaud);
    const auto [reply, took] = Exchange(link.Get(), "I?");
    const std::string expected =
        "\r\n" + HexDumpText(IdentificationRecord(simulator.Logger().Model())) + "\r\n>";
    ASSERT_EQ(reply, expected);
    const double lineTime = static_cast<double>(expected.size()) * 10 / kBaud;  // about a quarter second
    EXPECT_GT(took.count(), lineTime * 0.9);
    EXPECT_LT(took.count(), lineTime * 2 + 0.5);

    simulator.SetPacingBaud(0);
    const auto [again, quick] = Exchange(link.Get(), "I?");
    EXPECT_EQ(again, expected);
    EXPECT_LT(quick.count(), lineTime);
}

// A program that hangs up in the middle of a reply must not take the process serving the logger with it:
// the rest of the reply goes nowhere and the next connection is served.
TEST(LoggerSimulatorTest, AProgramHangingUpMidReplyEndsOnlyItsConnection) {
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    const int port = simulator.StartTcp(0);
    ASSERT_NE(port, 0);
    simulator.SetPacingBaud(4800);
    {
        platform::UniqueFd link = ConnectTo(port);
        ASSERT_TRUE(link.Valid());
        const std::string line = "\x10I?\r";
        ASSERT_EQ(::write(link.Get(), line.data(), line.size()), static_cast<ssize_t>(line.size()));
        pollfd watch{link.Get(), POLLIN, 0};
        ASSERT_EQ(::poll(&watch, 1, 5000), 1);
        // Read before hanging up, so that the far end sees an orderly close and its next writes go on.
        char first[64];
        ASSERT_GT(::read(link.Get(), first, sizeof first), 0);
    }
    simulator.SetPacingBaud(0);
    platform::UniqueFd next = ConnectTo(port);
    ASSERT_TRUE(next.Valid());
    EXPECT_EQ(Exchange(next.Get(), "I?").first,
              "\r\n" + HexDumpText(IdentificationRecord(simulator.Logger().Model())) + "\r\n>");
}

// "<tag>" and hex digits, then " =" and the checksum over every character before the blank, plus `off`.
std::string TaggedBlock(const std::string& text, int off) {
    const std::uint16_t checksum =
        HexDumpChecksum(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    char field[8];
    std::snprintf(field, sizeof field, " =%04X", (checksum + off) & 0xFFFF);
    return text + field;
}

TEST(SimulatedSettingsTest, TaggedTextFieldsAreCheckedByTheirChecksum) {
    LoggerState state = InitialLoggerState(*FindLoggerModel("quarven-rs"));
    // "AB" in the SSID's 32-byte field.
    EXPECT_EQ(ExecuteSettingCommand(state, TaggedBlock("L!WSSID=4142" + std::string(60, '0'), 0)), "OK");
    EXPECT_EQ(state.wifiSettings.at("WSSID"), "AB");
    EXPECT_EQ(ExecuteSettingCommand(state, TaggedBlock("L!WSSID=4343" + std::string(60, '0'), 1)), "ERROR");
    EXPECT_EQ(state.wifiSettings.at("WSSID"), "AB");
}

}  // namespace
