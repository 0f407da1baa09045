// CSUTChannelAlarms: the six alarms of one channel, one per power quantity, with the channel's block
// flags kept in the first alarm's flag byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "shared/setup/sut_alarm.h"

class CSUTChannelAlarms {
public:
    static constexpr int kAlarmCount = 6;
    static constexpr std::size_t kBlockSize = kAlarmCount * CSUTAlarm::kBlockSize;

    // Block flags (flag byte of alarm 0).
    static constexpr std::uint8_t kFlagBit2 = 0x04;
    static constexpr std::uint8_t kFlagBit3 = 0x08;
    static constexpr std::uint8_t kFlagChannelAlarmOn = 0x40;  // at least one alarm of the channel is on
    static constexpr std::uint8_t kFlagAlarmsInUse = 0x80;     // kept in hardware channel 1's set only

    bool operator==(const CSUTChannelAlarms&) const = default;

    // The alarm of quantity `index` (PowerQuantity order, 0-5).
    const CSUTAlarm& GetAlarm(int index) const { return alarms_.at(index); }
    CSUTAlarm& GetAlarm(int index) { return alarms_.at(index); }

    // Every alarm back to its constructed state, block flags included.
    void ClearAll() { alarms_ = {}; }
    // Clears block flag 0x04 and the alarm bits 0x01 and 0x02 of every flag and option byte, then sets
    // block flag 0x40 when any alarm is on (true) or clears it (false).
    bool UpdateEnabledFlag();

    bool GetBlockFlag(std::uint8_t bit) const { return alarms_[0].HasFlag(bit); }
    // Sets or clears one block flag; the other bits of alarm 0 stay.
    void SetBlockFlag(std::uint8_t bit, bool on) { alarms_[0].SetFlag(bit, on); }
    void SetFlagBit2(bool on) { SetBlockFlag(kFlagBit2, on); }
    void SetFlagBit3(bool on) { SetBlockFlag(kFlagBit3, on); }

    // The six alarms in order; false, with the set unchanged, when the bytes run out.
    bool Read(platform::ByteReader& reader);
    void Write(platform::ByteWriter& writer) const;

private:
    std::array<CSUTAlarm, kAlarmCount> alarms_{};
};
