// The harmonics command end to end against the logger simulator over a pseudo-terminal: a Quarven RS at
// 60 Hz (200 samples resampled to 256) and an Ornat (128 samples) whose captures are a known sum of
// harmonics; a Quarven KX whose RMS values are those of its real-time values; logged captures give as
// many raw lines; closing the window or ending the session during the loop ends the command cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <optional>
#include <vector>

#include "kivo32/session/harmonics_window_link.h"
#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/refresh_count.h"
#include "kivo32/session/session_messages.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/logger_state.h"

namespace sessiontest {
namespace {

using Kind = HarmonicsButton::Kind;

// Counts of the fundamental; rounding to whole counts moves a bin by at most 100 / amplitude per cent.
constexpr double kVoltsAmplitude = 20000;
constexpr double kAmpsAmplitude = 16000;
constexpr double kRoundingBound = 100 / kAmpsAmplitude;

// One cycle of `count` samples: a fundamental of `amplitude` counts with 10 % third and 5 % fifth.
std::vector<std::int32_t> Distorted(int count, double amplitude, double phase) {
    std::vector<std::int32_t> samples(count);
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count + phase;
        samples[i] = static_cast<std::int32_t>(std::lround(
            amplitude * (std::sin(angle) + 0.10 * std::sin(3 * angle) + 0.05 * std::sin(5 * angle))));
    }
    return samples;
}

// The harmonics command of a logger model, with the window's side played by the test.
class HarmonicsCommandTest : public HandlerFixture {
protected:
    explicit HarmonicsCommandTest(const char* model) : HandlerFixture(model) {}

    void PrepareLogger() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            // A 60 Hz line: the active setup programmed again without the 50 Hz option (the Quarven
            // then captures 200 samples).
            if (const auto active = s.setups.find(1); active != s.setups.end()) {
                CSetupTable setup = active->second;
                CSUTHeader& header = setup.GetHeader();
                header.SetOptionByte(
                    static_cast<std::uint8_t>(header.GetOptionByte() & ~CSUTHeader::kOption50Hz));
                InstallSetup(s, 1, setup);
            }
            const int count = WaveformSampleCount(s);
            s.waveform.voltage = Distorted(count, kVoltsAmplitude, 0.3);
            s.waveform.current = Distorted(count, kAmpsAmplitude, -0.2);
        });
    }

    // Starts the command and opens its window with `settings`; the displays are collected.
    std::shared_ptr<CHarmonicsWindowLink> OpenWindow(int refreshCount) {
        commands_ = CommandEnds();
        owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_HARMONICS));
        EXPECT_TRUE(WaitForMainWindow(WM_HARMONICS_WINDOW, 0));
        std::shared_ptr<CHarmonicsWindowLink> link;
        for (const platform::Message& message : MainWindowMessages()) {
            if (message.id == WM_HARMONICS_WINDOW) {
                link = *platform::PayloadAs<std::shared_ptr<CHarmonicsWindowLink>>(message);
            }
        }
        if (link) {
            link->Open({HarmonicsMode::PercentOfFundamental, refreshCount, folder_.path()},
                       [this, taker = link.get()] {
                           // Taken at once, so that every capture's display is seen. A close between
                           // the show and this call has dropped it, as it does for the window.
                           std::optional<HarmonicsDisplay> display = taker->TakeDisplay();
                           if (display) {
                               std::lock_guard lock(mutex_);
                               displays_.push_back(std::move(*display));
                           }
                       });
        }
        return link;
    }
    std::vector<HarmonicsDisplay> Displays() {
        std::lock_guard lock(mutex_);
        return displays_;
    }
    std::size_t Captures() {
        std::size_t captures = 0;
        for (const HarmonicsDisplay& display : Displays()) {
            captures += display.redrawSpectrum ? 1 : 0;
        }
        return captures;
    }
    // The command has ended, its thread back to taking commands.
    bool CommandEnded() {
        return Eventually([this] { return CommandEnds() > commands_; });
    }

    // The figures the window shows are those of the sum of harmonics.
    void ExpectTheKnownSum(double tolerance) {
        const std::vector<HarmonicsDisplay> displays = Displays();
        ASSERT_FALSE(displays.empty());
        const HarmonicsDisplay& last = displays.back();
        for (const auto& percent : {last.voltsPercent, last.ampsPercent}) {
            EXPECT_NEAR(percent[1], 100.0f, tolerance);
            EXPECT_NEAR(percent[3], 10.0f, tolerance);
            EXPECT_NEAR(percent[5], 5.0f, tolerance);
            EXPECT_NEAR(percent[2], 0.0f, tolerance);
        }
        EXPECT_EQ(last.readouts.voltsThd, "11.2 %F");
        EXPECT_EQ(last.readouts.ampsThd, "11.2 %F");
        EXPECT_EQ(last.readouts.kFactor, "1.14");
    }

    testsupport::TempFolder folder_;
    std::mutex mutex_;
    std::vector<HarmonicsDisplay> displays_;
    int commands_ = 0;
};

class QuarvenHarmonicsTest : public HarmonicsCommandTest {
protected:
    QuarvenHarmonicsTest() : HarmonicsCommandTest("quarven-rs") {}
};

// The simulator's own sine, whose volts and amps follow the real-time values.
class QuarvenKxHarmonicsTest : public HarmonicsCommandTest {
protected:
    QuarvenKxHarmonicsTest() : HarmonicsCommandTest("quarven-kx") {}
    void PrepareLogger() override {}

    // The values of a real-time text window held after a few records: those of the logger's last fetch.
    std::vector<RealTimeValue> HeldRealTimeValues() {
        platform::MessageQueue inbox;
        const int opened = CountOf(WM_REAL_TIME_WINDOW, 0);
        const int ends = CommandEnds();
        owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_REAL_TIME_TEXT));
        EXPECT_TRUE(Eventually([&] { return CountOf(WM_REAL_TIME_WINDOW, 0) > opened; }));
        std::shared_ptr<CRealTimeWindowLink> window;
        for (const platform::Message& posted : MainWindowMessages()) {
            if (posted.id == WM_REAL_TIME_WINDOW) {
                window = *platform::PayloadAs<std::shared_ptr<CRealTimeWindowLink>>(posted);
            }
        }
        if (!window) {
            return {};
        }
        window->Open(kRefreshCountNeverEnds, std::make_shared<platform::QueueMessageTarget>(inbox));
        std::vector<RealTimeValue> values;
        int records = 0;
        const auto take = [&] {
            while (std::optional<platform::Message> message = inbox.TryTake()) {
                if (const auto* record = platform::PayloadAs<RealTimeRecord>(*message)) {
                    values = record->values;
                    ++records;
                }
            }
            return records;
        };
        EXPECT_TRUE(Eventually([&] { return take() >= 2; }));
        window->Hold(true);
        EXPECT_TRUE(Eventually([&] { return StatusTexts(STATUS_TEXT).back() == LoadText(IDS_RT_HELD); }));
        take();
        window->Close();
        EXPECT_TRUE(Eventually([&] { return CommandEnds() > ends; }));
        return values;
    }
};

class OrnatHarmonicsTest : public HarmonicsCommandTest {
protected:
    OrnatHarmonicsTest() : HarmonicsCommandTest("ornat2") {}
};

TEST_F(QuarvenHarmonicsTest, ShowsTheFiguresOfTheKnownSumUntilTheWindowCloses) {
    const std::size_t before = StatusTexts(STATUS_TEXT).size();
    const auto link = OpenWindow(5);
    ASSERT_TRUE(link);
    // The stored setups are listed first, as every logger window over them does.
    const std::vector<std::string> status = StatusTexts(STATUS_TEXT);
    ASSERT_GE(status.size(), before + 2);
    EXPECT_EQ(status[before], "Listing the logger's setups...");
    EXPECT_EQ(status.back(), "Setup list read.");
    EXPECT_EQ(link->Info().typeCode, 13);
    link->Press({Kind::RunOrStop, 0, {}});
    ASSERT_TRUE(Eventually([this] { return Captures() >= 3; }));
    // 200 samples resampled: the bound of linear interpolation summed over the three sines.
    ExpectTheKnownSum(0.06 + kRoundingBound);
    EXPECT_EQ(Displays().back().readouts.frequency, "60.0 Hz");
    link->Close();  // during the loop
    ASSERT_TRUE(CommandEnded());
}

TEST_F(QuarvenKxHarmonicsTest, TheRmsValuesAreThoseTheRealTimeValuesShowForTheChannel) {
    const std::vector<RealTimeValue> values = HeldRealTimeValues();
    const auto valueOf = [&values](int unit) {
        const auto found = std::find_if(values.begin(), values.end(), [unit](const RealTimeValue& value) {
            return value.channel == 0 && value.unit == unit;
        });
        return found == values.end() ? 0.0f : found->value;
    };
    const float volts = valueOf(2);
    const float amps = valueOf(1);
    ASSERT_GT(volts, 100.0f);
    ASSERT_GT(amps, 10.0f);
    const auto link = OpenWindow(5);
    ASSERT_TRUE(link);
    link->Press({Kind::RunOrStop, 0, {}});
    ASSERT_TRUE(Eventually([this] { return Captures() >= 1; }));
    const HarmonicsReadouts readouts = Displays().back().readouts;
    // The readouts' rounding, and a thousandth for the resampled cycle.
    EXPECT_NEAR(std::stof(readouts.voltsRms), volts, 0.05 + volts * 1e-3) << readouts.voltsRms;
    EXPECT_NEAR(std::stof(readouts.ampsRms), amps, 0.005 + amps * 1e-3) << readouts.ampsRms;
    link->Close();
    ASSERT_TRUE(CommandEnded());
}

TEST_F(OrnatHarmonicsTest, LogsOneRawLinePerCaptureOfACountedRun) {
    const auto link = OpenWindow(4);
    ASSERT_TRUE(link);
    link->Press({Kind::LoggingOn, 0, {true, true}});
    // The run the log started makes its four captures, then logging is switched off.
    ASSERT_TRUE(
        Eventually([this] { return !Displays().empty() && !Displays().back().running && Captures() >= 5; }));
    ExpectTheKnownSum(1e-3 + kRoundingBound);
    link->Press({Kind::LoggingOff, 0, {}});
    ASSERT_TRUE(Eventually([this] { return !Displays().back().logging; }));
    const std::string written = testsupport::ReadWholeFile(Displays().back().logPath);
    const std::size_t raw = written.find("Date,Time,Volts DC");
    ASSERT_NE(raw, std::string::npos);
    std::size_t lines = 0;
    for (std::size_t at = written.find("\r\n", raw) + 2; at < written.size();
         at = written.find("\r\n", at) + 2) {
        ++lines;
    }
    EXPECT_EQ(lines, 4u);
    link->Close();
    ASSERT_TRUE(CommandEnded());
}

TEST_F(OrnatHarmonicsTest, EndingTheSessionDuringTheLoopEndsTheCommand) {
    const auto link = OpenWindow(-1);
    ASSERT_TRUE(link);
    link->Press({Kind::RunOrStop, 0, {}});
    ASSERT_TRUE(Eventually([this] { return Captures() >= 2; }));
    owner_.Disconnect(0);  // joins the session thread
    EXPECT_TRUE(Displays().back().ended);
}

}  // namespace
}  // namespace sessiontest
