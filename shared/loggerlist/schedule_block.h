// The schedule block of a logger-list entry (its 192 bytes from the schedule code on) turned into the
// fields of the scheduled-calling page and computed back from them.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>

#include "shared/loggerlist/logger_entry.h"

// The page's schedule choices, in the order of its radio buttons.
enum ScheduleChoice {
    kCallImmediate = 0,
    kCallSingle = 1,
    kCallMultiple = 2,
    kCallDaily = 3,
    kCallWeekly = 4
};

// The schedule code stored for a choice, and the choice a stored code shows as (single call for every
// code that is not one of the others).
std::uint8_t ScheduleCodeOf(int choice);
int ScheduleChoiceOf(std::uint8_t code);

// The transfer-kind index (0 all data, 1 new data; 2 and 3 come only from stored bytes) of a task byte,
// and the code a kind stores in the task byte's low bits.
int TransferKindOf(std::uint8_t tasks);
std::uint8_t TransferCodeOf(int kind);

inline constexpr std::uint8_t kTaskNoTransfer = 8;
inline constexpr std::uint8_t kTaskSetClock = 16;
inline constexpr std::uint8_t kFileTaskNewDataOnly = 1;
inline constexpr std::uint8_t kFileTaskCreateCsv = 2;

struct HourMinute {
    int hour = 0;
    int minute = 0;
    static HourMinute FromMinutes(int minutesOfDay) { return {minutesOfDay / 60, minutesOfDay % 60}; }
    int Minutes() const { return hour * 60 + minute; }
    bool operator==(const HourMinute&) const = default;
};

// What the scheduled-calling page shows, and the user edits, of a schedule block.
struct SchedulePage {
    int choice = kCallSingle;
    int singleMonth = 1;
    int singleDay = 1;
    HourMinute singleTime;
    HourMinute daily;
    std::array<bool, 7> weekDayOn{};  // Sunday first
    std::array<HourMinute, 7> weekDayTime{};
    HourMinute multiFirst;
    HourMinute multiInterval;
    bool setClock = false;
    bool dataTransfer = true;
    int transferKind = 1;
    bool createCsv = false;

    bool operator==(const SchedulePage&) const = default;
};

// The page's fields of a block. A single-call time below 1 (none) shows as 1 January, 00:00.
SchedulePage DecodeSchedule(const CLogger::ScheduleBlock& block);

// Which time of the page a fault lies in.
enum class ScheduleSlot { kSingle, kDaily, kWeekDay, kMultiFirst, kMultiInterval };

struct ScheduleFault {
    enum Kind { kHourOrMinute, kMonth, kDayNotInMonth, kZeroInterval };
    Kind kind;
    ScheduleSlot slot;
    int weekDay = 0;  // with kWeekDay
};

// Writes the page into `block`, which keeps every other byte. The single call's date is the next
// occurrence after `now` of the month, day and time entered, unless they are those `opened` showed:
// then the stored time stays. Nothing is written when a field is out of its range, the date entered does
// not exist, or multiple calls are chosen with an interval of 00:00: the fault is returned instead.
std::optional<ScheduleFault> ComputeSchedule(const SchedulePage& page, const SchedulePage& opened,
                                             CLogger::ScheduleBlock& block, std::time_t now);

// The local time of the next `month`/`day` at `time` (seconds 0) later than `now`: this year while it
// lies ahead, else next year. nullopt when that year's month has no such day.
std::optional<std::time_t> NextOccurrence(int month, int day, HourMinute time, std::time_t now);

// A number typed into an hour, minute, month or day edit: above the edit's maximum the last digit
// typed is dropped.
int ClampTypedNumber(int number, int maximum);
