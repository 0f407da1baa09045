// The simulated logger's setting commands and the queries that read them back.
#include "tools/loggersim/setting_commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/command_hex.h"
#include "tools/loggersim/hex_dump.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kQuarvenTextField = 32;

// The text of a zero-filled field: up to its first NUL.
std::string FieldText(const Bytes& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte == 0) {
            break;
        }
        text += static_cast<char>(byte);
    }
    return text;
}

// The bytes of a tagged block write of `tag`; nullopt when the command is another one or is damaged.
std::optional<Bytes> TaggedBlock(const std::string& command, const std::string& tag) {
    if (command.compare(0, tag.size(), tag) != 0) {
        return std::nullopt;
    }
    return TaggedBlockBytes(command, tag.size());
}

// "HH:MM:SS MM/DD/YY" as an instant: UTC for the Quarven, local time for the others.
std::optional<std::time_t> ClockOf(const std::string& text, bool utc) {
    std::tm fields{};
    int year = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%d %d/%d/%d", &fields.tm_hour, &fields.tm_min, &fields.tm_sec,
                    &fields.tm_mon, &fields.tm_mday, &year) != 6) {
        return std::nullopt;
    }
    fields.tm_mon -= 1;
    fields.tm_year = year + 100;
    fields.tm_isdst = -1;
    const std::time_t time = utc ? timegm(&fields) : std::mktime(&fields);
    return time == -1 ? std::nullopt : std::optional(time);
}

float FloatOfBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// "*!": two big-endian bit patterns below type code 13, three groups of bytes lowest first from 13.
bool TakeScalars(LoggerState& s, const std::string& operands, bool quarven) {
    std::vector<std::string> groups;
    for (std::size_t at = 0; at < operands.size();) {
        const std::size_t end = std::min(operands.find(' ', at), operands.size());
        if (end > at) {
            groups.push_back(operands.substr(at, end - at));
        }
        at = end + 1;
    }
    if (groups.size() != (quarven ? 3u : 2u)) {
        return false;
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        std::uint32_t bits = 0;
        if (quarven) {
            const std::optional<Bytes> bytes = HexBytes(groups[i]);
            if (!bytes || bytes->size() != 4) {
                return false;
            }
            bits = (*bytes)[0] | (*bytes)[1] << 8 | (*bytes)[2] << 16 | std::uint32_t{(*bytes)[3]} << 24;
        } else {
            bits = static_cast<std::uint32_t>(std::strtoul(groups[i].c_str(), nullptr, 16));
        }
        s.scalars[i] = FloatOfBits(bits);
    }
    return true;
}

std::string Setting(const std::map<std::string, std::string>& settings, const std::string& name) {
    const auto found = settings.find(name);
    return found == settings.end() ? std::string() : found->second;
}

std::string TrueFalse(bool on) {
    return on ? "True" : "False";
}

std::string NetworkReply(const LoggerState& s) {
    const auto& n = s.networkSettings;
    return "IP_Address=" + Setting(n, "ADDR") + ",Mask=" + Setting(n, "MASK") +
           ",TCP_Port=" + Setting(n, "ETHTCPPORT") + ",Gateway=" + Setting(n, "GATEWAY") +
           ",MAC=" + Setting(n, "MAC") + ",Use_DHCP=" + TrueFalse(Setting(n, "DHCP") == "1");
}

// The networks of the module's scan, each ",<number>=<fields>".
std::string WiFiNetworks(const LoggerState& s) {
    std::string items;
    for (std::size_t i = 0; i < s.wifiNetworks.size(); ++i) {
        items += "," + std::to_string(i + 1) + "=" + s.wifiNetworks[i];
    }
    return items;
}

std::string WiFiReply(const LoggerState& s) {
    const auto& w = s.wifiSettings;
    const std::string dhcp = Setting(w, "WDHCP");
    return "State=" + Setting(w, "STATE") + ",SSID=\"" + Setting(w, "WSSID") +
           "\",IP_Address=" + Setting(w, "WADDR") + ",Mask=" + Setting(w, "WMASK") +
           ",Gateway=" + Setting(w, "WGATEWAY") + ",TCP_Port=" + Setting(w, "MODTCPPORT") +
           ",MAC=" + Setting(w, "MAC") + ",Module_FW=" + Setting(w, "MODULE_FW") +
           ",Antenna=" + (Setting(w, "WEXT_ANTENNA") == "1" ? "External" : "Internal") +
           ",Use_DHCP=" + TrueFalse(dhcp == "1") + ",Access_Point=" + TrueFalse(dhcp == "3") +
           WiFiNetworks(s);
}

std::optional<std::string> QuarvenSetting(LoggerState& s, const std::string& command) {
    for (const char* name : {"ADDR", "MASK", "ETHTCPPORT", "GATEWAY", "DHCP", "MAC"}) {
        const std::string prefix = std::string("L!") + name + "=";
        if (command.compare(0, prefix.size(), prefix) == 0) {
            s.networkSettings[name] = command.substr(prefix.size());
            return "OK";
        }
    }
    for (const char* name : {"WDHCP", "WADDR", "WMASK", "MODTCPPORT", "WGATEWAY", "WEXT_ANTENNA"}) {
        const std::string prefix = std::string("L!") + name + "=";
        if (command.compare(0, prefix.size(), prefix) == 0) {
            s.wifiSettings[name] = command.substr(prefix.size());
            return "OK";
        }
    }
    for (const char* name : {"WSSID", "WPASS", "WWEBPASS"}) {
        const std::string tag = std::string("L!") + name + "=";
        if (command.compare(0, tag.size(), tag) == 0) {
            const std::optional<Bytes> field = TaggedBlock(command, tag);
            if (!field) {
                return "ERROR";
            }
            s.wifiSettings[name] = FieldText(*field);
            return "OK";
        }
    }
    if (const std::optional<Bytes> image = TaggedBlock(command, "L!WFTPH=")) {
        s.moduleUpdate.image = FieldText(*image);
        s.moduleUpdate.given = 0;
        s.moduleUpdate.running = true;
        s.moduleUpdate.uploaded = false;
        return "OK";
    }
    for (const auto& [tag, text] :
         {std::pair<const char*, std::string*>{"I!C", &s.description}, {"I!B", &s.secondId}}) {
        if (command.compare(0, 3, tag) == 0) {
            const std::optional<Bytes> field = TaggedBlock(command, tag);
            if (!field || field->size() != kQuarvenTextField) {
                return "ERROR";
            }
            *text = FieldText(*field);
            return "OK";
        }
    }
    if (command == "L?MAC") {
        return NetworkReply(s);
    }
    if (command == "L?WIFI") {
        return WiFiReply(s);
    }
    if (command == "L?WPASSLEN") {
        return "WiFi_Password_Length=" + std::to_string(Setting(s.wifiSettings, "WPASS").size());
    }
    if (command == "L?WWEBPASSLEN") {
        return "Web_Login_Password_Length=" + std::to_string(Setting(s.wifiSettings, "WWEBPASS").size());
    }
    return std::nullopt;
}

std::optional<std::string> MemoryModelSetting(LoggerState& s, const std::string& word,
                                              const std::string& rest) {
    if (word.size() == 3 && word.compare(0, 2, "_!") == 0 && s.networkFields.count(word.substr(2))) {
        s.networkFields[word.substr(2)] = rest;
        return "OK";
    }
    if (word.size() == 3 && word.compare(0, 2, "_?") == 0 && s.networkFields.count(word.substr(2))) {
        return s.networkFields[word.substr(2)] + "=";
    }
    if (word == "I!B") {
        const std::optional<Bytes> text = HexBytes(rest);
        if (!text) {
            return "ERROR";
        }
        s.secondId = FieldText(*text);
        return "OK";
    }
    return std::nullopt;
}

// The rate of an "I!14" code, as the logger's serial port takes it; 0 for code 14 (any other rate).
int BaudRateOfCode(int code) {
    switch (code) {
        case 15:
            return 1200;
        case 13:
            return 4800;
        case 12:
            return 9600;
        case 3:
            return 14400;
        case 11:
            return 19200;
        case 2:
            return 28800;
        case 1:
            return 57600;
        default:
            return 0;
    }
}

}  // namespace

std::optional<std::string> ExecuteSettingCommand(LoggerState& s, const std::string& command) {
    const std::size_t blank = command.find(' ');
    const std::string word = command.substr(0, blank);
    const std::string rest = blank == std::string::npos ? std::string() : command.substr(blank + 1);
    const bool quarven = s.typeCode >= kModelQuarvenRS;

    // The host-call schedule: "/C" empties its times and its block (written by "M!", read back by
    // "Y?"), "/S hh:mm 00" adds a time.
    if (command == "SCHEDULE /C") {
        s.callTimes.clear();
        if (!quarven) {
            std::fill_n(s.setupMemory.begin() + LoggerState::kScheduleAddress, LoggerState::kScheduleSize,
                        std::uint8_t{0});
        }
        return "OK";
    }
    if (command.rfind("SCHEDULE /S ", 0) == 0) {
        s.callTimes.push_back(command.substr(12));
        return "OK";
    }
    if (word == "C!") {
        const std::optional<std::time_t> clock = ClockOf(rest, quarven);
        if (!clock) {
            return "ERROR";
        }
        s.clock = *clock;
        return "OK";
    }
    if (word == "I!14" && !rest.empty()) {
        s.baudCode = std::atoi(rest.c_str());
        // Listening at a given speed, the logger moves to the code's rate; code 14 (any other
        // rate) leaves it where it is.
        if (const int rate = BaudRateOfCode(s.baudCode); s.lineBaud != 0 && rate != 0) {
            s.lineBaud = rate;
        }
        return "OK";
    }
    if (word == "I!4" && rest.empty()) {
        // The logger takes its new identification.
        return "OK";
    }
    if (word == "I!E") {
        const std::optional<Bytes> text = HexBytes(rest);
        if (!text || text->size() > 6) {
            return "ERROR";
        }
        s.loggerId = FieldText(*text);
        return "OK";
    }
    if (word == "+!") {
        s.modemString = rest;
        return "OK";
    }
    if (word == "+?") {
        return s.modemString + "=";
    }
    if (word == "*!") {
        return TakeScalars(s, rest, quarven) ? "OK" : "ERROR";
    }
    if (word == "#?") {
        return "REFERENCE\r\n" + s.calibrationReference;
    }
    return quarven ? QuarvenSetting(s, command) : MemoryModelSetting(s, word, rest);
}
