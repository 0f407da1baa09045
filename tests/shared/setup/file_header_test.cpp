// Tests of the 42-byte file header.
#include "shared/setup/file_header.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/base/binary_file.h"
#include "tests/shared/setup/golden_bytes.h"
#include "tests/support/temp_folder.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Bytes ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FileHeader, NewHeaderOnDisk) {
    testsupport::TempFolder folder;
    CFileHeader header;
    header.SetVersion(405);
    header.SetKind(CFileHeader::kKindSetupTable);
    {
        platform::BinaryFile file(folder / "new.sut", platform::BinaryFile::Mode::Create);
        ASSERT_TRUE(header.Write(file));
    }
    // 405 = 0x0195; kind 1; mark 0x3333; zero to the end.
    EXPECT_EQ(ReadWholeFile(folder / "new.sut"), Hex("95 01 01 00 33 33") + Zeros(36));
}

TEST(FileHeader, ReadKeepsEveryByteAndDecodesTheFields) {
    testsupport::TempFolder folder;
    const Bytes bytes = Hex("32 01 04 00 34 12 78 56 34 12 FE FF 01") + Hex("AA") + Zeros(27) + Hex("BB");
    WriteFile(folder / "data.kivo", bytes);

    platform::BinaryFile file(folder / "data.kivo", platform::BinaryFile::Mode::Read);
    CFileHeader header;
    ASSERT_TRUE(header.Read(file));
    EXPECT_EQ(header.GetVersion(), 306);
    EXPECT_EQ(header.GetKind(), CFileHeader::kKindDataFile);
    EXPECT_EQ(header.GetHeaderMark(), 0x1234);
    EXPECT_EQ(header.GetLastRecordStamp(), 0x12345678u);
    EXPECT_EQ(header.GetLastRecordSeconds(), -2);
    EXPECT_EQ(header.GetFlags(), CFileHeader::kFlagResumePosition);
    EXPECT_EQ(Bytes(header.GetBytes().begin(), header.GetBytes().end()), bytes);
}

TEST(FileHeader, VersionIsSigned) {
    CFileHeader header;
    header.SetVersion(-1);
    EXPECT_EQ(header.GetBytes()[0], 0xFF);
    EXPECT_EQ(header.GetBytes()[1], 0xFF);
    EXPECT_LT(header.GetVersion(), 406);
}

TEST(FileHeader, ShortFileFailsAndKeepsTheHeader) {
    testsupport::TempFolder folder;
    WriteFile(folder / "short.sut", Hex("95 01 01 00") + Zeros(20));
    platform::BinaryFile file(folder / "short.sut", platform::BinaryFile::Mode::Read);
    CFileHeader header;
    header.SetKind(CFileHeader::kKindLoggerList);
    EXPECT_FALSE(header.Read(file));
    EXPECT_EQ(header.GetKind(), CFileHeader::kKindLoggerList);
    EXPECT_EQ(header.GetVersion(), 0);
}

}  // namespace
