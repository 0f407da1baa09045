// The logger's own host-call schedule: the 144-byte block in its setup memory and the schedule record
// that the schedule dialog edits.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

struct CallScheduleRecord {
    static constexpr std::size_t kBlockSize = 144;
    static constexpr std::size_t kEntries = 31;
    static constexpr std::size_t kTextOffset = 96;
    static constexpr std::size_t kTextSize = 48;

    std::string text;
    // 0 none, 1 once a day, 2 a second daily time, 3 days of the month spread over the week, 4 the
    // days of the month themselves.
    int kind = 0;
    int firstHour = 0;
    int firstMinute = 0;
    int secondHour = 0;
    int secondMinute = 0;
    bool flagA = false;
    bool flagB = false;
    bool flagC = false;
    // Per weekday (0 Sunday): flag byte, hour, minute.
    std::array<std::array<std::uint8_t, 3>, 7> days{};
    std::array<std::uint8_t, kBlockSize> block{};
};

// Decodes a schedule block read from the logger, repairing flag bytes with bits 2 and 3 both set,
// hours of 24 and more and minutes of 60 and more; `date` (its day of month and weekday) anchors the
// spreading of days of the month over the week. Fewer than 144 bytes give false.
bool DecodeCallSchedule(CallScheduleRecord& record, std::span<const std::uint8_t> block, const std::tm& date);

// The times of the calls the block holds, "hh:mm", day by day.
std::vector<std::string> ScheduledCallTimes(const CallScheduleRecord& record);
