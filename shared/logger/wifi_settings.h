// The settings of a network logger's Wi-Fi module: what the Wi-Fi settings dialog shows and sends.
#pragma once

#include <string>

struct WiFiSettings {
    // The password value that leaves the logger's password as it is.
    static constexpr const char* kUnchanged = "<unchanged>";

    std::string moduleName;
    // The module's firmware text and the version number in it (from its first digit on).
    std::string moduleFirmware;
    std::string moduleVersion;
    std::string ssid;
    std::string address;
    std::string port = "3001";
    std::string mask;
    std::string gateway = "0.0.0.0";
    std::string mac;
    std::string state;
    // Only sent, never read back: the logger tells its lengths.
    std::string password = kUnchanged;
    int passwordLength = 0;
    int webPasswordLength = 0;
    bool externalAntenna = false;
    bool dhcp = false;
    bool accessPoint = false;
};

// Takes the items of the "L?WIFI", "L?WPASSLEN" and "L?WWEBPASSLEN" replies into `settings`; items it
// does not know are left.
void ApplyWiFiReply(const std::string& reply, WiFiSettings& settings);
