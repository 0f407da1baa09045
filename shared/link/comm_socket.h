// CCommSocket: the TCP transport of a network link, with its read thread and the first network
// failure of the session.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "platform/io/byte_transport.h"
#include "platform/io/reader_thread.h"
#include "platform/io/tcp_socket.h"
#include "shared/link/link_clock.h"

class CCommSocket : public platform::ByteTransport {
public:
    // `clock` scales the connect time-out and the pause between read retries (tests run it faster).
    explicit CCommSocket(const LinkClock& clock = RealLinkClock());
    ~CCommSocket() override;
    CCommSocket(const CCommSocket&) = delete;
    CCommSocket& operator=(const CCommSocket&) = delete;

    // Host name or dotted address, and the TCP port as decimal text; set before ConnectSocket.
    void SetAddress(std::string address, std::string port);
    // The address as given, or its dotted form once resolved.
    const std::string& GetAddress() const { return m_strAddress; }

    // 1 when this machine has a usable network name.
    int CheckLocalHost();
    // Resolves the address (keeping its dotted form) and connects to the port within the connect
    // time-out. 0 on failure, recorded as the network link error.
    int ConnectSocket();
    int StartReadThread(std::function<void()> procedure);
    // 0, or -1 when the read thread did not end within its time: it is then left running, and the
    // socket must be kept.
    int StopReadThread();
    // On the read thread: waits for bytes: the count read, 0 when nothing came. A closed connection
    // or a failure leaves its code in LastError() and is recorded as the network link error.
    int ReadCommBlock(char* buffer, int nBytesToRead);
    // The length when the whole block went out, else 0 (a part of it sent is a failure).
    int WriteCommBlock(const char* buffer, int length);
    int CloseSocket();

    // The transport: a read thread that retries passing failures and ends on a closed connection or
    // a lasting failure.
    std::size_t Write(const std::uint8_t* data, std::size_t n) override;
    bool StartReading(platform::ByteReceiver& receiver) override;
    bool StopReading() override { return StopReadThread() == 0; }
    bool Close() override;

    int LastError() const { return m_dwLastError.load(); }
    bool IsConnected() const { return m_bConnected; }

    static constexpr std::uint32_t kConnectTimeoutMs = 20000;
    static constexpr std::uint32_t kSendTimeoutMs = 5000;

private:
    // A name that does not resolve, or an address text refused (0.0.0.0, 255.255.255.255 or not an
    // address), is the link's error: the session tells it in the one box of the failed connection.
    int ResolveAddress();
    bool IsRefusedAddress(const std::string& address);
    void ReadUntilStopped(platform::ByteReceiver& receiver);

    const LinkClock& clock_;
    std::string m_strAddress;
    std::string m_strPort;
    platform::TcpSocket m_Socket;
    bool m_bConnected = false;
    std::atomic<int> m_dwLastError{0};
    std::atomic<bool> m_bFirstRead{true};
    platform::ReaderThread reader_;
};
