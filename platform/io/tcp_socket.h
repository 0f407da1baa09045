// A TCP client socket: connect with a time-out, whole-block sends, receives that a reader's stop ends.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/io/reader_thread.h"
#include "platform/base/unique_fd.h"

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
    // On `reader`'s thread: waits for bytes until they come, the far end closes, the reader is asked
    // to stop, or an error.
    ReceiveStatus Receive(void* buffer, std::size_t n, std::size_t& received, int& error,
                          const ReaderThread& reader);
    void Close();

    bool IsOpen() const { return fd_.Valid(); }

private:
    UniqueFd fd_;
};

}  // namespace platform
