// TcpSocket against a listener on 127.0.0.1: connect, whole sends, receives that end.
#include "platform/io/tcp_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A socket bound to a free port of 127.0.0.1. While it is open no other program can take the port, so a
// connection to it is always this test's own.
class BoundSocket {
public:
    BoundSocket() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~BoundSocket() { ::close(fd_); }
    BoundSocket(const BoundSocket&) = delete;
    BoundSocket& operator=(const BoundSocket&) = delete;

    int fd() const { return fd_; }
    std::uint16_t port() const { return port_; }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

class Listener {
public:
    Listener() { EXPECT_EQ(::listen(bound_.fd(), 1), 0); }
    ~Listener() {
        if (client_ >= 0) {
            ::close(client_);
        }
    }
    std::uint16_t port() const { return bound_.port(); }
    // The connection that came, or -1 when none came within a generous deadline. Its receives give up
    // after that deadline too, so that a lost byte fails the test instead of hanging it.
    int Accept() {
        pollfd watch{bound_.fd(), POLLIN, 0};
        if (::poll(&watch, 1, kDeadlineMs) != 1) {
            return -1;
        }
        client_ = ::accept(bound_.fd(), nullptr, nullptr);
        const timeval deadline{kDeadlineMs / 1000, 0};
        ::setsockopt(client_, SOL_SOCKET, SO_RCVTIMEO, &deadline, sizeof deadline);
        return client_;
    }
    void CloseClient() {
        ::close(client_);
        client_ = -1;
    }

private:
    static constexpr int kDeadlineMs = 10000;

    BoundSocket bound_;
    int client_ = -1;
};

TEST(TcpSocketTest, ConnectSendAndReceive) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    const int peer = listener.Accept();
    ASSERT_GE(peer, 0);
    ASSERT_EQ(socket.Send("I?\r", 3, 5s), 0);
    char buffer[16] = {};
    ASSERT_EQ(::recv(peer, buffer, 3, MSG_WAITALL), 3);
    EXPECT_EQ(std::string(buffer, 3), "I?\r");

    ASSERT_EQ(::send(peer, "\r\n>", 3, 0), 3);
    std::size_t received = 0;
    int error = 0;
    const platform::ReaderThread idle;  // no thread: a receive that is never stopped
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, received, error, idle),
              platform::TcpSocket::ReceiveStatus::Data);
    EXPECT_EQ(std::string(buffer, received), "\r\n>");
}

TEST(TcpSocketTest, ReceiveTellsAClosedConnection) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    ASSERT_GE(listener.Accept(), 0);
    listener.CloseClient();
    char buffer[16];
    std::size_t received = 0;
    int error = 0;
    const platform::ReaderThread idle;
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, received, error, idle),
              platform::TcpSocket::ReceiveStatus::Closed);
}

TEST(TcpSocketTest, TheReadersStopEndsAWaitingReceive) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    ASSERT_GE(listener.Accept(), 0);
    platform::ReaderThread reader;
    std::promise<platform::TcpSocket::ReceiveStatus> status;
    ASSERT_TRUE(reader.Start([&] {
        char buffer[16];
        std::size_t received = 0;
        int error = 0;
        status.set_value(socket.Receive(buffer, sizeof buffer, received, error, reader));
    }));
    auto stopping = std::async(std::launch::async, [&] { reader.Stop(); });
    ASSERT_EQ(stopping.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(status.get_future().get(), platform::TcpSocket::ReceiveStatus::Stopped);
}

TEST(TcpSocketTest, ConnectFailures) {
    // Nobody listens on a port that is bound but not listening, and no other test can take it meanwhile.
    const BoundSocket refusing;
    platform::TcpSocket socket;
    EXPECT_EQ(socket.Connect("127.0.0.1", refusing.port(), 5s), ECONNREFUSED);
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_EQ(socket.Connect("not an address", 3001, 5s), EINVAL);
    EXPECT_EQ(socket.Send("x", 1, 1s), ENOTCONN);
}

TEST(TcpSocketTest, ResolveIPv4GivesTheDottedForm) {
    EXPECT_EQ(platform::ResolveIPv4("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(platform::ResolveIPv4("localhost"), "127.0.0.1");
    EXPECT_EQ(platform::ResolveIPv4("no-such-host.invalid"), std::nullopt);
}

}  // namespace
