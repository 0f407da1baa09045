// Deleting a file with retries: at once when it is missing or goes, again and again for 2500 ms while it
// stays, with the caller's pending work run between the tries.
#include "shared/datafile/delete_file_with_retries.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace {

TEST(DeleteFileWithRetries, AMissingFileOrOneThatGoesAtOnceNeedsNoRetry) {
    testsupport::TempFolder folder;
    int pumps = 0;
    const auto pump = [&] { ++pumps; };
    const auto now = [] { return std::uint32_t{0}; };
    EXPECT_TRUE(DeleteFileWithRetries(folder / "missing.kivo", true, pump, now));
    std::ofstream(folder / "old.kivo") << "x";
    EXPECT_TRUE(DeleteFileWithRetries(folder / "old.kivo", true, pump, now));
    EXPECT_FALSE(std::filesystem::exists(folder / "old.kivo"));
    EXPECT_EQ(pumps, 0);
}

TEST(DeleteFileWithRetries, AFileThatStaysIsTriedUntilTheTimeIsUpOrItGoes) {
    testsupport::TempFolder folder;
    // A folder that is not empty cannot be removed as a file.
    const auto stuck = folder / "stuck.kivo";
    std::filesystem::create_directories(stuck / "inside");
    std::uint32_t clock = 0xFFFFF000u;  // the tick count wraps during the wait
    int pumps = 0;
    const auto now = [&] { return clock; };
    EXPECT_FALSE(DeleteFileWithRetries(
        stuck, false, [&] { ++pumps; }, now));
    EXPECT_EQ(pumps, 0);
    EXPECT_FALSE(DeleteFileWithRetries(
        stuck, true, [&] { ++pumps, clock += 100; }, now));
    EXPECT_EQ(pumps, 25);

    // The pending work lets the file go on the third try.
    pumps = 0;
    EXPECT_TRUE(DeleteFileWithRetries(
        stuck, true,
        [&] {
            if (++pumps == 2) {
                std::filesystem::remove(stuck / "inside");
            }
        },
        now));
    EXPECT_EQ(pumps, 2);
    EXPECT_FALSE(std::filesystem::exists(stuck));
}

}  // namespace
