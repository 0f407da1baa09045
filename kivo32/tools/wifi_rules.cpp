// The rules of the Wi-Fi windows.
#include "kivo32/tools/wifi_rules.h"

#include <charconv>

#include "kivo32/tools/wifi_ids.h"

namespace {

constexpr std::string_view kUndetermined = "<undetermined>";
// The first module version that can set the access point's pass phrase, in thousandths.
constexpr long kAccessPointPasswordFrom = 4410;

std::string OrDefault(std::string value, const char* undetermined) {
    return value == kUndetermined ? undetermined : value;
}

// "4.41" as 4410: the whole part and up to three decimals; 0 without a number.
long VersionThousandths(std::string_view text) {
    long whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error != std::errc()) {
        return 0;
    }
    long thousandths = whole * 1000;
    const char* digit = end;
    if (digit != text.data() + text.size() && *digit == '.') {
        long scale = 100;
        for (++digit; digit != text.data() + text.size() && scale > 0 && *digit >= '0' && *digit <= '9';
             ++digit) {
            thousandths += (*digit - '0') * scale;
            scale /= 10;
        }
    }
    return thousandths;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

WiFiShownValues ShownWiFiValues(std::string address, std::string port, std::string mask,
                                std::string gateway) {
    address = OrDefault(std::move(address), "0.0.0.0");
    address = address.substr(0, address.find_first_of(",:"));
    return {.address = std::move(address),
            .port = OrDefault(std::move(port), "80"),
            .mask = OrDefault(std::move(mask), "255.255.255.0"),
            .gateway = OrDefault(std::move(gateway), "0.0.0.0")};
}

WiFiEnabling WiFiEnablingFor(bool accessPoint, bool dhcp, std::string_view moduleVersion) {
    const bool oldModule = accessPoint && VersionThousandths(moduleVersion) < kAccessPointPasswordFrom;
    return {
        .addressFields = !dhcp && !accessPoint,
        .networkFields = !accessPoint,
        .passwordButton = !oldModule,
        .ssidLabel = accessPoint ? 0u : IDS_WIFI_SSID_LABEL,
        .passwordButtonText = accessPoint ? IDS_WIFI_AP_PASSWORD_BUTTON : IDS_WIFI_NETWORK_PASSWORD_BUTTON,
        .passwordLabel = accessPoint ? IDS_WIFI_AP_PASSWORD_LABEL : IDS_WIFI_NETWORK_PASSWORD_LABEL,
        .versionNote = oldModule ? IDS_WIFI_OLD_MODULE_NOTE : 0u};
}

bool IsAcceptablePassPhrase(std::string_view text, int shortest, int longest, bool emptyAllowed) {
    if (text.empty()) {
        return emptyAllowed;
    }
    const auto length = static_cast<long>(text.size());
    return length >= shortest && length <= longest;
}

bool IsValidTcpPort(std::string_view text) {
    text = Trimmed(text);
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    return error == std::errc() && end == text.data() + text.size() && port >= 1 && port <= 65535;
}
