// The information record: its 106 written bytes, tags read back, unknown and odd entries, truncation.
#include "shared/datafile/data_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/base/binary_file.h"
#include "tests/shared/datafile/recording_sink.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::BinaryFile;

void Append16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void AppendNumberEntry(Bytes& bytes, std::uint16_t tag, std::uint32_t value) {
    Append16(bytes, tag);
    Append16(bytes, 4);
    Append32(bytes, value);
}

void AppendEntry(Bytes& bytes, std::uint16_t tag, const Bytes& payload) {
    Append16(bytes, tag);
    Append16(bytes, static_cast<std::uint16_t>(payload.size()));
    bytes.insert(bytes.end(), payload.begin(), payload.end());
}

Bytes TextField(const std::string& text, std::size_t size) {
    Bytes field(size, 0);
    std::copy(text.begin(), text.end(), field.begin());
    return field;
}

class DataInfoTest : public testing::Test {
protected:
    Bytes WriteToBytes(const CDataInfo& info) {
        {
            BinaryFile file(path_, BinaryFile::Mode::Create);
            EXPECT_TRUE(info.Write(&file, sink_));
        }
        BinaryFile file(path_, BinaryFile::Mode::Read);
        Bytes bytes(file.Length());
        file.ReadExact(bytes);
        return bytes;
    }

    // Reads `info` from `bytes`; the file position after the read goes to `position`.
    bool ReadFromBytes(const Bytes& bytes, CDataInfo& info, std::uint64_t* position = nullptr) {
        {
            BinaryFile file(path_, BinaryFile::Mode::Create);
            file.Write(bytes);
        }
        BinaryFile file(path_, BinaryFile::Mode::Read);
        const bool ok = info.Read(&file, sink_);
        if (position != nullptr) {
            *position = file.Position();
        }
        return ok;
    }

    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "info.bin";
    RecordingSink sink_;
};

CDataInfo SampleInfo() {
    CDataInfo info;
    info.SetFirstLoggerTime(0x11223344);
    info.SetSecondLoggerTime(0x55667788);
    info.SetRecordCount(1234);
    info.SetIdText("Feeder 7");
    info.SetLoggerMemoryPosition(0x0001F000);
    info.SetLastRecordTimeMark(0xA0B0C0D0);
    info.SetTypeText("NX4.135");
    return info;
}

TEST_F(DataInfoTest, WritesTheSevenEntriesAndTheEndAs106Bytes) {
    Bytes expected;
    AppendNumberEntry(expected, 1, 0x11223344);
    AppendNumberEntry(expected, 2, 0x55667788);
    AppendNumberEntry(expected, 3, 1234);
    AppendEntry(expected, 4, TextField("Feeder 7", 42));
    AppendNumberEntry(expected, 5, 0x0001F000);
    AppendNumberEntry(expected, 6, 0xA0B0C0D0);
    AppendEntry(expected, 7, TextField("NX4.135", 12));
    Append16(expected, 0);
    Append16(expected, 0);
    ASSERT_EQ(expected.size(), CDataInfo::kWrittenSize);

    EXPECT_EQ(WriteToBytes(SampleInfo()), expected);
}

TEST_F(DataInfoTest, ReadsBackWhatItWroteAndBecomesValid) {
    CDataInfo read;
    std::uint64_t position = 0;
    ASSERT_TRUE(ReadFromBytes(WriteToBytes(SampleInfo()), read, &position));
    EXPECT_TRUE(read.IsValid());
    EXPECT_EQ(position, CDataInfo::kWrittenSize);
    CDataInfo expected = SampleInfo();
    EXPECT_EQ(read.GetIdText(), expected.GetIdText());
    EXPECT_EQ(read.GetTypeText(), expected.GetTypeText());
    EXPECT_EQ(read.GetRecordCount(), 1234u);
    EXPECT_EQ(read.GetLastRecordTimeMark(), 0xA0B0C0D0u);
    read.Clear();
    EXPECT_FALSE(read.IsValid());
    EXPECT_EQ(read, CDataInfo());
}

TEST_F(DataInfoTest, SkipsUnknownTagsAndKnownTagsOfAnotherLength) {
    Bytes bytes;
    AppendNumberEntry(bytes, 1, 77);
    AppendEntry(bytes, 9, Bytes{1, 2, 3, 4, 5, 6});
    AppendEntry(bytes, 4, TextField("forty bytes only", 40));
    AppendEntry(bytes, 0xFFFF, Bytes(0x8100, 0xEE));  // a length above 0x8000 moves forward only
    AppendNumberEntry(bytes, 3, 5);
    Append16(bytes, 0);
    Append16(bytes, 2);  // an end entry with a payload of its own
    bytes.push_back(0xAA);
    bytes.push_back(0xBB);
    bytes.push_back(0x99);  // first byte after the record

    CDataInfo read;
    read.SetIdText("kept");
    std::uint64_t position = 0;
    ASSERT_TRUE(ReadFromBytes(bytes, read, &position));
    EXPECT_EQ(read.GetFirstLoggerTime(), 77u);
    EXPECT_EQ(read.GetRecordCount(), 5u);
    EXPECT_EQ(read.GetIdText(), "kept");
    EXPECT_EQ(position, bytes.size() - 1);
}

TEST_F(DataInfoTest, ARecordThatEndsEarlyFailsAndLeavesTheFieldsAlone) {
    Bytes complete = WriteToBytes(SampleInfo());
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes afterEntry3(complete.begin(), complete.begin() + 24);
    Bytes insideHead(complete.begin(), complete.begin() + 26);
    Bytes insidePayload(complete.begin(), complete.begin() + 40);
    Bytes skipPastEnd;
    AppendEntry(skipPastEnd, 9, Bytes(10, 0));
    skipPastEnd.resize(skipPastEnd.size() - 3);
    for (const Case& test : {Case{"after entry 3", afterEntry3}, Case{"inside a head", insideHead},
                             Case{"inside a payload", insidePayload},
                             Case{"inside a skipped entry", skipPastEnd}, Case{"empty", Bytes{}}}) {
        CDataInfo read;
        read.SetRecordCount(99);
        EXPECT_FALSE(ReadFromBytes(test.bytes, read)) << test.what;
        EXPECT_FALSE(read.IsValid()) << test.what;
        EXPECT_EQ(read.GetRecordCount(), 99u) << test.what;
    }
}

TEST_F(DataInfoTest, TextsAreBoundedWhenSetAndTerminatedWhenRead) {
    CDataInfo info;
    info.SetIdText(std::string(60, 'I'));
    info.SetTypeText(std::string(20, 'T'));
    EXPECT_EQ(info.GetIdText(), std::string(41, 'I'));
    EXPECT_EQ(info.GetTypeText(), std::string(11, 'T'));

    Bytes bytes;
    AppendEntry(bytes, 4, Bytes(42, 'X'));
    AppendEntry(bytes, 7, Bytes(12, 'Y'));
    Append16(bytes, 0);
    Append16(bytes, 0);
    CDataInfo read;
    ASSERT_TRUE(ReadFromBytes(bytes, read));
    EXPECT_EQ(read.GetIdText(), std::string(41, 'X'));
    EXPECT_EQ(read.GetTypeText(), std::string(11, 'Y'));
}

TEST_F(DataInfoTest, ANullFileFails) {
    CDataInfo info;
    EXPECT_FALSE(info.Write(nullptr, sink_));
    EXPECT_FALSE(info.Read(nullptr, sink_));
}

}  // namespace
