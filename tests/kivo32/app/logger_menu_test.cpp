// The logger menu's rule over the program's menu bar: calibration entries by calibration level and
// protocol, connection entries by protocol, session, Wi-Fi and web login.
#include "kivo32/app/logger_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "kivo32/app/main_menu.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"

namespace {

// A menu as a line of command ids: "-" a separator, a popup its entries in brackets.
std::string Layout(const CMenuEntries& entries) {
    std::string text;
    for (const CMenuEntry& entry : entries) {
        if (!text.empty()) {
            text += ' ';
        }
        switch (entry.kind) {
            case CMenuEntry::Kind::Separator:
                text += '-';
                break;
            case CMenuEntry::Kind::Popup:
                text += '[' + Layout(entry.items) + ']';
                break;
            case CMenuEntry::Kind::Command:
                text += std::to_string(entry.id);
                break;
        }
    }
    return text;
}

CMenuEntries& LoggerMenu(CMenuEntries& menuBar) {
    return std::find_if(menuBar.begin(), menuBar.end(), IsLoggerMenu)->items;
}

const CMenuEntry* FindCommand(const CMenuEntries& menu, unsigned id) {
    for (const CMenuEntry& entry : menu) {
        if (entry.IsCommand(id)) {
            return &entry;
        }
        if (const CMenuEntry* found = FindCommand(entry.items, id)) {
            return found;
        }
    }
    return nullptr;
}

// The rule finds the logger menu by its first label: the texts must be there.
class LoggerMenuTest : public testing::Test {
protected:
    void SetUp() override { SetProgramTexts(platform::EnglishTexts()); }
};

struct Case {
    const char* name;
    CLoggerMenuConditions conditions;
    const char* loggerMenu;
};

// The logger menu of the program for each kind of logger, reached from the menu as it is built.
const Case kCases[] = {
    {"newer logger, no calibration, no session",
     {true, 0, false, false, false},
     "[32782 - 32785 32914 32789 - 32924 - 32788] 32826 - 32790 32793 32946 - [32794 32795] 32797 32798 "
     "32799 32930 32929 - "
     "32791 32792 32851 32850 32968 - 32959 32944"},
    {"newer logger, full calibration",
     {true, 2, false, false, false},
     "[32782 - 32785 32914 32789 - 32924 - 32788] 32826 - 32790 32793 32946 - [32794 32795] 32797 32798 "
     "32799 32930 32929 - "
     "32791 32792 32851 32850 32968 - 32959 32944 [32801 32802 32803 32804 32830 32905 32857]"},
    {"newer logger, factory calibration",
     {true, 1, false, false, false},
     "[32782 - 32785 32914 32789 - 32924 - 32788] 32826 - 32790 32793 32946 - [32794 32795] 32797 32798 "
     "32799 32930 32929 - "
     "32791 32792 32851 32850 32968 - 32959 32944 [32803 32804 32830]"},
    {"newer logger with Wi-Fi",
     {true, 0, true, true, true},
     "[32782 - 32785 32914 32789 - 32924 32961 32969 - 32788] 32826 - 32790 32793 32946 - [32794 32795] "
     "32797 "
     "32798 32799 32930 32929 - 32791 32792 32851 32850 32968 - 32959 32944"},
    {"newer logger with a web login only",
     {true, 0, true, false, true},
     "[32782 - 32785 32914 32789 - 32924 32969 - 32788] 32826 - 32790 32793 32946 - [32794 32795] 32797 "
     "32798 "
     "32799 32930 32929 - 32791 32792 32851 32850 32968 - 32959 32944"},
    {"Wi-Fi bits without a session count for nothing",
     {true, 0, false, true, true},
     "[32782 - 32785 32914 32789 - 32924 - 32788] 32826 - 32790 32793 32946 - [32794 32795] 32797 32798 "
     "32799 32930 32929 - "
     "32791 32792 32851 32850 32968 - 32959 32944"},
    {"older logger, no calibration",
     {false, 0, true, true, true},
     "[32782 - 32785 32786 32914 32789 32847 32800 - 32924 - 32788 32845] 32826 - 32790 32793 [32843 32844] "
     "32946 "
     "- [32794 32795] 32796 32797 32798 32799 32930 32929 - 32791 32792 32851 32850 32968 - 32959 32944"},
    {"older logger, factory calibration from the logger menu itself",
     {false, 1, false, false, false},
     "[32782 - 32785 32786 32914 32789 32847 32800 - 32924 - 32788 32845] 32826 - 32790 32793 [32843 32844] "
     "32946 "
     "- [32794 32795] 32796 32797 32798 32799 32930 32929 - 32791 32792 32851 32850 32968 - 32959 32944 32830 32804 32803"},
};

TEST_F(LoggerMenuTest, TheLoggerMenuFollowsProtocolCalibrationLevelAndWiFi) {
    for (const Case& c : kCases) {
        CMenuEntries menuBar = MainMenuEntries();
        ApplyLoggerMenuRule(menuBar, c.conditions);
        EXPECT_EQ(Layout(LoggerMenu(menuBar)), c.loggerMenu) << c.name;
        // Every opening of the menu applies the rule again to the menu as it stands.
        ApplyLoggerMenuRule(menuBar, c.conditions);
        EXPECT_EQ(Layout(LoggerMenu(menuBar)), c.loggerMenu) << c.name << ", opened again";
    }
}

TEST_F(LoggerMenuTest, ALoggerOfTheOtherProtocolGetsItsEntriesOnTheNextOpening) {
    const CLoggerMenuConditions older{false, 0, true, false, false};
    const CLoggerMenuConditions newer{true, 0, true, true, false};
    CMenuEntries fresh = MainMenuEntries();
    ApplyLoggerMenuRule(fresh, older);

    CMenuEntries menuBar = MainMenuEntries();
    ApplyLoggerMenuRule(menuBar, newer);
    ApplyLoggerMenuRule(menuBar, older);
    EXPECT_EQ(Layout(LoggerMenu(menuBar)), Layout(LoggerMenu(fresh)));
}

TEST_F(LoggerMenuTest, TheInsertedEntriesCarryTheirOwnLabels) {
    CMenuEntries menuBar = MainMenuEntries();
    ApplyLoggerMenuRule(menuBar, {false, 1, false, false, false});
    const CMenuEntries& logger = LoggerMenu(menuBar);
    const auto callSchedule = std::find_if(logger.begin(), logger.end(), [](const CMenuEntry& entry) {
        return entry.IsPopupStartingWith(32843);
    });
    ASSERT_NE(callSchedule, logger.end());
    EXPECT_EQ(callSchedule->label, "Dorvane Call Sched&ule");
    EXPECT_EQ(FindCommand(logger, 32847)->label, "&Answer Mode (OFF)");
    EXPECT_EQ(FindCommand(logger, 32845)->label, "D&orvane");
    EXPECT_EQ(FindCommand(logger, 32830)->label, "Calibrate &Voltage and Temperature...");

    CMenuEntries newer = MainMenuEntries();
    ApplyLoggerMenuRule(newer, {true, 1, true, true, true});
    EXPECT_EQ(FindCommand(newer, 32830)->label, "&Voltage / Temperature Calibration...");
    EXPECT_EQ(FindCommand(newer, 32969)->label, "Logger Web / Mo&bile App Login Password...");
}

TEST_F(LoggerMenuTest, AMenuBarWithoutTheLoggerMenuIsLeftAlone) {
    CMenuEntries menuBar = MainMenuEntries();
    menuBar.erase(std::remove_if(menuBar.begin(), menuBar.end(), IsLoggerMenu), menuBar.end());
    const std::string before = Layout(menuBar);
    ApplyLoggerMenuRule(menuBar, {false, 0, false, false, false});
    EXPECT_EQ(Layout(menuBar), before);
}

}  // namespace
