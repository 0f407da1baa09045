// File and folder tests, the folder check and the newest logger firmware.
#include "shared/common/file_helpers.h"

#include <gtest/gtest.h>

#include <fstream>

#include "shared/common/user_data_folder.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
    std::ofstream(path) << "x";
}

// Runs the test in a folder of its own as the current folder.
class CurrentFolderTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        fs::current_path(folder_.path());
        fs::create_directories(folder_ / "Data" / "Sub");
        Touch(folder_ / "file.txt");
    }
    void TearDown() override { fs::current_path(previous_); }

    testsupport::TempFolder folder_;
    fs::path previous_;
};

TEST_F(CurrentFolderTest, TellsFilesFromFolders) {
    EXPECT_TRUE(PathExists(folder_ / "file.txt"));
    EXPECT_TRUE(FileExists(folder_ / "Data"));
    EXPECT_FALSE(PathExists(folder_ / "missing"));
    EXPECT_TRUE(IsDirectory(folder_ / "Data"));
    EXPECT_FALSE(IsDirectory(folder_ / "file.txt"));
    EXPECT_FALSE(IsDirectory(folder_ / "missing"));
}

TEST_F(CurrentFolderTest, ValidatesFolderPaths) {
    const std::string current = fs::current_path().string();
    struct Case {
        std::string path;
        int result;
        std::string validated;
    };
    const Case cases[] = {
        {current + "/Data", kFolderAsGiven, current + "/Data"},
        {current + "/Data/", kFolderAsGiven, current + "/Data"},
        {"/", kFolderAsGiven, "/"},
        {"Data", kFolderMadeAbsolute, current + "/Data"},
        {"Data/Sub/", kFolderMadeAbsolute, current + "/Data/Sub"},
        {"", kFolderReplaced, current},
        {"missing", kFolderReplaced, current},
        {current + "/missing", kFolderReplaced, current},
        {current + "/file.txt", kFolderReplaced, current},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(ValidateDirectoryPath(path), c.result) << c.path;
        EXPECT_EQ(path, c.validated) << c.path;
    }
}

TEST(FindNewestLoggerFirmwareTest, PicksTheHighestVersionInTheNames) {
    struct Case {
        std::vector<std::string> files;
        std::string newest;
        double version;
    };
    const Case cases[] = {
        {{"NX400213.hex", "NX4003.hex"}, "NX4003.hex", 400.3},
        {{"NX400213.hex", "NX400212.hex"}, "NX400213.hex", 400.213},
        {{"nx400500.HEX", "NX400213.hex"}, "nx400500.HEX", 400.5},
        {{"NX4.hex"}, "NX4.hex", 400.0},
        {{"NXabc.hex"}, "", 0.0},
        {{"NX3999.hex", "README.txt", "NX4001.bin"}, "", 0.0},
        {{}, "", 0.0},
    };
    for (const Case& c : cases) {
        testsupport::TempFolder folder;
        for (const std::string& name : c.files) {
            Touch(folder / name);
        }
        fs::create_directory(folder / "NX499999.hex");  // a folder is no firmware
        double version = -1;
        const fs::path newest = FindNewestLoggerFirmware(folder.path(), version);
        EXPECT_EQ(newest, c.newest.empty() ? fs::path() : folder / c.newest);
        EXPECT_DOUBLE_EQ(version, c.version);
    }
    double version = -1;
    EXPECT_EQ(FindNewestLoggerFirmware("/nonexistent-folder", version), fs::path());
    EXPECT_EQ(version, 0.0);
}

TEST(FindNewestLoggerFirmwareTest, LooksInTheFirmwareFolderOfTheUserDataFolder) {
    const fs::path firmware = UserDataFolder() / "Firmware";
    fs::create_directories(firmware);
    Touch(firmware / "NX400250.hex");
    double version = 0;
    EXPECT_EQ(FindNewestLoggerFirmware(version), firmware / "NX400250.hex");
    EXPECT_DOUBLE_EQ(version, 400.25);
    fs::remove_all(firmware);
}

}  // namespace
