// Downloads from eight loggers at once into one folder: each raw file is its own download's, so every
// data file holds exactly its logger's records, and no raw file is left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "shared/logger/download_result.h"
#include "shared/logger/raw_download_file.h"
#include "tests/shared/logger/download_fixture.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;
using testsupport::SimulatedDownloadLink;
using testsupport::Transport;

constexpr int kLoggers = 8;
constexpr std::time_t kDay = 24 * 60 * 60;

TEST(ConcurrentDownloadTest, EightDownloadsIntoOneFolderEachGetTheirOwnLoggersRecords) {
    testsupport::ScriptedUiBroker boxes(IDOK);
    testsupport::TempFolder folder;
    std::vector<std::unique_ptr<SimulatedDownloadLink>> links;
    for (int i = 0; i < kLoggers; ++i) {
        // Each logger's records differ from the others' in number and time.
        links.push_back(
            std::make_unique<SimulatedDownloadLink>(i % 2 == 0 ? Transport::Pty : Transport::Tcp));
        testsupport::MemorySetup memory{.records = 150 + i};
        memory.firstTime += i * kDay;
        ASSERT_TRUE(links.back()->StartWithMemory("standard-135", memory));
    }
    std::vector<int> results(kLoggers, -1);
    {
        std::vector<std::jthread> downloads;
        for (int i = 0; i < kLoggers; ++i) {
            downloads.emplace_back([&, i] {
                results[i] = links[i]->DownloadAll(folder / ("logger" + std::to_string(i) + ".dat"));
            });
        }
    }
    for (int i = 0; i < kLoggers; ++i) {
        SCOPED_TRACE("logger " + std::to_string(i));
        EXPECT_EQ(results[i], kReadDataDone);
        links[i]->ExpectRecords(folder / ("logger" + std::to_string(i) + ".dat"), 0, 150 + i);
    }
    EXPECT_TRUE(SimulatedDownloadLink::NoRawFileIn(folder.path()));
}

// Two downloads in the same moment into one folder get two files, each held while in use; a later
// download removes the raw files no running download holds, and nothing else.
TEST(RawDownloadFileTest, DownloadsInOneMomentGetTheirOwnFilesAndOnlyUnheldLeftoversGo) {
    testsupport::TempFolder folder;
    const fs::path target = folder / "site.dat";
    auto first = std::make_unique<RawDownloadFile>();
    RawDownloadFile second;
    ASSERT_EQ(first->Create(target, CDataInfo(), CSetupTable()), 0);
    ASSERT_EQ(second.Create(target, CDataInfo(), CSetupTable()), 0);
    EXPECT_NE(first->Path(), second.Path());
    EXPECT_EQ(first->Path().parent_path(), folder.path());

    CPSTFileException error;
    const std::vector<std::uint8_t> mine{1, 2, 3};
    const std::string head = testsupport::ReadWholeFile(second.Path());
    ASSERT_TRUE(second.Append(mine, error));
    // The file is read through the download's own descriptor, whatever became of its name.
    const fs::path moved = folder / "moved.tmp";
    fs::rename(second.Path(), moved);
    platform::BinaryFile reader = second.Reader();
    std::string read(head.size() + mine.size(), '\0');
    reader.ReadExact(read.data(), read.size());
    EXPECT_EQ(read, head + "\x01\x02\x03");
    fs::rename(moved, second.Path());

    // Left by killed downloads, and names that only look alike.
    const std::vector<std::string> leftovers = {"$$LogDat5.tmp", "$$LogDat123456789.tmp"};
    const std::vector<std::string> others = {"$$LogDat.tmp", "$$LogDat12a.tmp", "$$LogDat12.tmp.keep",
                                             "LogDat12.tmp", "$$LogDat12.TMP"};
    for (const std::string& name : leftovers) {
        testsupport::WriteWholeFile(folder / name, "left behind");
    }
    for (const std::string& name : others) {
        testsupport::WriteWholeFile(folder / name, "not ours");
    }
    EXPECT_EQ(RemoveRawDownloadLeftovers(folder.path()), static_cast<int>(leftovers.size()));
    for (const std::string& name : others) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_TRUE(fs::exists(first->Path()) && fs::exists(second.Path())) << "held files are no leftovers";

    const fs::path firstPath = first->Path();
    first.reset();
    EXPECT_FALSE(fs::exists(firstPath)) << "a download's file goes with it";
}

}  // namespace
