// CSUTInfo: clearing, the setup time and the channel and value counts of a logger's setup.
#include "shared/setup/sut_info.h"

#include "shared/common/calendar.h"
#include "shared/setup/interval_codes.h"

void CSUTInfo::Clear() {
    headerValid = false;
    channelsValid = false;
    alarmsValid = false;
    extendedValid = false;
    setupName.clear();
    channelTypes = {};
    setupTime = 0;
    loggerInterval = 0;
    optionByte = 0;
    summaryAddress = 0;
    firstHeaderWord = 0;
    startTime = 0;
    stopTime = 0;
    setupTable.reset();
}

void CSUTInfo::SetSetupTime(std::span<const std::uint8_t> packed) {
    setupTime = packed.empty() ? 0 : PackedDateTimeToTime(packed).value_or(0);
}

int CSUTInfo::GetLastUsedChannel(int model) const {
    for (int slot = ChannelSlotCount(model) - 1; slot >= 0; --slot) {
        if (channelTypes[slot] != kChannelOff) {
            return slot;
        }
    }
    return -1;
}

int CSUTInfo::GetValueCount() const {
    if (!setupTable) {
        return 0;
    }
    const int slots = setupTable->GetModelCode() == kModelQuarvenKX ? kMaxChannelSlots
                                                                    : kHardwareChannels + kSoftwareChannels;
    int values = 0;
    for (int slot = 0; slot < slots; ++slot) {
        const int type = channelTypes[slot];
        if (type == kChannelPower || type == kChannelSoftware) {
            values += 7;
        } else if (IsHardwareType(type) || IsAnalogType(type)) {
            values += 1;
        }
    }
    return values;
}

void CSUTInfo::UpdateFromSetup() {
    if (!setupTable) {
        Clear();
        return;
    }
    headerValid = channelsValid = alarmsValid = extendedValid = true;
    loggerInterval = IntervalCodeToLoggerByte(setupTable->GetHeader().GetIntervalCode());
    setupName = setupTable->GetHeader().GetHeaderText();
    channelTypes = {};
    const std::vector<std::uint8_t> types = setupTable->GetChannelTypes();
    std::copy(types.begin(), types.end(), channelTypes.begin());
}
