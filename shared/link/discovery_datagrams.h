// The datagrams that find network loggers and give them new network settings: the discovery request,
// the logger's reply and the settings datagram, each 128 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::size_t kDiscoveryDatagramSize = 128;
inline constexpr std::uint16_t kDiscoveryPort = 9806;
inline constexpr const char* kDiscoveryBroadcastAddress = "255.255.255.255";

using DiscoveryDatagram = std::array<std::uint8_t, kDiscoveryDatagramSize>;

// Where the fields lie: the number of the request (32-bit little-endian) first, then its kind.
namespace discovery_field {
inline constexpr std::size_t kKind = 4;  // 0 discovery request, 2 settings; a logger's reply non-zero
inline constexpr std::size_t kMac = 6;
inline constexpr std::size_t kAddress = 12;  // IPv4, network byte order
// Settings datagram only.
inline constexpr std::size_t kMask = 16;
inline constexpr std::size_t kGateway = 20;
inline constexpr std::size_t kPort = 24;  // 32-bit little-endian
// Reply only: "key:value" pairs separated by ";", to a NUL or the end.
inline constexpr std::size_t kText = 36;
}  // namespace discovery_field

inline constexpr std::uint8_t kDiscoveryRequestKind = 0;
inline constexpr std::uint8_t kSettingsKind = 2;

// The numbers that tell one request from the next: 0, 1, ... 1023, then 0 again.
class DiscoveryCounter {
public:
    static constexpr std::uint32_t kLast = 1023;
    std::uint32_t Next();

private:
    std::uint32_t next_ = 0;
};

DiscoveryDatagram BuildDiscoveryRequest(std::uint32_t number);

// The IPv4 address (network byte order) at `offset` of a datagram, dotted decimal.
std::string DottedAddressAt(std::span<const std::uint8_t> datagram, std::size_t offset);

// One logger as its reply describes it; the texts as the scan list shows them.
struct DiscoveredLogger {
    std::string serial;
    std::string address;  // dotted decimal
    std::string mac;      // "01:23:45:67:89:AB"
    std::string port = "3001";
    std::string connections = "NONE";
    std::string device;

    bool operator==(const DiscoveredLogger&) const = default;
};

// The logger a reply describes; nullopt for a datagram that is no reply (a request: the program's own
// broadcast comes back to it too). Bytes past the datagram's end read as zero.
std::optional<DiscoveredLogger> ParseDiscoveryReply(std::span<const std::uint8_t> datagram);
// Only the network loggers' replies are listed: those of device kind "ESP".
bool IsListedDevice(const DiscoveredLogger& logger);

// New network settings for the logger with `mac`, as the user entered them.
struct NetworkSettingsRequest {
    std::string mac;
    std::string address;  // "0.0.0.0" asks for DHCP
    std::string mask;
    std::string gateway;
    std::string port;
};

// A TCP port: a whole number 1-65535, blanks around it allowed; nullopt for anything else.
std::optional<std::uint16_t> ParseTcpPort(std::string_view text);

// The settings datagram; nullopt when a field does not parse: the MAC as six hexadecimal pairs, the
// addresses dotted, the port 1-65535. With DHCP an empty mask or gateway goes as 0.0.0.0.
std::optional<DiscoveryDatagram> BuildNetworkSettings(std::uint32_t number,
                                                      const NetworkSettingsRequest& request);
