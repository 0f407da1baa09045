// CSUTChannelAnalog: the 60-byte record of an analog input channel (model code 14).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "shared/setup/raw_block.h"

class CSUTChannelAnalog {
public:
    static constexpr std::size_t kBlockSize = 60;
    static constexpr std::size_t kNameSize = 21;
    static constexpr std::size_t kUnitsSize = 20;
    // The logger image carries the four range values and the units text with the logger byte as held.
    static constexpr std::size_t kRangeOffset = 2;
    static constexpr std::size_t kRangeSize = 16;
    static constexpr std::size_t kUnitsOffset = 39;
    static constexpr std::size_t kUnitsAndLoggerByteSize = 21;

    // Type 0, average recorded.
    CSUTChannelAnalog();

    bool operator==(const CSUTChannelAnalog&) const = default;

    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    // 0 off, 15 "4 - 20 ma", 16 "0 - 20 ma", 17 "0 - 10 Vdc".
    std::uint8_t GetType() const { return block_.U8(0); }
    void SetType(std::uint8_t type) { block_.SetU8(0, type); }
    std::uint8_t GetOptions() const { return block_.U8(1); }
    void SetOptions(std::uint8_t options) { block_.SetU8(1, options); }
    float GetLowSensor() const { return block_.F32(2); }
    void SetLowSensor(float value) { block_.SetF32(2, value); }
    float GetLowOutput() const { return block_.F32(6); }
    void SetLowOutput(float value) { block_.SetF32(6, value); }
    float GetHighSensor() const { return block_.F32(10); }
    void SetHighSensor(float value) { block_.SetF32(10, value); }
    float GetHighOutput() const { return block_.F32(14); }
    void SetHighOutput(float value) { block_.SetF32(14, value); }
    std::string GetName() const { return block_.Text(kNameOffset, kNameSize); }
    void SetName(std::string_view name) { block_.SetText(kNameOffset, kNameSize, name); }
    std::string GetUnits() const { return block_.Text(kUnitsOffset, kUnitsSize); }
    void SetUnits(std::string_view units) { block_.SetText(kUnitsOffset, kUnitsSize, units); }
    // Byte 36 of the logger's analog entry.
    std::uint8_t GetLoggerByte() const { return block_.U8(59); }
    void SetLoggerByte(std::uint8_t value) { block_.SetU8(59, value); }

    // Raw copies for the logger image, which carries these bytes as held.
    std::span<const std::uint8_t> GetRawField(std::size_t offset, std::size_t size) const {
        return block_.Field(offset, size);
    }
    void SetRawField(std::size_t offset, std::span<const std::uint8_t> bytes);

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kNameOffset = 18;

    RawBlock<kBlockSize> block_;
};
