// CDataLoggerQuarvenRSorKX: the setting commands in the Quarven's own form: scalars as little-endian
// bytes, named network settings and the Wi-Fi module's settings.
#include <cstdio>
#include <cstring>

#include "shared/link/connection.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/wifi_settings.h"

namespace {

constexpr std::size_t kSettingsReplyMax = 511;

}  // namespace

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
