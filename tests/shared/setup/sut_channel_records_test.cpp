// Tests of the software, pulse and analog channel records.
#include <gtest/gtest.h>

#include "shared/setup/sut_channel_analog.h"
#include "shared/setup/sut_channel_pulse.h"
#include "shared/setup/sut_channel_software.h"
#include "tests/shared/setup/golden_records.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

template <typename Record>
Bytes Written(const Record& record) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    record.Write(writer);
    return bytes;
}

TEST(SUTChannelRecords, NewRecordBytes) {
    EXPECT_EQ(Written(CSUTChannelSoftware()), golden::NewSoftware());
    EXPECT_EQ(Written(CSUTChannelPulse()), golden::NewPulse());
    EXPECT_EQ(Written(CSUTChannelAnalog()), golden::NewAnalog());
}

TEST(SUTChannelRecords, FieldsLandAtTheirOffsets) {
    CSUTChannelPulse pulse;
    pulse.SetType(11);
    pulse.SetValue(1.0f);
    pulse.SetScale(-2.0f);
    pulse.SetPowerChannel(3);
    pulse.SetName("Gas");
    EXPECT_EQ(Written(pulse),
              Hex("0B 00 00 00 80 3F 00 00 00 C0 03 00") + golden::Text("Gas", 21) + Hex("00"));

    CSUTChannelAnalog analog;
    analog.SetType(17);
    analog.SetHighOutput(10.0f);
    analog.SetUnits(std::string(25, 'u'));
    analog.SetLoggerByte(0x5A);
    const Bytes block = Written(analog);
    EXPECT_EQ(Bytes(block.begin() + 14, block.begin() + 18), Hex("00 00 20 41"));
    EXPECT_EQ(Bytes(block.begin() + 39, block.end()), Bytes(19, 'u') + Hex("00 5A"));
}

TEST(SUTChannelRecords, ShortReadsFailAndKeepTheRecord) {
    const Bytes bytes = Zeros(59);
    CSUTChannelAnalog analog;
    analog.SetType(15);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    EXPECT_FALSE(analog.Read(reader));
    EXPECT_EQ(analog.GetType(), 15);

    CSUTChannelSoftware software;
    software.SetName("Keep");
    const Bytes shortSoftware = Zeros(195);
    platform::ByteReader softwareReader(shortSoftware, platform::ByteOrder::Little);
    EXPECT_FALSE(software.Read(softwareReader));
    EXPECT_EQ(software.GetName(), "Keep");
}

}  // namespace
