// Port-name texts of the port lists and the status window.
#include "shared/link/port_names.h"

namespace {

// Device names of serial ports: ttyS0, ttyUSB0, ttyACM0, ttyAMA0...
bool IsDeviceName(std::string_view text) {
    return text.size() > 3 && text.substr(0, 3) == "tty";
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TrimAtFirstSpace(std::string_view text) {
    return std::string(text.substr(0, text.find(' ')));
}

bool IsDevicePath(std::string_view text) {
    return text.size() > 1 && text.front() == '/' && text.find_first_of(" \t") == std::string_view::npos;
}

std::string ExtractPortName(std::string_view text) {
    if (const std::string_view typed = TrimBlanks(text); IsDevicePath(typed)) {
        return std::string(typed);
    }
    const std::size_t open = text.rfind('(');
    if (open != std::string_view::npos) {
        const std::string_view inside = text.substr(open + 1, text.find(')', open) - open - 1);
        if (IsDeviceName(inside)) {
            return std::string(inside);
        }
    }
    const std::string first = TrimAtFirstSpace(text);
    return IsDeviceName(first) ? first : std::string();
}

bool SamePort(std::string_view a, std::string_view b) {
    const std::string port = ExtractPortName(a);
    return !port.empty() && port == ExtractPortName(b);
}

std::string LinkDisplayName(std::string_view configured) {
    const std::string port = TrimAtFirstSpace(configured);
    if (!IsDeviceName(port)) {
        return std::string(configured);
    }
    const std::size_t repeat = configured.find("(" + port, 1);
    if (repeat == std::string_view::npos) {
        return std::string(configured);
    }
    std::string_view shown = configured.substr(0, repeat);
    if (!shown.empty() && shown.back() == ' ') {
        shown.remove_suffix(1);
    }
    return std::string(shown);
}

std::string DescriptiveEntry(std::string_view entry) {
    const std::size_t blank = entry.find(' ');
    if (!IsDeviceName(entry) || blank == std::string_view::npos) {
        return std::string(entry);
    }
    const std::string_view port = entry.substr(0, blank);
    std::string_view description = entry.substr(blank + 1);
    std::string suffix;
    const std::size_t open = description.rfind('(');
    if (open != std::string_view::npos && IsDeviceName(description.substr(open + 1))) {
        const std::size_t close = description.rfind(')');
        suffix = std::string(description.substr(open, close == std::string_view::npos || close < open
                                                          ? std::string_view::npos
                                                          : close - open + 1));
        description = TrimBlanks(description.substr(0, open));
    } else {
        suffix = "(" + std::string(port) + ")";
    }
    description = TrimBlanks(description);
    if (description.empty()) {
        return std::string(entry);
    }
    return std::string(description) + " " + suffix;
}
