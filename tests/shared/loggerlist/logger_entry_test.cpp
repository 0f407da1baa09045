// Tests of the logger-list entry record: its bytes, the widening of the older record, the setters'
// bounds, the reset that keeps the schedule and the clipboard block.
#include "shared/loggerlist/logger_entry.h"

#include <gtest/gtest.h>

#include "platform/base/byte_order.h"
#include "tests/shared/loggerlist/entry_bytes.h"

namespace {

using namespace entrybytes;

Bytes Written(const CLogger& entry) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    entry.WriteRecord(writer);
    return bytes;
}

CLogger ReadBack(const Bytes& bytes, std::int16_t version, const LoggerDefaults& defaults = {}) {
    CLogger entry(defaults);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    EXPECT_TRUE(entry.ReadRecord(reader, version));
    return entry;
}

TEST(LoggerEntry, FreshEntriesOfBothPrograms) {
    EXPECT_EQ(Written(CLogger({57600, 2})), Kivo32Entry());
    EXPECT_EQ(Written(CLogger({9600, 0})), TeldrinEntry());
    EXPECT_EQ(Written(ReadBack(Kivo32Entry(), 302)), Kivo32Entry());
}

TEST(LoggerEntry, OldRecordIsWidenedFieldByField) {
    // Serial "AB123" in 6 bytes, extra "xy", description "Sub" at old offset 12, address, port, COM,
    // folder, 11 + 2 reserved bytes around the new byte 241, baud 9600, scheduling on, type 1, 18
    // reserved, then a weekly block (code 4, tasks 0x11).
    const Bytes old = golden::Text("AB123", 6) + golden::Text("xy", 6) + golden::Text("Sub", 21) +
                      golden::Text("10.0.0.1", 22) + golden::Text("3001", 8) + golden::Text("ttyS1", 12) +
                      golden::Text("/data", 128) + Hex("A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB") + Hex("B1 B2") +
                      Hex("80 25 00 00") + Hex("01 00") + Hex("01 00") + Hex("C0") + Zeros(16) + Hex("C1") +
                      Hex("04 11") + Zeros(190);
    ASSERT_EQ(old.size(), CLogger::kOldRecordSize);

    const CLogger entry = ReadBack(old, 301);
    const Bytes widened = golden::Text("AB123", 33) + golden::Text("xy", 6) + golden::Text("Sub", 21) +
                          golden::Text("10.0.0.1", 22) + golden::Text("3001", 8) + golden::Text("ttyS1", 12) +
                          golden::Text("/data", 128) + Hex("A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB") + Hex("00") +
                          Hex("B1 B2") + Hex("80 25 00 00") + Hex("01 00") + Hex("01 00") + Hex("C0") +
                          Zeros(16) + Hex("C1") + Hex("04 11") + Zeros(190);
    EXPECT_EQ(Written(entry), widened);
    EXPECT_EQ(entry.GetSerial(), "AB123");
    EXPECT_EQ(entry.GetDescription(), "Sub");
    EXPECT_EQ(entry.GetBaudRate(), 9600);
    EXPECT_TRUE(entry.IsScheduleOn());
}

TEST(LoggerEntry, ShortRecordLeavesTheEntryUnchanged) {
    for (const std::int16_t version : {302, 301}) {
        const Bytes bytes(CLogger::RecordSizeOf(version) - 1, 0x55);
        CLogger entry;
        platform::ByteReader reader(bytes, platform::ByteOrder::Little);
        EXPECT_FALSE(entry.ReadRecord(reader, version)) << version;
        EXPECT_EQ(Written(entry), Kivo32Entry()) << version;
    }
}

TEST(LoggerEntry, EverySetterStaysInsideItsFieldAndEndsIt) {
    struct Field {
        void (CLogger::*set)(std::string_view);
        std::string (CLogger::*get)() const;
        std::size_t offset;
        std::size_t length;
    };
    const Field fields[] = {
        {&CLogger::SetSerial, &CLogger::GetSerial, 0, 32},
        {&CLogger::SetDescription, &CLogger::GetDescription, 39, 20},
        {&CLogger::SetPhoneOrAddress, &CLogger::GetPhoneOrAddress, 60, 21},
        {&CLogger::SetNetPort, &CLogger::GetNetPort, 82, 7},
        {&CLogger::SetComPort, &CLogger::GetComPort, 90, 11},
        {&CLogger::SetDataFolder, &CLogger::GetDataFolder, 102, 127},
    };
    for (const Field& field : fields) {
        CLogger entry;
        (entry.*field.set)(std::string(300, 'x'));
        EXPECT_EQ((entry.*field.get)(), std::string(field.length, 'x')) << field.offset;
        Bytes expected = Kivo32Entry();
        std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(field.offset), field.length, 'x');
        EXPECT_EQ(Written(entry), expected) << field.offset;
    }
}

TEST(LoggerEntry, TextWithoutNulStopsAtItsFieldEnd) {
    Bytes bytes = Kivo32Entry();
    std::fill_n(bytes.begin(), 33, 'S');  // serial without its NUL
    std::fill_n(bytes.begin() + 33, 6, 'E');
    const CLogger entry = ReadBack(bytes, 302);
    EXPECT_EQ(entry.GetSerial(), std::string(33, 'S'));
    EXPECT_EQ(entry.GetExtra(), std::string(6, 'E'));
}

TEST(LoggerEntry, ResetKeepingTheScheduleClearsTheRest) {
    Bytes bytes = Kivo32Entry();
    bytes[0] = 'Z';
    bytes[60] = '5';
    bytes[250] = 1;
    bytes[442] = 1;
    bytes[270] = 4;  // weekly
    bytes[280] = 1;  // Monday on
    bytes[294] = 0x86;
    bytes[295] = 0x01;  // Monday at 06:30
    bytes[436] = 7;     // inside the block: kept
    CLogger entry = ReadBack(bytes, 302);
    entry.Reset(false, {57600, 2});

    Bytes expected = Kivo32Entry();
    std::copy(bytes.begin() + 270, bytes.end(), expected.begin() + 270);
    EXPECT_EQ(Written(entry), expected);

    entry.Reset(true, {57600, 2});
    EXPECT_EQ(Written(entry), Kivo32Entry());
}

TEST(LoggerEntry, ClipboardBlockAndItsChecks) {
    CLogger source;
    source.SetSerial("K-17");
    const std::vector<std::uint8_t> block = source.ClipboardBlock();
    EXPECT_EQ(Bytes(block), Hex("4B 49 56 4F 00") + Written(source));

    CLogger target;
    target.SetDescription("mine");
    const Bytes before = Written(target);
    const Bytes refused[] = {Bytes(block.begin(), block.end() - 1), Hex("4B 49 56 4F 01") + Written(source),
                             Hex("4B 49 56 00 00") + Written(source), Bytes{}};
    for (const Bytes& bad : refused) {
        EXPECT_FALSE(target.PasteClipboardBlock(bad)) << bad.size();
        EXPECT_EQ(Written(target), before);
    }
    EXPECT_TRUE(target.PasteClipboardBlock(block + Hex("99")));
    EXPECT_EQ(target, source);
}

TEST(LoggerEntry, ConnectTypeSetterAndOldConversion) {
    CLogger entry;
    entry.SetPhoneOrAddress("555");
    entry.SetNetPort("77");
    entry.SetComPort("COM4");
    entry.SetConnectType(3);
    EXPECT_EQ(entry.GetByteConnectType(), 3);

    Bytes bytes = Written(entry);
    bytes[250] = 0;  // an old list kept the type only in its byte
    bytes[442] = 1;
    CLogger old = ReadBack(bytes, 302);
    old.ConvertOldConnectType("ttyUSB0");
    EXPECT_EQ(old.GetConnectType(), kConnectDirect);
    EXPECT_EQ(old.GetPhoneOrAddress(), "");
    EXPECT_EQ(old.GetNetPort(), "");
    EXPECT_EQ(old.GetComPort(), "ttyUSB0");
}

}  // namespace
