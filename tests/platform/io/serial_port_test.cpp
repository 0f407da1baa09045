// CSerialPort against a pseudo-terminal pair: opening, line settings, reads and writes, the read thread.
#include "platform/io/serial_port.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>

#include "platform/io/pseudo_terminal.h"
#include "tests/support/byte_collector.h"

namespace {

using testsupport::BytesOf;

class PtyPair {
public:
    PtyPair() : terminal_(platform::OpenRawPseudoTerminal()) { EXPECT_TRUE(terminal_.master.Valid()); }
    const std::string& path() const { return terminal_.path; }
    void Write(const std::string& bytes) {
        ASSERT_EQ(::write(master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads what the port wrote, waiting up to a generous deadline for `count` bytes.
    std::string Read(std::size_t count) {
        std::string got;
        while (got.size() < count) {
            pollfd watch{master(), POLLIN, 0};
            if (::poll(&watch, 1, 10000) <= 0) {
                break;
            }
            char buffer[256];
            const ssize_t n = ::read(master(), buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    void CloseMaster() { terminal_.master.Reset(); }

private:
    int master() const { return terminal_.master.Get(); }

    platform::RawPseudoTerminal terminal_;
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
    EXPECT_EQ(port.Write(BytesOf("I?\r"), 3), 3u);
    EXPECT_EQ(pty.Read(3), "I?\r");

    char buffer[16] = {};
    EXPECT_EQ(port.Read(buffer, sizeof buffer, false), 0u);  // nothing queued: no wait
    pty.Write("\r\n>");
    ASSERT_EQ(port.WaitEvent(), 1);
    port.SetEventMask(EV_RXCHAR);
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

// The read loop of a link: waits for events until they stop. The test waits on what it saw, never by
// spinning: a spinning test takes the processor from the very thread it waits for.
class ReadLoop {
public:
    explicit ReadLoop(CSerialPort& port) : port_(port) {}

    void operator()() {
        port_.SetEventMask(EV_RXCHAR);
        port_.WaitEvent();
        while (const std::uint32_t events = port_.GetEventResult(true)) {
            if (events & EV_RXCHAR) {
                char buffer[64];
                const std::size_t n = port_.Read(buffer, sizeof buffer, false);
                Update([&] { received_ += static_cast<int>(n); });
            }
            port_.WaitEvent();
        }
        Update([&] { ended_ = true; });
    }

    // False when `count` bytes did not come within a generous deadline.
    bool WaitForReceived(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kDeadline, [&] { return received_ >= count; });
    }
    bool WaitForEnd() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kDeadline, [&] { return ended_; });
    }
    int Received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }
    bool Ended() const {
        std::lock_guard lock(mutex_);
        return ended_;
    }

private:
    static constexpr auto kDeadline = std::chrono::seconds(30);

    template <class Change>
    void Update(Change change) {
        std::lock_guard lock(mutex_);
        change();
        changed_.notify_all();
    }

    CSerialPort& port_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int received_ = 0;
    bool ended_ = false;
};

TEST(SerialPortTest, StopReadThreadEndsAWaitingReaderAndJoinsIt) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    ReadLoop loop(port);
    ASSERT_EQ(port.StartReadThread([&] { loop(); }), 1);
    pty.Write("abc");
    EXPECT_TRUE(loop.WaitForReceived(3));
    EXPECT_EQ(loop.Received(), 3);
    EXPECT_EQ(port.StopReadThread(), 1);
    EXPECT_TRUE(loop.Ended());
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
    EXPECT_TRUE(loop.WaitForEnd());
    EXPECT_FALSE(port.StopRequested());
    EXPECT_EQ(port.LastError(), EIO);
    EXPECT_EQ(port.Write(BytesOf("x"), 1), 0u);
}

TEST(SerialPortTest, AReadThreadThatDoesNotEndIsGivenUpAndThePortKeptOpenForIt) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    ASSERT_EQ(port.StartReadThread([released] { released.wait(); }), 1);  // deaf to its stop
    EXPECT_EQ(port.StopReadThread(), -1);
    EXPECT_EQ(port.LastError(), ETIMEDOUT);
    EXPECT_FALSE(port.Close());
    EXPECT_TRUE(port.IsOpen());  // the thread may still use it
    release.set_value();
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPortTest, StartReadThreadNeedsAnOpenPort) {
    CSerialPort port;
    EXPECT_EQ(port.StartReadThread([] {}), 0);
    testsupport::ByteCollector collector;
    EXPECT_FALSE(port.StartReading(collector));
}

TEST(SerialPortTest, AsATransportItHandsOnWhatCameWithinTheRoomAndTellsWhenTheDeviceWent) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    testsupport::ByteCollector collector(2);  // what does not fit waits with the driver
    ASSERT_TRUE(port.StartReading(collector));
    pty.Write("\r\n12\r\n>");
    ASSERT_TRUE(collector.WaitForBytes(7));
    EXPECT_EQ(collector.Received(), "\r\n12\r\n>");
    pty.CloseMaster();
    EXPECT_EQ(collector.WaitForEnd(), EIO);
}

TEST(SerialPortTest, AStoppedTransportReaderReportsNoEnd) {
    PtyPair pty;
    CSerialPort port;
    ASSERT_EQ(port.Open(pty.path()), 1);
    testsupport::ByteCollector collector;
    ASSERT_TRUE(port.StartReading(collector));
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(collector.Ended(), std::nullopt);
}

}  // namespace
