// CSUTAlarm: one 12-byte alarm of a channel (flag byte, option byte, low and high limit).
#pragma once

#include <cstddef>
#include <cstdint>

#include "shared/setup/raw_block.h"

class CSUTAlarm {
public:
    static constexpr std::size_t kBlockSize = 12;

    // Flag byte bits of the alarm itself; the other bits hold block flags in a set's first alarm.
    static constexpr std::uint8_t kFlagBit1 = 0x01;
    static constexpr std::uint8_t kFlagBit2 = 0x02;
    static constexpr std::uint8_t kFlagLowOn = 0x10;   // alarm at or below the low limit
    static constexpr std::uint8_t kFlagHighOn = 0x20;  // alarm at or above the high limit
    // Option byte bits.
    static constexpr std::uint8_t kOptionBit1 = 0x01;
    static constexpr std::uint8_t kOptionBit2 = 0x02;

    // Equal when all 12 bytes are (limits compared as bit patterns: -0.0 differs from 0.0).
    bool operator==(const CSUTAlarm&) const = default;

    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    bool IsOn() const { return IsLowAlarmOn() || IsHighAlarmOn(); }
    bool IsLowAlarmOn() const { return HasFlag(kFlagLowOn); }
    bool IsHighAlarmOn() const { return HasFlag(kFlagHighOn); }
    void SetLowAlarmOn(bool on) { SetFlag(kFlagLowOn, on); }
    void SetHighAlarmOn(bool on) { SetFlag(kFlagHighOn, on); }

    std::uint8_t GetFlags() const { return block_.U8(kFlagOffset); }
    void SetFlags(std::uint8_t flags) { block_.SetU8(kFlagOffset, flags); }
    bool HasFlag(std::uint8_t bit) const { return (GetFlags() & bit) != 0; }
    // Sets or clears the given flag bits only.
    void SetFlag(std::uint8_t bits, bool on);
    std::uint8_t GetOptions() const { return block_.U8(kOptionOffset); }
    void SetOptions(std::uint8_t options) { block_.SetU8(kOptionOffset, options); }
    // Sets or clears the given option bits only.
    void SetOption(std::uint8_t bits, bool on);

    float GetLowLimit() const { return block_.F32(4); }
    void SetLowLimit(float limit) { block_.SetF32(4, limit); }
    float GetHighLimit() const { return block_.F32(8); }
    void SetHighLimit(float limit) { block_.SetF32(8, limit); }
    // A counting alarm keeps a whole number in place of the high limit.
    std::uint32_t GetHighCount() const { return block_.U32(8); }
    void SetHighCount(std::uint32_t count) { block_.SetU32(8, count); }

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kFlagOffset = 0;
    static constexpr std::size_t kOptionOffset = 1;

    RawBlock<kBlockSize> block_;
};
