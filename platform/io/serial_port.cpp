// CSerialPort on termios: line settings, purges, time-out bound reads and writes, the read thread.
#include "platform/io/serial_port.h"

#include <errno.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int kDefaultBaud = 19200;
constexpr std::uint32_t kDefaultWriteTimeoutMs = 1000;
constexpr std::size_t kReadPiece = 5136;
constexpr auto kReadThreadStopWait = std::chrono::milliseconds(2000);

struct BaudEntry {
    int baud;
    speed_t speed;
};

constexpr BaudEntry kBauds[] = {
    {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},   {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600}, {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

// Milliseconds left until `deadline`, for poll(); -1 waits without limit.
int PollTimeout(std::chrono::steady_clock::time_point deadline, bool unlimited) {
    if (unlimited) {
        return -1;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

CSerialPort::CSerialPort(TraceFn trace) : trace_(std::move(trace)) {}

CSerialPort::~CSerialPort() {
    StopAndClose();
}

void CSerialPort::Trace(const std::string& line) const {
    if (trace_) {
        trace_(line);
    }
}

int CSerialPort::Open(const std::string& portName) {
    if (portName.empty() || portName.find("..") != std::string::npos) {
        SetLastError(ENOENT);
        return 0;
    }
    const std::string path = portName.front() == '/' ? portName : "/dev/" + portName;
    platform::UniqueFd opened(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    const int fd = opened.Get();
    if (fd < 0) {
        SetLastError(errno);
        return 0;
    }
    if (!::isatty(fd)) {
        SetLastError(ENOTTY);
        return 0;
    }
    // The port belongs to this program alone while it is open, as a COM port did.
    if (::ioctl(fd, TIOCEXCL) != 0) {
        Trace("Open(): exclusive use not granted");
    }
    // A USB-serial adapter otherwise holds received bytes up to 16 ms before passing them on.
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &serial);
    }
    port_ = std::move(opened);
    if (!ApplyDefaults() || !Attach()) {
        const int error = LastError();
        port_.Reset();
        SetLastError(error);
        return 0;
    }
    SetLastError(0);
    return 1;
}

bool CSerialPort::ApplyDefaults() {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0) {
        SetLastError(errno);
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(fd(), TCSANOW, &settings) != 0) {
        SetLastError(errno);
        return false;
    }
    return SetBaud(kDefaultBaud) && SetByteFormat(NOPARITY, 8, ONESTOPBIT) &&
           SetFlowControl(0, 100, 100, 0x11, 0x13) && SetReadTimeouts(MAXDWORD, 0, 0) &&
           SetWriteTimeouts(0, kDefaultWriteTimeoutMs);
}

int CSerialPort::Attach(int fd) {
    if (fd >= 0) {
        port_.Reset(fd);
    }
    return Purge(PURGE_TXCLEAR | PURGE_RXCLEAR);
}

int CSerialPort::SetBaud(int baud) {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    for (const BaudEntry& entry : kBauds) {
        if (entry.baud == baud) {
            ::cfsetispeed(&settings, entry.speed);
            ::cfsetospeed(&settings, entry.speed);
            if (::tcsetattr(fd(), TCSANOW, &settings) != 0) {
                SetLastError(errno);
                return 0;
            }
            set_baud_ = baud;
            SetLastError(0);
            return 1;
        }
    }
    SetLastError(EINVAL);
    return 0;
}

int CSerialPort::GetBaud() const {
    return TerminalBaud(fd());
}

int TerminalBaud(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return 0;
    }
    const speed_t speed = ::cfgetospeed(&settings);
    for (const BaudEntry& entry : kBauds) {
        if (entry.speed == speed) {
            return entry.baud;
        }
    }
    return 0;
}

int CSerialPort::SetByteFormat(int parity, int dataBits, int stopBits) {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    tcflag_t size = 0;
    switch (dataBits) {
        case 5:
            size = CS5;
            break;
        case 6:
            size = CS6;
            break;
        case 7:
            size = CS7;
            break;
        case 8:
            size = CS8;
            break;
        default:
            SetLastError(EINVAL);
            return 0;
    }
    if ((parity != NOPARITY && parity != ODDPARITY && parity != EVENPARITY) ||
        (stopBits != ONESTOPBIT && stopBits != TWOSTOPBITS)) {
        SetLastError(EINVAL);
        return 0;
    }
    settings.c_cflag = (settings.c_cflag & ~(CSIZE | PARENB | PARODD | CSTOPB)) | size;
    settings.c_iflag &= ~INPCK;
    if (parity != NOPARITY) {
        settings.c_cflag |= PARENB | (parity == ODDPARITY ? PARODD : 0);
        settings.c_iflag |= INPCK;
    }
    if (stopBits == TWOSTOPBITS) {
        settings.c_cflag |= CSTOPB;
    }
    if (::tcsetattr(fd(), TCSANOW, &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::SetFlowControl(int flags, int /*xonLimit*/, int /*xoffLimit*/, char xonChar, char xoffChar) {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    // The driver keeps its own XON/XOFF thresholds; DSR has no output flow control here.
    settings.c_cflag &= ~CRTSCTS;
    if (flags & FLOW_CTS_RTS) {
        settings.c_cflag |= CRTSCTS;
    }
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (flags & FLOW_XON_XOFF) {
        settings.c_iflag |= IXON | IXOFF;
    }
    settings.c_cc[VSTART] = static_cast<cc_t>(xonChar);
    settings.c_cc[VSTOP] = static_cast<cc_t>(xoffChar);
    if (::tcsetattr(fd(), TCSANOW, &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    if (!(flags & FLOW_DSR_DTR)) {
        // DTR raised when the line has no DTR handshake; a pseudo-terminal has none.
        int dtr = TIOCM_DTR;
        ::ioctl(fd(), TIOCMBIS, &dtr);
    }
    return 1;
}

int CSerialPort::SetEventMask(std::uint32_t mask) {
    event_mask_.store(mask);
    return 1;
}

int CSerialPort::SetReadTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant) {
    read_interval_ = interval;
    read_multiplier_ = multiplier;
    read_constant_ = constant;
    return 1;
}

int CSerialPort::SetWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant) {
    write_multiplier_ = multiplier;
    write_constant_ = constant;
    return 1;
}

int CSerialPort::Purge(std::uint32_t flags) {
    const bool input = flags & PURGE_RXCLEAR;
    const bool output = flags & PURGE_TXCLEAR;
    if (!input && !output) {
        return 1;
    }
    const int which = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    if (::tcflush(fd(), which) != 0) {
        SetLastError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::ClearDtr() {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0 || (settings.c_cflag & CRTSCTS)) {
        return 0;
    }
    // A pseudo-terminal has no modem lines to set; the speed 0 reaches a serial driver and its master alike.
    ::cfsetospeed(&settings, B0);
    if (::tcsetattr(fd(), TCSANOW, &settings) != 0) {
        SetLastError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::SetDtr() {
    termios settings{};
    if (::tcgetattr(fd(), &settings) != 0 || (settings.c_cflag & CRTSCTS) || set_baud_ == 0) {
        return 0;
    }
    return SetBaud(set_baud_);
}

std::size_t CSerialPort::Read(void* buffer, std::size_t n, bool waitAll) {
    if (!IsOpen() || n == 0) {
        return 0;
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    const bool returnAtOnce =
        !waitAll || (read_interval_ == MAXDWORD && read_multiplier_ == 0 && read_constant_ == 0);
    const bool unlimited = read_multiplier_ == 0 && read_constant_ == 0;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(std::uint64_t{read_multiplier_} * n + read_constant_);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t got = ::read(fd(), bytes + total, n - total);
        if (got > 0) {
            total += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            SetLastError(errno);
            break;
        }
        if (returnAtOnce) {
            break;
        }
        pollfd watch{fd(), POLLIN, 0};
        if (::poll(&watch, 1, PollTimeout(deadline, unlimited)) <= 0) {
            break;
        }
    }
    return total;
}

std::size_t CSerialPort::Write(const std::uint8_t* bytes, std::size_t n) {
    if (!IsOpen()) {
        return 0;
    }
    const bool unlimited = write_multiplier_ == 0 && write_constant_ == 0;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(std::uint64_t{write_multiplier_} * n + write_constant_);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t put = ::write(fd(), bytes + total, n - total);
        if (put > 0) {
            total += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            SetLastError(errno);
            break;
        }
        pollfd watch{fd(), POLLOUT, 0};
        if (::poll(&watch, 1, PollTimeout(deadline, unlimited)) <= 0) {
            break;
        }
        if (watch.revents & (POLLERR | POLLHUP)) {
            SetLastError(EIO);
            break;
        }
    }
    return total;
}

int CSerialPort::WaitEvent() {
    return IsOpen() ? 1 : 0;
}

std::uint32_t CSerialPort::GetEventResult(bool wait) {
    if (reader_.StopRequested() || event_mask_.load() == 0) {
        return 0;
    }
    pollfd watch[2] = {{fd(), POLLIN, 0}, {reader_.StopFd(), POLLIN, 0}};
    int ready = 0;
    do {
        ready = ::poll(watch, 2, wait ? -1 : 0);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || reader_.StopRequested() || event_mask_.load() == 0) {
        return 0;
    }
    const std::uint32_t mask = event_mask_.load();
    if (watch[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
        // The device went away (a USB adapter pulled out, the far end of a pseudo-terminal closed):
        // what it still holds is read first.
        int queued = 0;
        if (::ioctl(fd(), FIONREAD, &queued) == 0 && queued > 0) {
            return mask & EV_RXCHAR;
        }
        SetLastError(EIO);
        return 0;
    }
    return (watch[0].revents & POLLIN) ? (mask & EV_RXCHAR) : 0;
}

int CSerialPort::StartReadThread(std::function<void()> procedure) {
    if (!IsOpen()) {
        Trace("File handle is not a comm handle.\n");
        return 0;
    }
    if (!reader_.Start(std::move(procedure))) {
        SetLastError(EAGAIN);
        Trace("Error: Unable to create Serial Port read thread (Error = " + std::to_string(LastError()) + ")");
        return 0;
    }
    return 1;
}

int CSerialPort::StopReadThread() {
    SetLastError(0);
    if (!reader_.Running()) {
        return 0;
    }
    Trace("Closing Read Thread");
    if (!reader_.StopWithin(kReadThreadStopWait)) {
        SetLastError(ETIMEDOUT);
        Trace("Read thread not exiting: the port stays open for it");
        return -1;
    }
    Purge(PURGE_RXCLEAR);
    return 1;
}

bool CSerialPort::StartReading(platform::ByteReceiver& receiver) {
    return StartReadThread([this, &receiver] { ReadUntilStopped(receiver); }) != 0;
}

void CSerialPort::ReadUntilStopped(platform::ByteReceiver& receiver) {
    SetEventMask(EV_RXCHAR);
    std::vector<std::uint8_t> piece(kReadPiece);
    while (WaitEvent()) {
        const std::uint32_t events = GetEventResult(true);
        if (events == 0) {
            break;
        }
        if (!(events & EV_RXCHAR)) {
            continue;
        }
        // What does not fit stays with the driver for the next turn.
        const std::size_t room = receiver.ReceiveRoom();
        const std::size_t got = Read(piece.data(), room == 0 ? kDiscardPiece : std::min(room, piece.size()), false);
        if (got > 0 && (StopRequested() || !receiver.OnBytes(std::span<const std::uint8_t>(piece.data(), got)))) {
            return;
        }
    }
    if (!StopRequested()) {
        receiver.OnReaderEnded(LastError());
    }
}

int CSerialPort::ClosePort() {
    if (!IsOpen()) {
        Trace("CloseCommPort(): Trying to close a port with an invalid handle\n");
        return 1;
    }
    if (port_.Reset() != 0) {
        SetLastError(errno);
        return 0;
    }
    return 1;
}

bool CSerialPort::StopAndClose() {
    if (!IsOpen()) {
        return true;
    }
    Trace("Stopping the Comm");
    if (StopReadThread() < 0) {
        return false;
    }
    ClosePort();
    return true;
}
