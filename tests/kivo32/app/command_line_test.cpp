// The command line: every switch absent and present, the calibration keywords, export names with blanks
// or without a folder, switch texts inside other arguments, and the documents named beside the switches.
#include "kivo32/app/command_line.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kDataFolder = "/home/user/Documents/TARV/KIVO/Data";

TEST(CommandLineTest, WithoutArgumentsEveryValueHasItsDefault) {
    const CommandLine values = ParseCommandLine({}, kDataFolder);
    EXPECT_EQ(values.link.sendBlockSize, -1);
    EXPECT_EQ(values.link.preSendDelay, 0);
    EXPECT_EQ(values.link.postSendDelay, 0);
    EXPECT_EQ(values.link.firstRecord, 0);
    EXPECT_EQ(values.link.lastRecord, 0);
    EXPECT_EQ(values.link.skipReplyMode, 0);
    EXPECT_FALSE(values.noPortSearch);
    EXPECT_FALSE(values.extendedChannels);
    EXPECT_FALSE(values.programVersion);
    EXPECT_FALSE(values.loggerFirmwareVersion);
    EXPECT_FALSE(values.wifiFirmwareVersion);
    EXPECT_EQ(values.autoConnectPort, "");
    EXPECT_FALSE(values.IsBatchExport());
    EXPECT_EQ(values.calibrationLevel, 0);
    EXPECT_TRUE(values.documents.empty());
}

TEST(CommandLineTest, EachSwitchSetsItsOwnValue) {
    struct Case {
        std::vector<std::string> arguments;
        std::function<bool(const CommandLine&)> holds;
        const char* what;
    };
    const Case cases[] = {
        {{"/u=64"}, [](auto& v) { return v.link.sendBlockSize == 64; }, "/u="},
        {{"/s=20"}, [](auto& v) { return v.link.preSendDelay == 20; }, "/s="},
        {{"/t=30"}, [](auto& v) { return v.link.postSendDelay == 30; }, "/t="},
        {{"/f=100"}, [](auto& v) { return v.link.firstRecord == 100 && v.link.lastRecord == 0; }, "/f="},
        {{"/l=250"}, [](auto& v) { return v.link.lastRecord == 250 && v.link.firstRecord == 0; }, "/l="},
        {{"/x=1"}, [](auto& v) { return v.link.skipReplyMode == 1; }, "/x="},
        {{"/u=abc"}, [](auto& v) { return v.link.sendBlockSize == 0; }, "/u= without digits"},
        {{"/e=1"}, [](auto& v) { return v.extendedChannels; }, "/e=1"},
        {{"/e=0"}, [](auto& v) { return !v.extendedChannels; }, "/e=0"},
        {{"NOPORTSEARCH"}, [](auto& v) { return v.noPortSearch; }, "NOPORTSEARCH"},
        {{"/fa=v1.400"},
         [](auto& v) { return v.programVersion == "v1.400" && !v.loggerFirmwareVersion; },
         "/fa="},
        {{"/fd=4.12"},
         [](auto& v) { return v.loggerFirmwareVersion == "4.12" && !v.programVersion; },
         "/fd="},
        {{"/fm=2.31"}, [](auto& v) { return v.wifiFirmwareVersion == "2.31"; }, "/fm="},
        // Texts come as the system gives them (UTF-8) and become the program's 8-bit texts.
        {{"/fa=v1.4\xc3\xa9"}, [](auto& v) { return v.programVersion == "v1.4\xe9"; }, "/fa= in UTF-8"},
        {{"/a=ttyUSB0"}, [](auto& v) { return v.autoConnectPort == "ttyUSB0"; }, "/a= device"},
        {{"/a=QUARVEN RS (ttyACM0)"},
         [](auto& v) { return v.autoConnectPort == "ttyACM0"; },
         "/a= list text"},
        {{"TOBRELN"}, [](auto& v) { return v.calibrationLevel == 1; }, "level 1"},
        {{"DUNTAFQ4"}, [](auto& v) { return v.calibrationLevel == 2; }, "level 2"},
        {{"TOBRELN", "DUNTAFQ4"}, [](auto& v) { return v.calibrationLevel == 2; }, "both keywords"},
        {{"/a=ttyUSB0", "/u=8", "TOBRELN"},
         [](auto& v) {
             return v.autoConnectPort == "ttyUSB0" && v.link.sendBlockSize == 8 && v.calibrationLevel == 1;
         },
         "several"},
        // A switch's text inside another argument, or after its start, counts for nothing.
        {{"/i=/data/u=5/TOBRELN.kivo"},
         [](auto& v) { return v.link.sendBlockSize == -1 && v.calibrationLevel == 0 && !v.IsBatchExport(); },
         "switches inside a name"},
        {{"x/f=3", "-NOPORTSEARCH"},
         [](auto& v) { return v.link.firstRecord == 0 && !v.noPortSearch; },
         "switches not at the start"},
    };
    for (const Case& test : cases) {
        EXPECT_TRUE(test.holds(ParseCommandLine(test.arguments, kDataFolder))) << test.what;
    }
}

TEST(CommandLineTest, BothExportNamesMakeABatchExport) {
    struct Case {
        std::vector<std::string> arguments;
        std::filesystem::path input;  // empty: no batch export
        std::filesystem::path output;
    };
    const Case cases[] = {
        {{"/i=/srv/in.kivo", "/o=/srv/out.csv"}, "/srv/in.kivo", "/srv/out.csv"},
        // Names without a folder are taken in the data folder.
        {{"/i=in.kivo", "/o=out.csv"}, kDataFolder / "in.kivo", kDataFolder / "out.csv"},
        // Blanks kept: an argument the shell quoted, or one that still holds its quotes.
        {{"/i=/srv/My data/a b.kivo", "/o=\"/srv/My data/a b.csv\""},
         "/srv/My data/a b.kivo",
         "/srv/My data/a b.csv"},
        {{"/o=out.csv", "/i=\"in file.kivo\""}, kDataFolder / "in file.kivo", kDataFolder / "out.csv"},
        // Names reach the file system as typed, whatever their characters.
        {{"/i=/srv/d\xc3\xa4t\xc3\xa4/\xe6\x97\xa5\xe6\x9c\xac.kivo", "/o=/srv/\xf0\x9f\x93\x88.csv"},
         "/srv/d\xc3\xa4t\xc3\xa4/\xe6\x97\xa5\xe6\x9c\xac.kivo",
         "/srv/\xf0\x9f\x93\x88.csv"},
        // A name that holds another switch's text is taken whole.
        {{"/i=/srv/o=/a=x.kivo", "/o=/srv/i=.csv"}, "/srv/o=/a=x.kivo", "/srv/i=.csv"},
        // One name alone starts no export.
        {{"/i=/srv/in.kivo"}, {}, {}},
        {{"/o=/srv/out.csv"}, {}, {}},
        {{"/i=", "/o=/srv/out.csv"}, {}, {}},
    };
    for (const Case& test : cases) {
        const CommandLine values = ParseCommandLine(test.arguments, kDataFolder);
        EXPECT_EQ(values.exportInput, test.input) << test.arguments[0];
        EXPECT_EQ(values.exportOutput, test.output) << test.arguments[0];
        EXPECT_EQ(values.IsBatchExport(), !test.input.empty()) << test.arguments[0];
        EXPECT_EQ(values.autoConnectPort, "");
    }
}

TEST(CommandLineTest, TheOtherArgumentsNameTheDocumentsToOpenAndUnknownSwitchesAreIgnored) {
    using Paths = std::vector<std::filesystem::path>;
    struct Case {
        std::vector<std::string> arguments;
        Paths documents;
    };
    const std::filesystem::path current = std::filesystem::current_path();
    const Case cases[] = {
        {{"/srv/data/site.kivo"}, {"/srv/data/site.kivo"}},
        // Beside switches and keywords, which keep their meaning.
        {{"NOPORTSEARCH", "/srv/My data/a b.sut", "/u=8", "/srv/calls.lst"}, {"/srv/My data/a b.sut", "/srv/calls.lst"}},
        // A name without a folder is the current folder's, as a shell gives it.
        {{"site.kivo", "../up.kivo"}, {current / "site.kivo", (current / "../up.kivo").lexically_normal()}},
        // A folder name with "=" in it is still a path.
        {{"/srv/x=1/site.kivo"}, {"/srv/x=1/site.kivo"}},
        {{"/z=3", "-platform", "--", ""}, {}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(ParseCommandLine(test.arguments, kDataFolder).documents, test.documents) << test.arguments[0];
    }
    const CommandLine values = ParseCommandLine({"NOPORTSEARCH", "/srv/a.kivo", "/u=8"}, kDataFolder);
    EXPECT_TRUE(values.noPortSearch);
    EXPECT_EQ(values.link.sendBlockSize, 8);
}

}  // namespace
