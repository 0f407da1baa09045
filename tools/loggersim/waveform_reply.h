// The simulated logger's waveform capture ("F?"): one nominal cycle of a channel's voltage and current
// in the family's layout.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

struct LoggerState;

// What the captures give. Without samples of its own a channel gives a sine of the active setup's line
// frequency, sampled over one nominal cycle, its current lagging the voltage by 30 degrees.
struct SimulatedWaveform {
    // Raw samples a test sets for every channel in place of the sine (the family's count is taken,
    // missing ones are 0).
    std::vector<std::int32_t> voltage;
    std::vector<std::int32_t> current;
    // Channels (0-3) whose current is 0 everywhere.
    std::set<int> flatChannels;
    // The sine's frequency in Hz; 0 takes the setup's line frequency.
    double frequencyHz = 0;
};

// Samples per capture of the state's model: 128 Ornat, 256 standard, 200 Quarven (240 with the active
// setup's 50 Hz option); 0 for the models without a capture.
int WaveformSampleCount(const LoggerState& state);
// The current and voltage scalars the standard model sends behind its samples: the sine's peaks read
// 230 V and 100 A r.m.s. on a channel of PT ratio 1 and CT size 200.
std::array<float, 2> StandardWaveformScalars();
// The reply bytes of a capture of `channel`; empty for the models without a capture.
std::vector<std::uint8_t> WaveformReply(const LoggerState& state, int channel);
