// The rules of the host-call schedule window, without widgets: the marks of the entries being edited,
// the month grid's texts, the flag byte written into each call, typed times, and where each kind of
// schedule puts its calls from the logger's clock.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "shared/logger/call_schedule.h"

// The schedule kinds.
inline constexpr int kCallsNone = 0;
inline constexpr int kCallsOnce = 1;
inline constexpr int kCallsDaily = 2;
inline constexpr int kCallsWeekly = 3;
inline constexpr int kCallsMonthly = 4;

// How an entry being edited is marked as set: a day of the month and a weekday.
inline constexpr std::uint8_t kDayMark = 1;
inline constexpr std::uint8_t kWeekdayMark = 2;

// The month grid: 5 rows of 7 days.
inline constexpr int kMonthGridRows = 5;
inline constexpr int kMonthGridColumns = 7;
inline constexpr int kLastDayOfMonth = 31;
// A call closer to the logger's clock than this is too soon to be sure of.
inline constexpr int kSoonSeconds = 180;
// The longest host text while a schedule is set.
inline constexpr std::size_t kHostTextMax = 47;

// Entry `day` (1-31) of the call table, which is the schedule block in 3-byte entries: entry 0 is the
// logger's status entry, 32 on hold the host text.
std::uint8_t* CallEntry(CallScheduleRecord& schedule, int day);
const std::uint8_t* CallEntry(const CallScheduleRecord& schedule, int day);

// A flag byte read from the logger marks a call when any bit above the kind's two is set.
bool IsCallFlag(std::uint8_t flag);

// The schedule as read, ready to edit: set days marked kDayMark (kept only for the monthly kind), set
// weekdays kWeekdayMark (only for the weekly kind).
CallScheduleRecord ScheduleForEditing(const CallScheduleRecord& read);

// The flag byte of every call: the kind's mode plus the options (option B's choice 0 or 1).
std::uint8_t CallModeByte(int kind, bool optionA, bool optionB, int optionBChoice);

// The day shown at (row, column), both from 1; 0 beyond day 31.
int MonthGridDay(int row, int column);
// "d" or, for a set day of a monthly schedule, "d (hh:mm)".
std::string MonthGridText(const CallScheduleRecord& schedule, int day);
// "hh:mm".
std::string CallTimeText(int hour, int minute);

// A typed number above `maximum` loses its last digits until it fits ("45" for hours leaves "4").
std::string ClampTypedNumber(std::string text, int maximum);

// Where the calls of an edited schedule go, seen from the logger's clock.
struct CallPlacement {
    CallScheduleRecord schedule;  // the tables as the logger gets them
    bool askSoon = false;         // a call is too soon: the user must agree to it
    bool movedOn = false;         // a call moved on to the next day or week: the user is told
};
// `edited` holds the kind, times, options, marked weekdays and days; entry 0 stays as read and the
// host text goes into the block. Calls of a schedule of no kind clear everything.
CallPlacement PlaceCalls(const CallScheduleRecord& edited, const std::tm& loggerNow);
