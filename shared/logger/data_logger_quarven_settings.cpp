// CDataLoggerQuarvenRSorKX: the setting commands in the Quarven's own form: scalars as little-endian
// bytes, named network settings and the Wi-Fi module's settings.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/settings_ids.h"
#include "shared/logger/wifi_settings.h"

namespace {

constexpr std::size_t kSettingsReplyMax = 511;
constexpr int kTextFieldSize = 32;
constexpr int kSsidFieldSize = 32;
constexpr int kPasswordFieldSize = 64;
constexpr int kAccessPointMode = 3;

}  // namespace

int CDataLoggerQuarvenRSorKX::PrepareExtraWrite(const std::string& text) {
    return WriteTextField("I!C", text, kTextFieldSize);
}

int CDataLoggerQuarvenRSorKX::WriteExtraBlock(const std::string& text) {
    return WriteTextField("I!B", text, kTextFieldSize);
}

int CDataLoggerQuarvenRSorKX::WriteScalars(float a, float v, float r) {
    std::string command = "*!";
    for (const float value : {a, v, r}) {
        std::uint8_t bytes[4];
        std::memcpy(bytes, &value, sizeof bytes);
        char field[12];
        std::snprintf(field, sizeof field, " %02X%02X%02X%02X", bytes[0], bytes[1], bytes[2], bytes[3]);
        command += field;
    }
    return connection_->DoCommand(command, 12000);
}

int CDataLoggerQuarvenRSorKX::WriteNetworkSettings(const NetworkSettings& settings, bool withMac) {
    std::vector<std::string> commands = {"L!ADDR=" + settings.address, "L!MASK=" + settings.mask,
                                         "L!ETHTCPPORT=" + settings.port, "L!GATEWAY=" + settings.gateway,
                                         std::string("L!DHCP=") + (settings.dhcp ? "1" : "0")};
    if (withMac) {
        commands.push_back("L!MAC=" + settings.mac);
    }
    for (const std::string& command : commands) {
        if (!connection_->DoCommand(command, 8000)) {
            return 0;
        }
    }
    return 1;
}

int CDataLoggerQuarvenRSorKX::ReadNetworkSettings(NetworkSettings& settings, bool) {
    settings = NetworkSettings{};
    if (!connection_->DoCommand("L?MAC", 16000)) {
        return 0;
    }
    ApplyNetworkReply(ModuleReplyText().substr(0, kSettingsReplyMax), settings);
    return 1;
}

int CDataLoggerQuarvenRSorKX::ReadWiFiSettings(WiFiSettings& settings) {
    settings = WiFiSettings{};
    settings.moduleName = "WiFly";
    for (const char* query : {"L?WIFI", "L?WPASSLEN", "L?WWEBPASSLEN"}) {
        if (!connection_->DoCommand(query, 16000)) {
            return 0;
        }
        ApplyWiFiReply(ModuleReplyText(), settings);
    }
    return 1;
}

int CDataLoggerQuarvenRSorKX::WriteWiFiSettings(const WiFiSettings& settings) {
    // One step of the write: a command, or a text setting when `fieldLength` is set.
    struct Step {
        std::string command;
        unsigned failureText;
        int fieldLength;
        std::string value;
        bool secret;
    };
    const auto number = [](const char* name, int value, unsigned failure) {
        return Step{std::string(name) + "=" + std::to_string(value), failure, 0, {}, false};
    };
    const auto text = [](const char* name, const std::string& value, unsigned failure) {
        return Step{std::string(name) + "=" + value + "\r", failure, 0, {}, false};
    };
    const Step password{"L!WPASS", IDS_WIFI_PASSWORD_FAILED, kPasswordFieldSize, settings.password, true};
    const bool sendPassword = settings.password != WiFiSettings::kUnchanged;
    std::vector<Step> steps;
    if (settings.accessPoint) {
        steps.push_back(number("L!WDHCP", kAccessPointMode, IDS_WIFI_DHCP_FAILED));
        if (sendPassword) {
            steps.push_back(password);
        }
        steps.push_back(text("L!MODTCPPORT", settings.port, IDS_WIFI_ACCESS_POINT_PORT_FAILED));
    } else {
        steps.push_back({"L!WSSID", IDS_WIFI_SSID_FAILED, kSsidFieldSize, settings.ssid, false});
        if (sendPassword) {
            steps.push_back(password);
        }
        steps.push_back(number("L!WDHCP", settings.dhcp ? 1 : 0, IDS_WIFI_DHCP_FAILED));
        if (!settings.dhcp) {
            steps.push_back(text("L!WADDR", settings.address, IDS_WIFI_ADDRESS_FAILED));
            steps.push_back(text("L!WMASK", settings.mask, IDS_WIFI_MASK_FAILED));
        }
        steps.push_back(text("L!MODTCPPORT", settings.port, IDS_WIFI_PORT_FAILED));
        if (!settings.dhcp) {
            steps.push_back(text("L!WGATEWAY", settings.gateway, IDS_WIFI_GATEWAY_FAILED));
        }
    }
    steps.push_back(text("L!WEXT_ANTENNA", settings.externalAntenna ? "1" : "0", IDS_WIFI_ANTENNA_FAILED));
    for (const Step& step : steps) {
        const int sent = step.fieldLength > 0
                             ? SendTextSetting(step.command, step.value, step.fieldLength, step.secret)
                             : connection_->DoCommand(step.command, 8000);
        if (!sent) {
            ShowMessageBoxId(step.failureText, MB_OK, true);
            return 0;
        }
    }
    return 1;
}
