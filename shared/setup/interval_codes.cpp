// The interval code table and its lookups.
#include "shared/setup/interval_codes.h"

#include <array>

namespace {

struct IntervalEntry {
    long seconds;
    std::uint8_t loggerByte;
    long recordsPerDay;
};

constexpr std::array<IntervalEntry, kIntervalCodeCount> kIntervals = {{
    {60, 0x01, 1440},  // 0
    {300, 0x05, 288},  // 1
    {900, 0x0F, 96},   // 2
    {1800, 0x1E, 48},  // 3
    {3600, 0x81, 24},  // 4
    {43200, 0x8C, 2},  // 5
    {86400, 0x98, 1},  // 6
    {1, 0xC0, 43200},  // 7
    {5, 0x45, 17280},  // 8
    {10, 0x4A, 8640},  // 9
    {15, 0x4F, 5760},  // 10
    {30, 0x5E, 2880},  // 11
    {3, 0x43, 28800},  // 12
    {120, 0x02, 720},  // 13
    {600, 0x0A, 144},  // 14
    {1200, 0x14, 72},  // 15
    {1, 0x41, 86400},  // 16
}};

bool IsValidCode(int code) {
    return code >= 0 && code < kIntervalCodeCount;
}

}  // namespace

int SecondsToIntervalCode(long seconds) {
    // Searched from the last code so that 1 second finds 16, not the logger-only code 7.
    for (int code = kIntervalCodeCount - 1; code >= 0; --code) {
        if (kIntervals[code].seconds == seconds) {
            return code;
        }
    }
    return 0;
}

long IntervalCodeToSeconds(int code) {
    return IsValidCode(code) ? kIntervals[code].seconds : 0;
}

std::uint8_t IntervalCodeToLoggerByte(int code) {
    return IsValidCode(code) ? kIntervals[code].loggerByte : 0;
}

int LoggerIntervalToCode(std::uint8_t loggerByte) {
    for (int code = 0; code < kIntervalCodeCount; ++code) {
        if (kIntervals[code].loggerByte == loggerByte) {
            return code;
        }
    }
    return 0;
}

long IntervalCodeToRecordsPerDay(int code) {
    return IsValidCode(code) ? kIntervals[code].recordsPerDay : 0;
}
