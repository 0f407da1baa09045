// The firmware update window's transfers through the session against the logger simulator: a logger
// firmware file with the logger's answers going wrong, a transfer that stalls and is cancelled, and a
// module image followed through the module's installation to its end or its time limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "kivo32/session/firmware_requests.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/temp_folder.h"

namespace sessiontest {
namespace {

struct FirmwareResult {
    int transfer = -1;
    int installation = -1;
};

// Over a pseudo-terminal (false) and over TCP (true).
class SessionFirmwareTest : public HandlerFixture, public ::testing::WithParamInterface<bool> {
protected:
    explicit SessionFirmwareTest(const char* model = "quarven-rs") : HandlerFixture(model) {
        over_network_ = GetParam();
    }
    void SetUp() override {
        HandlerFixture::SetUp();
        // The window is open while its transfers run.
        app_.Set(CAppContext::Flag::FirmwareUpdateOpen, true);
    }

    // A small firmware file: `records` data records of 16 bytes, the end record and the end tag.
    std::string WriteFirmware(int records) {
        const std::string path = (folder_ / "NX401240.hex").string();
        std::ofstream file(path, std::ios::binary);
        file << ";VERSION=NX401.240\r\n";
        for (int i = 0; i < records; ++i) {
            const unsigned address = static_cast<unsigned>(i) * 16;
            unsigned sum = 16 + (address >> 8) + (address & 0xFF);
            char text[64];
            std::snprintf(text, sizeof text, ":10%04X00", address);
            std::string line = text;
            for (unsigned b = 0; b < 16; ++b) {
                std::snprintf(text, sizeof text, "%02X", b);
                line += text;
                sum += b;
            }
            std::snprintf(text, sizeof text, "%02X", -sum & 0xFF);
            file << line << text << "\r\n";
        }
        file << ":00000001FF\r\n;CRC32=1A2B3C4D\r\n";
        return path;
    }
    std::string WriteImage() {
        const std::string path = (folder_ / "WiFly3-441.img").string();
        // Every byte value, control characters among them, as in a real image.
        std::string image(1500, '\0');
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<char>(i * 7 % 256);
        }
        std::ofstream(path, std::ios::binary) << image;
        return path;
    }

    // The window's request for `path`, with fresh counters.
    platform::Message Request(const std::string& path, bool moduleImage) {
        counters_ = std::make_shared<TransferCounters>();
        return platform::Message(
            WM_SESSION_FIRMWARE_UPDATE, 0,
            platform::MakePayload(FirmwareTransferRequest{
                .path = path, .moduleImage = moduleImage, .counters = counters_, .replyTo = window_}));
    }
    // Sends `path` as the window does and waits for the result the window gets.
    FirmwareResult Send(const std::string& path, bool moduleImage) {
        Run(Request(path, moduleImage));
        FirmwareResult result;
        while (std::optional<platform::Message> reply = replies_.TryTake()) {
            EXPECT_EQ(reply->id, WM_FIRMWARE_RESULT);
            result = {static_cast<int>(reply->wParam), static_cast<int>(reply->lParam)};
        }
        return result;
    }

    testsupport::TempFolder folder_;
    std::shared_ptr<TransferCounters> counters_ = std::make_shared<TransferCounters>();
    platform::MessageQueue replies_;
    std::shared_ptr<platform::MessageTarget> window_ =
        std::make_shared<platform::QueueMessageTarget>(replies_);
};

TEST_P(SessionFirmwareTest, AFirmwareFileGoesWholeAndTheCountersFollowIt) {
    const FirmwareResult result = Send(WriteFirmware(200), false);
    EXPECT_EQ(result.transfer, 0);
    EXPECT_EQ(simulator_.Logger().State().program.image.size(), 200u * 16);
    EXPECT_FALSE(simulator_.Logger().State().program.abandoned);
    // Every byte counted; the total is back to nought, so that Cancel no longer asks.
    EXPECT_GT(counters_->done.load(), 200u * 32);
    EXPECT_EQ(counters_->total.load(), 0u);
}

TEST_P(SessionFirmwareTest, TheLoggersAnswersAreTheWindowsReasons) {
    struct Case {
        int resends;
        int errors;
        int result;
    };
    // A "RESEND" costs one more send; three in a row end the transfer, as an "ERROR" does at once.
    for (const Case& c : {Case{1, 0, 0}, Case{3, 0, 8}, Case{0, 1, 5}}) {
        SCOPED_TRACE(c.result);
        SimulatorFaults faults;
        faults.resendBlocks = c.resends;
        faults.errorBlocks = c.errors;
        simulator_.Logger().SetFaults(faults);
        simulator_.Logger().ChangeState([](LoggerState& s) { s.program = {}; });
        EXPECT_EQ(Send(WriteFirmware(20), false).transfer, c.result);
        const LoggerState::ProgramTransfer program = simulator_.Logger().State().program;
        EXPECT_EQ(program.abandoned, c.result != 0);
        // A block sent again goes as binary again, also while the window reads replies as text: none of
        // it lands as a text line, and a sent file arrived whole.
        if (c.result == 0) {
            EXPECT_EQ(program.image.size(), 20u * 16);
            EXPECT_EQ(program.textLines, std::vector<std::string>{";CRC32=1A2B3C4D"});
        } else {
            EXPECT_TRUE(program.textLines.empty());
        }
    }
}

TEST_P(SessionFirmwareTest, AStalledTransferEndsOnCancelOrOnItsOwn) {
    SimulatorFaults faults;
    faults.stallAfterBlocks = 1;
    simulator_.Logger().SetFaults(faults);
    // Cancelled as the window does once the first bytes have moved, while a block waits for its answer.
    const int ends = CommandEnds();
    owner_.GetActiveSession()->Post(Request(WriteFirmware(200), false));
    ASSERT_TRUE(Eventually([&] { return counters_->done.load() > 0; }));
    app_.Set(CAppContext::Flag::Abort, true);
    owner_.GetActiveSession()->Post(platform::Message(WM_CANCEL_COMMAND));
    EXPECT_TRUE(Eventually([&] { return CommandEnds() > ends && !replies_.Empty(); }));
    std::optional<platform::Message> reply = replies_.TryTake();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->wParam, 7u);
    // The logger was told to drop what it got.
    EXPECT_TRUE(simulator_.Logger().State().program.abandoned);

    // Left alone, the block that gets no answer fails the transfer.
    SkipSilences();
    simulator_.Logger().SetFaults(faults);
    simulator_.Logger().ChangeState([](LoggerState& s) { s.program = {}; });
    const FirmwareResult alone = Send(WriteFirmware(200), false);
    EXPECT_NE(alone.transfer, 0);
    EXPECT_NE(alone.transfer, 7);
}

// A logger whose firmware passes the module's status words on.
class SessionModuleImageTest : public SessionFirmwareTest {
protected:
    SessionModuleImageTest() : SessionFirmwareTest("quarven-kx") {}
};

TEST_P(SessionModuleImageTest, AModuleImageIsFollowedThroughItsInstallation) {
    using Script = std::vector<std::string>;
    struct Case {
        const char* name;
        Script script;
        int installation;
    };
    const Script progress{"WIFI=PCT0", "(null)", "WIFI=PCT35\nWIFI=PCT70", "<EMPTY>", "WIFI=PCT100"};
    const auto then = [&progress](std::vector<std::string> end) {
        Script script = progress;
        script.insert(script.end(), end.begin(), end.end());
        return script;
    };
    const Case cases[] = {
        {"complete", then({"WIFI=XMODEMCOMPLETE"}), 0},
        {"error", then({"WIFI=XMODEMERROR"}), 5},
        {"module's time-out", then({"WIFI=XMODEMTIMEOUT"}), 5},
        // A final word followed by another line is not the last word.
        {"complete, then more", then({"WIFI=XMODEMCOMPLETE\nWIFI=PCT100", "WIFI=XMODEMCOMPLETE"}), 0},
        // Without a progress report the wait gives up after 180 s, with one after 600 s.
        {"silence", {}, 5},
        {"progress, then silence", progress, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        owner_.SetRepeatVersionCheck(false);
        simulator_.Logger().ChangeState([&c](LoggerState& s) {
            s.moduleUpdate.imageTexts = c.script;
            s.moduleUpdate.uploaded = false;
        });
        // The image goes at the usual test speed, which leaves a slow machine time to answer each block;
        // the installation wait that follows it runs fast. It is timed from the image's start for the
        // least it waited and from its end for the most, however late either was seen.
        clock_.SetSpeed(kTestSpeed);
        const std::uint32_t start = clock_.Now();
        std::atomic<std::uint32_t> imageSent{0};
        std::jthread speedUp([this, &imageSent](std::stop_token stop) {
            bool uploaded = false;
            while (!stop.stop_requested() && !uploaded) {
                std::this_thread::sleep_for(2ms);
                simulator_.Logger().ChangeState(
                    [&uploaded](LoggerState& s) { uploaded = s.moduleUpdate.uploaded; });
            }
            imageSent = clock_.Now();
            clock_.SetSpeed(kTimeoutSpeed);
        });
        const FirmwareResult result = Send(WriteImage(), true);
        speedUp.request_stop();
        speedUp.join();
        const std::uint32_t end = clock_.Now();
        const std::uint32_t sinceImageEnd = (end - imageSent) / 1000;
        const std::uint32_t sinceImageStart = (end - start) / 1000;
        EXPECT_EQ(result.transfer, 0);
        EXPECT_EQ(result.installation, c.installation);
        EXPECT_EQ(simulator_.Logger().State().upload.name, "WiFly3-441.img");
        EXPECT_EQ(owner_.IsRepeatVersionCheck(), c.installation == 0);
        if (c.script.empty()) {
            EXPECT_GE(sinceImageStart, 180u);
            EXPECT_LT(sinceImageEnd, 200u);
        } else if (c.script == progress) {
            EXPECT_GE(sinceImageStart, 600u);
            EXPECT_LT(sinceImageEnd, 620u);
        }
    }
    // The notice came and went, and the status line showed the percentages.
    EXPECT_GE(CountOf(WM_MODULE_UPDATE_NOTICE, 1), 1);
    EXPECT_EQ(CountOf(WM_MODULE_UPDATE_NOTICE, 1), CountOf(WM_MODULE_UPDATE_NOTICE, 0));
    const std::vector<std::string> texts = StatusTexts(STATUS_TEXT);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const std::string& text) { return text.starts_with("35% complete"); }));
}

INSTANTIATE_TEST_SUITE_P(Links, SessionFirmwareTest, ::testing::Bool());
INSTANTIATE_TEST_SUITE_P(Links, SessionModuleImageTest, ::testing::Bool());

}  // namespace
}  // namespace sessiontest
