// Reading a Wi-Fi module's settings from the logger's replies.
#include "shared/logger/wifi_settings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "shared/logger/network_settings.h"
#include "shared/logger/reply_field.h"

namespace {

bool EqualsIgnoringCase(const std::string& text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

void ApplyWiFiReply(const std::string& reply, WiFiSettings& settings) {
    ForEachReplyItem(reply, [&](const std::string& name, const std::string& value) {
        if (TakeNetworkItem(name, value, settings)) {
            return;
        }
        if (name == "Module FW") {
            settings.moduleFirmware = value;
            const auto digit =
                std::find_if(value.begin(), value.end(), [](unsigned char c) { return std::isdigit(c); });
            settings.moduleVersion.assign(digit, value.end());
        } else if (name == "SSID") {
            settings.ssid = value;
        } else if (name == "State") {
            settings.state = value;
        } else if (name == "WiFi Password Length") {
            settings.passwordLength = std::atoi(value.c_str());
        } else if (name == "Web Login Password Length") {
            settings.webPasswordLength = std::atoi(value.c_str());
        } else if (name == "Antenna") {
            settings.externalAntenna = EqualsIgnoringCase(value, "External");
        } else if (name == "Access Point") {
            settings.accessPoint = value == "True";
        }
    });
}
