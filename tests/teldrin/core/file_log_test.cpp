// The event and error logs byte for byte: headers, line ends, roll-over, and a log that cannot be
// written.
#include "teldrin/core/file_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/base/windows1252.h"
#include "teldrin/core/teldrin_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadWholeFile;
using testsupport::WriteWholeFile;

const std::string kEventHeader = "  - TARV Instruments  - \n\nFichier \xE9v\xE9nement Teldrin\n\n";
const std::string kErrorHeader = "  - TARV Instruments  - \n\nFichier de rapport erreur\n\n";

class TeldrinLogTest : public testing::Test {
protected:
    testsupport::TempFolder folder;
    std::string dataDir = platform::PathToWindows1252(folder.path());
    teldrin::CFileLog events{[this] { return dataDir; }};
    teldrin::CFileError errors{[this] { return dataDir; }};
};

TEST_F(TeldrinLogTest, EventEntriesEndInCrLf) {
    struct Case {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"a\nb", "a\r\nb\r\n"},     {"done\r\n", "done\r\n"}, {"\nx", "\r\nx\r\n"}, {"x", "x"}, {"", ""},
        {"caf\xE9", "caf\xE9\r\n"},
    };
    for (const Case& c : cases) {
        fs::remove(folder / "Teldrin.log");
        ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, c.text));
        EXPECT_EQ(ReadWholeFile(folder / "Teldrin.log"), kEventHeader + c.written) << c.text;
    }
}

TEST_F(TeldrinLogTest, ErrorEntriesEndInLf) {
    ASSERT_TRUE(errors.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "x"));
    ASSERT_TRUE(errors.WriteEntry(teldrin::IDS_TELDRIN_CALL_STATE, "2 calls"));
    EXPECT_EQ(ReadWholeFile(folder / "Teldrin.err"), kErrorHeader + "x\n\nEtat appel  -  2 calls\n\n");
}

TEST_F(TeldrinLogTest, TableTextsTakeTheirArgumentForPercentOne) {
    ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_CALL_STATE, "1 of 2"));
    EXPECT_EQ(ReadWholeFile(folder / "Teldrin.log"), kEventHeader + "Etat appel  -  1 of 2\r\n");
}

TEST_F(TeldrinLogTest, RollsOverAtItsLimitIntoOneBackup) {
    const fs::path log = folder / "Teldrin.log";
    const fs::path backup = folder / "Teldrin.lg1";
    WriteWholeFile(backup, "older backup");
    WriteWholeFile(log, std::string(1'048'574, 'a'));
    ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "b"));
    EXPECT_EQ(fs::file_size(log), 1'048'575u);
    EXPECT_EQ(ReadWholeFile(backup), "older backup");

    ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "next"));
    EXPECT_EQ(ReadWholeFile(log), kEventHeader + "next\r\n");
    EXPECT_EQ(fs::file_size(backup), 1'048'575u);
}

TEST_F(TeldrinLogTest, TheErrorLogRollsOverToItsOwnBackup) {
    WriteWholeFile(folder / "Teldrin.err", std::string(1'048'575, 'e'));
    ASSERT_TRUE(errors.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "x"));
    EXPECT_EQ(ReadWholeFile(folder / "Teldrin.err"), kErrorHeader + "x\n\n");
    EXPECT_EQ(fs::file_size(folder / "Teldrin.er1"), 1'048'575u);
}

TEST_F(TeldrinLogTest, ARollOverThatCannotMoveTheFileKeepsAppending) {
    const fs::path log = folder / "Teldrin.log";
    // A backup that is a folder with a file in it can be neither deleted nor replaced.
    fs::create_directory(folder / "Teldrin.lg1");
    WriteWholeFile(folder / "Teldrin.lg1" / "keep", "x");
    const std::string full(1'048'575, 'a');
    WriteWholeFile(log, full);
    ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "kept"));
    EXPECT_EQ(ReadWholeFile(log), full + "kept\r\n");
}

TEST_F(TeldrinLogTest, ALogThatCannotBeOpenedLosesOnlyThatEntry) {
    dataDir = platform::PathToWindows1252(folder / "not yet");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "lost entry"));
    EXPECT_FALSE(errors.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "lost error"));
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("lost entry"), std::string::npos);
    EXPECT_NE(reported.find("lost error"), std::string::npos);

    fs::create_directory(folder / "not yet");
    EXPECT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "written"));
    EXPECT_EQ(ReadWholeFile(folder / "not yet" / "Teldrin.log"), kEventHeader + "written\r\n");
}

TEST_F(TeldrinLogTest, NoDataFolderWritesNothingAnywhere) {
    dataDir.clear();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "entry"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(events.Path().empty());
}

TEST_F(TeldrinLogTest, ClearingLeavesTheHeaderOnly) {
    ASSERT_TRUE(events.WriteEntry(teldrin::IDS_TELDRIN_VERBATIM, "old entry"));
    ASSERT_TRUE(events.Clear());
    EXPECT_EQ(ReadWholeFile(folder / "Teldrin.log"), kEventHeader);
}

}  // namespace
