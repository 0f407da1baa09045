// A TCP client socket on POSIX sockets with poll-based time-outs and a stoppable receive.
#include "platform/io/tcp_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watch{fd, events, 0};
        const int ready = ::poll(&watch, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return errno;
        }
        return ready == 0 ? ETIMEDOUT : 0;
    }
}

}  // namespace

std::optional<std::string> ResolveIPv4(const std::string& host, int* error) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (result != 0 || found == nullptr) {
        if (error) {
            *error = result;
        }
        return std::nullopt;
    }
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    ::freeaddrinfo(found);
    return std::string(text);
}

TcpSocket::~TcpSocket() {
    Close();
}

int TcpSocket::Connect(const std::string& numericAddress, std::uint16_t port,
                       std::chrono::milliseconds timeout) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (::getaddrinfo(numericAddress.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
        return EINVAL;
    }
    UniqueFd fd(::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) {
        const int error = errno;
        ::freeaddrinfo(found);
        return error;
    }
    int error = 0;
    if (::connect(fd.Get(), found->ai_addr, found->ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            error = WaitFor(fd.Get(), POLLOUT, std::chrono::steady_clock::now() + timeout);
            if (error == 0) {
                socklen_t length = sizeof error;
                ::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &length);
            }
        }
    }
    ::freeaddrinfo(found);
    if (error != 0) {
        return error;
    }
    // Commands are short and answered one by one: send each at once.
    const int on = 1;
    ::setsockopt(fd.Get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    fd_ = std::move(fd);
    return 0;
}

int TcpSocket::Send(const void* data, std::size_t n, std::chrono::milliseconds timeout) {
    if (!fd_.Valid()) {
        return ENOTCONN;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t sent = 0;
    while (sent < n) {
        const ssize_t put = ::send(fd_.Get(), bytes + sent, n - sent, MSG_NOSIGNAL);
        if (put > 0) {
            sent += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            return errno;
        }
        if (const int error = WaitFor(fd_.Get(), POLLOUT, deadline); error != 0) {
            return error;
        }
    }
    return 0;
}

TcpSocket::ReceiveStatus TcpSocket::Receive(void* buffer, std::size_t n, std::size_t& received, int& error,
                                            const ReaderThread& reader) {
    received = 0;
    error = 0;
    if (!fd_.Valid()) {
        error = ENOTCONN;
        return ReceiveStatus::Failed;
    }
    for (;;) {
        if (reader.StopRequested()) {
            return ReceiveStatus::Stopped;
        }
        const ssize_t got = ::recv(fd_.Get(), buffer, n, 0);
        if (got > 0) {
            received = static_cast<std::size_t>(got);
            return ReceiveStatus::Data;
        }
        if (got == 0) {
            return ReceiveStatus::Closed;
        }
        if (errno != EAGAIN && errno != EINTR) {
            error = errno;
            return ReceiveStatus::Failed;
        }
        switch (reader.WaitReadable(fd_.Get())) {
            case ReaderThread::Wait::Stopped:
                return ReceiveStatus::Stopped;
            case ReaderThread::Wait::Failed:
                error = errno;
                return ReceiveStatus::Failed;
            default:
                break;
        }
    }
}

void TcpSocket::Close() {
    fd_.Reset();
}

}  // namespace platform
