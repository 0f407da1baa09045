// The harmonics capture loop without widgets, against a scripted logger and window: counted runs and
// runs until stopped, a stop that asks first while logging, a mode change, a failed capture, closing
// with a log open and the session ending.
#include "kivo32/analysis/harmonics_loop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <filesystem>
#include <map>
#include <numbers>

#include "kivo32/analysis/harmonics_log_ids.h"
#include "platform/base/message_box_flags.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

using Kind = HarmonicsButton::Kind;

HarmonicsButton Press(Kind kind, int value = 0) {
    return {kind, value, {}};
}
HarmonicsButton LogOn(bool summary, bool rawData) {
    return {Kind::LoggingOn, 0, {summary, rawData}};
}

// A logger whose captures are a distorted sine, and a window whose requests come by script: those of
// `afterCapture[n]` after capture n of the loop, those of `whenIdle` while it waits. When the waiting
// requests run out the session ends.
class ScriptedPort : public CHarmonicsLoopPort {
public:
    std::map<int, std::vector<HarmonicsButton>> afterCapture;
    std::deque<HarmonicsButton> whenIdle;
    int failingCapture = -1;
    int captures = 0;
    int endSessionAfter = -1;
    std::vector<HarmonicsDisplay> shown;

    std::optional<std::string> ReadClock() override { return "14:30:00 03/05/26"; }
    bool Capture(int, std::vector<std::int32_t>& buffer, CaptureScales& scales) override {
        if (++captures == failingCapture) {
            return false;
        }
        for (int i = 0; i < 128; ++i) {
            const double angle = 2 * std::numbers::pi * i / 128 + 0.3;
            const double wave = std::sin(angle) + 0.1 * std::sin(3 * angle);
            buffer[i] = static_cast<std::int32_t>(std::lround(1000 * wave));
            buffer[kCaptureVoltageOffset + i] = static_cast<std::int32_t>(std::lround(3000 * wave));
        }
        scales = {0.01f, 0.1f};
        return true;
    }
    void Show(HarmonicsDisplay display) override { shown.push_back(std::move(display)); }
    std::optional<HarmonicsButton> NextRequest(bool wait) override {
        if (wait) {
            if (whenIdle.empty()) {
                ending_ = true;
                return std::nullopt;
            }
            HarmonicsButton request = whenIdle.front();
            whenIdle.pop_front();
            return request;
        }
        std::vector<HarmonicsButton>& due = afterCapture[captures];
        if (due.empty()) {
            return std::nullopt;
        }
        HarmonicsButton request = due.front();
        due.erase(due.begin());
        return request;
    }
    bool SessionEnding() override { return ending_ || (endSessionAfter >= 0 && captures >= endSessionAfter); }

private:
    bool ending_ = false;
};

class HarmonicsLoopTest : public ::testing::Test {
protected:
    // Runs the loop of a logger of `typeCode` with a refresh count of 5; true when it opened.
    bool RunLoop(int typeCode) {
        CHarmonicsLoop loop(port, analysis, log, typeCode, 5, 0);
        return loop.Run();
    }
    std::size_t LogFiles() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder.path()), {}));
    }

    testsupport::TempFolder folder;
    testsupport::ScriptedUiBroker broker;
    ScriptedPort port;
    CHarmonicsAnalysis analysis{CaptureGeometry::For(1, false)};
    CHarmonicsLog log{analysis, folder.path(), "SITE01", [] { return std::time_t{1772721000}; }};
};

TEST_F(HarmonicsLoopTest, ACountedRunMakesItsCountAndARunOfTheLaterModelsGoesOnUntilStopped) {
    struct Case {
        int typeCode;
        int stopAfter;  // the capture after which the stop is pressed; -1 none
        int captures;   // the first one included
    };
    const Case cases[] = {{1, -1, 1 + 5}, {13, 9, 9}, {1, 3, 3}};
    for (const Case& c : cases) {
        port = ScriptedPort();
        port.whenIdle = {Press(Kind::RunOrStop), Press(Kind::Close)};
        if (c.stopAfter >= 0) {
            port.afterCapture[c.stopAfter] = {Press(Kind::RunOrStop)};
        }
        ASSERT_TRUE(RunLoop(c.typeCode));
        EXPECT_EQ(port.captures, c.captures) << c.typeCode << " " << c.stopAfter;
        EXPECT_FALSE(port.shown.back().running);
        EXPECT_EQ(port.shown.front().clock, "03/05/26  14:30:00");
        EXPECT_NEAR(port.shown.back().ampsPercent[3], 10.0f, 0.1f);
    }
}

TEST_F(HarmonicsLoopTest, TheLoggersClockShowsItsDateAsTheGridShowsThatDay) {
    struct Case {
        const char* shortDate;
        const char* clock;
    };
    const Case cases[] = {{"MM/dd/yy", "03/05/26  14:30:00"},
                          {"dd/MM/yyyy", "05/03/2026  14:30:00"},
                          {"yyyy.MM.dd", "2026.03.05  14:30:00"}};
    for (const Case& c : cases) {
        testsupport::FakeAppContext context;
        context.shortDateFormat = c.shortDate;
        port = ScriptedPort();
        port.whenIdle = {Press(Kind::RunOrStop), Press(Kind::Close)};
        ASSERT_TRUE(RunLoop(1));
        ASSERT_FALSE(port.shown.empty());
        EXPECT_EQ(port.shown.back().clock, c.clock) << c.shortDate;
    }
}

TEST_F(HarmonicsLoopTest, AStopWhileLoggingAsksFirst) {
    // No leaves both running; at the next press Yes finishes the log and stops after that capture.
    port.whenIdle = {LogOn(true, true), Press(Kind::Close)};
    port.afterCapture[3] = {Press(Kind::RunOrStop)};
    port.afterCapture[5] = {Press(Kind::RunOrStop)};
    broker.AnswerMessageBox(IDNO);
    broker.AnswerMessageBox(IDYES);
    ASSERT_TRUE(RunLoop(13));
    EXPECT_EQ(port.captures, 5);
    ASSERT_EQ(broker.Boxes().size(), 2u);
    const std::string written = testsupport::ReadWholeFile(folder.path() / "Harmonics Log SITE01 Ch1-01.csv");
    EXPECT_NE(written.find(",4\r\n"), std::string::npos);  // the four captures since logging began
    EXPECT_EQ(LogFiles(), 1u);                             // the raw lines copied, their file gone
    EXPECT_FALSE(log.IsOn());
}

TEST_F(HarmonicsLoopTest, AModeChangeMakesOneCapture) {
    port.whenIdle = {Press(Kind::Mode, 1), Press(Kind::SelectHarmonic, 3), Press(Kind::Close)};
    ASSERT_TRUE(RunLoop(1));
    EXPECT_EQ(port.captures, 2);
    EXPECT_EQ(port.shown.back().mode, HarmonicsMode::PercentOfTotal);
    EXPECT_EQ(port.shown.back().readouts.selectedFrequency, "180 Hz");
    EXPECT_EQ(port.shown.back().readouts.voltsThd.substr(4), " %R");
}

TEST_F(HarmonicsLoopTest, AFailedCaptureStopsAndFinishesTheLog) {
    port.whenIdle = {LogOn(true, false), Press(Kind::Close)};
    port.failingCapture = 4;
    broker.AnswerMessageBox(IDOK);
    ASSERT_TRUE(RunLoop(13));
    EXPECT_EQ(port.captures, 4);
    ASSERT_EQ(broker.Boxes().size(), 1u);
    EXPECT_FALSE(port.shown.back().running);
    EXPECT_FALSE(port.shown.back().logging);
    const std::string written = testsupport::ReadWholeFile(folder.path() / "Harmonics Log SITE01 Ch1-01.csv");
    EXPECT_NE(written.find(",2\r\n"), std::string::npos);  // captures 2 and 3 logged, summary written
}

TEST_F(HarmonicsLoopTest, AFailedFirstCaptureClosesTheWindow) {
    port.failingCapture = 1;
    broker.AnswerMessageBox(IDOK);
    EXPECT_FALSE(RunLoop(1));
    EXPECT_EQ(port.captures, 1);
    EXPECT_TRUE(port.shown.back().ended);  // the window closes
}

TEST_F(HarmonicsLoopTest, ClosingOrEndingTheSessionFinishesAnOpenLog) {
    for (bool close : {true, false}) {
        port = ScriptedPort();
        port.whenIdle = {LogOn(true, true)};
        if (close) {
            port.afterCapture[3] = {Press(Kind::Close)};
        } else {
            port.endSessionAfter = 4;
        }
        ASSERT_TRUE(RunLoop(13));
        EXPECT_EQ(port.captures, close ? 3 : 4);
        EXPECT_FALSE(log.IsOn());
        EXPECT_EQ(port.shown.back().ended, !close);  // the session's end closes the window too
        const std::string written = testsupport::ReadWholeFile(log.CsvPath());
        EXPECT_NE(written.find("Date,Time,Volts DC"), std::string::npos) << close;  // finished, raw lines in
    }
    EXPECT_EQ(LogFiles(), 2u);
}

}  // namespace
