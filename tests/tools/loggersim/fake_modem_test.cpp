// The fake AT modem as a terminal program sees it: command mode with and without echo, the escape and
// "ATH0", a dial given up, a ring answered, and the logger's bytes only across a call.
#include "tools/loggersim/fake_modem.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/base/unique_fd.h"
#include "tests/support/eventually.h"

namespace {

using testsupport::Eventually;

class FakeModemTest : public ::testing::Test {
protected:
    FakeModemTest() : logger_(*FindLoggerModel("standard")), modem_(logger_) {
        const std::string path = modem_.Start();
        terminal_.Reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK));
        termios raw{};
        ::tcgetattr(terminal_.Get(), &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(terminal_.Get(), TCSANOW, &raw);
    }

    void Type(const std::string& bytes) {
        ASSERT_EQ(::write(terminal_.Get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads until `expected` has come (true) or 30 s passed; what came is kept for the next read.
    bool Reads(const std::string& expected) {
        const bool came = Eventually([&] {
            char buffer[512];
            const ssize_t got = ::read(terminal_.Get(), buffer, sizeof buffer);
            if (got > 0) {
                seen_.append(buffer, static_cast<std::size_t>(got));
            }
            return seen_.find(expected) != std::string::npos;
        });
        if (came) {
            seen_.erase(0, seen_.find(expected) + expected.size());
        }
        return came;
    }

    LoggerSimulator logger_;
    FakeModem modem_;
    platform::UniqueFd terminal_;
    std::string seen_;
};

TEST_F(FakeModemTest, EchoUntilTurnedOffThenCallsHungUpByTheProgram) {
    Type("AT\r");
    EXPECT_TRUE(Reads("AT\r\r\nOK\r\n"));
    Type("ATE0V1\r");
    EXPECT_TRUE(Reads("ATE0V1\r\r\nOK\r\n"));
    Type("ATDT 555 1234\r");
    EXPECT_TRUE(Reads("\r\nCONNECT 9600\r\n"));
    EXPECT_TRUE(modem_.InCall());
    Type("I?\r");
    EXPECT_TRUE(Reads(">"));

    Type("+++");
    EXPECT_TRUE(Reads("\r\nOK\r\n"));
    Type("ATH0\r");
    EXPECT_TRUE(Reads("\r\nOK\r\n"));
    EXPECT_FALSE(modem_.InCall());
    EXPECT_EQ(modem_.HangUps(), 1);
    EXPECT_EQ(modem_.Commands(), (std::vector<std::string>{"AT", "ATE0V1", "ATDT5551234", "ATH0"}));
    // Out of the call the logger hears nothing: a command line is the modem's again.
    Type("I?\r");
    EXPECT_TRUE(Reads("\r\nERROR\r\n"));

    // A key while a silent call dials gives it up.
    modem_.SetOptions({FakeModem::DialOutcome::Silence, 9600, {}});
    Type("ATD1\r");
    ASSERT_TRUE(Eventually([this] { return modem_.Commands().back() == "ATD1"; }));
    Type("\r");
    EXPECT_TRUE(Reads("\r\nNO CARRIER\r\n"));
    EXPECT_EQ(modem_.HangUps(), 2);
}

TEST_F(FakeModemTest, ARingIsAnsweredAndAnAnswerWithoutOneIsRefused) {
    Type("ATE0\r");
    EXPECT_TRUE(Reads("\r\nOK\r\n"));
    Type("ATA\r");
    EXPECT_TRUE(Reads("\r\nNO CARRIER\r\n"));
    modem_.SetOptions({FakeModem::DialOutcome::Connect, 0, {}});
    modem_.Ring();
    EXPECT_TRUE(Reads("\r\nRING\r\n"));
    Type("ATA\r");
    EXPECT_TRUE(Reads("\r\nCONNECT\r\n"));
    EXPECT_TRUE(modem_.InCall());
    modem_.HangUpFarEnd();
    EXPECT_TRUE(Reads("\r\nNO CARRIER\r\n"));
    EXPECT_FALSE(modem_.InCall());
    EXPECT_EQ(modem_.HangUps(), 0);
}

}  // namespace
