// The switches of kivo32's command line.
#include "kivo32/app/command_line.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

#include "platform/base/windows1252.h"
#include "shared/link/port_names.h"

namespace {

constexpr std::string_view kNoPortSearch = "NOPORTSEARCH";
constexpr std::string_view kCalibrationLevel2 = "DUNTAFQ4";
constexpr std::string_view kCalibrationLevel1 = "TOBRELN";

// The text after `name` when `argument` begins with it.
std::optional<std::string_view> SwitchValue(std::string_view argument, std::string_view name) {
    if (!argument.starts_with(name)) {
        return std::nullopt;
    }
    return argument.substr(name.size());
}

long Number(std::string_view text) {
    return std::atol(std::string(text).c_str());
}

// A name in double quotes runs to the closing quote; a quote the shell left in place is not part of it.
std::string FileName(std::string_view value) {
    if (value.starts_with('"')) {
        value.remove_prefix(1);
        value = value.substr(0, value.find('"'));
    }
    return std::string(value);
}

// A device name as it stands, or the one in parentheses of a port-list text ("QUARVEN RS (ttyACM0)"); a
// text that names no device is taken up to its first blank.
std::string PortName(std::string_view value) {
    const std::string device = ExtractPortName(value);
    return device.empty() ? TrimAtFirstSpace(value) : device;
}

// "/<letters>=..." or "-...": a switch, known or not, rather than a document's path.
bool IsSwitch(std::string_view argument) {
    if (argument.starts_with('-')) {
        return true;
    }
    const std::size_t equals = argument.find('=');
    return argument.starts_with('/') && equals != std::string_view::npos && equals > 1 &&
           std::all_of(argument.begin() + 1, argument.begin() + static_cast<std::ptrdiff_t>(equals),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

std::filesystem::path InDataFolder(const std::string& name, const std::filesystem::path& dataFolder) {
    const std::filesystem::path path(name);
    return path.has_parent_path() ? path : dataFolder / path;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const std::filesystem::path& dataFolder) {
    CommandLine values;
    std::string input;
    std::string output;
    bool level2 = false;
    bool level1 = false;
    for (const std::string& argument : arguments) {
        const std::string_view text = argument;
        if (text.starts_with(kNoPortSearch)) {
            values.noPortSearch = true;
        } else if (text.starts_with(kCalibrationLevel2)) {
            level2 = true;
        } else if (text.starts_with(kCalibrationLevel1)) {
            level1 = true;
        } else if (auto value = SwitchValue(text, "/f=")) {
            values.link.firstRecord = Number(*value);
        } else if (auto value = SwitchValue(text, "/l=")) {
            values.link.lastRecord = Number(*value);
        } else if (auto value = SwitchValue(text, "/s=")) {
            values.link.preSendDelay = static_cast<int>(Number(*value));
        } else if (auto value = SwitchValue(text, "/t=")) {
            values.link.postSendDelay = static_cast<int>(Number(*value));
        } else if (auto value = SwitchValue(text, "/u=")) {
            values.link.sendBlockSize = static_cast<int>(Number(*value));
        } else if (auto value = SwitchValue(text, "/x=")) {
            values.link.skipReplyMode = static_cast<int>(Number(*value));
        } else if (text.starts_with("/e=1")) {
            values.extendedChannels = true;
        } else if (auto value = SwitchValue(text, "/fa=")) {
            values.programVersion = platform::Utf8ToWindows1252(std::string(*value));
        } else if (auto value = SwitchValue(text, "/fd=")) {
            values.loggerFirmwareVersion = platform::Utf8ToWindows1252(std::string(*value));
        } else if (auto value = SwitchValue(text, "/fm=")) {
            values.wifiFirmwareVersion = platform::Utf8ToWindows1252(std::string(*value));
        } else if (auto value = SwitchValue(text, "/a=")) {
            values.autoConnectPort = PortName(platform::Utf8ToWindows1252(std::string(*value)));
        } else if (auto value = SwitchValue(text, "/i=")) {
            input = FileName(*value);
        } else if (auto value = SwitchValue(text, "/o=")) {
            output = FileName(*value);
        } else if (!text.empty() && !IsSwitch(text)) {
            std::error_code error;
            const std::filesystem::path document = std::filesystem::absolute(argument, error);
            values.documents.push_back(error ? std::filesystem::path(argument) : document.lexically_normal());
        }
    }
    values.calibrationLevel = level2 ? 2 : level1 ? 1 : 0;
    if (!input.empty() && !output.empty()) {
        values.exportInput = InDataFolder(input, dataFolder);
        values.exportOutput = InDataFolder(output, dataFolder);
    }
    return values;
}
