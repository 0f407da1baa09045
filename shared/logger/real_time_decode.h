// The value conversions of each logger family's real-time reply: raw values of the active setup's
// channels into the entries of the real-time value table.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shared/logger/real_time_value.h"

struct CSUTInfo;

struct RealTimeScalars {
    float a = 0.0f;
    float v = 0.0f;
};

// Each fills `table` (sized by the caller to the setup's value count) from the front; entries it does
// not reach keep their channel number and zeros. False when the values run out before a channel that
// needs them, or the summary has no setup table.
bool DecodeStandardRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active,
                            std::vector<RealTimeValue>& table);
bool DecodeOrnatRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, RealTimeScalars scalars,
                         std::vector<RealTimeValue>& table);
bool DecodeNimboRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, RealTimeScalars scalars,
                         std::vector<RealTimeValue>& table);
// `model` 13 (six channels) or 14 (ten).
bool DecodeQuarvenRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, int model,
                           std::vector<RealTimeValue>& table);
