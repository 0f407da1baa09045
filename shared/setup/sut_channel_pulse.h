// CSUTChannelPulse: the 34-byte record of a pulse input channel (model code 13).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/setup/raw_block.h"

class CSUTChannelPulse {
public:
    static constexpr std::size_t kBlockSize = 34;
    static constexpr std::size_t kNameSize = 21;

    bool operator==(const CSUTChannelPulse&) const = default;

    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    // 0 off, 10 kWh, 11 kVAh, 12 kVARh.
    std::uint8_t GetType() const { return block_.U8(0); }
    void SetType(std::uint8_t type) { block_.SetU8(0, type); }
    // The first value exchanged with the logger.
    float GetValue() const { return block_.F32(2); }
    void SetValue(float value) { block_.SetF32(2, value); }
    float GetScale() const { return block_.F32(6); }
    void SetScale(float scale) { block_.SetF32(6, scale); }
    // The power channel that the pulses belong to.
    std::uint8_t GetPowerChannel() const { return block_.U8(10); }
    void SetPowerChannel(std::uint8_t channel) { block_.SetU8(10, channel); }
    std::string GetName() const { return block_.Text(kNameOffset, kNameSize); }
    void SetName(std::string_view name) { block_.SetText(kNameOffset, kNameSize, name); }

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kNameOffset = 12;

    RawBlock<kBlockSize> block_;
};
