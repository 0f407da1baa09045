// The host-call schedule window's rules: marks, grid texts, mode byte, typed times and call placement.
#include "kivo32/tools/call_schedule_rules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/base/local_time.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

// The logger's clock is a wall clock without a zone: its arithmetic is done as if it were UTC, so that
// no daylight-saving change of the computer's zone shifts a call.
std::int64_t WallSeconds(const std::tm& wall) {
    const std::optional<std::time_t> seconds = platform::FromUtcTime(wall);
    return seconds ? static_cast<std::int64_t>(*seconds) : 0;
}

std::tm WallTime(std::int64_t seconds) {
    return platform::ToUtcTime(static_cast<std::time_t>(seconds)).value_or(std::tm{});
}

std::int64_t StartOfDay(std::int64_t seconds) {
    return seconds - seconds % kSecondsPerDay;
}

std::int64_t TimeOfDay(int hour, int minute) {
    return hour * 3600 + minute * 60;
}

void SetCall(CallScheduleRecord& schedule, int day, std::uint8_t mode, int hour, int minute) {
    std::uint8_t* entry = CallEntry(schedule, day);
    entry[0] = mode;
    entry[1] = static_cast<std::uint8_t>(hour);
    entry[2] = static_cast<std::uint8_t>(minute);
}

void ClearDays(CallScheduleRecord& schedule) {
    for (int day = 1; day <= kLastDayOfMonth; ++day) {
        std::fill_n(CallEntry(schedule, day), 3, std::uint8_t{0});
    }
}

// The host text travels in the block's text field, NUL-terminated.
void PutHostText(CallScheduleRecord& schedule) {
    std::uint8_t* field = schedule.block.data() + CallScheduleRecord::kTextOffset;
    std::fill_n(field, CallScheduleRecord::kTextSize, std::uint8_t{0});
    const std::size_t length = std::min(schedule.text.size(), CallScheduleRecord::kTextSize - 1);
    std::copy_n(schedule.text.begin(), length, field);
}

void ClearEverything(CallScheduleRecord& schedule) {
    schedule.kind = kCallsNone;
    schedule.firstHour = schedule.firstMinute = schedule.secondHour = schedule.secondMinute = 0;
    schedule.flagA = schedule.flagB = schedule.flagC = false;
    schedule.days = {};
    ClearDays(schedule);
    if (!schedule.text.empty() && schedule.text.front() == ' ') {
        schedule.text.clear();
    }
}

}  // namespace

std::uint8_t* CallEntry(CallScheduleRecord& schedule, int day) {
    return schedule.block.data() + 3 * static_cast<std::size_t>(day);
}

const std::uint8_t* CallEntry(const CallScheduleRecord& schedule, int day) {
    return schedule.block.data() + 3 * static_cast<std::size_t>(day);
}

bool IsCallFlag(std::uint8_t flag) {
    return (flag & 0xFC) != 0;
}

CallScheduleRecord ScheduleForEditing(const CallScheduleRecord& read) {
    CallScheduleRecord editing = read;
    for (auto& weekday : editing.days) {
        if (editing.kind != kCallsWeekly || !IsCallFlag(weekday[0])) {
            weekday = {};
        } else {
            weekday[0] = kWeekdayMark;
        }
    }
    for (int day = 1; day <= kLastDayOfMonth; ++day) {
        std::uint8_t* entry = CallEntry(editing, day);
        if (editing.kind != kCallsMonthly || !IsCallFlag(entry[0])) {
            std::fill_n(entry, 3, std::uint8_t{0});
        } else {
            entry[0] = kDayMark;
        }
    }
    return editing;
}

std::uint8_t CallModeByte(int kind, bool optionA, bool optionB, int optionBChoice) {
    std::uint8_t mode = 0;
    switch (kind) {
        case kCallsOnce:
            mode = 0;
            break;
        case kCallsDaily:
            mode = 3;
            break;
        case kCallsWeekly:
            mode = 2;
            break;
        case kCallsMonthly:
            mode = 1;
            break;
        default:
            return 0;
    }
    if (optionA) {
        mode |= 0x10;
    }
    if (optionB) {
        mode |= optionBChoice == 0 ? 0x08 : 0x04;
    }
    return mode;
}

int MonthGridDay(int row, int column) {
    const int day = (row - 1) * kMonthGridColumns + column;
    return day <= kLastDayOfMonth ? day : 0;
}

std::string CallTimeText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d", hour, minute);
    return text;
}

std::string MonthGridText(const CallScheduleRecord& schedule, int day) {
    const std::uint8_t* entry = CallEntry(schedule, day);
    if (schedule.kind != kCallsMonthly || entry[0] == 0) {
        return std::to_string(day);
    }
    return std::to_string(day) + " (" + CallTimeText(entry[1], entry[2]) + ")";
}

std::string ClampTypedNumber(std::string text, int maximum) {
    while (!text.empty() && std::atoi(text.c_str()) > maximum) {
        text.pop_back();
    }
    return text;
}

CallPlacement PlaceCalls(const CallScheduleRecord& edited, const std::tm& loggerNow) {
    CallPlacement placed{edited};
    CallScheduleRecord& schedule = placed.schedule;
    const std::uint8_t mode =
        CallModeByte(schedule.kind, schedule.flagA, schedule.flagB, schedule.flagC ? 1 : 0);
    const std::int64_t now = WallSeconds(loggerNow);
    const std::int64_t today = StartOfDay(now);
    const std::int64_t soon = now + kSoonSeconds;
    const std::tm nowWall = WallTime(now);

    switch (schedule.kind) {
        case kCallsOnce: {
            schedule.days = {};
            ClearDays(schedule);
            placed.askSoon = today + TimeOfDay(schedule.firstHour, schedule.firstMinute) <= soon;
            SetCall(schedule, nowWall.tm_mday, mode, schedule.firstHour, schedule.firstMinute);
            break;
        }
        case kCallsDaily: {
            schedule.days = {};
            ClearDays(schedule);
            std::int64_t call = today + TimeOfDay(schedule.secondHour, schedule.secondMinute);
            if (call <= soon) {
                call += kSecondsPerDay;
                placed.movedOn = true;
            }
            SetCall(schedule, WallTime(call).tm_mday, mode, schedule.secondHour, schedule.secondMinute);
            break;
        }
        case kCallsWeekly: {
            ClearDays(schedule);
            for (int weekday = 0; weekday < 7; ++weekday) {
                const auto& entry = schedule.days[static_cast<std::size_t>(weekday)];
                if (entry[0] == 0) {
                    continue;
                }
                const int ahead = (weekday - nowWall.tm_wday + 7) % 7;
                std::int64_t call = today + ahead * kSecondsPerDay + TimeOfDay(entry[1], entry[2]);
                if (call <= soon) {
                    call += 7 * kSecondsPerDay;
                    placed.movedOn = true;
                }
                SetCall(schedule, WallTime(call).tm_mday, mode, entry[1], entry[2]);
            }
            break;
        }
        case kCallsMonthly: {
            bool first = true;
            for (int day = 1; day <= kLastDayOfMonth; ++day) {
                std::uint8_t* entry = CallEntry(schedule, day);
                if (entry[0] == 0) {
                    continue;
                }
                entry[0] = mode;
                if (first) {
                    placed.askSoon =
                        today + (day - nowWall.tm_mday) * kSecondsPerDay + TimeOfDay(entry[1], entry[2]) <=
                        soon;
                    first = false;
                }
            }
            break;
        }
        default:
            ClearEverything(schedule);
            break;
    }
    PutHostText(schedule);
    return placed;
}
