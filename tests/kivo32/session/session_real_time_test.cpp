// The real-time loop on the session thread against the logger simulator: records delivered to the
// window until it closes, the refresh count and Run/Hold, the probe after a failed fetch, the status
// re-read of the Quarven and the line frequency.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/refresh_count.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/string_format.h"
#include "shared/setup/sut_header.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

// What the real-time window receives.
class WindowInbox {
public:
    std::shared_ptr<platform::MessageTarget> Target() { return target_; }
    // The records delivered so far (the inbox keeps them).
    std::vector<RealTimeRecord> Records() {
        while (std::optional<platform::Message> message = queue_.TryTake()) {
            if (message->id == WM_REAL_TIME_VALUES) {
                records_.push_back(*platform::PayloadAs<RealTimeRecord>(*message));
            } else if (message->id == WM_REAL_TIME_CAPTURE) {
                captures_.push_back(*platform::PayloadAs<WaveformCapture>(*message));
            }
        }
        return records_;
    }
    std::vector<WaveformCapture> Captures() {
        Records();
        return captures_;
    }

private:
    platform::MessageQueue queue_;
    std::shared_ptr<platform::MessageTarget> target_ = std::make_shared<platform::QueueMessageTarget>(queue_);
    std::vector<RealTimeRecord> records_;
    std::vector<WaveformCapture> captures_;
};

class RealTimeLoopTest : public HandlerFixture {
protected:
    explicit RealTimeLoopTest(const char* model = "standard") : HandlerFixture(model) {}
    // A 60 Hz setup, unless a test says otherwise.
    void PrepareLogger() override { SetLineFrequencyOption(false); }
    void SetLineFrequencyOption(bool fiftyHz) {
        simulator_.Logger().ChangeState([fiftyHz](LoggerState& s) {
            CSetupTable setup = s.setups.at(1);
            CSUTHeader& header = setup.GetHeader();
            const auto others = static_cast<std::uint8_t>(header.GetOptionByte() & ~CSUTHeader::kOption50Hz);
            header.SetOptionByte(static_cast<std::uint8_t>(others | (fiftyHz ? CSUTHeader::kOption50Hz : 0)));
            InstallSetup(s, 1, setup);  // in the logger's memory too
        });
    }

    // Opens the window of `message` with `refreshCount`; the link it opened. A capture window opens as
    // it shows: not continuous, a first capture of channel 1 asked for.
    std::shared_ptr<CRealTimeWindowLink> OpenWindow(unsigned message, int refreshCount) {
        ends_ = CommandEnds();
        const int opened = CountOf(WM_REAL_TIME_WINDOW, 0);
        owner_.GetActiveSession()->Post(platform::Message(message));
        EXPECT_TRUE(Eventually([&] { return CountOf(WM_REAL_TIME_WINDOW, 0) > opened; }));
        std::shared_ptr<CRealTimeWindowLink> window;
        for (const platform::Message& posted : MainWindowMessages()) {
            if (posted.id == WM_REAL_TIME_WINDOW) {
                window = *platform::PayloadAs<std::shared_ptr<CRealTimeWindowLink>>(posted);
            }
        }
        if (window && message == WM_SESSION_WF_CAPTURE) {
            window->Hold(true);
            window->Open(refreshCount, inbox_->Target());
            window->RequestCapture(0);
        } else if (window) {
            window->Open(refreshCount, inbox_->Target());
        }
        return window;
    }
    std::size_t RecordCount() { return inbox_->Records().size(); }
    bool WaitForRecords(std::size_t count) {
        return Eventually([&] { return RecordCount() >= count; });
    }
    int Count(const std::string& command) {
        const std::vector<std::string> commands = simulator_.Logger().Commands();
        return static_cast<int>(std::count(commands.begin(), commands.end(), command));
    }
    // Closes the window: the command ends once and the logger leaves its real-time mode (the standard
    // model has none; a waveform capture does not enter it).
    void CloseAndCheckTheEnd(CRealTimeWindowLink& window, bool realTimeMode = true) {
        const int farewells = Count("@!0");
        window.Close();
        ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends_ + 1; }));
        EXPECT_EQ(Count("@!0"), farewells + (realTimeMode && window.TypeCode() != 0 ? 1 : 0));
    }

    std::unique_ptr<WindowInbox> inbox_ = std::make_unique<WindowInbox>();
    int ends_ = 0;
};

TEST_F(RealTimeLoopTest, TheTextWindowGetsRecordsUntilItClosesAndTheLoggerLeavesItsRealTimeMode) {
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, 5);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->DialogName(), "CRTVTextStandardDlg");
    EXPECT_EQ(window->Setup().firstId, simulator_.Logger().State().loggerId);
    ASSERT_TRUE(window->Setup().table);
    ASSERT_TRUE(WaitForRecords(4));  // the standard model has no refresh count
    const std::vector<RealTimeRecord> records = inbox_->Records();
    EXPECT_FALSE(records.back().values.empty());
    EXPECT_FALSE(records.back().held);
    // The simulator's sine: 60 Hz unless the setup says 50.
    ASSERT_TRUE(records.back().lineFrequency);
    EXPECT_NEAR(*records.back().lineFrequency, 60.0, 0.05);
    CloseAndCheckTheEnd(*window);
    const std::size_t delivered = RecordCount();
    // The next command is answered at once.
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    EXPECT_EQ(Run(WM_SESSION_CLEAR_PEAK), std::vector<std::string>{"Peak values cleared."});
    EXPECT_EQ(RecordCount(), delivered);
}

TEST_F(RealTimeLoopTest, HoldStopsTheFetchesAndRunGoesOn) {
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, 5);
    ASSERT_TRUE(window && WaitForRecords(2));
    window->Hold(true);
    ASSERT_TRUE(Eventually([&] { return StatusTexts(STATUS_TEXT).back() == LoadText(IDS_RT_HELD); }));
    // The standard model's older firmware fetches through its setup memory, not by "I!10".
    const int fetches = simulator_.Logger().State().realTimeFetches;
    const std::size_t records = RecordCount();
    std::this_thread::sleep_for(clock_.RealDuration(3000));
    EXPECT_EQ(simulator_.Logger().State().realTimeFetches, fetches);
    // Six cycles' time: a running loop would have brought six records.
    EXPECT_EQ(RecordCount(), records);
    window->Hold(false);
    ASSERT_TRUE(WaitForRecords(records + 2));
    CloseAndCheckTheEnd(*window);
}

TEST_F(RealTimeLoopTest, AFailedFetchIsProbedAndALostLinkEndsTheWindow) {
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, 5);
    ASSERT_TRUE(window && WaitForRecords(2));
    // The values are not answered once, the probe is: the loop goes on.
    SkipSilences();
    SimulatorFaults faults;
    // The standard model's older firmware fetches its values where it keeps them in setup memory.
    const std::vector<std::string> commands = simulator_.Logger().Commands();
    const auto fetch = std::find_if(commands.rbegin(), commands.rend(), [](const std::string& command) {
        return command.starts_with(platform::StringPrintf("Y? 01 %04X ", LoggerState::kRealTimeAddress));
    });
    ASSERT_NE(fetch, commands.rend());
    faults.silentCommand = *fetch;
    simulator_.Logger().SetFaults(faults);
    ASSERT_TRUE(Eventually([&] {
        const auto texts = StatusTexts(STATUS_TEXT);
        return std::find(texts.begin(), texts.end(), LoadText(IDS_RT_LOGGER_ANSWERED)) != texts.end();
    }));
    simulator_.Logger().SetFaults({});
    const std::size_t records = RecordCount();
    ASSERT_TRUE(WaitForRecords(records + 2));

    // Nothing answered any more: the link is lost, the user told, the command ended.
    broker_.AnswerMessageBox(IDOK);
    Mute();
    ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends_ + 1; }));
    ASSERT_FALSE(broker_.Boxes().empty());
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_RT_LINK_LOST);
}

class RealTimeLiteTest : public RealTimeLoopTest {
protected:
    RealTimeLiteTest() : RealTimeLoopTest("ornat1") {}
};

TEST_F(RealTimeLiteTest, TheRefreshCountHoldsTheWindowAndRunStartsItAfresh) {
    struct Case {
        int count;
        std::size_t fetched;  // records from fetches before the hold; -1 never holds
    };
    for (const Case c : {Case{0, 0}, Case{3, 3}, Case{-1, 8}}) {
        SCOPED_TRACE(c.count);
        inbox_ = std::make_unique<WindowInbox>();
        const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, c.count);
        ASSERT_TRUE(window);
        if (c.count < 0) {
            ASSERT_TRUE(WaitForRecords(1 + c.fetched));
            EXPECT_FALSE(window->IsHeld());
            // The simulator's values move from one fetch to the next.
            const std::vector<RealTimeRecord> records = inbox_->Records();
            ASSERT_FALSE(records[1].values.empty());
            EXPECT_NE(records[1].values[0].value, records[2].values[0].value);
            EXPECT_NEAR(records[1].values[0].value, 230.0, 3.1);
        } else {
            // The values read before the window opened, the fetched ones, then the same held.
            ASSERT_TRUE(WaitForRecords(1 + c.fetched + 1));
            const std::vector<RealTimeRecord> records = inbox_->Records();
            EXPECT_TRUE(records[1 + c.fetched].held);
            EXPECT_TRUE(window->IsHeld());
            std::this_thread::sleep_for(clock_.RealDuration(2000));
            EXPECT_EQ(RecordCount(), 1 + c.fetched + 1);
            window->Hold(false);
            ASSERT_TRUE(WaitForRecords(1 + c.fetched + 1 + c.fetched + 1));
        }
        CloseAndCheckTheEnd(*window);
        // The text Lite window tells a lost link in its own words.
        EXPECT_EQ(window->DialogName(), "CRTVTextLiteDlg");
    }
}

TEST_F(RealTimeLiteTest, TheTextWindowTellsALostLinkInItsOwnWords) {
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, kRefreshCountNeverEnds);
    ASSERT_TRUE(window && WaitForRecords(2));
    broker_.AnswerMessageBox(IDOK);
    Mute();
    ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends_ + 1; }));
    ASSERT_FALSE(broker_.Boxes().empty());
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_RT_LINK_LOST_TEXT);
}

class RealTimeQuarvenTest : public RealTimeLoopTest {
protected:
    RealTimeQuarvenTest() : RealTimeLoopTest("quarven-rs") {}
    void PrepareLogger() override { SetLineFrequencyOption(true); }
};

TEST_F(RealTimeQuarvenTest, NeverHoldsByItselfRereadsItsStatusEveryHalfMinuteAndMeasures50Hz) {
    RealTimeSelectionRequest asked;
    broker_.AnswerRequest<RealTimeSelectionRequest>(IDOK, [&asked](RealTimeSelectionRequest& request) {
        asked = request;
        request.selection = {1, 0, 0, 0, 0, 0, 0};
    });
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_GRAPH, 0);
    ASSERT_TRUE(window);
    // The selection offers the channels of the setup.
    EXPECT_TRUE(asked.setupKnown);
    for (std::size_t channel = 0; channel < asked.channelTypes.size(); ++channel) {
        EXPECT_EQ(asked.channelTypes[channel], window->Setup().channelTypes[channel]) << channel;
    }
    EXPECT_EQ(asked.channelTypes[0], 1);
    EXPECT_EQ(window->DialogName(), "CRTVGraphLiteDlg");
    EXPECT_EQ(window->Selection(), (std::vector<int>{1, 0, 0, 0, 0, 0, 0}));
    const int statusReads = Count("Y?");
    const std::uint32_t start = clock_.Now();
    // A minute and a half of cycles a second at least, a refresh count of 0 notwithstanding.
    ASSERT_TRUE(WaitForRecords(1 + 90));
    EXPECT_FALSE(window->IsHeld());
    const int reads = Count("Y?") - statusReads;
    // A slow machine stretches the cycles, not the half minute between two reads.
    const auto halfMinutes = static_cast<int>((clock_.Now() - start) / 30000);
    EXPECT_GE(reads, 2);
    EXPECT_LE(reads, halfMinutes + 1);
    const RealTimeRecord last = inbox_->Records().back();
    ASSERT_TRUE(last.lineFrequency);
    EXPECT_NEAR(*last.lineFrequency, 50.0, 0.05);
    CloseAndCheckTheEnd(*window);
}

// The waveform capture window's loop: captures asked for, the continuous capture and its count.
struct CaptureCase {
    const char* model;
    bool fiftyHz;
    int samples;
    bool countsDown;
};

class WaveformCaptureLoopTest : public RealTimeLoopTest, public testing::WithParamInterface<CaptureCase> {
protected:
    WaveformCaptureLoopTest() : RealTimeLoopTest(GetParam().model) {}
    void PrepareLogger() override { SetLineFrequencyOption(GetParam().fiftyHz); }

    bool WaitForCaptures(std::size_t count) {
        return Eventually([&] { return inbox_->Captures().size() >= count; });
    }
};

TEST_P(WaveformCaptureLoopTest, CapturesOneCycleAndCountsTheContinuousCapturesDownBelowTheQuarven) {
    const CaptureCase& c = GetParam();
    const auto window = OpenWindow(WM_SESSION_WF_CAPTURE, 3);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->DialogName(), "CWFCaptureOrnat");
    ASSERT_TRUE(WaitForCaptures(1));
    const WaveformCapture first = inbox_->Captures()[0];
    EXPECT_TRUE(first.captured);
    EXPECT_FALSE(first.continuous);
    EXPECT_EQ(first.sampleCount, c.samples);
    EXPECT_FALSE(first.clockText.empty());
    // One cycle of a sine: the voltage crosses zero within the samples.
    const auto volts = std::span(first.table.voltage).first(static_cast<std::size_t>(c.samples));
    EXPECT_LT(*std::min_element(volts.begin(), volts.end()), 0);
    EXPECT_GT(*std::max_element(volts.begin(), volts.end()), 0);

    window->Hold(false);  // continuous, three captures at a time below the Quarven
    if (c.countsDown) {
        ASSERT_TRUE(Eventually([&] { return window->IsHeld(); }));
        const std::vector<WaveformCapture> captures = inbox_->Captures();
        ASSERT_EQ(captures.size(), 1u + 3u + 1u);
        EXPECT_TRUE(std::all_of(captures.begin() + 1, captures.end() - 1, [](const WaveformCapture& capture) {
            return capture.continuous && capture.captured;
        }));
        EXPECT_TRUE(captures.back().held);
    } else {
        ASSERT_TRUE(WaitForCaptures(1 + 6));
        EXPECT_FALSE(window->IsHeld());
        EXPECT_FALSE(inbox_->Captures().back().held);
    }
    CloseAndCheckTheEnd(*window, false);
}

INSTANTIATE_TEST_SUITE_P(Models, WaveformCaptureLoopTest,
                         testing::Values(CaptureCase{"ornat1", false, 128, true},
                                         CaptureCase{"quarven-rs", false, 200, false},
                                         CaptureCase{"quarven-rs", true, 240, false}),
                         [](const testing::TestParamInfo<CaptureCase>& info) {
                             return std::to_string(info.param.samples) + "Samples";
                         });

// A Quarven KX over TCP: the text window's loop as over the pseudo-terminal.
class RealTimeTcpTest : public RealTimeLoopTest {
protected:
    RealTimeTcpTest() : RealTimeLoopTest("quarven-kx") {}
    void SetUp() override {
        PrepareLogger();
        const int port = simulator_.StartTcp(0);
        ASSERT_NE(port, 0);
        ASSERT_TRUE(Start([port](CSessionOwner& owner) {
            return owner.ConnectNetwork("127.0.0.1", std::to_string(port));
        }));
        ASSERT_TRUE(WaitForMainWindow(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1)));
    }
};

TEST_F(RealTimeTcpTest, TheTextWindowOfAQuarvenKXRefreshesUntilItCloses) {
    const auto window = OpenWindow(WM_SESSION_REAL_TIME_TEXT, 0);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->DialogName(), "CRTVTextLiteDlg");
    ASSERT_TRUE(WaitForRecords(5));  // a Quarven never holds by itself
    const RealTimeRecord last = inbox_->Records().back();
    EXPECT_FALSE(last.values.empty());
    ASSERT_TRUE(last.lineFrequency);
    EXPECT_NEAR(*last.lineFrequency, 60.0, 0.05);
    CloseAndCheckTheEnd(*window);
}

}  // namespace
}  // namespace sessiontest
