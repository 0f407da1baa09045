// CSUTInfo: the summary of a setup held in a logger, filled while the logger's setup is read, with the
// setup table decoded from it.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <span>
#include <string>

#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

struct CSUTInfo {
    bool headerValid = false;
    bool channelsValid = false;
    bool alarmsValid = false;
    bool extendedValid = false;
    std::string setupName;
    // In slot order: 6 used, 8 for model code 13, 10 for 14.
    std::array<std::uint8_t, kMaxChannelSlots> channelTypes{};
    std::time_t setupTime = 0;
    std::uint8_t loggerInterval = 0;
    std::uint8_t optionByte = 0;
    // Where the setup lies in the logger's setup memory and how many bytes it takes.
    std::uint16_t blockAddress = 0;
    std::uint16_t blockSize = 0;
    // From the last three bytes of the setup header.
    std::uint32_t summaryAddress = 0;
    // Bytes 0-1 of the setup header.
    std::uint16_t firstHeaderWord = 0;
    std::time_t startTime = 0;
    std::time_t stopTime = 0;
    std::unique_ptr<CSetupTable> setupTable;

    // Forgets the setup: everything read from it and the setup table. Where the setup lies in the
    // logger's memory (block address and size) stays: the logger's header words gave it, and the next
    // read of the setup needs it.
    void Clear();
    // The local time of a logger's 6-byte date-time (yy, month, day, hour, minute, second; yy below 70
    // is 20yy); 0 for none or for a date-time that is out of range.
    void SetSetupTime(std::span<const std::uint8_t> packed);
    // Index of the last channel type that is not 0 among the model's 6, 8 or 10; -1 when none is.
    int GetLastUsedChannel(int model) const;
    int GetChannelCount(int model) const { return GetLastUsedChannel(model) + 1; }
    // Values per record of the setup table's channels: 7 for power and software channels, 1 for the
    // other kinds; 0 without a setup table.
    int GetValueCount() const;
    // After programming: all flags set, interval byte, name and every channel type of the model taken
    // from the setup table; without one, Clear().
    void UpdateFromSetup();
};
