// CSUTChannelAlarms: the enabled-flag update and the stream of six alarms.
#include "shared/setup/sut_channel_alarms.h"

#include <algorithm>

bool CSUTChannelAlarms::UpdateEnabledFlag() {
    SetFlagBit2(false);
    for (CSUTAlarm& alarm : alarms_) {
        alarm.SetFlag(CSUTAlarm::kFlagBit1 | CSUTAlarm::kFlagBit2, false);
        alarm.SetOption(CSUTAlarm::kOptionBit1 | CSUTAlarm::kOptionBit2, false);
    }
    const bool anyOn =
        std::any_of(alarms_.begin(), alarms_.end(), [](const CSUTAlarm& alarm) { return alarm.IsOn(); });
    SetBlockFlag(kFlagChannelAlarmOn, anyOn);
    return anyOn;
}

bool CSUTChannelAlarms::Read(platform::ByteReader& reader) {
    if (reader.remaining() < kBlockSize) {
        return false;
    }
    for (CSUTAlarm& alarm : alarms_) {
        alarm.Read(reader);
    }
    return true;
}

void CSUTChannelAlarms::Write(platform::ByteWriter& writer) const {
    for (const CSUTAlarm& alarm : alarms_) {
        alarm.Write(writer);
    }
}
