// The call runner's rules without a link: error texts, the data folder and files, the clock check.
#include <gtest/gtest.h>

#include "platform/base/windows1252.h"
#include "teldrin/core/call_data_files.h"
#include "teldrin/core/comm_errors.h"
#include "teldrin/core/logger_clock_check.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"
#include "tests/teldrin/core/test_clock.h"

namespace {

namespace fs = std::filesystem;
using testsupport::WriteWholeFile;

TEST(TeldrinCommErrorTest, EachCodeHasItsText) {
    struct Case {
        int code;
        std::string text;
    };
    const Case cases[] = {
        {-15, "Erreur: Erreur apparue \xE0 la tentative de lecture des r\xE9glages du logger"},
        {-1, "TApi error"},
        {0,
         "Pas d'erreur sur dernier appel - 3 Appel(s) en \xE9"
         "chec"},
        {2, "Line Busy"},
        {12, "Raison inconnu"},
        {13, "Raison inconnu"},
        {14, "Logger Non Trouv\xE9"},
        {18, "Could not complete tasks for logger"},
        {23, "Network socket send error"},
        {19, "Teldrin comm error 19"},
        {-10, "Teldrin comm error -10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(teldrin::GetCommErrorText(c.code, 3), c.text) << c.code;
    }
}

TEST(TeldrinDataFilesTest, TheDataFolderIsOneThatExists) {
    const testsupport::TempFolder entryFolder;
    const testsupport::TempFolder dataDir;
    const std::string entry = platform::PathToWindows1252(entryFolder.path());
    const std::string data = platform::PathToWindows1252(dataDir.path());
    EXPECT_EQ(teldrin::CallDataFolder(entry, data), entryFolder.path());
    EXPECT_EQ(teldrin::CallDataFolder(entry + "/missing", data), dataDir.path());
    EXPECT_EQ(teldrin::CallDataFolder("", data), dataDir.path());
    EXPECT_EQ(teldrin::CallDataFolder("", data + "/missing"), std::nullopt);
    EXPECT_EQ(teldrin::CallDataFolder("", ""), std::nullopt);
}

TEST(TeldrinDataFilesTest, ASerialLosesWhatAFileNameCannotHold) {
    EXPECT_EQ(teldrin::SerialForFileName("AB12  "), "AB12");
    EXPECT_EQ(teldrin::SerialForFileName("A/B\tC\x7F"
                                         "D"),
              "ABCD");
    EXPECT_EQ(teldrin::SerialForFileName("caf\xE9"), "caf\xE9");
}

TEST(TeldrinDataFilesTest, AllDataGoesToTheNextFreeNumber) {
    const testsupport::TempFolder folder;
    EXPECT_EQ(teldrin::NextDataFilePath(folder.path(), "SN1"), folder / "SN1-01.kivo");
    for (const char* name : {"SN1-01.kivo", "SN1-02.kivo", "SN1-03.kivo"}) {
        WriteWholeFile(folder / name, "x");
    }
    EXPECT_EQ(teldrin::NextDataFilePath(folder.path(), "SN1 "), folder / "SN1-04.kivo");
    EXPECT_EQ(teldrin::NextDataFilePath(folder.path(), "A/B"), folder / "AB-01.kivo");
    for (int number = 4; number <= 999; ++number) {
        WriteWholeFile(
            folder / ("SN1-" + std::string(number < 10 ? "0" : "") + std::to_string(number) + ".kivo"), "");
    }
    EXPECT_EQ(teldrin::NextDataFilePath(folder.path(), "SN1"), std::nullopt);
}

TEST(TeldrinDataFilesTest, NewDataGoesToTheHighestNumberedFile) {
    const testsupport::TempFolder folder;
    EXPECT_EQ(teldrin::NewestDataFilePath(folder.path(), "SN1"), std::nullopt);
    WriteWholeFile(folder / "SN1-00.kivo", "");
    WriteWholeFile(folder / "SN1-x9.kivo", "");
    EXPECT_EQ(teldrin::NewestDataFilePath(folder.path(), "SN1"), std::nullopt);
    WriteWholeFile(folder / "SN1-02.kivo", "");
    WriteWholeFile(folder / "SN1-10.kivo", "");
    WriteWholeFile(folder / "SN1-9.csv", "");
    WriteWholeFile(folder / "SN12-50.kivo", "");
    fs::create_directory(folder / "SN1-99.kivo");
    EXPECT_EQ(teldrin::NewestDataFilePath(folder.path(), "SN1"), folder / "SN1-10.kivo");
}

TEST(TeldrinClockCheckTest, WholeDateTimesAreComparedAndAClockThatNamesNoMomentIsNotRead) {
    // The logger object's fields: a two-digit year as the logger tells it, four digits once a
    // universal-time clock was turned into local time. nullopt: not read.
    struct Case {
        std::array<int, 6> fields;
        std::optional<bool> set;
    };
    const Case cases[] = {
        {{26, 6, 10, 12, 0, 14}, false},        {{26, 6, 10, 11, 59, 46}, false},
        {{2026, 6, 10, 12, 0, 14}, false},      {{26, 6, 10, 12, 0, 15}, true},
        {{26, 6, 10, 11, 59, 45}, true},        {{26, 6, 9, 12, 0, 0}, true},
        {{26, 6, 11, 12, 0, 5}, true},          {{2025, 6, 10, 12, 0, 0}, true},
        {{26, 13, 10, 12, 0, 0}, std::nullopt}, {{26, 2, 30, 12, 0, 0}, std::nullopt},
        {{26, 6, 10, 24, 0, 0}, std::nullopt},  {{26, 6, 10, 12, 60, 0}, std::nullopt},
    };
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        const testsupport::ScopedTimeZone scope(zone);
        const std::time_t pc = teldrintest::Local(2026, 6, 10, 12, 0, 0);
        for (const Case& c : cases) {
            const std::optional<std::time_t> logger = teldrin::LoggerClockTime(c.fields);
            const std::optional<bool> set =
                logger ? std::optional(teldrin::LoggerClockNeedsSetting(pc, *logger)) : std::nullopt;
            EXPECT_EQ(set, c.set) << zone << " " << ::testing::PrintToString(c.fields);
        }
    }
}

}  // namespace
