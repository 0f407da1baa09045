// The data memory of a simulated memory-model logger: a ring of bytes from S to E that the logger
// fills downwards with records in its raw form, encoded from the values it logs by the active setup.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <vector>

struct LoggerState;

// One logged record as a data file shows it once downloaded.
struct LoggedRecord {
    // Year, month, day, hour, minute, second: UTC for the standard logger's seconds stamps (firmware
    // 132 on), local time for the others.
    std::array<int, 6> time{};
    // One per value column of the active setup; NaN where the program reads nothing of the logger's.
    std::vector<double> values;
    // The stamp at the record's end, as the logger compares it with a read range's time mark.
    std::uint32_t stamp = 0;
    // The lowest address of the record: where a download that took it continues.
    std::uint32_t address = 0;
};

// A memory never written: addresses 0 to the memory end, each holding the low byte of its address.
void FillUnwrittenDataMemory(LoggerState& state);
// Empties the data memory and makes it the ring from `start` to `end`: the record pointer at the end,
// no wrap, nothing logged. The next record is stamped `firstTime`.
void ClearDataMemory(LoggerState& state, std::uint32_t start, std::uint32_t end, std::time_t firstTime);
// Logs `count` records by the active setup (setup 1), one interval apart, wrapping round the ring.
void LogRecords(LoggerState& state, int count);
// The `length` bytes that end at `address`, from `address` down; empty when they leave the memory.
std::vector<std::uint8_t> ReadDataMemory(const LoggerState& state, long address, long length);
// "I!18": the read position for the range from `first`; for 0 the position just past the record whose
// stamp is `timeMark`, the record pointer when none is.
std::uint32_t ReadRangePosition(const LoggerState& state, std::uint32_t first, std::uint32_t timeMark);
