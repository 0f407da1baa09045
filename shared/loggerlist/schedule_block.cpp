#include "shared/loggerlist/schedule_block.h"

#include <span>

#include "platform/base/byte_order.h"
#include "platform/base/local_time.h"
#include "shared/common/calendar.h"

namespace {

using platform::ByteOrder;

// Offsets inside the block (the record's offsets less 270).
constexpr std::size_t kCode = 0;
constexpr std::size_t kTasks = 1;
constexpr std::size_t kSingleCall = 2;
constexpr std::size_t kDaily = 6;
constexpr std::size_t kWeekDayOn = 8;
constexpr std::size_t kWeekDayMinutes = 22;
constexpr std::size_t kFileTasks = 173;
constexpr std::size_t kMultiFirst = 174;
constexpr std::size_t kMultiInterval = 176;

constexpr std::uint8_t kCodes[] = {32, 1, 64, 2, 4};

int S16(const CLogger::ScheduleBlock& block, std::size_t offset) {
    return static_cast<std::int16_t>(platform::ReadU16(block, offset, ByteOrder::Little));
}

void SetS16(CLogger::ScheduleBlock& block, std::size_t offset, int value) {
    platform::WriteU16(block, offset, static_cast<std::uint16_t>(value), ByteOrder::Little);
}

bool InRange(HourMinute time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
}

std::optional<ScheduleFault> CheckTimes(const SchedulePage& page) {
    const std::pair<HourMinute, ScheduleSlot> slots[] = {{page.singleTime, ScheduleSlot::kSingle},
                                                         {page.daily, ScheduleSlot::kDaily},
                                                         {page.multiFirst, ScheduleSlot::kMultiFirst},
                                                         {page.multiInterval, ScheduleSlot::kMultiInterval}};
    for (const auto& [time, slot] : slots) {
        if (!InRange(time)) {
            return ScheduleFault{ScheduleFault::kHourOrMinute, slot};
        }
    }
    for (int day = 0; day < 7; ++day) {
        if (!InRange(page.weekDayTime[static_cast<std::size_t>(day)])) {
            return ScheduleFault{ScheduleFault::kHourOrMinute, ScheduleSlot::kWeekDay, day};
        }
    }
    if (page.choice == kCallMultiple && page.multiInterval.Minutes() == 0) {
        return ScheduleFault{ScheduleFault::kZeroInterval, ScheduleSlot::kMultiInterval};
    }
    return std::nullopt;
}

bool SingleCallTouched(const SchedulePage& page, const SchedulePage& opened) {
    return page.singleMonth != opened.singleMonth || page.singleDay != opened.singleDay ||
           page.singleTime != opened.singleTime;
}

}  // namespace

std::uint8_t ScheduleCodeOf(int choice) {
    return choice >= 0 && choice < 5 ? kCodes[choice] : kCodes[kCallSingle];
}

int ScheduleChoiceOf(std::uint8_t code) {
    for (int choice = 0; choice < 5; ++choice) {
        if (kCodes[choice] == code) {
            return choice;
        }
    }
    return kCallSingle;
}

int TransferKindOf(std::uint8_t tasks) {
    switch (tasks & 7) {
        case 1:
            return 0;
        case 3:
            return 2;
        case 4:
            return 3;
        default:
            return 1;
    }
}

std::uint8_t TransferCodeOf(int kind) {
    switch (kind) {
        case 0:
            return 1;
        case 2:
            return 3;
        case 3:
            return 4;
        default:
            return 2;
    }
}

SchedulePage DecodeSchedule(const CLogger::ScheduleBlock& block) {
    SchedulePage page;
    page.choice = ScheduleChoiceOf(block[kCode]);
    const std::time_t single =
        static_cast<std::int32_t>(platform::ReadU32(block, kSingleCall, ByteOrder::Little));
    if (single >= 1) {
        if (const auto local = platform::ToLocalTime(single)) {
            page.singleMonth = local->tm_mon + 1;
            page.singleDay = local->tm_mday;
            page.singleTime = {local->tm_hour, local->tm_min};
        }
    }
    page.daily = HourMinute::FromMinutes(S16(block, kDaily));
    for (std::size_t day = 0; day < 7; ++day) {
        page.weekDayOn[day] = S16(block, kWeekDayOn + 2 * day) != 0;
        page.weekDayTime[day] = HourMinute::FromMinutes(S16(block, kWeekDayMinutes + 2 * day));
    }
    page.multiFirst = HourMinute::FromMinutes(S16(block, kMultiFirst));
    page.multiInterval = HourMinute::FromMinutes(S16(block, kMultiInterval));
    const std::uint8_t tasks = block[kTasks];
    page.setClock = (tasks & kTaskSetClock) != 0;
    page.dataTransfer = (tasks & kTaskNoTransfer) == 0;
    page.transferKind = TransferKindOf(tasks);
    page.createCsv = (block[kFileTasks] & kFileTaskCreateCsv) != 0;
    return page;
}

std::optional<ScheduleFault> ComputeSchedule(const SchedulePage& page, const SchedulePage& opened,
                                             CLogger::ScheduleBlock& block, std::time_t now) {
    if (auto fault = CheckTimes(page)) {
        return fault;
    }
    std::optional<std::time_t> single;
    if (SingleCallTouched(page, opened)) {
        if (page.singleMonth < 1 || page.singleMonth > 12) {
            return ScheduleFault{ScheduleFault::kMonth, ScheduleSlot::kSingle};
        }
        single = NextOccurrence(page.singleMonth, page.singleDay, page.singleTime, now);
        if (!single) {
            return ScheduleFault{ScheduleFault::kDayNotInMonth, ScheduleSlot::kSingle};
        }
    }

    std::uint8_t tasks = page.setClock ? kTaskSetClock : 0;
    tasks |= page.dataTransfer ? TransferCodeOf(page.transferKind) : kTaskNoTransfer;
    block[kTasks] = tasks;
    block[kFileTasks] = static_cast<std::uint8_t>((page.transferKind != 0 ? kFileTaskNewDataOnly : 0) |
                                                  (page.createCsv ? kFileTaskCreateCsv : 0));
    block[kCode] = ScheduleCodeOf(page.choice);
    if (single) {
        platform::WriteU32(block, kSingleCall, static_cast<std::uint32_t>(*single), ByteOrder::Little);
    }
    SetS16(block, kDaily, page.daily.Minutes());
    for (std::size_t day = 0; day < 7; ++day) {
        SetS16(block, kWeekDayOn + 2 * day, page.weekDayOn[day] ? 1 : 0);
        SetS16(block, kWeekDayMinutes + 2 * day, page.weekDayTime[day].Minutes());
    }
    SetS16(block, kMultiFirst, page.multiFirst.Minutes());
    SetS16(block, kMultiInterval, page.multiInterval.Minutes());
    return std::nullopt;
}

std::optional<std::time_t> NextOccurrence(int month, int day, HourMinute time, std::time_t now) {
    const auto today = platform::ToLocalTime(now);
    if (!today) {
        return std::nullopt;
    }
    // A day the month lacks (29 February of a common year) does not occur in that year.
    for (const int year : {today->tm_year + 1900, today->tm_year + 1901}) {
        const auto at = LocalTimeFromFields(year, month, day, time.hour, time.minute, 0);
        if (at && *at > now) {
            return at;
        }
    }
    return std::nullopt;
}

int ClampTypedNumber(int number, int maximum) {
    return number > maximum ? number / 10 : number;
}
