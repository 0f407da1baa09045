// The simulator's transports: a pseudo-terminal master or TCP connections on 127.0.0.1.
#include "tools/loggersim/logger_simulator.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr std::size_t kReadPiece = 4096;

void SetNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

}  // namespace

LoggerSimulator::LoggerSimulator(const LoggerModel& model, SimulatorFaults faults) : logger_(model, faults) {}

LoggerSimulator::~LoggerSimulator() {
    Stop();
}

std::string LoggerSimulator::StartPty() {
    if (thread_.joinable()) {
        return {};
    }
    termios raw{};
    ::cfmakeraw(&raw);
    char name[128] = {};
    if (::openpty(&master_fd_, &slave_fd_, name, &raw, nullptr) != 0) {
        return {};
    }
    // The simulator keeps the slave open too, so the master never sees a hang-up between programs.
    ::fcntl(master_fd_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_fd_, F_SETFD, FD_CLOEXEC);
    SetNonBlocking(master_fd_);
    thread_ = std::thread([this] {
        Serve(master_fd_);
        ::close(master_fd_);
        master_fd_ = -1;
    });
    return name;
}

int LoggerSimulator::StartTcp(int port) {
    if (thread_.joinable()) {
        return 0;
    }
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return 0;
    }
    const int on = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 4) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener);
        return 0;
    }
    thread_ = std::thread([this, listener] { RunTcp(listener); });
    return ntohs(address.sin_port);
}

void LoggerSimulator::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    stopping_.store(true);
    stop_.Signal();
    thread_.join();
    if (slave_fd_ >= 0) {
        ::close(slave_fd_);
        slave_fd_ = -1;
    }
}

void LoggerSimulator::RunTcp(int listener) {
    while (!stopping_.load()) {
        pollfd watch[2] = {{listener, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (::poll(watch, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        if (watch[1].revents & POLLIN) {
            break;
        }
        const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) {
            continue;
        }
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        Serve(client);
        ::close(client);
    }
    ::close(listener);
}

bool LoggerSimulator::Serve(int fd) {
    char buffer[kReadPiece];
    for (;;) {
        pollfd watch[2] = {{fd, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (::poll(watch, 2, -1) < 0 && errno != EINTR) {
            return true;
        }
        if (watch[1].revents & POLLIN) {
            return false;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            return true;
        }
        if (got < 0) {
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

bool LoggerSimulator::WriteOutput(int fd, const std::string& bytes) {
    const SimulatorFaults faults = logger_.Faults();
    const std::size_t piece = faults.chunkSize > 0 ? faults.chunkSize : bytes.size();
    for (std::size_t done = 0; done < bytes.size();) {
        if (faults.delayMs > 0) {
            pollfd watch{stop_.fd(), POLLIN, 0};
            if (::poll(&watch, 1, faults.delayMs) > 0) {
                return false;
            }
        }
        const std::size_t end = std::min(bytes.size(), done + piece);
        while (done < end) {
            const ssize_t put = ::write(fd, bytes.data() + done, end - done);
            if (put > 0) {
                done += static_cast<std::size_t>(put);
                bytes_sent_ += static_cast<std::uint64_t>(put);
            } else if (put < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd watch[2] = {{fd, POLLOUT, 0}, {stop_.fd(), POLLIN, 0}};
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
