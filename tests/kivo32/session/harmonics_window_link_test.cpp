// The loop's displays handed to the harmonics window: the newest not yet taken kept, one call per take,
// none before the window opened or after it closed.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "kivo32/session/harmonics_window_link.h"

namespace {

HarmonicsDisplay Capture(int number, bool redrawSpectrum) {
    HarmonicsDisplay display;
    display.clock = std::to_string(number);
    display.voltsPercent[1] = static_cast<float>(number);
    display.redrawSpectrum = redrawSpectrum;
    return display;
}

TEST(HarmonicsWindowLinkTest, AWindowBehindTheLoopIsToldOnceAndTakesTheNewest) {
    CHarmonicsWindowLink link({1, "SITE01", "", {true, false, false, false}, 0});
    int told = 0;
    link.Show(Capture(0, true));  // before the window is there: nothing kept
    link.Open({}, [&told] { ++told; });
    EXPECT_EQ(told, 0);
    EXPECT_FALSE(link.TakeDisplay());

    // A capture, then a change of state while the window has not taken it yet.
    link.Show(Capture(1, true));
    link.Show(Capture(2, true));
    link.Show(Capture(3, false));
    EXPECT_EQ(told, 1);
    std::optional<HarmonicsDisplay> display = link.TakeDisplay();
    ASSERT_TRUE(display);
    EXPECT_EQ(display->clock, "3");
    EXPECT_EQ(display->voltsPercent[1], 3.0f);
    EXPECT_TRUE(display->redrawSpectrum);  // the spectrum it carries is still to be drawn
    EXPECT_FALSE(link.TakeDisplay());

    link.Show(Capture(4, false));
    EXPECT_EQ(told, 2);
    display = link.TakeDisplay();
    ASSERT_TRUE(display);
    EXPECT_FALSE(display->redrawSpectrum);

    link.Show(Capture(5, true));
    link.Close();
    link.Show(Capture(6, true));
    EXPECT_EQ(told, 3);
    EXPECT_FALSE(link.TakeDisplay());
}

TEST(HarmonicsWindowLinkTest, AFastLoopsLastDisplayReachesTheWindow) {
    CHarmonicsWindowLink link({1, "SITE01", "", {true, false, false, false}, 0});
    constexpr int kCaptures = 20000;
    std::atomic<int> told{0};
    link.Open({}, [&told] { told.fetch_add(1); });
    std::thread loop([&link] {
        for (int i = 1; i <= kCaptures; ++i) {
            link.Show(Capture(i, true));
        }
    });
    int taken = 0;
    int newest = 0;
    for (;;) {
        if (const std::optional<HarmonicsDisplay> display = link.TakeDisplay()) {
            ++taken;
            const int number = std::stoi(display->clock);
            EXPECT_GT(number, newest);  // never an older one after a newer
            newest = number;
            if (newest == kCaptures) {
                break;
            }
        } else {
            std::this_thread::yield();
        }
    }
    loop.join();
    EXPECT_FALSE(link.TakeDisplay());
    EXPECT_EQ(told.load(), taken);  // one call for each display the window found
}

}  // namespace
