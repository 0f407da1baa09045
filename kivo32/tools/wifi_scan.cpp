// Taking a Wi-Fi module's scan reply apart into networks.
#include "kivo32/tools/wifi_scan.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace {

// The module's RSSI that counts as no signal at all.
constexpr int kWeakestRssi = 85;
// The security codes of an open network.
constexpr int kOpen = 0;
constexpr int kOpenToo = 9;
// The field of a network's value where its name begins.
constexpr std::size_t kNameField = 7;

bool IsKeyCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Whether an item starts at `at`: blanks, a key, then "=".
bool ItemStartsAt(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    const std::size_t key = at;
    while (at < text.size() && IsKeyCharacter(text[at])) {
        ++at;
    }
    return at > key && at < text.size() && text[at] == '=';
}

// The items of the reply as key and value; quotes around a value keep what they enclose together.
std::vector<std::pair<std::string, std::string>> ReplyItems(std::string_view reply) {
    std::string text(reply);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ',');
    std::vector<std::pair<std::string, std::string>> items;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!ItemStartsAt(text, at)) {
            at = text.find(',', at);
            at = at == std::string::npos ? text.size() : at + 1;
            continue;
        }
        const std::size_t equals = text.find('=', at);
        std::string key = text.substr(at, equals - at);
        key.erase(0, key.find_first_not_of(' '));
        std::size_t end = equals + 1;
        bool quoted = false;
        for (; end < text.size(); ++end) {
            if (text[end] == '"') {
                quoted = !quoted;
            } else if (text[end] == ',' && !quoted && ItemStartsAt(text, end + 1)) {
                break;
            }
        }
        std::string value = text.substr(equals + 1, end - equals - 1);
        while (!value.empty() && (value.back() == ',' || value.back() == ' ')) {
            value.pop_back();
        }
        items.emplace_back(std::move(key), std::move(value));
        at = end + 1;
    }
    return items;
}

int Number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

bool IsNetworkKey(const std::string& key) {
    return !key.empty() &&
           std::all_of(key.begin(), key.end(), [](unsigned char c) { return std::isdigit(c); }) &&
           Number(key) > 0;
}

}  // namespace

int SignalPercent(int rssi) {
    // Wide enough for any RSSI the reply may hold.
    const long long percent = static_cast<long long>(rssi) * 100 / kWeakestRssi + 100;
    return static_cast<int>(std::clamp(percent, 0LL, 100LL));
}

std::vector<ScannedNetwork> ParseWiFiScan(std::string_view reply) {
    std::vector<ScannedNetwork> networks;
    for (const auto& [key, value] : ReplyItems(reply)) {
        if (!IsNetworkKey(key)) {
            continue;
        }
        std::vector<std::string_view> fields;
        std::size_t from = 0;
        while (fields.size() < kNameField) {
            const std::size_t comma = value.find(',', from);
            if (comma == std::string::npos) {
                break;
            }
            fields.emplace_back(value.data() + from, comma - from);
            from = comma + 1;
        }
        if (fields.size() < kNameField) {
            continue;
        }
        const int security = Number(fields[2]);
        networks.push_back({.name = Unquoted(value.substr(from)),
                            .channel = Number(fields[0]),
                            .signal = SignalPercent(Number(fields[1])),
                            .secured = security != kOpen && security != kOpenToo});
    }
    return networks;
}
