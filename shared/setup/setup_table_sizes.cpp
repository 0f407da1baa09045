// CSetupTable: the size of one record in the logger and in a data file, and the memory arithmetic.
#include "shared/setup/setup_table.h"

#include <array>
#include <cmath>

namespace {

// Value widths of the six quantity groups of a power channel by model.
using GroupWidths = std::array<int, kPowerQuantities>;
constexpr GroupWidths kStandardWidths = {3, 3, 3, 3, 1, 3};
constexpr GroupWidths kOrnatWidths = {2, 2, 3, 3, 1, 3};
constexpr GroupWidths kQuarvenWidths = {4, 4, 4, 4, 4, 4};
constexpr GroupWidths kOtherWidths = {0, 0, 0, 0, 1, 0};

const GroupWidths& PowerGroupWidths(int model) {
    if (model == kModelStandard) {
        return kStandardWidths;
    }
    if (model >= kModelOrnatFirst && model <= kModelOrnatLast) {
        return kOrnatWidths;
    }
    return model == kModelQuarvenRS || model == kModelQuarvenKX ? kQuarvenWidths : kOtherWidths;
}

bool IsServedModel(int model) {
    return (model >= kModelStandard && model <= kModelBrelanLast) || model == kModelQuarvenRS ||
           model == kModelQuarvenKX;
}

bool IsBrelanModel(int model) {
    return model >= kModelBrelanFirst && model <= kModelBrelanLast;
}

// Bytes of the values an option byte selects, each `width` wide, plus a time stamp for each stamped one.
int OptionBytes(std::uint8_t options, int width, int stampWidth) {
    return CountOptionValues(options) * width + CountStampedValues(options) * stampWidth;
}

// In a data file every value is a 4-byte float and every time stamp 3 bytes.
constexpr int kDataValueSize = 4;
constexpr int kDataTimeSize = 3;
// The flag byte, the date and the time that begin every data record.
constexpr int kDataRecordPrefix = 7;

int DataOptionBytes(std::uint8_t options, bool withStamps) {
    return OptionBytes(options, kDataValueSize, withStamps ? kDataTimeSize : 0);
}

}  // namespace

int CSetupTable::GetRecordSize() const {
    return IsServedModel(GetModelCode()) ? ComputeRecordSize() : 0;
}

int CSetupTable::ComputeRecordSize() const {
    const int model = GetModelCode();
    const bool quarven = model == kModelQuarvenRS || model == kModelQuarvenKX;
    const int stampWidth = quarven ? 4 : 3;
    int size = quarven ? 8 : model == kModelStandard ? 4 : 3;

    const GroupWidths& widths = PowerGroupWidths(model);
    for (const auto& channel : hardware_) {
        switch (channel.GetType()) {
            case kChannelPower:
                for (int group = 0; group < kPowerQuantities; ++group) {
                    size += OptionBytes(channel.GetPowerOptions(group), widths[group], stampWidth);
                }
                break;
            case kChannelTemperature:
            case kChannelCurrent:
            case kChannel10VDC:
            case kChannel4mA:
            case kChannel25mA:
                size += OptionBytes(channel.GetOptions(), 2, stampWidth);
                break;
            case kChannel5VDC:
                size += OptionBytes(channel.GetOptions(), 3, stampWidth);
                break;
            case kChannelRNDC:
                size += OptionBytes(channel.GetOptions(), 4, 0);
                break;
            default:
                break;
        }
    }
    if (!IsBrelanModel(model)) {
        const int width = model == kModelStandard ? 3 : 4;
        for (const auto& channel : software_) {
            if (channel.GetType() != kChannelSoftware) {
                continue;
            }
            for (int group = 0; group < kPowerQuantities; ++group) {
                const int groupWidth = group == kQuantityPF ? widths[kQuantityPF] : width;
                size += OptionBytes(channel.GetPowerOptions(group), groupWidth, stampWidth);
            }
        }
    }
    if (model == kModelQuarvenKX) {
        for (const auto& channel : analog_) {
            if (IsAnalogType(channel.GetType())) {
                size += OptionBytes(channel.GetOptions(), 4, 4);
            }
        }
    }
    return size;
}

int CSetupTable::GetDataRecordSize() const {
    int size = kDataRecordPrefix;
    for (const auto& channel : hardware_) {
        if (channel.GetType() == kChannelPower) {
            for (int group = 0; group < kPowerQuantities; ++group) {
                size += DataOptionBytes(channel.GetPowerOptions(group), true);
            }
        } else if (IsHardwareType(channel.GetType())) {
            size += DataOptionBytes(channel.GetOptions(), channel.GetType() != kChannelRNDC);
        }
    }
    for (const auto& channel : software_) {
        if (channel.GetType() == kChannelSoftware) {
            for (int group = 0; group < kPowerQuantities; ++group) {
                size += DataOptionBytes(channel.GetPowerOptions(group), true);
            }
        }
    }
    if (GetModelCode() == kModelQuarvenKX) {
        for (const auto& channel : analog_) {
            if (IsAnalogType(channel.GetType())) {
                size += DataOptionBytes(channel.GetOptions(), true);
            }
        }
    }
    return size;
}

long CSetupTable::GetRecordsPerDay(int intervalCode) const {
    return IntervalCodeToRecordsPerDay(intervalCode == kIntervalOwnCode ? header_.GetIntervalCode()
                                                                        : intervalCode);
}

long CSetupTable::GetBytesPerDay(int intervalCode) const {
    // The newer loggers keep 4 bytes more with every record.
    const long recordBytes = GetRecordSize() + (UsesQuarvenLayout(GetModelCode()) ? 4 : 0);
    return recordBytes * GetRecordsPerDay(intervalCode);
}

double CSetupTable::GetRecordingDays(double memoryBytes, long bytesPerDay, bool wholeRecords) const {
    if (bytesPerDay <= 0) {
        return 0.0;
    }
    if (wholeRecords) {
        const double recordBytes = GetRecordSize() + 4;
        memoryBytes = std::trunc(memoryBytes / recordBytes) * recordBytes;
    }
    return memoryBytes / static_cast<double>(bytesPerDay);
}
