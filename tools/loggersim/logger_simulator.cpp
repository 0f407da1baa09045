// The simulator's transports: a pseudo-terminal master, TCP connections on 127.0.0.1, or one end of an
// in-process pair.
#include "tools/loggersim/logger_simulator.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

#include "platform/io/pseudo_terminal.h"
#include "platform/io/serial_port.h"
#include "platform/io/stream_transport.h"
#include "tools/loggersim/setting_commands.h"

namespace {

constexpr std::size_t kReadChunk = 4096;

int RateOfSpeed(speed_t speed) {
    static constexpr std::pair<speed_t, int> kRates[] = {{B1200, 1200},   {B2400, 2400},    {B4800, 4800},
                                                         {B9600, 9600},   {B19200, 19200},  {B38400, 38400},
                                                         {B57600, 57600}, {B115200, 115200}};
    for (const auto& [constant, rate] : kRates) {
        if (constant == speed) {
            return rate;
        }
    }
    return 0;
}

}  // namespace

LoggerSimulator::LoggerSimulator(const LoggerModel& model, SimulatorFaults faults) : logger_(model, faults) {}

LoggerSimulator::~LoggerSimulator() {
    Stop();
}

std::string LoggerSimulator::StartPty() {
    if (reader_.Running()) {
        return {};
    }
    platform::RawPseudoTerminal terminal =
        platform::OpenRawPseudoTerminal({.closeOnExec = true, .nonBlockingMaster = true});
    if (terminal.path.empty()) {
        return {};
    }
    served_ = std::move(terminal.master);
    // A pseudo-terminal stands for a cable: a Quarven on one is on its USB port.
    logger_.ChangeState([](LoggerState& s) { s.interfaceReply = "USB"; });
    // The simulator keeps the slave open too, so the master never sees a hang-up between programs.
    slave_ = std::move(terminal.slave);
    if (!reader_.Start([this] {
            Serve(served_.Get());
            // Closed here: a logger that drops the link leaves the program's end hung up.
            served_.Reset();
        })) {
        return {};
    }
    return terminal.path;
}

int LoggerSimulator::StartTcp(int port) {
    if (reader_.Running()) {
        return 0;
    }
    platform::UniqueFd listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!listener.Valid()) {
        return 0;
    }
    const int on = 1;
    ::setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    if (::bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener.Get(), 4) != 0 ||
        ::getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return 0;
    }
    served_ = std::move(listener);
    if (!reader_.Start([this] { RunTcp(served_); })) {
        return 0;
    }
    return ntohs(address.sin_port);
}

std::unique_ptr<platform::ByteTransport> LoggerSimulator::StartInProcess() {
    if (reader_.Running()) {
        return nullptr;
    }
    auto [program, logger] = platform::MakeInProcessPair();
    if (!program.Valid()) {
        return nullptr;
    }
    served_ = std::move(logger);
    if (!reader_.Start([this] {
            Serve(served_.Get());
            served_.Reset();
        })) {
        return nullptr;
    }
    return std::make_unique<platform::StreamTransport>(std::move(program));
}

void LoggerSimulator::Stop() {
    reader_.Stop();
    served_.Reset();
    slave_.Reset();
}

void LoggerSimulator::RunTcp(const platform::UniqueFd& listener) {
    while (reader_.WaitReadable(listener.Get()) == platform::ReaderThread::Wait::Readable) {
        platform::UniqueFd client(::accept4(listener.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!client.Valid()) {
            continue;
        }
        const int on = 1;
        ::setsockopt(client.Get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        Serve(client.Get());
    }
}

bool LoggerSimulator::Serve(int fd) {
    char buffer[kReadChunk];
    for (;;) {
        switch (reader_.WaitReadable(fd)) {
            case platform::ReaderThread::Wait::Stopped:
                return false;
            case platform::ReaderThread::Wait::Failed:
                return true;
            default:
                break;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            return true;
        }
        if (got < 0) {
            continue;
        }
        if (!HearsProgram()) {
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const SimulatedLogger::Output output =
            logger_.Receive(std::string_view(buffer, static_cast<std::size_t>(got)));
        const bool written = WriteOutput(fd, output.bytes);
        busy_ns_ +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
                .count();
        if (!written || output.closeLink) {
            return false;
        }
    }
}

int LoggerSimulator::LineRate() const {
    termios settings{};
    if (!slave_.Valid() || ::tcgetattr(slave_.Get(), &settings) != 0) {
        return 0;
    }
    return RateOfSpeed(::cfgetispeed(&settings));
}

void LoggerSimulator::SetLineBaud(int baud) {
    logger_.ChangeState([baud](LoggerState& state) { state.lineBaud = baud; });
}

bool LoggerSimulator::HearsProgram() {
    if (!slave_.Valid()) {
        return true;
    }
    int baud = 0;
    logger_.ChangeState([&baud](const LoggerState& state) { baud = state.lineBaud; });
    return baud == 0 || LineRate() == baud;
}

bool LoggerSimulator::WaitForLine(std::size_t count) {
    const int baud = pacing_baud_.load();
    if (baud <= 0) {
        return true;
    }
    const auto now = std::chrono::steady_clock::now();
    line_free_at_ = std::max(line_free_at_, now) +
                    std::chrono::nanoseconds(static_cast<std::int64_t>(count) * 10 * 1'000'000'000 / baud);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(line_free_at_ - now);
    pollfd watch{reader_.StopFd(), POLLIN, 0};
    return ::poll(&watch, 1, static_cast<int>(wait.count())) <= 0;
}

bool LoggerSimulator::WriteOutput(int fd, const std::string& bytes) {
    const SimulatorFaults faults = logger_.Faults();
    // A paced line goes in pieces of about 10 ms, so that a reader sees the bytes come as they would.
    const int baud = pacing_baud_.load();
    const std::size_t pacedPiece = baud > 0 ? std::max(1, baud / 1000) : bytes.size();
    const std::size_t piece = std::min(faults.chunkSize > 0 ? faults.chunkSize : bytes.size(), pacedPiece);
    for (std::size_t done = 0; done < bytes.size();) {
        if (faults.delayMs > 0) {
            pollfd watch{reader_.StopFd(), POLLIN, 0};
            if (::poll(&watch, 1, faults.delayMs) > 0) {
                return false;
            }
        }
        const std::size_t end = std::min(bytes.size(), done + piece);
        if (!WaitForLine(end - done)) {
            return false;
        }
        while (done < end) {
            const ssize_t put = platform::WriteToLink(fd, bytes.data() + done, end - done);
            if (put > 0) {
                done += static_cast<std::size_t>(put);
                bytes_sent_ += static_cast<std::uint64_t>(put);
            } else if (put < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd watch[2] = {{fd, POLLOUT, 0}, {reader_.StopFd(), POLLIN, 0}};
                ::poll(watch, 2, -1);
                if (watch[1].revents & POLLIN) {
                    return false;
                }
            } else {
                return false;
            }
        }
    }
    return true;
}
