// The decisions of the Wi-Fi windows without their widgets: what the settings dialog shows of the
// logger's values, which of its controls are usable, and which pass phrases and ports it takes.
#pragma once

#include <string>
#include <string_view>

// The address a module in access-point mode has on its own network.
inline constexpr const char* kAccessPointAddress = "192.168.1.1";

// The logger's values as the dialog shows them: "<undetermined>" becomes a usable default; an address
// is cut at the first "," or ":".
struct WiFiShownValues {
    std::string address;
    std::string port;
    std::string mask;
    std::string gateway;
};
WiFiShownValues ShownWiFiValues(std::string address, std::string port, std::string mask, std::string gateway);

// What the settings dialog enables and which texts its mode-dependent labels show.
struct WiFiEnabling {
    bool addressFields = false;  // address, mask and gateway
    bool networkFields = false;  // SSID, the DHCP choice and the scan
    bool passwordButton = false;
    unsigned ssidLabel = 0;  // 0: empty
    unsigned passwordButtonText = 0;
    unsigned passwordLabel = 0;
    unsigned versionNote = 0;  // 0: empty
};
// `moduleVersion` is the module's version text from its first digit on.
WiFiEnabling WiFiEnablingFor(bool accessPoint, bool dhcp, std::string_view moduleVersion);

// Whether the pass-phrase dialog takes `text`: empty only when `emptyAllowed`, else `shortest` to
// `longest` characters.
bool IsAcceptablePassPhrase(std::string_view text, int shortest, int longest, bool emptyAllowed);

// A TCP port: a whole number from 1 to 65535, blanks around it allowed.
bool IsValidTcpPort(std::string_view text);
