// CSetupTable: the columns of a data file's records, one per value that the setup records.
#include "shared/setup/setup_table.h"

#include <array>
#include <optional>
#include <string>

#include "platform/base/program_texts.h"
#include "shared/setup/channel_caption.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/setup_ids.h"

namespace {

constexpr int kFloatSize = 4;
constexpr int kTimeSize = 3;
constexpr std::size_t kShortNameLength = 10;

// The quantity groups of data-file columns.
enum GroupKind {
    kGroupVolts,
    kGroupAmps,
    kGroupKW,
    kGroupKVA,
    kGroupPF,
    kGroupKVAR,
    kGroupTemperature,
    kGroup5VDC,
    kGroupUnused,  // no channel type makes it
    kGroup10VDC,
    kGroup4To20mA,
    kGroup0To25mA,
};

struct GroupInfo {
    unsigned unitId;  // 0: `unit` holds the text
    const char* unit;
    int valueKind;
};

constexpr std::array<GroupInfo, 12> kGroups = {{
    {IDS_QUANTITY_VOLTS, "", 2},
    {IDS_QUANTITY_AMPS, "", 1},
    {0, "KW", 4},
    {0, "KVA", 5},
    {0, "PF", 6},
    {0, "KVAR", 7},
    {0, "Deg ", 9},  // followed by the letter of the temperature unit
    {0, "5VDC", 3},
    {IDS_QUANTITY_UNUSED_GROUP, "", 18},
    {0, "0-10VDC", 18},
    {0, "4-20mA", 18},
    {0, "0-25mA", 18},
}};

// A group of a power channel's option byte: the values in this bit order, each with its word.
struct ValueBit {
    std::uint8_t bit;
    unsigned wordId;
    unsigned timeWordId;  // 0: no time column follows
};
constexpr std::array<ValueBit, 4> kValueBits = {{
    {kOptionBit8, IDS_VALUE_BIT8, 0},
    {kOptionBit2, IDS_VALUE_MINIMUM, IDS_TIME_OF_MINIMUM},
    {kOptionBit4, IDS_VALUE_MAXIMUM, IDS_TIME_OF_MAXIMUM},
    {kOptionBit1, IDS_VALUE_AVERAGE, 0},
}};

// An R,N,D,C channel: four plain values in this bit order; the first two may take the units text.
struct RNDCBit {
    std::uint8_t bit;
    unsigned wordId;
    int valueKind;
    bool namedByUnits;
};
constexpr std::array<RNDCBit, 4> kRNDCBits = {{
    {kOptionBit8, IDS_RNDC_VALUE_C, 14, true},
    {kOptionBit1, IDS_RNDC_VALUE_R, 15, true},
    {kOptionBit2, IDS_RNDC_VALUE_N, 16, false},
    {kOptionBit4, IDS_RNDC_VALUE_D, 17, false},
}};

// Appends the columns of one channel, counting their offsets on from `offset`.
class ColumnBuilder {
public:
    ColumnBuilder(std::vector<CRawDataField>& fields, int& offset, int model, int channelIndex,
                  const std::string& channelName, bool software)
        : fields_(fields), offset_(offset), channel_index_(channelIndex), software_(software) {
        prefix_ = FormatChannelName(model, channelIndex + 1) + "\n";
        if (!channelName.empty()) {
            prefix_ += channelName.size() > kShortNameLength ? channelName.substr(0, kShortNameLength) + "..."
                                                             : channelName;
            prefix_ += ' ';
        }
    }

    void AddGroup(GroupKind kind, std::uint8_t options, char temperatureLetter = 0) {
        const GroupInfo& group = kGroups[kind];
        std::string unit = group.unitId != 0 ? LoadText(group.unitId) : group.unit;
        if (kind == kGroupTemperature) {
            unit += temperatureLetter;
        }
        for (const ValueBit& value : kValueBits) {
            if ((options & value.bit) == 0) {
                continue;
            }
            Add(LoadText(value.wordId) + " " + unit, CRawDataField::kStorageFloat, group.valueKind,
                kFloatSize);
            if (value.timeWordId != 0) {
                Add(LoadText(value.timeWordId), CRawDataField::kStorageTime, CRawDataField::kValueKindTime,
                    kTimeSize);
            }
        }
    }

    void AddRNDCGroup(std::uint8_t options, const std::string& units) {
        for (const RNDCBit& value : kRNDCBits) {
            if ((options & value.bit) != 0) {
                const std::string word =
                    value.namedByUnits && !units.empty() ? units : LoadText(value.wordId);
                Add(word, CRawDataField::kStorageFloat, value.valueKind, kFloatSize);
            }
        }
    }

private:
    void Add(const std::string& word, int storageKind, int valueKind, int size) {
        CRawDataField field;
        field.name = prefix_ + word;
        field.storageKind = storageKind;
        field.valueKind = valueKind;
        field.channelIndex = channel_index_;
        field.size = size;
        field.offset = offset_;
        field.softwareChannel = software_;
        field.valueColumn = storageKind == CRawDataField::kStorageFloat;
        fields_.push_back(std::move(field));
        offset_ += size;
    }

    std::vector<CRawDataField>& fields_;
    int& offset_;
    int channel_index_;
    bool software_;
    std::string prefix_;
};

// The group of a hardware channel type with one option byte.
std::optional<GroupKind> SingleGroupOf(int type) {
    switch (type) {
        case kChannelTemperature:
            return kGroupTemperature;
        case kChannel5VDC:
            return kGroup5VDC;
        case kChannelCurrent:
            return kGroupAmps;
        case kChannel10VDC:
            return kGroup10VDC;
        case kChannel4mA:
            return kGroup4To20mA;
        case kChannel25mA:
            return kGroup0To25mA;
        default:
            return std::nullopt;
    }
}

}  // namespace

int CSetupTable::BuildDataFields(std::vector<CRawDataField>& fields, int firstOffset) const {
    const int model = GetModelCode();
    int offset = firstOffset;
    for (int i = 0; i < kHardwareChannels; ++i) {
        const CSUTChannelHardware& channel = hardware_[i];
        ColumnBuilder columns(fields, offset, model, i, channel.GetName(), false);
        const int type = channel.GetType();
        if (type == kChannelPower) {
            for (int group = 0; group < kPowerQuantities; ++group) {
                columns.AddGroup(static_cast<GroupKind>(kGroupVolts + group), channel.GetPowerOptions(group));
            }
        } else if (type == kChannelRNDC) {
            columns.AddRNDCGroup(channel.GetOptions(), channel.GetUnits());
        } else if (const auto group = SingleGroupOf(type)) {
            columns.AddGroup(*group, channel.GetOptions(),
                             TemperatureUnitToLetter(channel.GetTemperatureUnit()));
        }
    }
    for (int i = 0; i < kSoftwareChannels; ++i) {
        const CSUTChannelSoftware& channel = software_[i];
        if (channel.GetType() != kChannelSoftware) {
            continue;
        }
        ColumnBuilder columns(fields, offset, model, kHardwareChannels + i, channel.GetName(), true);
        for (int group = 0; group < kPowerQuantities; ++group) {
            columns.AddGroup(static_cast<GroupKind>(kGroupVolts + group), channel.GetPowerOptions(group));
        }
    }
    if (model == kModelQuarvenKX) {
        for (int i = 0; i < kAnalogChannels; ++i) {
            const CSUTChannelAnalog& channel = analog_[i];
            if (IsAnalogType(channel.GetType())) {
                ColumnBuilder columns(fields, offset, model, kHardwareChannels + kSoftwareChannels + i,
                                      channel.GetName(), false);
                columns.AddGroup(channel.GetType() == kChannelAnalog0To10V ? kGroupVolts : kGroupAmps,
                                 channel.GetOptions());
            }
        }
    }
    return offset;
}
