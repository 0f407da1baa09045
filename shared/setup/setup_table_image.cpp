// CSetupTable: the blocks of the setup image that is programmed into a logger, and their sizes.
#include "shared/setup/setup_table.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <optional>

#include "platform/base/local_time.h"
#include "shared/common/logger_fields.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/logger_options.h"

namespace {

constexpr std::size_t kOlderHeaderNameSize = 21;
constexpr std::size_t kQuarvenHeaderNameSize = 33;
// Zero when sent; the logger fills in its date-times and addresses.
constexpr std::size_t kHeaderDateTimesSize = 18;
constexpr std::size_t kHeaderAddressesSize = 9;
constexpr std::size_t kQuarvenTimeBlockSize = 12;
constexpr std::size_t kOlderTimeBlockSize = 62;

// Phase letter bits of a software channel's slot.
std::uint8_t PhaseBit(char phase) {
    switch (phase) {
        case 'A':
            return 0x01;
        case 'B':
            return 0x02;
        case 'C':
            return 0x04;
        case 'N':
            return 0x08;
        default:
            return 0;
    }
}

// Copies a built block to the start of the caller's buffer, zero-padded to `blockSize`.
bool CopyBlock(const std::vector<std::uint8_t>& block, std::size_t blockSize,
               std::span<std::uint8_t> buffer) {
    if (buffer.size() < blockSize || block.size() > blockSize) {
        return false;
    }
    std::fill(std::copy(block.begin(), block.end(), buffer.begin()), buffer.begin() + blockSize,
              std::uint8_t{0});
    return true;
}

// A hardware channel's slot; types 0 and 15-17 write nothing, other types no hardware slot holds fail.
bool WriteHardwareSlot(platform::ByteWriter& writer, const CSUTChannelHardware& channel, int model) {
    const int type = channel.GetType();
    switch (type) {
        case kChannelPower:
            writer.U8(static_cast<std::uint8_t>(channel.GetVHi()));
            writer.U8(static_cast<std::uint8_t>(channel.GetVLo()));
            if (UsesQuarvenLayout(model)) {
                writer.Bytes(channel.GetBlock().Field(CSUTChannelHardware::kCTTypeOffset, 2));
            }
            writer.F32(channel.GetPTRatio());
            writer.F32(channel.GetCTSize());
            if (UsesQuarvenLayout(model)) {
                writer.Bytes(channel.GetBlock().Field(CSUTChannelHardware::kPhaseShiftOffset, 4));
            }
            for (int group = 0; group < kPowerQuantities; ++group) {
                writer.U8(EncodeLoggerOptions(channel.GetPowerOptions(group), type));
            }
            return true;
        case kChannelTemperature:
            writer.F32(channel.GetScaleValue1());
            writer.F32(channel.GetScaleValue2());
            writer.U8(static_cast<std::uint8_t>(TemperatureUnitToLetter(channel.GetTemperatureUnit())));
            writer.U8(EncodeLoggerOptions(channel.GetOptions(), type));
            return true;
        case kChannel5VDC:
        case kChannel10VDC:
        case kChannel4mA:
        case kChannel25mA:
            writer.F32(channel.GetScaleValue1());
            writer.F32(channel.GetScaleValue2());
            writer.FixedText(channel.GetUnits(), CSUTChannelHardware::kUnitsSize);
            writer.U8(EncodeLoggerOptions(channel.GetOptions(), kChannel5VDC));
            writer.FixedText(channel.GetLoggerLabel(), CSUTChannelHardware::kLoggerLabelSize);
            return true;
        case kChannelRNDC:
            writer.F32(channel.GetRNDCScale());
            writer.FixedText(channel.GetUnits(), CSUTChannelHardware::kUnitsSize);
            writer.U8(EncodeLoggerOptions(channel.GetOptions(), type));
            writer.FixedText(channel.GetLoggerLabel(), CSUTChannelHardware::kLoggerLabelSize);
            return true;
        case kChannelCurrent:
            writer.F32(channel.GetCTSize());
            writer.U8(EncodeLoggerOptions(channel.GetOptions(), type));
            return true;
        default:
            return type == kChannelOff || IsAnalogType(type);
    }
}

// A software channel's slot: the power channels it combines, their phase letters and its options.
bool WriteSoftwareSlot(platform::ByteWriter& writer, const CSUTChannelSoftware& channel,
                       const std::array<CSUTChannelHardware, kHardwareChannels>& hardware) {
    if (channel.GetType() != kChannelSoftware) {
        return channel.GetType() == kChannelOff;
    }
    std::uint8_t combined = 0;
    std::uint8_t phases = 0;
    for (int j = 0; j < kHardwareChannels; ++j) {
        if (channel.GetHardwareFlag(j) != 0 && hardware[j].GetType() == kChannelPower) {
            combined |= static_cast<std::uint8_t>(1u << j);
            phases |= PhaseBit(hardware[j].GetVLo()) | PhaseBit(hardware[j].GetVHi());
        }
    }
    writer.U8(combined);
    writer.U8(phases);
    for (int group = 0; group < kPowerQuantities; ++group) {
        writer.U8(EncodeLoggerOptions(channel.GetPowerOptions(group), kChannelSoftware));
    }
    return true;
}

bool WritePulseSlot(platform::ByteWriter& writer, const CSUTChannelPulse& channel) {
    if (!IsPulseType(channel.GetType())) {
        return channel.GetType() == kChannelOff;
    }
    writer.F32(channel.GetValue());
    writer.F32(channel.GetScale());
    writer.U8(channel.GetType());
    writer.Zeros(3);
    writer.U8(channel.GetPowerChannel());
    return true;
}

// The range values, units text and logger byte go as held.
bool WriteAnalogSlot(platform::ByteWriter& writer, const CSUTChannelAnalog& channel) {
    if (!IsAnalogType(channel.GetType())) {
        return channel.GetType() == kChannelOff;
    }
    writer.Bytes(channel.GetRawField(CSUTChannelAnalog::kRangeOffset, CSUTChannelAnalog::kRangeSize));
    writer.Bytes(
        channel.GetRawField(CSUTChannelAnalog::kUnitsOffset, CSUTChannelAnalog::kUnitsAndLoggerByteSize));
    writer.U8(EncodeLoggerOptions(channel.GetOptions(), channel.GetType()));
    return true;
}

// A time as six bytes: years since 1900, month (from `firstMonth`), day, hour, minute, second; six zero
// bytes for 0. False when the time has no calendar form.
bool WriteDateTime(platform::ByteWriter& writer, std::uint32_t time, bool local, int firstMonth) {
    if (time == 0) {
        writer.Zeros(6);
        return true;
    }
    const std::optional<std::tm> fields = local ? platform::ToLocalTime(static_cast<std::time_t>(time))
                                                : platform::ToUtcTime(static_cast<std::time_t>(time));
    if (!fields) {
        return false;
    }
    writer.U8(static_cast<std::uint8_t>(fields->tm_year));
    writer.U8(static_cast<std::uint8_t>(fields->tm_mon + firstMonth));
    writer.U8(static_cast<std::uint8_t>(fields->tm_mday));
    writer.U8(static_cast<std::uint8_t>(fields->tm_hour));
    writer.U8(static_cast<std::uint8_t>(fields->tm_min));
    writer.U8(static_cast<std::uint8_t>(fields->tm_sec));
    return true;
}

// The last hardware or software slot of the channel block whose text (name or note) is not empty; -1
// when none has one.
template <typename TextOf>
int LastCarriedTextSlot(const ChannelCounts& counts, TextOf textOf) {
    for (int slot = counts.hardware + counts.software - 1; slot >= 0; --slot) {
        if (!textOf(slot).empty()) {
            return slot;
        }
    }
    return -1;
}

}  // namespace

ChannelCounts CSetupTable::GetChannelCounts() const {
    // Each kind counts up to its last channel in use; a later kind in use carries all earlier slots.
    const auto lastInUse = [](const auto& channels) {
        int last = -1;
        for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
            if (channels[i].GetType() != kChannelOff) {
                last = i;
            }
        }
        return last + 1;
    };
    ChannelCounts counts;
    counts.hardware = lastInUse(hardware_);
    counts.software = lastInUse(software_);
    if (GetModelCode() == kModelQuarvenRS) {
        counts.pulse = lastInUse(pulse_);
    } else if (GetModelCode() == kModelQuarvenKX) {
        counts.analog = lastInUse(analog_);
    }
    if (counts.pulse > 0 || counts.analog > 0) {
        counts.software = kSoftwareChannels;
    }
    if (counts.software > 0) {
        counts.hardware = kHardwareChannels;
    }
    return counts;
}

std::size_t CSetupTable::GetLoggerHeaderBlockSize() const {
    const bool quarven = UsesQuarvenLayout(GetModelCode());
    return 2 + (quarven ? kQuarvenHeaderNameSize : kOlderHeaderNameSize) + GetChannelTypes().size() + 2 +
           kHeaderDateTimesSize + kHeaderAddressesSize;
}

ChannelCounts CSetupTable::GetCarriedSlots(bool allSlots) const {
    if (!allSlots) {
        return GetChannelCounts();
    }
    const int model = GetModelCode();
    return {kHardwareChannels, kSoftwareChannels, model == kModelQuarvenRS ? kPulseChannels : 0,
            model == kModelQuarvenKX ? kAnalogChannels : 0};
}

std::size_t CSetupTable::GetLoggerChannelBlockSize(bool allSlots) const {
    const ChannelCounts counts = GetCarriedSlots(allSlots);
    return counts.hardware * kHardwareSlotSize + counts.software * kSoftwareSlotSize +
           counts.pulse * kPulseSlotSize + counts.analog * kAnalogSlotSize;
}

std::size_t CSetupTable::GetLoggerLabelBlockSize() const {
    if (GetModelCode() == kModelQuarvenRS || GetModelCode() == kModelQuarvenKX) {
        return GetChannelTypes().size() * kLoggerLabelSize;
    }
    const int last = LastCarriedTextSlot(GetChannelCounts(), [this](int slot) {
        return slot < kHardwareChannels ? hardware_[slot].GetName()
                                        : software_[slot - kHardwareChannels].GetName();
    });
    return (last + 1) * kLoggerLabelSize;
}

std::size_t CSetupTable::GetLoggerNoteBlockSize() const {
    const int last = LastCarriedTextSlot(GetChannelCounts(), [this](int slot) {
        return slot < kHardwareChannels ? hardware_[slot].GetNote()
                                        : software_[slot - kHardwareChannels].GetNote();
    });
    return (last + 1) * kLoggerNoteSize;
}

std::size_t CSetupTable::GetLoggerTimeBlockSize() const {
    return UsesQuarvenLayout(GetModelCode()) ? kQuarvenTimeBlockSize : kOlderTimeBlockSize;
}

bool CSetupTable::BuildLoggerHeaderBlock(std::span<std::uint8_t> buffer) const {
    const bool quarven = UsesQuarvenLayout(GetModelCode());
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(GetModelCode()));
    writer.Zeros(2);
    writer.FixedText(header_.GetHeaderText(), quarven ? kQuarvenHeaderNameSize : kOlderHeaderNameSize);
    writer.Bytes(GetChannelTypes());
    writer.U8(IntervalCodeToLoggerByte(header_.GetIntervalCode()));
    writer.U8(header_.GetOptionByte());
    return CopyBlock(bytes, GetLoggerHeaderBlockSize(), buffer);
}

bool CSetupTable::BuildLoggerChannelBlock(std::span<std::uint8_t> buffer, bool allSlots) const {
    const int model = GetModelCode();
    const ChannelCounts counts = GetCarriedSlots(allSlots);
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(model));
    // Each slot has its kind's size whatever its type writes; a type the slot cannot hold fails.
    const auto writeSlots = [&bytes](const auto& channels, int count, std::size_t slotSize, auto writeSlot) {
        for (int i = 0; i < count; ++i) {
            const std::size_t start = bytes.size();
            if (!writeSlot(channels[i])) {
                return false;
            }
            bytes.resize(start + slotSize, 0);
        }
        return true;
    };
    const bool written =
        writeSlots(
            hardware_, counts.hardware, kHardwareSlotSize,
            [&](const CSUTChannelHardware& channel) { return WriteHardwareSlot(writer, channel, model); }) &&
        writeSlots(software_, counts.software, kSoftwareSlotSize,
                   [&](const CSUTChannelSoftware& channel) {
                       return WriteSoftwareSlot(writer, channel, hardware_);
                   }) &&
        writeSlots(pulse_, counts.pulse, kPulseSlotSize,
                   [&](const CSUTChannelPulse& channel) { return WritePulseSlot(writer, channel); }) &&
        writeSlots(analog_, counts.analog, kAnalogSlotSize,
                   [&](const CSUTChannelAnalog& channel) { return WriteAnalogSlot(writer, channel); });
    return written && CopyBlock(bytes, GetLoggerChannelBlockSize(allSlots), buffer);
}

bool CSetupTable::BuildLoggerLabelBlock(std::span<std::uint8_t> buffer) const {
    const std::size_t size = GetLoggerLabelBlockSize();
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(GetModelCode()));
    for (const auto& channel : hardware_) {
        writer.FixedText(channel.GetName(), kLoggerLabelSize);
    }
    for (const auto& channel : software_) {
        writer.FixedText(channel.GetName(), kLoggerLabelSize);
    }
    if (GetModelCode() == kModelQuarvenRS) {
        for (const auto& channel : pulse_) {
            writer.FixedText(channel.GetName(), kLoggerLabelSize);
        }
    } else if (GetModelCode() == kModelQuarvenKX) {
        for (const auto& channel : analog_) {
            writer.FixedText(channel.GetName(), kLoggerLabelSize);
        }
    }
    bytes.resize(size);
    return CopyBlock(bytes, size, buffer);
}

bool CSetupTable::BuildLoggerNoteBlock(std::span<std::uint8_t> buffer) const {
    const std::size_t size = GetLoggerNoteBlockSize();
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(GetModelCode()));
    for (const auto& channel : hardware_) {
        writer.FixedText(channel.GetNote(), kLoggerNoteSize);
    }
    for (const auto& channel : software_) {
        writer.FixedText(channel.GetNote(), kLoggerNoteSize);
    }
    bytes.resize(size);
    return CopyBlock(bytes, size, buffer);
}

bool CSetupTable::BuildLoggerAlarmBlock(std::span<std::uint8_t> buffer) const {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(GetModelCode()));
    const auto writeSet = [&writer](const CSUTChannelAlarms& alarms) {
        for (int i = 0; i < CSUTChannelAlarms::kAlarmCount; ++i) {
            const CSUTAlarm& alarm = alarms.GetAlarm(i);
            writer.U8(alarm.GetFlags());
            writer.U8(alarm.GetOptions());
            writer.F32(alarm.GetLowLimit());
            writer.F32(alarm.GetHighLimit());
        }
    };
    std::for_each(hardware_alarms_.begin(), hardware_alarms_.end(), writeSet);
    std::for_each(software_alarms_.begin(), software_alarms_.end(), writeSet);
    return CopyBlock(bytes, kLoggerAlarmBlockSize, buffer);
}

bool CSetupTable::BuildLoggerTimeBlock(std::span<std::uint8_t> buffer) const {
    const bool quarven = UsesQuarvenLayout(GetModelCode());
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, LoggerByteOrder(GetModelCode()));
    // The newer loggers take UTC with months from 0, the older local time with months from 1.
    const bool local = !quarven;
    const int firstMonth = quarven ? 0 : 1;
    if (!WriteDateTime(writer, extended_.GetStartTime(), local, firstMonth) ||
        !WriteDateTime(writer, extended_.GetStopTime(), local, firstMonth)) {
        return false;
    }
    if (!quarven) {
        writer.U8(extended_.GetTimeSetting());
        writer.Zeros(6 * 4);  // six logger numbers 0
        writer.Zeros(6);
        writer.Zeros(4);  // a logger number 0
        writer.U8(extended_.GetTimeBlockByte1());
        writer.U8(extended_.GetTimeBlockByte2());
    }
    return CopyBlock(bytes, GetLoggerTimeBlockSize(), buffer);
}
