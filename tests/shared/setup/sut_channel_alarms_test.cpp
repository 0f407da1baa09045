// Tests of the alarms of a channel.
#include "shared/setup/sut_channel_alarms.h"

#include <gtest/gtest.h>

#include "tests/shared/setup/golden_bytes.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

Bytes Written(const CSUTChannelAlarms& alarms) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    alarms.Write(writer);
    return bytes;
}

TEST(SUTChannelAlarms, NewSetIs72ZeroBytes) {
    EXPECT_EQ(Written(CSUTChannelAlarms()), Zeros(72));
}

TEST(SUTChannelAlarms, AlarmFieldsOnDisk) {
    CSUTChannelAlarms alarms;
    CSUTAlarm& kw = alarms.GetAlarm(2);
    kw.SetHighAlarmOn(true);
    kw.SetLowLimit(-1.0f);
    kw.SetHighLimit(2000.0f);
    EXPECT_EQ(Written(alarms), Zeros(24) + Hex("20 00 00 00 00 00 80 BF 00 00 FA 44") + Zeros(36));
}

TEST(SUTChannelAlarms, UpdateEnabledFlag) {
    CSUTChannelAlarms alarms;
    alarms.GetAlarm(5).SetHighAlarmOn(true);
    alarms.GetAlarm(5).SetHighLimit(3.0f);
    alarms.GetAlarm(3).SetFlag(CSUTAlarm::kFlagBit1 | CSUTAlarm::kFlagBit2, true);
    alarms.GetAlarm(3).SetOptions(0x03);
    alarms.SetFlagBit2(true);
    alarms.SetFlagBit3(true);

    EXPECT_TRUE(alarms.UpdateEnabledFlag());
    EXPECT_TRUE(alarms.GetBlockFlag(CSUTChannelAlarms::kFlagChannelAlarmOn));
    EXPECT_FALSE(alarms.GetBlockFlag(CSUTChannelAlarms::kFlagBit2));
    EXPECT_TRUE(alarms.GetBlockFlag(CSUTChannelAlarms::kFlagBit3));  // not the update's
    EXPECT_EQ(alarms.GetAlarm(3).GetFlags(), 0);
    EXPECT_EQ(alarms.GetAlarm(3).GetOptions(), 0);
    EXPECT_TRUE(alarms.GetAlarm(5).IsHighAlarmOn());
    EXPECT_EQ(alarms.GetAlarm(5).GetHighLimit(), 3.0f);

    alarms.GetAlarm(5).SetHighAlarmOn(false);
    EXPECT_FALSE(alarms.UpdateEnabledFlag());
    EXPECT_FALSE(alarms.GetBlockFlag(CSUTChannelAlarms::kFlagChannelAlarmOn));
}

TEST(SUTChannelAlarms, BlockFlagsTouchOnlyTheirBit) {
    CSUTChannelAlarms alarms;
    alarms.GetAlarm(0).SetLowAlarmOn(true);
    alarms.GetAlarm(0).SetHighAlarmOn(true);
    alarms.SetFlagBit3(true);
    EXPECT_EQ(alarms.GetAlarm(0).GetFlags(), 0x38);
    alarms.SetFlagBit3(false);
    EXPECT_EQ(alarms.GetAlarm(0).GetFlags(), 0x30);
    alarms.ClearAll();
    EXPECT_EQ(Written(alarms), Zeros(72));
}

TEST(SUTChannelAlarms, SignedZeroLimitsDiffer) {
    CSUTAlarm plus;
    CSUTAlarm minus;
    minus.SetLowLimit(-0.0f);
    EXPECT_FALSE(plus == minus);
}

TEST(SUTChannelAlarms, ShortReadFailsAndKeepsEveryAlarm) {
    CSUTChannelAlarms alarms;
    alarms.GetAlarm(0).SetLowLimit(5.0f);
    const Bytes bytes = Hex("10") + Zeros(70);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    EXPECT_FALSE(alarms.Read(reader));
    EXPECT_EQ(alarms.GetAlarm(0).GetLowLimit(), 5.0f);
    EXPECT_FALSE(alarms.GetAlarm(0).IsLowAlarmOn());
}

}  // namespace
