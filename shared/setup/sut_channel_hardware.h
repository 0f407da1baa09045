// CSUTChannelHardware: the 172-byte record of one measured channel (166 bytes in the old form).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/setup/raw_block.h"

class CSUTChannelHardware {
public:
    static constexpr std::size_t kBlockSize = 172;
    static constexpr std::size_t kOldFormSize = 166;
    static constexpr std::size_t kNameSize = 21;
    static constexpr std::size_t kUnitsSize = 9;
    static constexpr std::size_t kNoteSize = 80;
    static constexpr std::size_t kLoggerLabelSize = 21;

    // Field offsets that the logger image and the logging-compatibility check use.
    static constexpr std::size_t kNameOffset = 33;
    static constexpr std::size_t kUnitsOffset = 54;
    static constexpr std::size_t kNoteOffset = 63;
    static constexpr std::size_t kLoggerLabelOffset = 144;
    static constexpr std::size_t kCTTypeOffset = 166;
    static constexpr std::size_t kPhaseShiftOffset = 168;

    // Type 0, phases 'A', PT 1.0, CT 100.0, kW average recorded, scale 1.0, "VoltsDC", phase shift 1.1.
    CSUTChannelHardware();

    bool operator==(const CSUTChannelHardware&) const = default;

    // 166 bytes when read from a data file (`dataFile`) below version 304 or from a setup-table file
    // below 403, else 172. False, with the record unchanged, when the bytes run out.
    bool Read(platform::ByteReader& reader, int fileVersion, bool dataFile);
    static bool IsOldFormIn(int fileVersion, bool dataFile) {
        return dataFile ? fileVersion < 304 : fileVersion < 403;
    }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }
    // The old 166-byte form: bytes 0-164 and a zero padding byte. Reading it gives the bytes it does not
    // hold their defaults (CT type 0, phase shift 1.1).
    bool ReadOldForm(platform::ByteReader& reader);
    void WriteOldForm(platform::ByteWriter& writer) const;

    std::uint8_t GetType() const { return block_.U8(0); }
    void SetType(std::uint8_t type) { block_.SetU8(0, type); }
    // Phase references 'A', 'B', 'C' or 'N', or kNoPhase (one below 'A') for a phase not chosen; the
    // setters refuse other letters and return false.
    static constexpr char kNoPhase = 'A' - 1;
    char GetVLo() const { return static_cast<char>(block_.U8(1)); }
    bool SetVLo(char phase);
    char GetVHi() const { return static_cast<char>(block_.U8(2)); }
    bool SetVHi(char phase);
    // "L1", "L2", "L3" or "N".
    std::string GetVLoName() const;
    std::string GetVHiName() const;
    float GetPTRatio() const { return block_.F32(4); }
    void SetPTRatio(float ratio) { block_.SetF32(4, ratio); }
    float GetCTSize() const { return block_.F32(8); }
    void SetCTSize(float size) { block_.SetF32(8, size); }
    // Recording options of a power channel's six quantities (PowerQuantity order).
    std::uint8_t GetPowerOptions(int quantity) const { return block_.U8(kPowerOptionsOffset + quantity); }
    void SetPowerOptions(int quantity, std::uint8_t options) {
        block_.SetU8(kPowerOptionsOffset + quantity, options);
    }
    // Scale values of types 2, 3, 7, 8 and 9.
    float GetScaleValue1() const { return block_.F32(18); }
    void SetScaleValue1(float value) { block_.SetF32(18, value); }
    float GetScaleValue2() const { return block_.F32(22); }
    void SetScaleValue2(float value) { block_.SetF32(22, value); }
    // Scale value of type 4.
    float GetRNDCScale() const { return block_.F32(26); }
    void SetRNDCScale(float value) { block_.SetF32(26, value); }
    // Type 2: 0 F, 1 C, 2 R, 3 K.
    std::uint16_t GetTemperatureUnit() const { return block_.U16(30); }
    void SetTemperatureUnit(std::uint16_t unit) { block_.SetU16(30, unit); }
    // Recording options of types 2-4 and 6-9.
    std::uint8_t GetOptions() const { return block_.U8(32); }
    void SetOptions(std::uint8_t options) { block_.SetU8(32, options); }
    std::string GetName() const { return block_.Text(kNameOffset, kNameSize); }
    void SetName(std::string_view name) { block_.SetText(kNameOffset, kNameSize, name); }
    std::string GetUnits() const { return block_.Text(kUnitsOffset, kUnitsSize); }
    void SetUnits(std::string_view units) { block_.SetText(kUnitsOffset, kUnitsSize, units); }
    std::string GetNote() const { return block_.Text(kNoteOffset, kNoteSize); }
    void SetNote(std::string_view note) { block_.SetText(kNoteOffset, kNoteSize, note); }
    // The label that types 3, 4, 7, 8 and 9 give the logger.
    std::string GetLoggerLabel() const { return block_.Text(kLoggerLabelOffset, kLoggerLabelSize); }
    void SetLoggerLabel(std::string_view label) {
        block_.SetText(kLoggerLabelOffset, kLoggerLabelSize, label);
    }
    // 0 "MV", non-zero "ROCOIL".
    std::uint16_t GetCTType() const { return block_.U16(kCTTypeOffset); }
    void SetCTType(std::uint16_t type) { block_.SetU16(kCTTypeOffset, type); }
    float GetPhaseShift() const { return block_.F32(kPhaseShiftOffset); }
    void SetPhaseShift(float shift) { block_.SetF32(kPhaseShiftOffset, shift); }

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    static constexpr std::size_t kPowerOptionsOffset = 12;
    static constexpr std::size_t kPaddingOffset = 165;
    static constexpr std::uint16_t kDefaultCTType = 0;
    static constexpr float kDefaultPhaseShift = 1.1f;

    RawBlock<kBlockSize> block_;
};
