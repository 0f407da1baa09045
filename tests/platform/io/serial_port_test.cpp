// CSerialPort against a pseudo-terminal pair: opening, line settings, reads and writes, the read thread.
#include "platform/io/serial_port.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>

namespace {

class PtyPair {
public:
    PtyPair() {
        termios raw{};
        ::cfmakeraw(&raw);
        char name[128] = {};
        EXPECT_EQ(::openpty(&master_, &slave_, name, &raw, nullptr), 0);
        path_ = name;
    }
    ~PtyPair() {
        CloseMaster();
        ::close(slave_);
    }
    const std::string& path() const { return path_; }
    void Write(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads what the port wrote, waiting up to a generous deadline for `count` bytes.
    std::string Read(std::size_t count) {
        std::string got;
        while (got.size() < count) {
            pollfd watch{master_, POLLIN, 0};
            if (::poll(&watch, 1, 10000) <= 0) {
                break;
            }
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    void CloseMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

TEST(SerialPortTest, OpenRefusesWhatIsNoSerialPort) {
    struct Case {
        const char* name;
        int error;
    };
    for (const Case& c : {Case{"ttyKIVO_NO_SUCH_PORT", ENOENT}, Case{"null", ENOTTY},
                          Case{"../dev/null", ENOENT}, Case{"", ENOENT}}) {
        CSerialPort port;
        EXPECT_EQ(port.Open(c.name), 0) << c.name;
        EXPECT_EQ(port.LastError(), c.error) << c.name;
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST(SerialPortTest, OpenAppliesTheDefaultsInRawMode) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    EXPECT_EQ(port.GetBaud(), 19200);
    termios settings{};
    const int view = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::tcgetattr(view, &settings), 0);
    ::close(view);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), 0u);
}

TEST(SerialPortTest, SetBaudTakesTheStandardRatesOnly) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    for (const int baud : {2400, 9600, 57600, 115200}) {
        EXPECT_EQ(port.SetBaud(baud), 1) << baud;
        EXPECT_EQ(port.GetBaud(), baud);
    }
    EXPECT_EQ(port.SetBaud(12345), 0);
    EXPECT_EQ(port.GetBaud(), 115200);
    EXPECT_EQ(port.SetByteFormat(EVENPARITY, 7, TWOSTOPBITS), 1);
    EXPECT_EQ(port.SetByteFormat(NOPARITY, 9, ONESTOPBIT), 0);
}

TEST(SerialPortTest, WritesReachTheFarEndAndReadsReturnAtOnce) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    EXPECT_EQ(port.Write("I?\r", 3), 3u);
    EXPECT_EQ(pty.Read(3), "I?\r");

    char buffer[16] = {};
    EXPECT_EQ(port.Read(buffer, sizeof buffer, false), 0u);  // nothing queued: no wait
    pty.Write("\r\n>");
    ASSERT_EQ(port.WaitEvent(), 1);
    port.SetEventMask(EV_RXCHAR | EV_ERR);
    EXPECT_EQ(port.GetEventResult(true), EV_RXCHAR);
    std::string got;
    while (got.size() < 3) {
        const std::size_t n = port.Read(buffer, sizeof buffer, false);
        got.append(buffer, n);
        if (n == 0) {
            port.GetEventResult(true);
        }
    }
    EXPECT_EQ(got, "\r\n>");
}

// The read loop of a link: waits for events until they stop.
struct ReadLoop {
    explicit ReadLoop(CSerialPort& port) : port(port) {}
    void operator()() {
        port.SetEventMask(EV_RXCHAR | EV_ERR);
        port.WaitEvent();
        while (const std::uint32_t events = port.GetEventResult(true)) {
            if (events & EV_RXCHAR) {
                char buffer[64];
                received += static_cast<int>(port.Read(buffer, sizeof buffer, false));
            }
            port.WaitEvent();
        }
        ended = true;
    }
    CSerialPort& port;
    std::atomic<int> received{0};
    std::atomic<bool> ended{false};
};

TEST(SerialPortTest, StopReadThreadEndsAWaitingReaderAndJoinsIt) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    ReadLoop loop(port);
    ASSERT_EQ(port.StartReadThread([&] { loop(); }), 1);
    pty.Write("abc");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (loop.received < 3 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    EXPECT_EQ(loop.received, 3);
    EXPECT_EQ(port.StopReadThread(), 1);
    EXPECT_TRUE(loop.ended);
    EXPECT_TRUE(port.StopRequested());
    EXPECT_EQ(port.StopReadThread(), 0);  // no thread left
    EXPECT_EQ(port.ClosePort(), 1);
    EXPECT_EQ(port.ClosePort(), 1);  // closing a closed port is harmless
}

TEST(SerialPortTest, TheReaderEndsByItselfWhenTheFarEndGoesAway) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    ReadLoop loop(port);
    ASSERT_EQ(port.StartReadThread([&] { loop(); }), 1);
    pty.CloseMaster();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!loop.ended && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    EXPECT_TRUE(loop.ended);
    EXPECT_FALSE(port.StopRequested());
    EXPECT_EQ(port.LastError(), EIO);
    EXPECT_EQ(port.Write("x", 1), 0u);
}

TEST(SerialPortTest, StartReadThreadNeedsAnOpenPort) {
    CSerialPort port;
    EXPECT_EQ(port.StartReadThread([] {}), 0);
}

}  // namespace
