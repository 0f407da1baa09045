// CSetupTable: copying, comparison, channel types, alarms-in-use and the print-out items.
#include "shared/setup/setup_table.h"

#include <algorithm>

#include "shared/setup/setup_printer.h"

namespace {

constexpr int kFirstSoftwareItem = 1 + kHardwareChannels;
constexpr int kFirstPulseItem = kFirstSoftwareItem + kSoftwareChannels;

// The single bytes that the logging-compatibility check compares: the first character of a hardware
// channel's units text and a reserved byte of a software channel.
constexpr std::size_t kHardwareCompatibilityByte = CSUTChannelHardware::kUnitsOffset;
constexpr std::size_t kSoftwareCompatibilityByte = 186;

// The six recording-option bytes of a power channel (hardware or software) are the same.
template <class Channel>
bool SamePowerOptions(const Channel& mine, const Channel& theirs) {
    for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
        if (mine.GetPowerOptions(quantity) != theirs.GetPowerOptions(quantity)) {
            return false;
        }
    }
    return true;
}

}  // namespace

CSetupTable::CSetupTable(const CSetupTable& other) {
    *this = other;
}

CSetupTable& CSetupTable::operator=(const CSetupTable& other) {
    header_ = other.header_;
    hardware_ = other.hardware_;
    software_ = other.software_;
    pulse_ = GetModelCode() == kModelQuarvenRS ? other.pulse_ : decltype(pulse_){};
    analog_ = GetModelCode() == kModelQuarvenKX ? other.analog_ : decltype(analog_){};
    hardware_alarms_ = other.hardware_alarms_;
    software_alarms_ = other.software_alarms_;
    extended_ = other.extended_;
    return *this;
}

bool CSetupTable::Compare(const CSetupTable& other) const {
    return header_ == other.header_ && hardware_ == other.hardware_ && software_ == other.software_;
}

bool CSetupTable::IsLoggingCompatible(const CSetupTable& other) const {
    if (header_.GetIntervalCode() != other.header_.GetIntervalCode()) {
        return false;
    }
    for (int i = 0; i < kHardwareChannels; ++i) {
        const CSUTChannelHardware& mine = hardware_[i];
        const CSUTChannelHardware& theirs = other.hardware_[i];
        const bool sameType = mine.GetType() == theirs.GetType() ||
                              (mine.GetType() == kChannelCurrent && theirs.GetType() == kChannelPower);
        // The recording options decide the record's columns.
        if (!sameType || mine.GetTemperatureUnit() != theirs.GetTemperatureUnit() ||
            mine.GetBlock().U8(kHardwareCompatibilityByte) !=
                theirs.GetBlock().U8(kHardwareCompatibilityByte) ||
            !SamePowerOptions(mine, theirs) || mine.GetOptions() != theirs.GetOptions()) {
            return false;
        }
    }
    for (int i = 0; i < kSoftwareChannels; ++i) {
        const CSUTChannelSoftware& mine = software_[i];
        const CSUTChannelSoftware& theirs = other.software_[i];
        if (mine.GetType() != theirs.GetType() ||
            mine.GetBlock().U8(kSoftwareCompatibilityByte) != theirs.GetBlock().U8(kSoftwareCompatibilityByte) ||
            !SamePowerOptions(mine, theirs)) {
            return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> CSetupTable::GetChannelTypes() const {
    std::vector<std::uint8_t> types;
    for (const auto& channel : hardware_) {
        types.push_back(channel.GetType());
    }
    for (const auto& channel : software_) {
        types.push_back(channel.GetType());
    }
    if (GetModelCode() == kModelQuarvenRS) {
        for (const auto& channel : pulse_) {
            types.push_back(channel.GetType());
        }
    } else if (GetModelCode() == kModelQuarvenKX) {
        for (const auto& channel : analog_) {
            types.push_back(channel.GetType());
        }
    }
    return types;
}

bool CSetupTable::HasActiveChannel(bool includeAnalog) const {
    const auto inUse = [](const auto& channel) { return channel.GetType() != kChannelOff; };
    if (std::any_of(hardware_.begin(), hardware_.end(), inUse)) {
        return true;
    }
    return includeAnalog && GetModelCode() == kModelQuarvenKX &&
           std::any_of(analog_.begin(), analog_.end(), inUse);
}

bool CSetupTable::IsAlarmsInUse() const {
    return hardware_alarms_[0].GetBlockFlag(CSUTChannelAlarms::kFlagAlarmsInUse);
}

void CSetupTable::SetAlarmsInUse(bool inUse) {
    hardware_alarms_[0].SetBlockFlag(CSUTChannelAlarms::kFlagAlarmsInUse, inUse);
}

void CSetupTable::DescribeItem(SetupPrinter& printer, int item) const {
    if (item == 0) {
        printer.PrintHeader(header_);
    } else if (item >= 1 && item < kFirstSoftwareItem) {
        printer.PrintHardwareChannel(hardware_[item - 1], item);
    } else if (item >= kFirstSoftwareItem && item < kFirstPulseItem) {
        // A software channel combines power channels: it prints only when there are enough of them.
        const auto powerChannels = std::count_if(hardware_.begin(), hardware_.end(), [](const auto& channel) {
            return channel.GetType() == kChannelPower;
        });
        const int software = item - kFirstSoftwareItem;
        if (powerChannels >= 2 + software) {
            printer.PrintSoftwareChannel(software_[software], item);
        }
    } else if (item >= kFirstPulseItem && item < kFirstPulseItem + kPulseChannels) {
        printer.PrintPulseChannel(pulse_[item - kFirstPulseItem], item);
    }
}
