// "WiFi.ini": writing and reading the Wi-Fi settings file.
#include "kivo32/tools/wifi_settings_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>

#include "platform/base/binary_file.h"
#include "platform/base/temp_file_beside.h"
#include "shared/common/text_helpers.h"

namespace {

// The scrambler's seed of this file: the same on save and load, never to change.
constexpr std::uint32_t kPasswordSeed = 0x57694669;

const char* TrueFalse(bool value) {
    return value ? "TRUE" : "FALSE";
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void ReadLine(std::string_view line, WiFiSettings& settings) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view rawValue = line.substr(equals + 1);
    const std::string value(Trimmed(rawValue));
    if (key == "SSID") {
        settings.ssid = value;
    } else if (key == "IP Address") {
        settings.address = value;
    } else if (key == "TCP Port") {
        settings.port = value;
    } else if (key == "Mask") {
        settings.mask = value;
    } else if (key == "Gateway") {
        settings.gateway = value;
    } else if (key == "Access Point") {
        settings.accessPoint = EqualsIgnoringCase(value, "TRUE");
    } else if (key == "Use DHCP") {
        settings.dhcp = EqualsIgnoringCase(value, "TRUE");
    } else if (key == "Antenna") {
        settings.externalAntenna = EqualsIgnoringCase(value, "EXTERNAL");
    } else if (key == "Password") {
        // Not trimmed: a scrambled character may be a blank at either end.
        settings.password = ScrambleText(rawValue, kPasswordSeed);
    }
}

}  // namespace

std::string WiFiSettingsFileText(const WiFiSettings& settings) {
    const std::pair<const char*, std::string> lines[] = {
        {"SSID=", settings.ssid},
        {"Access Point=", TrueFalse(settings.accessPoint)},
        {"Use DHCP=", TrueFalse(settings.dhcp)},
        {"IP Address=", settings.address},
        {"TCP Port=", settings.port},
        {"Mask=", settings.mask},
        {"Gateway=", settings.gateway},
        {"Antenna=", settings.externalAntenna ? "EXTERNAL" : "INTERNAL"},
        {"Password=", ScrambleText(settings.password, kPasswordSeed)},
    };
    std::string text = "[WiFi Settings]\r\n";
    for (const auto& [key, value] : lines) {
        text.append(key).append(value).append("\r\n");
    }
    return text;
}

void ReadWiFiSettingsFileText(std::string_view text, WiFiSettings& settings) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ReadLine(line, settings);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

bool SaveWiFiSettingsFile(const std::filesystem::path& path, const WiFiSettings& settings) {
    try {
        platform::TempFileBeside temporary(path);
        const std::string text = WiFiSettingsFileText(settings);
        platform::BinaryFile file(temporary.Path(), platform::BinaryFile::Mode::Create);
        file.Write(text.data(), text.size());
        file.Flush(true);
        file.Close();
        temporary.ReplaceTarget();
        return true;
    } catch (const CPSTFileException&) {
        return false;
    }
}

bool LoadWiFiSettingsFile(const std::filesystem::path& path, WiFiSettings& settings) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    WiFiSettings read = settings;
    std::string line;
    while (std::getline(file, line)) {
        ReadWiFiSettingsFileText(line, read);
    }
    if (file.bad()) {
        return false;
    }
    settings = std::move(read);
    return true;
}
