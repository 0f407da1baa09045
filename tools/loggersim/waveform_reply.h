// The simulated logger's waveform capture ("F?"): one nominal cycle of a channel's voltage and current
// in the family's layout.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

struct LoggerState;

// What the captures give. Without samples of its own a channel gives a sine of the active setup's line
// frequency, sampled over one nominal cycle, its current lagging the voltage by 30 degrees; its r.m.s.
// volts and amps are those of the channel's last real-time values, in the counts the program scales by
// the logger's scalars and the channel's PT ratio and CT size.
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
// The A, V and R scalars a simulated logger starts with. The Standard and the Quarven count fine enough
// that a capture resolves a channel's volts and amps within 16 bits (the Quarven's fixed-CT inputs: A x R
// / 30000 per count); the Ornat and the Nimbo keep 1, 1 and 0.
std::array<float, 3> InitialScalars(int typeCode);
// The reply bytes of a capture of `channel`; empty for the models without a capture.
std::vector<std::uint8_t> WaveformReply(const LoggerState& state, int channel);
