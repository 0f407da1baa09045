// A non-blocking IPv4 datagram socket: bound to an address and port, broadcasts when asked, whole
// datagrams out and in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/base/unique_fd.h"

namespace platform {

class UdpSocket {
public:
    enum class ReceiveStatus { Data, Nothing, Failed };

    // Binds to the dotted IPv4 `address` ("0.0.0.0": every interface) and `port` (0: a free one),
    // with the address reusable; 0 on success, else the errno.
    int Bind(const std::string& address, std::uint16_t port);
    // Lets the socket send to a broadcast address; 0 or the errno.
    int EnableBroadcast();
    // Sends `bytes` as one datagram to the dotted IPv4 `address`; 0 when all of them went, else the
    // errno (EPERM for a target the datagram target guard refuses).
    int SendTo(const std::string& address, std::uint16_t port, std::span<const std::uint8_t> bytes);
    // Takes one waiting datagram (at most `buffer.size()` bytes of it) without waiting: Data with its
    // size and, when `from` is given, its sender's dotted address and port; Nothing when none waits;
    // Failed with the errno. A refusal that the network reports for an earlier datagram
    // (ECONNREFUSED) is no failure of this receive: it is passed over.
    ReceiveStatus ReceiveFrom(std::span<std::uint8_t> buffer, std::size_t& received, int& error,
                              std::string* fromAddress = nullptr, std::uint16_t* fromPort = nullptr);
    // The port the socket is bound to; 0 when it is not.
    std::uint16_t LocalPort() const;
    int Descriptor() const { return fd_.Get(); }
    bool IsOpen() const { return fd_.Valid(); }
    void Close() { fd_.Reset(); }

private:
    UniqueFd fd_;
};

// Every datagram target passes `guard` first; a refused one is not sent. Tests keep their datagrams on
// 127.0.0.1 with it; an empty function (the default) lets every target through.
using DatagramTargetGuard = std::function<bool(const std::string& address, std::uint16_t port)>;
void SetDatagramTargetGuard(DatagramTargetGuard guard);

}  // namespace platform
