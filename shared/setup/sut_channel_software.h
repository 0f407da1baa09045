// CSUTChannelSoftware: the 196-byte record of a channel computed from hardware channels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/setup/raw_block.h"

class CSUTChannelSoftware {
public:
    static constexpr std::size_t kBlockSize = 196;
    static constexpr std::size_t kNameSize = 21;
    static constexpr std::size_t kNoteSize = 80;

    // Type 0, combining hardware channels 1 and 2, kW average recorded.
    CSUTChannelSoftware();

    bool operator==(const CSUTChannelSoftware&) const = default;

    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    std::uint8_t GetType() const { return block_.U8(0); }
    void SetType(std::uint8_t type) { block_.SetU8(0, type); }
    std::string GetName() const { return block_.Text(kNameOffset, kNameSize); }
    void SetName(std::string_view name) { block_.SetText(kNameOffset, kNameSize, name); }
    std::string GetNote() const { return block_.Text(kNoteOffset, kNoteSize); }
    void SetNote(std::string_view note) { block_.SetText(kNoteOffset, kNoteSize, note); }
    // Non-zero when hardware channel `channel` + 1 (0-3) is combined into this one.
    std::uint16_t GetHardwareFlag(int channel) const { return block_.U16(kFlagsOffset + 2 * channel); }
    void SetHardwareFlag(int channel, std::uint16_t flag) { block_.SetU16(kFlagsOffset + 2 * channel, flag); }
    // Recording options of the six quantities (PowerQuantity order).
    std::uint8_t GetPowerOptions(int quantity) const { return block_.U8(kPowerOptionsOffset + quantity); }
    void SetPowerOptions(int quantity, std::uint8_t options) {
        block_.SetU8(kPowerOptionsOffset + quantity, options);
    }

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kNameOffset = 2;
    static constexpr std::size_t kNoteOffset = 23;
    static constexpr std::size_t kFlagsOffset = 104;
    static constexpr std::size_t kPowerOptionsOffset = 112;

    RawBlock<kBlockSize> block_;
};
