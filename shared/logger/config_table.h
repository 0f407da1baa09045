// The configuration table behind the "F?" query: the waveform of one channel as raw samples, current
// and voltage, and the standard model's two floats; how each family lays out its reply.
#pragma once

#include <array>
#include <cstdint>
#include <span>

struct ConfigTable {
    static constexpr std::size_t kEntries = 256;
    // The samples of each family's reply.
    static constexpr int kOrnatSamples = 128;
    static constexpr int kQuarvenSamples = 200;
    static constexpr int kQuarvenWideSamples = 240;  // with the setup's 50 Hz option
    static constexpr int kStandardSamples = 256;

    // Raw samples: current at entries 0 onward of the logger's waveform buffer, voltage at 256 onward.
    std::array<std::int32_t, kEntries> current{};
    std::array<std::int32_t, kEntries> voltage{};
    // The standard model's voltage and current scalars that follow its samples.
    std::array<float, 2> floats{};
};

// Each clears the table first and fails when the reply is shorter than its layout.
// Ornat: 128 pairs of signed big-endian 16-bit values, voltage then current.
bool DecodeOrnatConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table);
// Quarven: `entries` (200, or 240 with the setup's 50 Hz option) of a signed big-endian 16-bit voltage
// and a signed big-endian 32-bit current; no entries, or more than the table holds, fail.
bool DecodeQuarvenConfigTable(std::span<const std::uint8_t> bytes, int entries, ConfigTable& table);
// Standard: 256 pairs of signed big-endian 16-bit values, voltage then current, then two logger floats.
bool DecodeStandardConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table);
