// The main frame's placement text, its first show command and what it leaves in the settings.
#include "kivo32/app/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementTest, ThePositionTextReadsFourNumbersSeparatedByBlanks) {
    struct Case {
        const char* text;
        std::optional<CPlacementRect> rect;
    };
    const Case cases[] = {
        {"0100 0050 0900 0650", CPlacementRect{100, 50, 900, 650}},
        // A frame on a screen left of the first one, and one wider than four digits.
        {"-1800 0020 -0200 0900", CPlacementRect{-1800, 20, -200, 900}},
        {"0000 0000 12800 1024", CPlacementRect{0, 0, 12800, 1024}},
        {"  10   20  30 40 ", CPlacementRect{10, 20, 30, 40}},
        // Empty, short, long, not numbers, or an empty rectangle: the frame keeps its default.
        {"", std::nullopt},
        {"0100 0050 0900", std::nullopt},
        {"0100 0050 0900 0650 0001", std::nullopt},
        {"0100 0050 09x0 0650", std::nullopt},
        {"0900 0050 0100 0650", std::nullopt},
        {"0100 0650 0900 0650", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePlacementText(c.text), c.rect) << '"' << c.text << '"';
    }
}

TEST(WindowPlacementTest, ThePositionTextIsWrittenWithFourDigitsAndReadsBackTheSame) {
    EXPECT_EQ(FormatPlacementText({100, 50, 900, 650}), "0100 0050 0900 0650");
    for (const CPlacementRect rect :
         {CPlacementRect{100, 50, 900, 650}, CPlacementRect{-5, -1800, 12000, 40}}) {
        EXPECT_EQ(ParsePlacementText(FormatPlacementText(rect)), rect) << FormatPlacementText(rect);
    }
}

TEST(WindowPlacementTest, TheFirstShowFollowsTheSavedStateUnlessATextExportRuns) {
    struct Case {
        int iconic;
        int maximized;
        bool exportBatch;
        int show;
    };
    const Case cases[] = {
        {0, 0, false, SW_SHOWNORMAL},      {0, 1, false, SW_SHOWMAXIMIZED}, {1, 0, false, SW_SHOWMINNOACTIVE},
        {1, 1, false, SW_SHOWMINNOACTIVE}, {0, 1, true, SW_HIDE},           {1, 0, true, SW_HIDE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StartupShowCommand(c.iconic, c.maximized, c.exportBatch), c.show)
            << c.iconic << ' ' << c.maximized << ' ' << c.exportBatch;
    }
}

TEST(WindowPlacementTest, TheClosingStateKeepsWhetherAMinimisedFrameGoesBackToMaximised) {
    struct Case {
        int show;
        bool restoresToMaximized;
        CSavedWindowState saved;
    };
    const Case cases[] = {
        {SW_SHOWNORMAL, false, {0, 0}},    {SW_SHOWNORMAL, true, {0, 0}},
        {SW_SHOWMAXIMIZED, false, {0, 1}}, {SW_SHOWMINIMIZED, false, {1, 0}},
        {SW_SHOWMINIMIZED, true, {1, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SavedWindowState(c.show, c.restoresToMaximized), c.saved)
            << c.show << ' ' << c.restoresToMaximized;
    }
}

}  // namespace
