// TcpSocket against a listener on 127.0.0.1: connect, whole sends, receives that end.
#include "platform/io/tcp_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

class Listener {
public:
    Listener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(::listen(fd_, 1), 0);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        if (client_ >= 0) {
            ::close(client_);
        }
        ::close(fd_);
    }
    std::uint16_t port() const { return port_; }
    int Accept() { return client_ = ::accept(fd_, nullptr, nullptr); }
    void CloseClient() {
        ::close(client_);
        client_ = -1;
    }
    // A port nobody listens on: this one, once closed.
    void Close() {
        ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    int client_ = -1;
    std::uint16_t port_ = 0;
};

TEST(TcpSocketTest, ConnectSendAndReceive) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    const int peer = listener.Accept();
    ASSERT_EQ(socket.Send("I?\r", 3, 5s), 0);
    char buffer[16] = {};
    ASSERT_EQ(::recv(peer, buffer, 3, MSG_WAITALL), 3);
    EXPECT_EQ(std::string(buffer, 3), "I?\r");

    ASSERT_EQ(::send(peer, "\r\n>", 3, 0), 3);
    std::size_t received = 0;
    int error = 0;
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, received, error),
              platform::TcpSocket::ReceiveStatus::Data);
    EXPECT_EQ(std::string(buffer, received), "\r\n>");
}

TEST(TcpSocketTest, ReceiveTellsAClosedConnection) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    listener.Accept();
    listener.CloseClient();
    char buffer[16];
    std::size_t received = 0;
    int error = 0;
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, received, error),
              platform::TcpSocket::ReceiveStatus::Closed);
}

TEST(TcpSocketTest, StopReceiveEndsAWaitingReceive) {
    Listener listener;
    platform::TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.port(), 5s), 0);
    listener.Accept();
    auto waiting = std::async(std::launch::async, [&] {
        char buffer[16];
        std::size_t received = 0;
        int error = 0;
        return socket.Receive(buffer, sizeof buffer, received, error);
    });
    socket.StopReceive();
    ASSERT_EQ(waiting.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(waiting.get(), platform::TcpSocket::ReceiveStatus::Stopped);
}

TEST(TcpSocketTest, ConnectFailures) {
    Listener listener;
    const std::uint16_t closedPort = listener.port();
    listener.Close();
    platform::TcpSocket socket;
    EXPECT_EQ(socket.Connect("127.0.0.1", closedPort, 5s), ECONNREFUSED);
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
