// CCommSocket: the TCP transport of a network link, with its read thread and the first network
// failure of the session.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/io/tcp_socket.h"
#include "shared/link/link_clock.h"

class CCommSocket {
public:
    // `clock` scales the connect time-out (tests run it faster).
    explicit CCommSocket(const LinkClock& clock = RealLinkClock());
    virtual ~CCommSocket();
    CCommSocket(const CCommSocket&) = delete;
    CCommSocket& operator=(const CCommSocket&) = delete;

    // 1 when this machine has a usable network name.
    int CheckLocalHost();
    // Resolves m_strAddress (keeping its dotted form) and connects to m_strPort within the connect
    // time-out. 0 on failure, recorded as the network link error.
    int ConnectSocket();
    int StartReadThread(std::function<void()> procedure);
    int StopReadThread();
    // Waits for bytes: the count read, 0 when nothing came. A closed connection or a failure leaves
    // its code in LastError() and is recorded as the network link error.
    int ReadCommBlock(char* buffer, int nBytesToRead);
    // The length when the whole block went out, else 0 (a part of it sent is a failure).
    int WriteCommBlock(const char* buffer, int length);
    int Close();
    int CloseSocket();

    int LastError() const { return m_dwLastError.load(); }
    bool IsConnected() const { return m_bConnected; }
    // Set when the read thread starts, cleared by StopReadThread.
    bool KeepReading() const { return m_bKeepReading.load(); }

    // Host name or dotted address, and the TCP port as decimal text; set before ConnectSocket.
    std::string m_strAddress;
    std::string m_strPort;

    static constexpr std::uint32_t kConnectTimeoutMs = 20000;
    static constexpr std::uint32_t kSendTimeoutMs = 5000;

private:
    int ResolveAddress();
    // The address text refused with a message (0.0.0.0, 255.255.255.255 or not an address).
    bool IsRefusedAddress(const std::string& address);

    const LinkClock& clock_;
    platform::TcpSocket m_Socket;
    bool m_bConnected = false;
    std::atomic<int> m_dwLastError{0};
    std::atomic<bool> m_bKeepReading{true};
    std::atomic<bool> m_bFirstRead{true};

    std::thread m_readThread;
    std::mutex thread_mutex_;
    std::condition_variable thread_ended_changed_;
    bool thread_ended_ = false;
};
