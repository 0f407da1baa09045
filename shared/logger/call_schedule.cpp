// Decoding the host-call schedule block.
#include "shared/logger/call_schedule.h"

#include <algorithm>
#include <cstdio>

#include "shared/common/calendar.h"

namespace {

constexpr std::size_t kHeadSize = 3;
constexpr std::uint8_t kInUse = 4;

std::uint8_t* Entry(std::array<std::uint8_t, CallScheduleRecord::kBlockSize>& block, std::size_t index) {
    return block.data() + kHeadSize + 3 * index;
}

// Day d of the month falls on the date's weekday plus its distance from the date's day; days before
// the date's day are reached by counting on through the end of the month.
void SpreadMonthDays(CallScheduleRecord& record,
                     std::array<std::uint8_t, CallScheduleRecord::kBlockSize>& block, const std::tm& date) {
    const int today = date.tm_mday;
    const int monthDays = DaysInMonth(date.tm_year + 1900, date.tm_mon + 1);
    for (int d = 1; d <= static_cast<int>(CallScheduleRecord::kEntries); ++d) {
        const std::uint8_t* entry = Entry(block, static_cast<std::size_t>(d - 1));
        if (entry[0] < kInUse) {
            continue;
        }
        const int distance = d >= today ? d - today : monthDays - today + d;
        const int weekday = (date.tm_wday + distance) % 7;
        std::copy_n(entry, 3, record.days[static_cast<std::size_t>(weekday)].begin());
    }
}

bool IsPrintableText(std::span<const std::uint8_t> text) {
    for (const std::uint8_t c : text) {
        if (c == 0) {
            return true;
        }
        if (c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool DecodeCallSchedule(CallScheduleRecord& record, std::span<const std::uint8_t> source,
                        const std::tm& date) {
    if (source.size() < CallScheduleRecord::kBlockSize) {
        return false;
    }
    std::array<std::uint8_t, CallScheduleRecord::kBlockSize> block{};
    std::copy_n(source.begin(), block.size(), block.begin());
    record.days = {};
    record.flagA = record.flagB = record.flagC = false;

    std::uint8_t* firstInUse = nullptr;
    for (std::size_t i = 0; i < CallScheduleRecord::kEntries; ++i) {
        std::uint8_t* entry = Entry(block, i);
        if (entry[0] >= kInUse && (entry[0] & 0x0C) == 0x0C) {
            entry[0] = 0;
        }
        if (entry[1] >= 24) {
            entry[1] = 0;
        }
        if (entry[2] >= 60) {
            entry[2] = 0;
        }
        if (firstInUse == nullptr && entry[0] >= kInUse) {
            firstInUse = entry;
        }
    }

    if (firstInUse == nullptr) {
        record.kind = 0;
        record.firstHour = record.firstMinute = record.secondHour = record.secondMinute = 0;
    } else {
        static constexpr int kKindOfLowBits[4] = {1, 4, 3, 2};
        record.kind = kKindOfLowBits[firstInUse[0] & 0x03];
        if (record.kind == 1) {
            record.firstHour = firstInUse[1];
            record.firstMinute = firstInUse[2];
        } else if (record.kind == 2) {
            record.secondHour = firstInUse[1];
            record.secondMinute = firstInUse[2];
        } else if (record.kind == 3) {
            SpreadMonthDays(record, block, date);
        }
        const std::uint8_t flags = firstInUse[0];
        record.flagA = (flags & 0x10) != 0;
        record.flagB = (flags & 0x04) != 0 || (flags & 0x08) != 0;
        record.flagC = (flags & 0x04) != 0;
    }
    for (std::size_t i = 0; i < CallScheduleRecord::kEntries; ++i) {
        std::uint8_t* entry = Entry(block, i);
        if (record.kind != 4 || entry[0] < kInUse) {
            std::fill_n(entry, 3, std::uint8_t{0});
        }
    }

    const std::span<std::uint8_t> text(block.data() + CallScheduleRecord::kTextOffset,
                                       CallScheduleRecord::kTextSize);
    if (!IsPrintableText(text)) {
        std::fill(text.begin(), text.end(), std::uint8_t{0});
    }
    record.text.clear();
    for (const std::uint8_t c : text) {
        if (c == 0) {
            break;
        }
        record.text += static_cast<char>(c);
    }
    record.block = block;
    return true;
}

std::vector<std::string> ScheduledCallTimes(const CallScheduleRecord& record) {
    std::vector<std::string> times;
    for (std::size_t i = 0; i < CallScheduleRecord::kEntries; ++i) {
        const std::uint8_t* entry = record.block.data() + kHeadSize + 3 * i;
        if (entry[0] >= kInUse) {
            char text[16];
            std::snprintf(text, sizeof text, "%2.2d:%2.2d", entry[1], entry[2]);
            times.emplace_back(text);
        }
    }
    return times;
}
