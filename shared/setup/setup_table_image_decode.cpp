// CSetupTable: decoding the channel and alarm blocks of a setup read back from a logger.
#include "shared/setup/setup_table.h"

#include "platform/base/byte_order.h"
#include "shared/common/logger_fields.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/logger_options.h"
#include "shared/setup/sut_info.h"

namespace {

// Reads the fields of one slot of an image; a field past the image's end sets the sticky failure.
class SlotReader {
public:
    SlotReader(std::span<const std::uint8_t> image, int model)
        : reader_(image, LoggerByteOrder(model)), model_(model) {}

    bool ok() const { return reader_.ok(); }
    std::size_t position() const { return reader_.position(); }
    // Moves to the next slot, `slotSize` bytes after `slotStart`; the image may end inside the slot's
    // unused tail.
    void EndSlot(std::size_t slotStart, std::size_t slotSize) {
        reader_.Skip(std::min(slotStart + slotSize, position() + reader_.remaining()) - position());
    }

    std::uint8_t Byte() { return reader_.U8(); }
    // A logger number as a float: the older models mark an empty value with 0xFF in the first byte.
    float LoggerFloat() {
        const std::vector<std::uint8_t> bytes = reader_.Bytes(4);
        return ok() ? GetLoggerFloat(bytes, model_) : 0.0f;
    }
    // A logger number's bit pattern as a float, in the logger's byte order.
    float RawFloat() { return reader_.F32(); }
    std::string Text(std::size_t fieldSize) { return reader_.FixedText(fieldSize); }
    std::vector<std::uint8_t> Bytes(std::size_t count) { return reader_.Bytes(count); }
    void Skip(std::size_t count) { reader_.Skip(count); }

private:
    platform::ByteReader reader_;
    int model_;
};

void DecodeHardwareSlot(SlotReader& slot, int model, int type, CSUTChannelHardware& channel) {
    channel.SetType(static_cast<std::uint8_t>(type));
    switch (type) {
        case kChannelPower: {
            channel.SetVHi(static_cast<char>(slot.Byte()));
            channel.SetVLo(static_cast<char>(slot.Byte()));
            const bool quarven = UsesQuarvenLayout(model);
            if (quarven) {
                const std::vector<std::uint8_t> ctType = slot.Bytes(2);
                channel.SetCTType(slot.ok() ? platform::ReadU16(ctType, 0, platform::ByteOrder::Little) : 0);
            }
            channel.SetPTRatio(slot.LoggerFloat());
            channel.SetCTSize(slot.LoggerFloat());
            if (quarven) {
                channel.SetPhaseShift(slot.RawFloat());
            }
            for (int group = 0; group < kPowerQuantities; ++group) {
                channel.SetPowerOptions(group, DecodeLoggerOptions(slot.Byte(), type));
            }
            break;
        }
        case kChannelTemperature:
            channel.SetScaleValue1(slot.LoggerFloat());
            channel.SetScaleValue2(slot.LoggerFloat());
            channel.SetTemperatureUnit(LetterToTemperatureUnit(static_cast<char>(slot.Byte())));
            channel.SetOptions(DecodeLoggerOptions(slot.Byte(), type));
            break;
        case kChannel5VDC:
        case kChannel10VDC:
        case kChannel4mA:
        case kChannel25mA:
            channel.SetScaleValue1(slot.LoggerFloat());
            channel.SetScaleValue2(slot.LoggerFloat());
            channel.SetUnits(slot.Text(CSUTChannelHardware::kUnitsSize));
            channel.SetOptions(DecodeLoggerOptions(slot.Byte(), kChannel5VDC));
            channel.SetLoggerLabel(slot.Text(CSUTChannelHardware::kLoggerLabelSize));
            break;
        case kChannelRNDC:
            channel.SetRNDCScale(slot.LoggerFloat());
            channel.SetUnits(slot.Text(CSUTChannelHardware::kUnitsSize));
            channel.SetOptions(DecodeLoggerOptions(slot.Byte(), type));
            channel.SetLoggerLabel(slot.Text(CSUTChannelHardware::kLoggerLabelSize));
            break;
        case kChannelCurrent:
            channel.SetCTSize(slot.LoggerFloat());
            channel.SetOptions(DecodeLoggerOptions(slot.Byte(), type));
            break;
        default:
            break;
    }
}

void DecodeSoftwareSlot(SlotReader& slot, CSUTChannelSoftware& channel) {
    channel.SetType(kChannelSoftware);
    const std::uint8_t combined = slot.Byte();
    for (int j = 0; j < kHardwareChannels; ++j) {
        channel.SetHardwareFlag(j, (combined >> j) & 1);
    }
    slot.Skip(1);  // the phase letters follow from the hardware channels
    for (int group = 0; group < kPowerQuantities; ++group) {
        channel.SetPowerOptions(group, DecodeLoggerOptions(slot.Byte(), kChannelSoftware));
    }
}

void DecodePulseSlot(SlotReader& slot, int type, CSUTChannelPulse& channel) {
    channel.SetType(static_cast<std::uint8_t>(type));
    channel.SetValue(slot.LoggerFloat());
    channel.SetScale(slot.LoggerFloat());
    slot.Skip(4);  // the type again and 3 zero bytes
    channel.SetPowerChannel(slot.Byte());
}

void DecodeAnalogSlot(SlotReader& slot, int type, CSUTChannelAnalog& channel) {
    channel.SetType(static_cast<std::uint8_t>(type));
    channel.SetRawField(CSUTChannelAnalog::kRangeOffset, slot.Bytes(CSUTChannelAnalog::kRangeSize));
    channel.SetRawField(CSUTChannelAnalog::kUnitsOffset,
                        slot.Bytes(CSUTChannelAnalog::kUnitsAndLoggerByteSize));
    channel.SetOptions(DecodeLoggerOptions(slot.Byte(), type));
}

}  // namespace

bool CSetupTable::DecodeChannelImage(CSUTInfo& info, std::span<const std::uint8_t> image) {
    const int model = GetModelCode();
    CSetupTable table(*this);
    // Channels that the summary does not list as in use are off.
    const auto switchOff = [](auto& channels) {
        for (auto& channel : channels) {
            channel.SetType(kChannelOff);
        }
    };
    switchOff(table.hardware_);
    switchOff(table.software_);
    switchOff(table.pulse_);
    switchOff(table.analog_);

    SlotReader slot(image, model);
    ChannelCounts seen;
    bool ok = true;
    const int last = info.GetLastUsedChannel(model);
    for (int index = 0; ok && index <= last; ++index) {
        const int type = info.channelTypes[index];
        const std::size_t start = slot.position();
        std::size_t slotSize = 0;
        if (IsHardwareType(type) && seen.hardware < kHardwareChannels) {
            DecodeHardwareSlot(slot, model, type, table.hardware_[seen.hardware++]);
            slotSize = kHardwareSlotSize;
        } else if (type == kChannelSoftware && seen.software < kSoftwareChannels) {
            DecodeSoftwareSlot(slot, table.software_[seen.software++]);
            slotSize = kSoftwareSlotSize;
        } else if (IsPulseType(type) && seen.pulse < kPulseChannels) {
            DecodePulseSlot(slot, type, table.pulse_[seen.pulse++]);
            slotSize = kPulseSlotSize;
        } else if (IsAnalogType(type) && seen.analog < kAnalogChannels) {
            DecodeAnalogSlot(slot, type, table.analog_[seen.analog++]);
            slotSize = kAnalogSlotSize;
        } else if (type == kChannelOff) {
            // An empty slot takes the next position of the first region that still has one.
            if (seen.hardware < kHardwareChannels) {
                ++seen.hardware;
                slotSize = kHardwareSlotSize;
            } else if (seen.software < kSoftwareChannels) {
                ++seen.software;
                slotSize = kSoftwareSlotSize;
            } else if (model == kModelQuarvenRS && seen.pulse < kPulseChannels) {
                ++seen.pulse;
                slotSize = kPulseSlotSize;
            } else if (model == kModelQuarvenKX && seen.analog < kAnalogChannels) {
                ++seen.analog;
                slotSize = kAnalogSlotSize;
            } else {
                ok = false;
            }
        } else {
            // A type no slot can hold, or one channel too many of its kind.
            ok = false;
        }
        ok = ok && slot.ok();
        slot.EndSlot(start, slotSize);
    }
    info.channelsValid = ok;
    if (ok) {
        *this = table;
    }
    return ok;
}

bool CSetupTable::LoadLoggerAlarmBlock(CSUTInfo& info, std::span<const std::uint8_t> image) {
    if (image.size() < kLoggerAlarmBlockSize) {
        return false;
    }
    CSetupTable table(*this);
    SlotReader entry(image, GetModelCode());
    const auto readSet = [&entry](CSUTChannelAlarms& alarms, bool rndcChannel) {
        for (int i = 0; i < CSUTChannelAlarms::kAlarmCount; ++i) {
            CSUTAlarm& alarm = alarms.GetAlarm(i);
            alarm.SetFlags(entry.Byte());
            alarm.SetOptions(entry.Byte());
            alarm.SetLowLimit(entry.LoggerFloat());
            // An R,N,D,C channel's high limit is taken as its bit pattern, without the empty-value mark.
            alarm.SetHighLimit(rndcChannel ? entry.RawFloat() : entry.LoggerFloat());
        }
    };
    for (int i = 0; i < kHardwareChannels; ++i) {
        readSet(table.hardware_alarms_[i], info.channelTypes[i] == kChannelRNDC);
    }
    for (auto& alarms : table.software_alarms_) {
        readSet(alarms, false);
    }
    *this = table;
    info.alarmsValid = true;
    return true;
}
