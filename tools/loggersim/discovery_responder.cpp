// The simulated logger's discovery replies and settings datagrams.
#include "tools/loggersim/discovery_responder.h"

#include <algorithm>

#include "platform/base/byte_order.h"
#include "shared/link/discovery_datagrams.h"

namespace {

using namespace discovery_field;

constexpr const char* kLoopback = "127.0.0.1";
constexpr std::uint8_t kReplyKind = 1;

}  // namespace

DiscoveryResponder::DiscoveryResponder(Identity identity, SettingsTaken settingsTaken)
    : settings_taken_(std::move(settingsTaken)), identity_(std::move(identity)) {}

DiscoveryResponder::~DiscoveryResponder() {
    Stop();
}

int DiscoveryResponder::Start(int port) {
    if (reader_.Running() || socket_.Bind(kLoopback, static_cast<std::uint16_t>(port)) != 0) {
        return 0;
    }
    const int bound = socket_.LocalPort();
    if (!reader_.Start([this] { Serve(); })) {
        socket_.Close();
        return 0;
    }
    return bound;
}

void DiscoveryResponder::Stop() {
    reader_.Stop();
    socket_.Close();
}

DiscoveryResponder::Identity DiscoveryResponder::CurrentIdentity() const {
    std::lock_guard lock(mutex_);
    return identity_;
}

std::vector<DiscoveryResponder::NewSettings> DiscoveryResponder::SettingsReceived() const {
    std::lock_guard lock(mutex_);
    return settings_received_;
}

int DiscoveryResponder::RequestsAnswered() const {
    std::lock_guard lock(mutex_);
    return requests_answered_;
}

void DiscoveryResponder::Serve() {
    while (reader_.WaitReadable(socket_.Descriptor()) == platform::ReaderThread::Wait::Readable) {
        DiscoveryDatagram datagram{};
        std::size_t received = 0;
        int error = 0;
        std::string sender;
        std::uint16_t senderPort = 0;
        if (socket_.ReceiveFrom(datagram, received, error, &sender, &senderPort) !=
                platform::UdpSocket::ReceiveStatus::Data ||
            received <= kKind) {
            continue;
        }
        if (datagram[kKind] == kDiscoveryRequestKind) {
            Answer(sender, senderPort);
        } else if (datagram[kKind] == kSettingsKind) {
            TakeSettings(datagram);
        }
    }
}

std::string DiscoveryResponder::ReplyText() const {
    std::string text = "sn:" + identity_.serial;
    if (!identity_.withoutPort) {
        text += ";port:" + std::to_string(identity_.tcpPort);
    }
    if (!identity_.withoutConnections) {
        text += ";con:" + identity_.connections;
    }
    return text + ";dev:" + identity_.device;
}

void DiscoveryResponder::Answer(const std::string& address, std::uint16_t port) {
    DiscoveryDatagram reply{};
    {
        std::lock_guard lock(mutex_);
        reply[kKind] = kReplyKind;
        std::copy(identity_.mac.begin(), identity_.mac.end(), reply.begin() + kMac);
        const std::uint8_t loopback[] = {127, 0, 0, 1};
        std::copy(std::begin(loopback), std::end(loopback), reply.begin() + kAddress);
        const std::string text = ReplyText();
        std::copy_n(text.begin(), std::min(text.size(), reply.size() - kText), reply.begin() + kText);
    }
    if (socket_.SendTo(address, port, reply) == 0) {
        std::lock_guard lock(mutex_);
        ++requests_answered_;
    }
}

void DiscoveryResponder::TakeSettings(std::span<const std::uint8_t> datagram) {
    NewSettings settings;
    {
        std::lock_guard lock(mutex_);
        if (!std::equal(identity_.mac.begin(), identity_.mac.end(), datagram.begin() + kMac)) {
            return;
        }
        settings.address = DottedAddressAt(datagram, kAddress);
        settings.mask = DottedAddressAt(datagram, kMask);
        settings.gateway = DottedAddressAt(datagram, kGateway);
        settings.tcpPort = static_cast<int>(platform::ReadU32(datagram, kPort, platform::ByteOrder::Little));
        identity_.tcpPort = settings.tcpPort;
        settings_received_.push_back(settings);
    }
    if (settings_taken_) {
        settings_taken_(settings);
    }
}
