// The commands that change the simulated logger's link: the restart and reset that drop the link, and
// the pseudo-terminal that hears only its own speed, which "I!14" changes after its reply.
#include "tools/loggersim/link_commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/base/unique_fd.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/simulated_logger.h"

namespace {

using namespace std::chrono_literals;

TEST(LinkCommandsTest, SpeedChangeRestartAndReset) {
    const struct {
        const char* line;
        std::string reply;
        int lineBaud;
        bool drops;
    } cases[] = {
        {"I!14 12\r", "\r\nOK\r\n>", 9600, false},
        {"I!14 1\r", "\r\nOK\r\n>", 57600, false},
        {"I!14 14\r", "\r\nOK\r\n>", 19200, false},  // any other rate: the speed stays
        {"!!RESTART\r", "\r\nOK\r\n>", 19200, true},
        {"_!RESET\r", "", 19200, true},  // the logger resets without a word
    };
    for (const auto& entry : cases) {
        SimulatedLogger logger(*FindLoggerModel("standard"));
        logger.ChangeState([](LoggerState& s) { s.lineBaud = 19200; });
        logger.Receive("\x10");  // line mode: no echo
        const SimulatedLogger::Output output = logger.Receive(entry.line);
        EXPECT_EQ(output.bytes, entry.reply) << entry.line;
        EXPECT_EQ(logger.State().lineBaud, entry.lineBaud) << entry.line;
        EXPECT_EQ(output.closeLink, entry.drops) << entry.line;
    }
}

// The program's end of a pseudo-terminal, at a speed it sets.
class PtyEnd {
public:
    explicit PtyEnd(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {}

    void SetSpeed(speed_t speed) {
        termios settings{};
        ::tcgetattr(fd_.Get(), &settings);
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, speed);
        ::cfsetospeed(&settings, speed);
        ::tcsetattr(fd_.Get(), TCSANOW, &settings);
    }

    // Sends `line` and collects what comes back until the prompt or `wait` without an answer.
    std::string Ask(const std::string& line, std::chrono::milliseconds wait) {
        EXPECT_EQ(::write(fd_.Get(), line.data(), line.size()), static_cast<ssize_t>(line.size()));
        std::string reply;
        pollfd watch{fd_.Get(), POLLIN, 0};
        while (reply.find('>') == std::string::npos &&
               ::poll(&watch, 1, static_cast<int>(wait.count())) > 0) {
            char buffer[256];
            const ssize_t got = ::read(fd_.Get(), buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            reply.append(buffer, static_cast<std::size_t>(got));
        }
        return reply;
    }

private:
    platform::UniqueFd fd_;
};

TEST(LinkCommandsTest, APseudoTerminalLoggerHearsOnlyItsOwnSpeedAndTakesANewOne) {
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    simulator.SetLineBaud(57600);
    const std::string path = simulator.StartPty();
    ASSERT_FALSE(path.empty());
    PtyEnd program(path);

    program.SetSpeed(B2400);
    EXPECT_EQ(program.Ask("\x10Z!\r", 100ms), "");
    program.SetSpeed(B57600);
    EXPECT_EQ(program.Ask("\x10Z!\r", 5000ms), "\r\nRAM OK\r\n>");
    EXPECT_EQ(program.Ask("I!14 12\r", 5000ms), "\r\nOK\r\n>");  // the reply still at the old speed
    EXPECT_EQ(program.Ask("Z!\r", 100ms), "");
    program.SetSpeed(B9600);
    EXPECT_EQ(program.Ask("Z!\r", 5000ms), "\r\nRAM OK\r\n>");
}

}  // namespace
