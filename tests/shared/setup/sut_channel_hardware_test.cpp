// Tests of the hardware channel record: defaults, the old 166-byte form and the version rules.
#include "shared/setup/sut_channel_hardware.h"

#include <gtest/gtest.h>

#include "tests/shared/setup/golden_records.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

Bytes Written(const CSUTChannelHardware& channel) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    channel.Write(writer);
    return bytes;
}

Bytes WrittenOldForm(const CSUTChannelHardware& channel) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    channel.WriteOldForm(writer);
    return bytes;
}

TEST(SUTChannelHardware, NewRecordBytes) {
    ASSERT_EQ(golden::NewHardware().size(), 172u);
    EXPECT_EQ(Written(CSUTChannelHardware()), golden::NewHardware());
    EXPECT_EQ(WrittenOldForm(CSUTChannelHardware()), golden::NewHardwareOldForm());
}

TEST(SUTChannelHardware, OldFormDropsTheTailAndPadsWithZero) {
    CSUTChannelHardware channel;
    channel.SetLoggerLabel(std::string(20, 'L'));  // its NUL is offset 164
    channel.SetCTType(1);
    channel.SetPhaseShift(2.5f);
    const Bytes old = WrittenOldForm(channel);
    ASSERT_EQ(old.size(), 166u);
    EXPECT_EQ(old[163], 'L');
    EXPECT_EQ(old[164], 0);
    EXPECT_EQ(old[165], 0);
}

TEST(SUTChannelHardware, OldFormReadSetsTheDefaultsOfTheBytesItDoesNotHold) {
    CSUTChannelHardware source;
    source.SetType(1);
    source.SetName("Main");
    const Bytes old = WrittenOldForm(source);

    CSUTChannelHardware reused;  // a record that held other values before
    reused.SetCTType(7);
    reused.SetPhaseShift(9.0f);
    platform::ByteReader reader(old, platform::ByteOrder::Little);
    ASSERT_TRUE(reused.ReadOldForm(reader));
    EXPECT_EQ(reused.GetCTType(), 0);
    EXPECT_EQ(reused.GetPhaseShift(), 1.1f);
    EXPECT_EQ(reused.GetName(), "Main");
    EXPECT_TRUE(reused == source);
}

TEST(SUTChannelHardware, BlockSizeByFileVersion) {
    const struct {
        int version;
        bool dataFile;
        std::size_t size;
    } cases[] = {{402, false, 166}, {403, false, 172}, {405, false, 172},
                 {303, true, 166},  {304, true, 172},  {306, true, 172}};
    CSUTChannelHardware source;
    source.SetCTType(1);
    const Bytes full = Written(source) + Hex("EE");  // one byte more than any form
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        platform::ByteReader reader(full, platform::ByteOrder::Little);
        CSUTChannelHardware channel;
        ASSERT_TRUE(channel.Read(reader, c.version, c.dataFile));
        EXPECT_EQ(reader.position(), c.size);
        EXPECT_EQ(channel.GetCTType(), c.size == 172 ? 1 : 0);
    }
}

TEST(SUTChannelHardware, ShortReadFailsAndKeepsTheRecord) {
    CSUTChannelHardware channel;
    channel.SetName("Keep");
    const Bytes bytes = Zeros(171);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    EXPECT_FALSE(channel.Read(reader, 405, false));
    const Bytes old = Zeros(165);
    platform::ByteReader oldReader(old, platform::ByteOrder::Little);
    EXPECT_FALSE(channel.ReadOldForm(oldReader));
    EXPECT_EQ(channel.GetName(), "Keep");
}

TEST(SUTChannelHardware, TextsAreBoundedAndTerminated) {
    CSUTChannelHardware channel;
    channel.SetType(3);
    channel.SetUnits("Kilopascal");  // 10 characters into a 9-byte field
    channel.SetNote(std::string(100, 'n'));
    channel.SetName(std::string(30, 'c'));
    EXPECT_EQ(channel.GetUnits(), "Kilopasc");
    EXPECT_EQ(channel.GetNote(), std::string(79, 'n'));
    EXPECT_EQ(channel.GetName(), std::string(20, 'c'));
    const auto& block = channel.GetBlock().Bytes();
    EXPECT_EQ(block[54 + 8], 0);
    EXPECT_EQ(block[63 + 79], 0);
    EXPECT_EQ(block[143], 0);
    EXPECT_EQ(block[144], 0);  // the logger label is untouched
}

TEST(SUTChannelHardware, PhaseReferences) {
    CSUTChannelHardware channel;
    EXPECT_TRUE(channel.SetVHi('B'));
    EXPECT_TRUE(channel.SetVLo('N'));
    EXPECT_EQ(channel.GetVHiName(), "L2");
    EXPECT_EQ(channel.GetVLoName(), "N");
    EXPECT_FALSE(channel.SetVHi('Z'));
    EXPECT_EQ(channel.GetVHi(), 'B');
}

TEST(SUTChannelHardware, RecordsDifferingOnlyInTheirNoteAreUnequal) {
    CSUTChannelHardware a;
    CSUTChannelHardware b;
    EXPECT_TRUE(a == b);
    b.SetNote("x");
    EXPECT_FALSE(a == b);
}

}  // namespace
