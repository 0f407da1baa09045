// "WiFi.ini": the Wi-Fi module's settings as the user keeps them in a file of his own, the pass phrase
// scrambled. Windows-1252 text, each line ended by CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "shared/logger/wifi_settings.h"

// The file's text for the SSID, address, port, mask, gateway, the three choices and the pass phrase
// of `settings`; the pass phrase goes in scrambled, `settings` keeps it plain.
std::string WiFiSettingsFileText(const WiFiSettings& settings);

// Takes the lines of `text` into `settings`: each line split at its first "=", the key compared
// exactly, other lines ignored. A pass phrase that reads back as "<unchanged>" leaves the logger's as
// it is, like one never entered.
void ReadWiFiSettingsFileText(std::string_view text, WiFiSettings& settings);

// Writes the file in place of any file of that name; false when it could not be written (an old file
// of that name is then left as it was).
bool SaveWiFiSettingsFile(const std::filesystem::path& path, const WiFiSettings& settings);
// False, with `settings` untouched, when the file cannot be read.
bool LoadWiFiSettingsFile(const std::filesystem::path& path, WiFiSettings& settings);
