// DiscoveryResponder: the network module of a simulated logger on a UDP port of 127.0.0.1. It answers
// discovery requests with the logger's serial number, TCP port, connection state and device kind, and
// takes settings datagrams addressed to its MAC.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "platform/io/reader_thread.h"
#include "platform/io/udp_socket.h"

class DiscoveryResponder {
public:
    struct Identity {
        std::string serial = "1234";
        std::array<std::uint8_t, 6> mac{0x00, 0x1E, 0xC0, 0x12, 0x34, 0x56};
        int tcpPort = 3001;
        std::string connections = "NONE";
        std::string device = "ESP";
        // Replies without these keys, as older modules send them.
        bool withoutPort = false;
        bool withoutConnections = false;
    };

    // What a settings datagram for this logger asked.
    struct NewSettings {
        std::string address;
        std::string mask;
        std::string gateway;
        int tcpPort = 0;
    };
    // Called on the responder's thread after a settings datagram for this logger; its TCP port is then
    // the new one.
    using SettingsTaken = std::function<void(const NewSettings&)>;

    explicit DiscoveryResponder(Identity identity, SettingsTaken settingsTaken = {});
    ~DiscoveryResponder();
    DiscoveryResponder(const DiscoveryResponder&) = delete;
    DiscoveryResponder& operator=(const DiscoveryResponder&) = delete;

    // Listens on 127.0.0.1:`port` (0: a free port); the port, 0 on failure.
    int Start(int port);
    void Stop();

    Identity CurrentIdentity() const;
    std::vector<NewSettings> SettingsReceived() const;
    // Requests whose answer went out (on 127.0.0.1 it is then waiting at the asker).
    int RequestsAnswered() const;

private:
    void Serve();
    void Answer(const std::string& address, std::uint16_t port);
    void TakeSettings(std::span<const std::uint8_t> datagram);
    std::string ReplyText() const;

    platform::UdpSocket socket_;
    platform::ReaderThread reader_;
    SettingsTaken settings_taken_;
    mutable std::mutex mutex_;
    Identity identity_;
    std::vector<NewSettings> settings_received_;
    int requests_answered_ = 0;
};
