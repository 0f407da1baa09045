// CUDPSocket: discovery requests and settings datagrams out, the loggers' replies in.
#include "shared/link/discovery_udp_socket.h"

namespace {

// One numbering for the program's discovery requests and one for its settings datagrams.
DiscoveryCounter& DiscoveryRequests() {
    static DiscoveryCounter counter;
    return counter;
}

DiscoveryCounter& SettingsRequests() {
    static DiscoveryCounter counter;
    return counter;
}

}  // namespace

CUDPSocket::CUDPSocket(DiscoveryEndpoints endpoints) : endpoints_(std::move(endpoints)) {}

bool CUDPSocket::Create() {
    return socket_.Bind(endpoints_.localAddress, endpoints_.localPort) == 0 && socket_.EnableBroadcast() == 0;
}

bool CUDPSocket::SendDiscovery(bool create) {
    ClearResults();
    if (create && !Create()) {
        return false;
    }
    return Send(BuildDiscoveryRequest(DiscoveryRequests().Next()));
}

void CUDPSocket::ClearResults() {
    results_.clear();
    new_results_ = true;
}

bool CUDPSocket::SendNetworkSettings(const NetworkSettingsRequest& request) {
    const auto datagram = BuildNetworkSettings(SettingsRequests().Next(), request);
    return datagram && Send(*datagram);
}

bool CUDPSocket::Send(const DiscoveryDatagram& datagram) {
    return socket_.IsOpen() && socket_.SendTo(endpoints_.targetAddress, endpoints_.targetPort, datagram) == 0;
}

int CUDPSocket::OnReceive() {
    for (;;) {
        DiscoveryDatagram datagram{};
        std::size_t received = 0;
        int error = 0;
        switch (socket_.ReceiveFrom(datagram, received, error)) {
            case platform::UdpSocket::ReceiveStatus::Nothing:
                return 0;
            case platform::UdpSocket::ReceiveStatus::Failed:
                return error;
            case platform::UdpSocket::ReceiveStatus::Data:
                break;
        }
        const auto logger = ParseDiscoveryReply(std::span(datagram.data(), received));
        if (logger && IsListedDevice(*logger)) {
            results_.push_back(*logger);
            new_results_ = true;
        }
    }
}

bool CUDPSocket::TakeNewResults() {
    return std::exchange(new_results_, false);
}
