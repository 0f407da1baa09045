// Building and reading the discovery and network settings datagrams.
#include "shared/link/discovery_datagrams.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>

#include "platform/base/byte_order.h"
#include "platform/base/fixed_text.h"
#include "platform/base/number_text.h"
#include "platform/base/string_format.h"
#include "shared/common/address_checks.h"

namespace {

using namespace discovery_field;

// `address` (network byte order) as it goes on the wire.
void PutAddress(DiscoveryDatagram& datagram, std::size_t offset, std::uint32_t address) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&address);
    std::copy(bytes, bytes + 4, datagram.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The text's fields: key, ":", value, pairs separated by ";".
void ReadReplyText(const std::string& text, DiscoveredLogger& logger) {
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t colon = text.find(':', position);
        if (colon == std::string::npos) {
            return;
        }
        const std::string key = text.substr(position, colon - position);
        const std::size_t valueStart = colon + 1;
        const std::size_t semicolon = std::min(text.find(';', valueStart), text.size());
        const std::string value = text.substr(valueStart, semicolon - valueStart);
        position = semicolon + 1;
        if (key == "port") {
            logger.port = value;
        } else if (key == "con") {
            logger.connections = value;
        } else if (key == "dev") {
            logger.device = value;
        } else if (key == "sn") {
            logger.serial = value;
        }
    }
}

std::optional<std::array<std::uint8_t, 6>> ParseMac(const std::string& text) {
    if (!IsValidMACAddress(text)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 6> mac{};
    const char* next = text.data();
    const char* end = text.data() + text.size();
    for (std::uint8_t& byte : mac) {
        while (next < end && *next == ':') {
            ++next;
        }
        const auto [stop, error] = std::from_chars(next, end, byte, 16);
        if (error != std::errc()) {
            return std::nullopt;
        }
        next = stop;
    }
    return mac;
}

// A dotted address (network byte order); with `emptyIsZero` an empty text is 0.0.0.0.
std::optional<std::uint32_t> ParseDotted(const std::string& text, bool emptyIsZero) {
    if (emptyIsZero && text.find_first_not_of(" \t") == std::string::npos) {
        return 0;
    }
    if (!IsValidIPAddress(text, 0, 255)) {
        return std::nullopt;
    }
    return ParseIPAddress(text);
}

}  // namespace

std::uint32_t DiscoveryCounter::Next() {
    const std::uint32_t number = next_;
    next_ = number == kLast ? 0 : number + 1;
    return number;
}

DiscoveryDatagram BuildDiscoveryRequest(std::uint32_t number) {
    DiscoveryDatagram datagram{};
    platform::WriteU32(datagram, 0, number, platform::ByteOrder::Little);
    return datagram;
}

std::string DottedAddressAt(std::span<const std::uint8_t> datagram, std::size_t offset) {
    const std::span<const std::uint8_t> address = datagram.subspan(offset, 4);
    return platform::StringPrintf("%u.%u.%u.%u", address[0], address[1], address[2], address[3]);
}

std::optional<DiscoveredLogger> ParseDiscoveryReply(std::span<const std::uint8_t> received) {
    DiscoveryDatagram datagram{};
    std::copy_n(received.begin(), std::min(received.size(), datagram.size()), datagram.begin());
    if (datagram[kKind] == 0) {
        return std::nullopt;
    }
    DiscoveredLogger logger;
    const std::uint8_t* mac = datagram.data() + kMac;
    logger.mac = platform::StringPrintf("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3],
                                        mac[4], mac[5]);
    logger.address = DottedAddressAt(datagram, kAddress);
    ReadReplyText(platform::ReadFixedText(std::span(datagram).subspan(kText)), logger);
    return logger;
}

std::optional<std::uint16_t> ParseTcpPort(std::string_view text) {
    int port = 0;
    if (!ParseInt(text, port) || port < 1 || port > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(port);
}

bool IsListedDevice(const DiscoveredLogger& logger) {
    return logger.device == "ESP";
}

std::optional<DiscoveryDatagram> BuildNetworkSettings(std::uint32_t number,
                                                      const NetworkSettingsRequest& request) {
    const auto mac = ParseMac(request.mac);
    const auto address = ParseDotted(request.address, false);
    const bool dhcp = address == 0u;
    const auto mask = ParseDotted(request.mask, dhcp);
    const auto gateway = ParseDotted(request.gateway, dhcp);
    const auto port = ParseTcpPort(request.port);
    if (!mac || !address || !mask || !gateway || !port) {
        return std::nullopt;
    }
    DiscoveryDatagram datagram{};
    platform::WriteU32(datagram, 0, number, platform::ByteOrder::Little);
    datagram[kKind] = kSettingsKind;
    std::copy(mac->begin(), mac->end(), datagram.begin() + kMac);
    PutAddress(datagram, kAddress, *address);
    PutAddress(datagram, kMask, *mask);
    PutAddress(datagram, kGateway, *gateway);
    platform::WriteU32(datagram, kPort, *port, platform::ByteOrder::Little);
    return datagram;
}
