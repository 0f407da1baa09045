// The data file a download ends with: built from the raw file of logger records, after the old file's
// records in a download of new data, with the fields the next download continues from; the old file
// kept whole, and the raw file gone, however the assembly ends.
#include <gtest/gtest.h>

#include <memory>

#include "shared/link/connection_network.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/download_result.h"
#include "shared/logger/raw_download_file.h"
#include "tests/shared/logger/download_fixture.h"
#include "tests/support/whole_file.h"

namespace {

using testsupport::Transport;

constexpr std::uint8_t kPartialFlag = 0x01;

class DownloadFileAssemblyTest : public testsupport::DownloadFixture {
protected:
    // Starts a standard logger that logged `records` and reads its active setup.
    void StartLogger(int records) {
        ASSERT_TRUE(StartWithMemory("standard-135", {records}));
        ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
    }

    // A raw file as a download leaves it: the head made of the logger's information record and active
    // setup, then the newest `records` records of the logger's memory.
    std::unique_ptr<RawDownloadFile> MakeRawFile(int records) {
        CDataInfo info = Object().GetDataInfo();
        info.SetRecordCount(static_cast<std::uint32_t>(records));
        info.SetLoggerMemoryPosition(0x4321);
        const CSetupTable setup = *Object().GetSUTInfo(1)->setupTable;
        auto raw = std::make_unique<RawDownloadFile>();
        EXPECT_EQ(raw->Create(folder_ / "site.dat", info, setup), 0);
        const LoggerState state = Logger().State();
        const long bytes = static_cast<long>(records) * setup.GetRecordSize();
        const std::vector<std::uint8_t> memory =
            ReadDataMemory(state, state.recordPointer + bytes - 1, bytes);
        CPSTFileException error;
        EXPECT_TRUE(raw->Append(memory, error));
        return raw;
    }

    int Assemble(const std::filesystem::path& target, RawDownloadFile& raw, long count, std::int64_t position,
                 bool readAll) {
        DownloadExchange told({});
        return Run(
            [&] { return Object().AssembleDownloadFile(target, raw, 900, count, position, readAll, told); });
    }

    struct Continuation {
        std::uint32_t position;
        std::uint32_t timeMark;
        std::uint8_t flags;
        int records;
    };

    static Continuation ContinuationOf(const std::filesystem::path& path) {
        CRawData file;
        file.Initialize();
        EXPECT_TRUE(file.OpenDataFile(path));
        return {file.GetDataInfo()->GetLoggerMemoryPosition(), file.GetDataInfo()->GetLastRecordTimeMark(),
                file.GetFileHeader()->GetFlags(), file.GetRecordCount()};
    }
};

TEST_P(DownloadFileAssemblyTest, TheContinuationFieldsFollowPositionAndReadAll) {
    StartLogger(10);
    session_.SetKeptStamp(1000);
    session_.SetKeptSeconds(30);
    const std::uint32_t ownPosition = Object().GetDataInfo().GetLoggerMemoryPosition();
    struct Case {
        const char* name;
        long count;
        std::int64_t position;
        bool readAll;
        Continuation expected;
    };
    // The time mark of a continuing download: kept stamp + kept seconds + the setup's interval.
    const std::uint32_t mark = 1000 + 30 + 900;
    const std::uint32_t lastSeconds = static_cast<std::uint32_t>(Logger().State().firstLoggerTime + 9 * 900);
    const Case cases[] = {
        {"FullWithoutPosition", -1, -1, true, {0x4321, lastSeconds, 0, 10}},
        {"NewDataAtFive", -1, 5, false, {5, mark, kPartialFlag, 10}},
        {"NewDataWithoutPosition", -1, -1, false, {ownPosition, mark, 0, 10}},
        {"KeptAfterAFailure", 4, 0x1234, true, {0x1234, mark, kPartialFlag, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto target = folder_ / (std::string(c.name) + ".dat");
        const auto raw = MakeRawFile(10);
        const std::filesystem::path rawPath = raw->Path();
        ASSERT_EQ(Assemble(target, *raw, c.count, c.position, c.readAll), 1);
        const Continuation got = ContinuationOf(target);
        EXPECT_EQ(got.position, c.expected.position);
        EXPECT_EQ(got.timeMark, c.expected.timeMark);
        EXPECT_EQ(got.flags & kPartialFlag, c.expected.flags);
        EXPECT_EQ(Object().GetStoredFlags() & kPartialFlag, c.expected.flags);
        EXPECT_EQ(got.records, c.expected.records);
        EXPECT_FALSE(std::filesystem::exists(rawPath));
    }
}

TEST_P(DownloadFileAssemblyTest, AnAppendKeepsTheOldFileAsBackupReplacingAnOlderOne) {
    // A name without "." gets ".bak" added to it.
    for (const char* name : {"site.dat", "site"}) {
        SCOPED_TRACE(name);
        StartLogger(10);
        const auto target = folder_ / name;
        ASSERT_EQ(DownloadAll(target), kReadDataDone);
        const std::string original = testsupport::ReadWholeFile(target);
        const auto backup = folder_ / "site.bak";
        testsupport::WriteWholeFile(backup, "an older backup");
        LogMore(5);
        ASSERT_EQ(DownloadNew(target), kReadDataDone);
        EXPECT_TRUE(testsupport::ReadWholeFile(backup) == original);
        ExpectRecords(target, 0, 15);
        std::filesystem::remove(backup);
    }
}

TEST_P(DownloadFileAssemblyTest, AFailedAppendLeavesTheOldFileAndTheBackupAsTheyWere) {
    StartLogger(10);
    const auto target = folder_ / "site.dat";
    ASSERT_EQ(DownloadAll(target), kReadDataDone);
    const std::string original = testsupport::ReadWholeFile(target);
    // The old file cannot become the backup: a folder holds its name.
    const auto backup = folder_ / "site.bak";
    std::filesystem::create_directory(backup);
    testsupport::WriteWholeFile(backup / "keep", "older");
    boxes_.SetDefaultAnswer(IDOK);
    LogMore(5);
    EXPECT_EQ(DownloadNew(target), kReadDataAssemblyFailed);
    EXPECT_TRUE(testsupport::ReadWholeFile(target) == original);
    EXPECT_EQ(testsupport::ReadWholeFile(backup / "keep"), "older");
    EXPECT_TRUE(NoRawFileIn(folder_.path()));
    // Only the old file and the backup folder are left: the new file was given up.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_P(DownloadFileAssemblyTest, WhatTheFilesHaveToTellGoesToTheDownloadsCallerNotToABox) {
    StartLogger(10);
    const auto target = folder_ / "site.dat";
    ASSERT_EQ(DownloadAll(target), kReadDataDone);
    // The old file cannot become the backup: a folder holds its name.
    std::filesystem::create_directory(folder_ / "site.bak");
    testsupport::WriteWholeFile(folder_ / "site.bak" / "keep", "older");
    LogMore(5);
    const auto raw = MakeRawFile(5);
    session_.SetNewDataRead(true);
    DownloadExchange told({});
    EXPECT_EQ(Run([&] { return Object().AssembleDownloadFile(target, *raw, 900, -1, 0x1234, false, told); }),
              0);
    const DownloadOutcome outcome = told.Finish(kReadDataAssemblyFailed);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_NE(outcome.notices[0].text.find("site.dat"), std::string::npos) << outcome.notices[0].text;
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_TRUE(boxes_.Asked().empty());
}

TEST_P(DownloadFileAssemblyTest, WithoutASessionNothingIsBuiltAndTheRawFileGoes) {
    StartLogger(10);
    const auto raw = MakeRawFile(10);
    const std::filesystem::path rawPath = raw->Path();
    CConnectionNetwork unlinked(CLinkContext{nullptr, &app_}, "127.0.0.1", "1", 19200);
    const std::unique_ptr<CDataLogger> logger = CreateDataLogger(&unlinked, 0);
    DownloadExchange told({});
    EXPECT_EQ(logger->AssembleDownloadFile(folder_ / "site.dat", *raw, 900, -1, -1, true, told), 0);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "site.dat"));
    EXPECT_FALSE(std::filesystem::exists(rawPath));
}

INSTANTIATE_TEST_SUITE_P(Links, DownloadFileAssemblyTest, ::testing::Values(Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
