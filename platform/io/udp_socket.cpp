// The datagram socket on POSIX sockets.
#include "platform/io/udp_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <mutex>

namespace platform {

namespace {

std::mutex g_guard_mutex;
DatagramTargetGuard g_guard;

bool TargetAllowed(const std::string& address, std::uint16_t port) {
    std::lock_guard lock(g_guard_mutex);
    return !g_guard || g_guard(address, port);
}

bool ToSocketAddress(const std::string& address, std::uint16_t port, sockaddr_in& result) {
    result = {};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    return ::inet_pton(AF_INET, address.c_str(), &result.sin_addr) == 1;
}

}  // namespace

void SetDatagramTargetGuard(DatagramTargetGuard guard) {
    std::lock_guard lock(g_guard_mutex);
    g_guard = std::move(guard);
}

int UdpSocket::Bind(const std::string& address, std::uint16_t port) {
    Close();
    sockaddr_in local{};
    if (!ToSocketAddress(address, port, local)) {
        return EINVAL;
    }
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) {
        return errno;
    }
    const int on = 1;
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        return errno;
    }
    fd_ = std::move(fd);
    return 0;
}

int UdpSocket::EnableBroadcast() {
    const int on = 1;
    return ::setsockopt(fd_.Get(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0 ? 0 : errno;
}

int UdpSocket::SendTo(const std::string& address, std::uint16_t port, std::span<const std::uint8_t> bytes) {
    sockaddr_in target{};
    if (!ToSocketAddress(address, port, target)) {
        return EINVAL;
    }
    if (!TargetAllowed(address, port)) {
        return EPERM;
    }
    for (;;) {
        const ssize_t sent = ::sendto(fd_.Get(), bytes.data(), bytes.size(), 0,
                                      reinterpret_cast<const sockaddr*>(&target), sizeof target);
        if (sent >= 0) {
            return static_cast<std::size_t>(sent) == bytes.size() ? 0 : EMSGSIZE;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

UdpSocket::ReceiveStatus UdpSocket::ReceiveFrom(std::span<std::uint8_t> buffer, std::size_t& received,
                                                int& error, std::string* fromAddress,
                                                std::uint16_t* fromPort) {
    received = 0;
    error = 0;
    for (;;) {
        sockaddr_in sender{};
        socklen_t length = sizeof sender;
        const ssize_t got = ::recvfrom(fd_.Get(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&sender), &length);
        if (got >= 0) {
            received = static_cast<std::size_t>(got);
            if (fromAddress != nullptr) {
                char text[INET_ADDRSTRLEN] = {};
                ::inet_ntop(AF_INET, &sender.sin_addr, text, sizeof text);
                *fromAddress = text;
            }
            if (fromPort != nullptr) {
                *fromPort = ntohs(sender.sin_port);
            }
            return ReceiveStatus::Data;
        }
        if (errno == EINTR || errno == ECONNREFUSED) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return ReceiveStatus::Nothing;
        }
        error = errno;
        return ReceiveStatus::Failed;
    }
}

std::uint16_t UdpSocket::LocalPort() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (!fd_.Valid() || ::getsockname(fd_.Get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

}  // namespace platform
