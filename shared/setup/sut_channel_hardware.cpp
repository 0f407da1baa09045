// CSUTChannelHardware: defaults, the two block forms and the phase references.
#include "shared/setup/sut_channel_hardware.h"

#include "shared/setup/channel_names.h"
#include "shared/setup/setup_codes.h"

CSUTChannelHardware::CSUTChannelHardware() {
    SetVLo('A');
    SetVHi('A');
    SetPTRatio(1.0f);
    SetCTSize(100.0f);
    SetPowerOptions(kQuantityKW, kOptionBit1);
    SetScaleValue1(1.0f);
    SetOptions(kOptionBit1);
    SetUnits("VoltsDC");
    SetCTType(kDefaultCTType);
    SetPhaseShift(kDefaultPhaseShift);
}

bool CSUTChannelHardware::Read(platform::ByteReader& reader, int fileVersion, bool dataFile) {
    return IsOldFormIn(fileVersion, dataFile) ? ReadOldForm(reader) : block_.Read(reader);
}

bool CSUTChannelHardware::ReadOldForm(platform::ByteReader& reader) {
    RawBlock<kOldFormSize> old;
    if (!old.Read(reader)) {
        return false;
    }
    const auto kept = old.Field(0, kPaddingOffset);
    std::copy(kept.begin(), kept.end(), block_.Field(0, kPaddingOffset).begin());
    block_.SetU8(kPaddingOffset, 0);
    SetCTType(kDefaultCTType);
    SetPhaseShift(kDefaultPhaseShift);
    return true;
}

void CSUTChannelHardware::WriteOldForm(platform::ByteWriter& writer) const {
    writer.Bytes(block_.Field(0, kPaddingOffset));
    writer.U8(0);
}

bool CSUTChannelHardware::SetVLo(char phase) {
    if (phase != kNoPhase && !IsPhaseReference(phase)) {
        return false;
    }
    block_.SetU8(1, static_cast<std::uint8_t>(phase));
    return true;
}

bool CSUTChannelHardware::SetVHi(char phase) {
    if (phase != kNoPhase && !IsPhaseReference(phase)) {
        return false;
    }
    block_.SetU8(2, static_cast<std::uint8_t>(phase));
    return true;
}

std::string CSUTChannelHardware::GetVLoName() const {
    return PhaseReferenceName(GetVLo());
}
std::string CSUTChannelHardware::GetVHiName() const {
    return PhaseReferenceName(GetVHi());
}
