// Copying a file over another: the copy replaces the target whole, and a failed copy leaves it as it was.
#include "shared/datafile/copy_file_over.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/base/file_exception.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

using datafiletest::ReadFileText;
using datafiletest::WriteFileText;

TEST(CopyFileOver, TheCopyReplacesTheTargetAndLeavesNoTemporaryFile) {
    testsupport::TempFolder folder;
    const std::string content(200'000, 'd');
    WriteFileText(folder / "source.kivo", content);
    WriteFileText(folder / "target.kivo", "old");
    CopyFileOver(folder / "source.kivo", folder / "target.kivo");
    EXPECT_EQ(ReadFileText(folder / "target.kivo"), content);
    CopyFileOver(folder / "source.kivo", folder / "new.kivo");
    EXPECT_EQ(ReadFileText(folder / "new.kivo"), content);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

TEST(CopyFileOver, AFailedCopyKeepsTheOldTarget) {
    testsupport::TempFolder folder;
    WriteFileText(folder / "target.kivo", "old");
    EXPECT_THROW(CopyFileOver(folder / "missing.kivo", folder / "target.kivo"), CPSTFileException);
    // A folder cannot be read as the source.
    std::filesystem::create_directory(folder / "folder.kivo");
    EXPECT_THROW(CopyFileOver(folder / "folder.kivo", folder / "target.kivo"), CPSTFileException);
    // Nor can the copy take the name of a folder.
    WriteFileText(folder / "source.kivo", "new");
    std::filesystem::create_directories(folder / "taken.kivo" / "inside");
    EXPECT_THROW(CopyFileOver(folder / "source.kivo", folder / "taken.kivo"), CPSTFileException);
    EXPECT_EQ(ReadFileText(folder / "target.kivo"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 4);
}

}  // namespace
