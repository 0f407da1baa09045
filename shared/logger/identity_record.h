// The logger's identification record (the hex-dump reply to "I?") and the firmware number of its
// firmware text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct IdentityRecord {
    static constexpr std::size_t kShortSize = 52;
    static constexpr std::size_t kLongSize = 118;

    std::string loggerId;
    std::string description;
    std::string thirdText;
    std::string firmwareText;
    bool longForm = false;
    // Long form only.
    std::string longLoggerId;
    std::string longDescription;
    // Option flags 1 to 5 (bits 7, 6, 2, 1, 0 of the option byte).
    std::array<bool, 5> optionFlags{};
    // 0, or -3, -2, -1 for bit 3, 4, 5 of the option byte.
    int modeCode = 0;
    bool recording = false;
    bool wraps = false;
    std::uint8_t memoryBank = 0;
    std::uint8_t configByte2 = 0;
};

// nullopt for a record shorter than its form: 52 bytes, or 118 when the firmware text has the "NX"
// prefix (its second character is 'X').
std::optional<IdentityRecord> DecodeIdentityRecord(std::span<const std::uint8_t> bytes);

// The decimal number after the first "." of a firmware text, plus 100 for an "NX4" text; 0 without
// a ".".
int FirmwareNumber(const std::string& firmwareText);
// The version from the text's third character on ("NX401.234" gives 401.234); 0 when it has none.
double FirmwareVersionFromThird(const std::string& firmwareText);
