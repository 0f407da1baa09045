// Tests of the extended data record.
#include "shared/setup/sut_extended_data.h"

#include <gtest/gtest.h>

#include "tests/shared/setup/golden_records.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

Bytes Written(const CSUTExtendedData& record) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    record.Write(writer);
    return bytes;
}

TEST(SUTExtendedData, NewRecordBytes) {
    EXPECT_EQ(Written(CSUTExtendedData()), golden::NewExtended());
}

TEST(SUTExtendedData, BlockSizeByFileVersion) {
    const struct {
        int version;
        bool dataFile;
        std::size_t size;
    } cases[] = {{403, false, 60}, {404, false, 172}, {304, true, 60}, {305, true, 172}};
    CSUTExtendedData source;
    source.SetStartTime(1000);
    source.SetQuarvenValue(13, 5.0f);  // offset 96
    source.SetTimedValue(5, 1.5f, 0x0102030405060708);
    const Bytes full = Written(source);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        platform::ByteReader reader(full, platform::ByteOrder::Little);
        CSUTExtendedData record;
        ASSERT_TRUE(record.Read(reader, c.version, c.dataFile));
        EXPECT_EQ(reader.position(), c.size);
        EXPECT_EQ(record.GetStartTime(), 1000u);
        EXPECT_EQ(record.GetQuarvenValue(13), c.size == 172 ? 5.0f : 0.0f);
        EXPECT_EQ(record.GetTimedValueTime(5), c.size == 172 ? 0x0102030405060708 : 0);
    }
}

TEST(SUTExtendedData, OldFormReadClearsTheTailOfAReusedRecord) {
    CSUTExtendedData reused;
    reused.SetQuarvenValue(0, 7.0f);
    reused.SetTimedValue(0, 2.0f, 99);
    const Bytes old = Zeros(38) + Hex("1E 00 00 00") + Zeros(18);
    platform::ByteReader reader(old, platform::ByteOrder::Little);
    ASSERT_TRUE(reused.Read(reader, 403, false));
    EXPECT_EQ(reused.GetDemandWindow(), 30u);
    EXPECT_EQ(Bytes(reused.GetBlock().Bytes().begin() + 60, reused.GetBlock().Bytes().end()), Zeros(112));
}

TEST(SUTExtendedData, ComparesOnlyTheTimes) {
    CSUTExtendedData a;
    CSUTExtendedData b;
    b.SetDemandWindow(60);
    b.SetTimeBlockByte2(0);
    EXPECT_TRUE(a == b);
    b.SetStopTime(1);
    EXPECT_FALSE(a == b);
}

TEST(SUTExtendedData, ShortReadFails) {
    CSUTExtendedData record;
    const Bytes bytes = Zeros(59);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    EXPECT_FALSE(record.Read(reader, 403, false));
    EXPECT_EQ(record.GetDemandWindow(), 15u);
}

}  // namespace
