// Names of new data files: temporary names in the work folder, and the numbered names of the save dialog.
#include "shared/datafile/data_file_names.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace {

TEST(DataFileNames, TemporaryNamesTakeTheFirstFreeNumberUpToAHundred) {
    testsupport::TempFolder work;
    const std::filesystem::path source = "/data/site/North feeder.kivo";
    EXPECT_EQ(MakeTempFileName(source, work.path()), work / "North feederTemp0.kivo");
    std::ofstream(work / "North feederTemp0.kivo") << "x";
    std::ofstream(work / "North feederTemp1.kivo") << "x";
    EXPECT_EQ(MakeTempFileName(source, work.path()), work / "North feederTemp2.kivo");
    for (int n = 2; n < 100; ++n) {
        std::ofstream(work / ("North feederTemp" + std::to_string(n) + ".kivo")) << "x";
    }
    EXPECT_EQ(MakeTempFileName(source, work.path()), std::nullopt);
}

TEST(DataFileNames, NumberedNamesCountUpPastTheNamesThatExist) {
    testsupport::TempFolder folder;
    EXPECT_EQ(MakeNumberedFileName(folder.path(), "Logger7"), folder / "Logger7-01.kivo");
    std::ofstream(folder / "Logger7-01.kivo") << "x";
    std::ofstream(folder / "Logger7-02.kivo") << "x";
    EXPECT_EQ(MakeNumberedFileName(folder.path(), "Logger7"), folder / "Logger7-03.kivo");
    for (int n = 3; n <= 99; ++n) {
        std::ofstream(folder / ("Logger7-" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".kivo"))
            << "x";
    }
    EXPECT_EQ(MakeNumberedFileName(folder.path(), "Logger7"), folder / "Logger7-100.kivo");
    // Another base name or extension counts on its own.
    EXPECT_EQ(MakeNumberedFileName(folder.path(), "Logger7", ".dat"), folder / "Logger7-01.dat");
}

TEST(DataFileNames, ANameThatCannotBeCheckedEndsTheCount) {
    // Too long for the file system: every check fails, and the first name is offered instead of
    // counting for ever.
    testsupport::TempFolder folder;
    const std::string base(300, 'L');
    EXPECT_EQ(MakeNumberedFileName(folder.path(), base), folder / (base + "-01.kivo"));
}

}  // namespace
