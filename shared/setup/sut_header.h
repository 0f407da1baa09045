// CSUTHeader: the 60-byte header record of a setup table (name, model, interval, options, setup time).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/setup/raw_block.h"

class CSUTHeader {
public:
    static constexpr std::size_t kBlockSize = 60;
    static constexpr std::size_t kSubTextSize = 14;
    static constexpr std::size_t kHeaderTextSize = 21;
    static constexpr std::uint8_t kDefaultIntervalCode = 2;  // 15 minutes

    // Option byte bits.
    static constexpr std::uint8_t kOptionStandard80 = 0x80;    // a yes/no setting of the standard model
    static constexpr std::uint8_t kOptionAutoLineFreq = 0x40;  // automatic line frequency
    static constexpr std::uint8_t kOptionRingMemory = 0x20;    // set "Ring", clear "Linear"
    static constexpr std::uint8_t kOption50Hz = 0x10;          // set 50 Hz, clear 60 Hz
    static constexpr std::uint8_t kOptionStandard08 = 0x08;    // a yes/no setting of the standard model
    static constexpr std::uint8_t kOptionModel14ReadBack = 0x04;

    // Zero bytes, interval code 2 and the option byte of the application's default line frequency.
    CSUTHeader();

    // The option byte of a new header for a default line-frequency text: "Auto" 0xE0, "60" 0xA0,
    // anything else 0xB0 (50 Hz).
    static std::uint8_t DefaultOptionByte(std::string_view lineFrequency);

    // Equal when the logger ID, the setup name, the model code, the interval code and the option byte
    // are; every other byte is ignored.
    bool operator==(const CSUTHeader& other) const;

    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    // The ID text of the logger whose setup this is (at most 13 characters are kept).
    std::string GetSubText() const { return block_.Text(kSubTextOffset, kSubTextSize); }
    void SetSubText(std::string_view text) { block_.SetText(kSubTextOffset, kSubTextSize, text); }
    // The setup name (at most 20 characters are kept).
    std::string GetHeaderText() const { return block_.Text(kHeaderTextOffset, kHeaderTextSize); }
    void SetHeaderText(std::string_view text) { block_.SetText(kHeaderTextOffset, kHeaderTextSize, text); }

    std::uint8_t GetModelCode() const { return block_.U8(kModelOffset); }
    void SetModelCode(std::uint8_t model) { block_.SetU8(kModelOffset, model); }
    // The logger firmware version of a setup read from a logger; 0 when not known.
    std::uint16_t GetFirmwareVersion() const { return block_.U16(kFirmwareOffset); }
    void SetFirmwareVersion(std::uint16_t version) { block_.SetU16(kFirmwareOffset, version); }
    std::uint8_t GetIntervalCode() const { return block_.U8(kIntervalOffset); }
    void SetIntervalCode(std::uint8_t code) { block_.SetU8(kIntervalOffset, code); }
    std::uint8_t GetOptionByte() const { return block_.U8(kOptionOffset); }
    void SetOptionByte(std::uint8_t options) { block_.SetU8(kOptionOffset, options); }
    // Which value options of the software channels carry alarms: bits 0-2 channel 5, 3-5 channel 6.
    std::uint8_t GetSoftwareAlarmByte() const { return block_.U8(kSoftwareAlarmOffset); }
    void SetSoftwareAlarmByte(std::uint8_t bits) { block_.SetU8(kSoftwareAlarmOffset, bits); }

    // When the logger received this setup, seconds since 1970; 0 when not known.
    std::uint32_t GetSetupTime() const { return block_.U32(kSetupTimeOffset); }
    void SetSetupTime(std::uint32_t time) { block_.SetU32(kSetupTimeOffset, time); }

    // The interval code's seconds; 0 for a code outside the interval table.
    long GetIntervalSeconds() const;

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kSubTextOffset = 0;
    static constexpr std::size_t kHeaderTextOffset = 14;
    static constexpr std::size_t kModelOffset = 35;
    static constexpr std::size_t kFirmwareOffset = 50;
    static constexpr std::size_t kIntervalOffset = 52;
    static constexpr std::size_t kOptionOffset = 53;
    static constexpr std::size_t kSoftwareAlarmOffset = 54;
    static constexpr std::size_t kSetupTimeOffset = 56;

    RawBlock<kBlockSize> block_;
};
