// Deleting a file: a missing file is no failure, a file still open goes at once, and a path that cannot
// be removed fails at the first try instead of holding the caller up.
#include "shared/datafile/delete_file_with_retries.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace {

TEST(DeleteFileWithRetries, AMissingFileOrOneThatCanGoIsGone) {
    testsupport::TempFolder folder;
    EXPECT_TRUE(DeleteFileWithRetries(folder / "missing.kivo"));

    std::ofstream(folder / "old.kivo") << "x";
    EXPECT_TRUE(DeleteFileWithRetries(folder / "old.kivo"));
    EXPECT_FALSE(std::filesystem::exists(folder / "old.kivo"));

    // A file that another handle still holds open goes too.
    std::ofstream(folder / "open.kivo") << "x";
    std::ifstream stillOpen(folder / "open.kivo");
    ASSERT_TRUE(stillOpen.is_open());
    EXPECT_TRUE(DeleteFileWithRetries(folder / "open.kivo"));
    EXPECT_FALSE(std::filesystem::exists(folder / "open.kivo"));
}

TEST(DeleteFileWithRetries, APathThatCannotBeRemovedFailsAtOnceAndStays) {
    testsupport::TempFolder folder;
    // A folder that is not empty cannot be removed as a file.
    const auto stuck = folder / "stuck.kivo";
    std::filesystem::create_directories(stuck / "inside");
    EXPECT_FALSE(DeleteFileWithRetries(stuck));
    EXPECT_TRUE(std::filesystem::exists(stuck / "inside"));
}

}  // namespace
