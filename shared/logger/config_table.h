// The configuration table behind the "F?" query: two arrays of values, and the standard model's two
// floats; how each family lays out its reply.
#pragma once

#include <array>
#include <cstdint>
#include <span>

struct ConfigTable {
    static constexpr std::size_t kEntries = 256;

    std::array<std::int32_t, kEntries> first{};
    std::array<std::int32_t, kEntries> second{};
    std::array<float, 2> floats{};
};

// Each clears the table first and fails when the reply is shorter than its layout.
// Ornat: 128 big-endian 16-bit pairs, the first of each into the second array, the other into the first.
bool DecodeOrnatConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table);
// Quarven: `entries` (200, or 240 with the setup's wide option) of a big-endian 16-bit value (second
// array) and a big-endian 32-bit value (first array).
bool DecodeQuarvenConfigTable(std::span<const std::uint8_t> bytes, int entries, ConfigTable& table);
// Standard: 256 signed big-endian 16-bit pairs into the two arrays, then two logger floats.
bool DecodeStandardConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table);
