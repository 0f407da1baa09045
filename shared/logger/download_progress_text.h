// The status line of a download while its records arrive: how many of how many, and once the rate is
// known, the rate and the time left.
#pragma once

#include <cstdint>
#include <string>

// Within its first seconds a transfer shows only the count: the rate is not known yet.
inline constexpr std::uint32_t kRecordRateAfterMs = 3000;

// `read` of `total` records of `recordSize` bytes after `elapsedMs` of transfer.
std::string RecordProgressText(long read, long total, std::uint32_t elapsedMs, int recordSize);
