// What the real-time loop hands its window: the logger and its setup once when the window opens
// (RealTimeSetup), and each cycle's reading as one owned record (RealTimeRecord); with the rules of the
// waveform reads they share.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shared/common/signal_calculations.h"
#include "shared/logger/battery_readings.h"
#include "shared/logger/config_table.h"
#include "shared/logger/real_time_value.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

struct RealTimeSetup {
    // The logger's ID, description and third text, and its firmware version number.
    std::string firstId;
    std::string secondId;
    std::string thirdId;
    int firmware = 0;
    // Of the active setup: the channel types in slot order, the option byte, the interval code, and the
    // setup itself (null when the logger gave none).
    std::array<std::uint8_t, kMaxChannelSlots> channelTypes{};
    std::uint8_t optionByte = 0;
    int intervalCode = 0;
    std::shared_ptr<const CSetupTable> table;
    float currentScalar = 0;
    float voltageScalar = 0;
    float rangeScalar = 0;
};

struct RealTimeRecord {
    std::vector<RealTimeValue> values;
    std::int64_t memoryUsed = 0;
    std::int64_t memoryFree = 0;
    double daysLeft = 0;
    bool recording = false;
    bool recordingFast = false;
    // Year, month, day, hour, minute, second.
    std::array<int, 6> clock{};
    BatteryReadings battery;
    std::optional<float> lineFrequency;
    // The loop holds: its refresh count ran out.
    bool held = false;
};

// A waveform capture: the channel's raw samples and the logger's clock text when it was taken.
struct WaveformCapture {
    int channel = 0;
    bool captured = false;
    // Taken by a continuous capture (not asked for); `held`: the continuous capture stopped instead
    // (its count ran out), nothing was taken.
    bool continuous = false;
    bool held = false;
    int sampleCount = 0;
    ConfigTable table;
    std::string clockText;
};

// Samples of one waveform capture: 128 for the Ornat, 200 for the Quarven (240 with the setup's 50 Hz
// option), 256 for the others.
int WaveformSampleCount(int typeCode, std::uint8_t optionByte);
// The setup's line frequency: 50 Hz with the option set, else 60 Hz.
double NominalLineFrequency(std::uint8_t optionByte);
// The line frequency from the first `count` voltage samples of `table`, which span one cycle of
// `nominalHz`; averaged in `history`. nullopt when the samples have no two crossings. The raw samples
// serve: scaling moves no zero crossing, and a channel whose scale factor is missing still measures.
std::optional<float> MeasureLineFrequency(const ConfigTable& table, int count, double nominalHz,
                                          CZeroCrossingHistory& history);
