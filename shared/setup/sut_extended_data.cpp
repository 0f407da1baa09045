// CSUTExtendedData: defaults, comparison, the two block forms and the timed values.
#include "shared/setup/sut_extended_data.h"

#include <algorithm>

CSUTExtendedData::CSUTExtendedData() {
    SetDemandWindow(15);
    SetTimeBlockByte1(0x00);
    SetTimeBlockByte2(0x8F);
}

bool CSUTExtendedData::operator==(const CSUTExtendedData& other) const {
    return GetStartTime() == other.GetStartTime() && GetStopTime() == other.GetStopTime();
}

bool CSUTExtendedData::Read(platform::ByteReader& reader, int fileVersion, bool dataFile) {
    if (!IsOldFormIn(fileVersion, dataFile)) {
        return block_.Read(reader);
    }
    RawBlock<kOldFormSize> old;
    if (!old.Read(reader)) {
        return false;
    }
    block_ = RawBlock<kBlockSize>();
    std::copy(old.Bytes().begin(), old.Bytes().end(), block_.Field(0, kOldFormSize).begin());
    return true;
}

std::int64_t CSUTExtendedData::GetTimedValueTime(int index) const {
    const std::size_t offset = 104 + 12 * index;
    return static_cast<std::int64_t>(block_.U32(offset)) | static_cast<std::int64_t>(block_.U32(offset + 4))
                                                               << 32;
}

void CSUTExtendedData::SetTimedValue(int index, float value, std::int64_t time) {
    const std::size_t offset = 100 + 12 * index;
    block_.SetF32(offset, value);
    block_.SetU32(offset + 4, static_cast<std::uint32_t>(time));
    block_.SetU32(offset + 8, static_cast<std::uint32_t>(static_cast<std::uint64_t>(time) >> 32));
}
