// CSetupTable: the file stream of the table, with the record forms of older file versions.
#include "shared/setup/setup_table.h"

#include <algorithm>

#include "platform/base/binary_file.h"
#include "shared/setup/record_file_io.h"

namespace {

// Reads the records one after another; stops at the first that the bytes do not cover.
template <typename Records>
bool ReadEach(Records& records, platform::ByteReader& reader) {
    return std::all_of(records.begin(), records.end(), [&](auto& record) { return record.Read(reader); });
}

template <typename Records>
void WriteEach(const Records& records, platform::ByteWriter& writer) {
    for (const auto& record : records) {
        record.Write(writer);
    }
}

}  // namespace

std::size_t CSetupTable::GetStreamSize(int model, int fileVersion, bool withAlarms, bool withExtended,
                                       bool dataFile) {
    std::size_t size = CSUTHeader::kBlockSize;
    size += kHardwareChannels *
            ((!UsesQuarvenLayout(model) || CSUTChannelHardware::IsOldFormIn(fileVersion, dataFile))
                 ? CSUTChannelHardware::kOldFormSize
                 : CSUTChannelHardware::kBlockSize);
    size += kSoftwareChannels * CSUTChannelSoftware::kBlockSize;
    if (model == kModelQuarvenRS) {
        size += kPulseChannels * CSUTChannelPulse::kBlockSize;
    } else if (model == kModelQuarvenKX) {
        size += kAnalogChannels * CSUTChannelAnalog::kBlockSize;
    }
    if (withAlarms) {
        size += (kHardwareChannels + kSoftwareChannels) * CSUTChannelAlarms::kBlockSize;
    }
    if (withExtended) {
        size += CSUTExtendedData::IsOldFormIn(fileVersion, dataFile) ? CSUTExtendedData::kOldFormSize
                                                                     : CSUTExtendedData::kBlockSize;
    }
    return size;
}

void CSetupTable::Write(platform::ByteWriter& writer, bool withAlarms, bool withExtended) const {
    header_.Write(writer);
    for (const auto& channel : hardware_) {
        if (UsesQuarvenLayout(GetModelCode())) {
            channel.Write(writer);
        } else {
            channel.WriteOldForm(writer);
        }
    }
    WriteEach(software_, writer);
    if (GetModelCode() == kModelQuarvenRS) {
        WriteEach(pulse_, writer);
    } else if (GetModelCode() == kModelQuarvenKX) {
        WriteEach(analog_, writer);
    }
    if (withAlarms) {
        WriteEach(hardware_alarms_, writer);
        WriteEach(software_alarms_, writer);
    }
    if (withExtended) {
        extended_.Write(writer);
    }
}

bool CSetupTable::Write(platform::BinaryFile& file, bool withAlarms, bool withExtended,
                        const FileErrorReport& report) const {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    Write(writer, withAlarms, withExtended);
    return WriteRecordBytes(file, bytes, report);
}

bool CSetupTable::Read(platform::ByteReader& reader, int fileVersion, bool withAlarms, bool withExtended,
                       bool dataFile) {
    // Read into a fresh table so that a stream ending part-way leaves no mix of old and new records.
    CSetupTable table;
    if (!table.header_.Read(reader)) {
        return false;
    }
    const int model = table.GetModelCode();
    const bool hardwareRead = std::all_of(table.hardware_.begin(), table.hardware_.end(), [&](auto& channel) {
        return UsesQuarvenLayout(model) ? channel.Read(reader, fileVersion, dataFile)
                                        : channel.ReadOldForm(reader);
    });
    if (!hardwareRead || !ReadEach(table.software_, reader)) {
        return false;
    }
    if ((model == kModelQuarvenRS && !ReadEach(table.pulse_, reader)) ||
        (model == kModelQuarvenKX && !ReadEach(table.analog_, reader))) {
        return false;
    }
    if (withAlarms &&
        !(ReadEach(table.hardware_alarms_, reader) && ReadEach(table.software_alarms_, reader))) {
        return false;
    }
    if (withExtended && !table.extended_.Read(reader, fileVersion, dataFile)) {
        return false;
    }
    *this = table;
    return true;
}

bool CSetupTable::Read(platform::BinaryFile& file, int fileVersion, bool withAlarms, bool withExtended,
                       bool dataFile, const FileErrorReport& report) {
    // The header's model code decides how long the rest of the stream is.
    std::vector<std::uint8_t> bytes(CSUTHeader::kBlockSize);
    if (!ReadRecordBytes(file, bytes, report)) {
        return false;
    }
    CSUTHeader header;
    platform::ByteReader headerReader(bytes, platform::ByteOrder::Little);
    header.Read(headerReader);
    bytes.resize(GetStreamSize(header.GetModelCode(), fileVersion, withAlarms, withExtended, dataFile));
    if (!ReadRecordBytes(file, std::span(bytes).subspan(CSUTHeader::kBlockSize), report)) {
        return false;
    }
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    return Read(reader, fileVersion, withAlarms, withExtended, dataFile);
}
