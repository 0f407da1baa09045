// The Quarven's replies to "R?K" and "R?R".
#include "shared/logger/quarven_extended_reply.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/base/local_time.h"
#include "shared/setup/sut_extended_data.h"

namespace {

constexpr std::string_view kLineBreaks = "\r\n";
constexpr int kExtraGroups = 2;
constexpr int kExtraGroupEntries = 7;
constexpr std::size_t kExtraGroupHead = 4;

// The reply up to its limit and up to the prompt that ends it.
std::string_view ReplyBody(std::string_view reply) {
    reply = reply.substr(0, kQuarvenReplyTextMax);
    return reply.substr(0, reply.find('>'));
}

struct TimedEntry {
    float value = 0.0f;
    std::int64_t time = 0;
};

bool ParseTimedEntry(const std::string& text, TimedEntry& entry) {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    float value = 0.0f;
    const int fields = std::sscanf(text.c_str(), "%d/%d/%d,%d:%d:%d,%f", &month, &day, &year, &hour, &minute,
                                   &second, &value);
    if (fields < 6) {
        return false;
    }
    std::tm utc{};
    utc.tm_year = year + 100;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = hour;
    utc.tm_min = minute;
    utc.tm_sec = second;
    entry.value = fields == 7 ? value : 0.0f;
    entry.time = static_cast<std::int64_t>(platform::FromUtcTime(utc).value_or(0));
    return true;
}

}  // namespace

bool ParseQuarvenTimedValues(std::string_view reply, CSUTExtendedData& extended) {
    const std::string_view body = ReplyBody(reply);
    std::array<TimedEntry, CSUTExtendedData::kTimedValues> entries{};
    std::size_t count = 0;
    std::size_t at = 0;
    while (count < entries.size() && at < body.size()) {
        const std::size_t end = std::min(body.find_first_of(";\r\n", at), body.size());
        const std::string text(body.substr(at, end - at));
        at = end + 1;
        if (text.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        if (!ParseTimedEntry(text, entries[count])) {
            return false;
        }
        ++count;
    }
    if (count < entries.size()) {
        return false;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        extended.SetTimedValue(static_cast<int>(i), entries[i].value, entries[i].time);
    }
    return true;
}

bool ParseQuarvenExtraValues(std::string_view reply, CSUTExtendedData& extended) {
    const std::string_view body = ReplyBody(reply);
    std::array<float, kExtraGroups * kExtraGroupEntries> values{};
    std::size_t at = 0;
    for (int group = 0; group < kExtraGroups; ++group) {
        // The second group may stand on a line of its own.
        at = std::min(body.find_first_not_of(kLineBreaks, at), body.size()) + kExtraGroupHead;
        for (int entry = 0; entry < kExtraGroupEntries; ++entry) {
            const std::size_t blank = body.find(' ', at);
            if (blank == std::string_view::npos) {
                return false;
            }
            const std::size_t end = std::min(body.find_first_of(";\r\n", blank), body.size());
            values[static_cast<std::size_t>(group * kExtraGroupEntries + entry)] =
                std::strtof(std::string(body.substr(blank + 1, end - blank - 1)).c_str(), nullptr);
            at = end + 1;
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        extended.SetQuarvenValue(static_cast<int>(i), values[i]);
    }
    return true;
}
