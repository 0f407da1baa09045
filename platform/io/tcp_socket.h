// A TCP client socket: connect with a time-out, whole-block sends, receives that a stop can end.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/io/wake_event.h"

namespace platform {

// The dotted IPv4 address of `host` (a name or a dotted text); nullopt with `error` (an EAI_ or errno
// value) when it does not resolve.
std::optional<std::string> ResolveIPv4(const std::string& host, int* error = nullptr);

class TcpSocket {
public:
    enum class ReceiveStatus { Data, Closed, Stopped, Failed };

    TcpSocket() = default;
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Connects to a numeric IPv4 or IPv6 address. 0 on success, else the errno (ETIMEDOUT when
    // `timeout` passed first).
    int Connect(const std::string& numericAddress, std::uint16_t port, std::chrono::milliseconds timeout);
    // Sends all `n` bytes, waiting up to `timeout` for room; 0 on success, else the errno. Part of a
    // block sent is a failure.
    int Send(const void* data, std::size_t n, std::chrono::milliseconds timeout);
    // Waits for bytes until they come, the far end closes, StopReceive() is called, or an error.
    ReceiveStatus Receive(void* buffer, std::size_t n, std::size_t& received, int& error);
    // Ends a Receive() in progress and every later one; callable from any thread.
    void StopReceive();
    void Close();

    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::atomic<bool> stopped_{false};
    WakeEvent stop_event_;
};

}  // namespace platform
