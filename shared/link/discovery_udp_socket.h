// CUDPSocket: the socket of the network scan. It broadcasts discovery requests and settings datagrams
// and collects the loggers that reply.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/io/udp_socket.h"
#include "shared/link/discovery_datagrams.h"

// Where the scan binds and sends; the programs use the defaults, tests 127.0.0.1 and ports of their own.
struct DiscoveryEndpoints {
    std::string localAddress = "0.0.0.0";
    std::uint16_t localPort = kDiscoveryPort;
    std::string targetAddress = kDiscoveryBroadcastAddress;
    std::uint16_t targetPort = kDiscoveryPort;
};

class CUDPSocket {
public:
    explicit CUDPSocket(DiscoveryEndpoints endpoints = {});

    // Clears the results and broadcasts the next discovery request; with `create` the socket is made
    // first. True when the whole request went.
    bool SendDiscovery(bool create);
    // Forgets every logger found; the list shows the change at its next refresh.
    void ClearResults();
    // Broadcasts the next settings datagram. False, with nothing sent, when a field does not parse
    // (see BuildNetworkSettings) or the datagram did not go whole.
    bool SendNetworkSettings(const NetworkSettingsRequest& request);

    // Takes every datagram that waits and adds the listed loggers among them, one row per reply (a
    // logger that answered two requests is there twice). 0, or the errno of a receive that failed.
    int OnReceive();
    // Readable when a datagram waits; -1 before the socket is made.
    int Descriptor() const { return socket_.Descriptor(); }

    const std::vector<DiscoveredLogger>& Results() const { return results_; }
    // True once after the results changed.
    bool TakeNewResults();

private:
    bool Create();
    bool Send(const DiscoveryDatagram& datagram);

    DiscoveryEndpoints endpoints_;
    platform::UdpSocket socket_;
    std::vector<DiscoveredLogger> results_;
    bool new_results_ = false;
};
