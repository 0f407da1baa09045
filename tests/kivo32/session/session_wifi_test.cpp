// The Wi-Fi handler against the logger simulator: new module settings with the restart, and the module's
// firmware update: the image named to the module, the polls of its pending texts until a final line or
// the time limit, the recovery wait, the dialog again and the new version check; a refused update
// command waits for nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/answer_wait.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

constexpr const char* kRecovering = "Waiting 20 seconds for module to recover.";

class WiFiTest : public HandlerFixture {
protected:
    // A Quarven whose firmware gives the module's pending texts.
    WiFiTest() : HandlerFixture("quarven-kx") {}

    // The commands with `prefix` the logger took after its first `from`.
    int CountSince(std::size_t from, const std::string& prefix) {
        const std::vector<std::string> all = simulator_.Logger().Commands();
        return static_cast<int>(
            std::count_if(all.begin() + static_cast<std::ptrdiff_t>(from), all.end(),
                          [&](const std::string& command) { return command.rfind(prefix, 0) == 0; }));
    }

    // Runs the Wi-Fi command with a module update; the status texts it posted. The update holds the wait
    // cursor of its own while it waits, which gives it back once more than a command does.
    std::vector<std::string> RunUpdate(bool waits) {
        const std::size_t before = StatusTexts(STATUS_TEXT).size();
        const int ends = CommandEnds();
        owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_SET_WIFI_INFO));
        EXPECT_TRUE(Eventually([&] { return CommandEnds() == ends + (waits ? 2 : 1); }));
        EXPECT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(30s));
        const std::vector<std::string> texts = StatusTexts(STATUS_TEXT);
        return std::vector<std::string>(texts.begin() + static_cast<std::ptrdiff_t>(before), texts.end());
    }

    bool Contains(const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(WiFiTest, NewModuleSettingsAreWrittenAndTheLoggerRestarted) {
    broker_.AnswerRequest<SetWiFiInfoRequest>(IDOK, [](SetWiFiInfoRequest& r) {
        r.settings.ssid = "Substation";
        r.settings.dhcp = true;
    });
    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    const std::vector<std::string> status = Run(WM_SESSION_SET_WIFI_INFO);
    EXPECT_EQ(status.front(), "Reading the network settings...");
    EXPECT_EQ(status.back(), "Restarting the logger...");
    EXPECT_EQ(simulator_.Logger().State().wifiSettings.at("WSSID"), "Substation");
    EXPECT_EQ(simulator_.Logger().State().wifiSettings.at("WDHCP"), "1");
    ASSERT_TRUE(Eventually([this] { return EndOfSessionAsked(); }));
    // The dialog showed what the module holds, at no update step.
    const auto shown = broker_.Asked().at(0).As<SetWiFiInfoRequest>();
    EXPECT_EQ(shown.settings.moduleFirmware, "WiFly Ver 4.00.1");
    EXPECT_EQ(shown.state, 0);
}

TEST_F(WiFiTest, AModuleUpdatePollsUntilTheModuleTellsHowItWent) {
    const struct {
        const char* name;
        const char* moduleFirmware;
        std::vector<std::string> texts;
        const char* image;
        bool completed;
        // The polls it takes; 0: until the time limit.
        int polls;
        std::vector<std::string> shown;
        // The settings were changed in the dialog before the update: written then, and shown after it.
        bool changedFirst = false;
    } cases[] = {
        {"complete",
         "WiFly Ver 4.00.1",
         {"FTP connecting\n(null)\nFTP fetching", "WIFI=FTPCOMPLETE"},
         "wifly3-441.mif",
         true,
         2,
         {"FTP connecting", "", "FTP fetching", "WIFI=FTPCOMPLETE", kRecovering}},
        // Only the last line of a poll decides; the error ends the wait at once.
        {"error",
         "WiFly Ver 2.45",
         {"<EMPTY>", "WIFI=FTPCOMPLETE\nWIFI=FTPERROR", "never polled"},
         "wifly3-441.img",
         false,
         2,
         {"", "WIFI=FTPCOMPLETE", "WIFI=FTPERROR"},
         true},
        {"nothing", "WiFly Ver 2.45", {}, "wifly3-441.img", false, 0, {}},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        simulator_.Logger().ChangeState([&](LoggerState& s) {
            s.wifiSettings["MODULE_FW"] = entry.moduleFirmware;
            s.moduleUpdate.texts = entry.texts;
        });
        owner_.SetModuleUpdateRequest(true);
        owner_.SetRepeatVersionCheck(false);
        broker_.AnswerRequest<SetWiFiInfoRequest>(IDOK, [&entry](SetWiFiInfoRequest& r) {
            r.settingsChanged = entry.changedFirst;
            r.settings.ssid = "Before";
        });
        broker_.AnswerRequest<SetWiFiInfoRequest>(
            IDOK, [&entry](SetWiFiInfoRequest& r) { r.settings.ssid = entry.name; });
        const std::string readSsid = simulator_.Logger().State().wifiSettings.at("WSSID");
        const std::size_t asked = broker_.Asked().size();
        const int versionChecks = CountOf(WM_COMMAND, ID_SESSION_VERSION_CHECK);
        const std::size_t before = simulator_.Logger().Commands().size();
        const std::vector<std::string> status = RunUpdate(true);

        EXPECT_EQ(simulator_.Logger().State().moduleUpdate.image, entry.image);
        // Settings unchanged are not written before the update, the dialog's at its end are.
        EXPECT_EQ(CountSince(before, "L!WSSID="), entry.changedFirst ? 2 : 1);
        EXPECT_EQ(simulator_.Logger().State().wifiSettings.at("WSSID"), entry.name);
        const int polls = CountSince(before, "M?");
        if (entry.polls != 0) {
            EXPECT_EQ(polls, entry.polls);
        } else {
            // One poll each 5 s, the first after 5 s, none after 90 s.
            EXPECT_GE(polls, 1);
            EXPECT_LE(polls, 18);
        }
        const auto updating = std::find(status.begin(), status.end(), "Updating the Wi-Fi module...");
        ASSERT_NE(updating, status.end());
        if (entry.polls != 0) {
            EXPECT_EQ(
                std::vector<std::string>(updating + 1, updating + 1 + static_cast<long>(entry.shown.size())),
                entry.shown);
        }
        EXPECT_EQ(Contains(status, kRecovering), entry.completed);

        const auto questions = broker_.Asked();
        ASSERT_EQ(questions.size(), asked + 2);
        EXPECT_EQ(questions[asked].As<SetWiFiInfoRequest>().state, 1);
        EXPECT_EQ(questions[asked + 1].As<SetWiFiInfoRequest>().state, entry.completed ? 4 : 5);
        EXPECT_EQ(questions[asked + 1].As<SetWiFiInfoRequest>().settings.ssid,
                  entry.changedFirst ? "Before" : readSsid);
        EXPECT_EQ(CountOf(WM_COMMAND, ID_SESSION_VERSION_CHECK), versionChecks + 1);
        EXPECT_TRUE(owner_.IsRepeatVersionCheck());
        EXPECT_FALSE(owner_.TakeModuleUpdateRequest());
    }
    // The notice came and went with each update; the logger was never restarted.
    EXPECT_EQ(CountOf(WM_MODULE_UPDATE_NOTICE, 1), 3);
    EXPECT_EQ(CountOf(WM_MODULE_UPDATE_NOTICE, 0), 3);
    EXPECT_FALSE(EndOfSessionAsked());
    EXPECT_TRUE(BoxIds().empty());
}

TEST_F(WiFiTest, ARefusedUpdateCommandIsToldAndWaitsForNothing) {
    SkipSilences();
    simulator_.Logger().ChangeState([](LoggerState& s) { s.unansweredCommands = {"L!WFTPH"}; });
    owner_.SetModuleUpdateRequest(true);
    broker_.AnswerRequest<SetWiFiInfoRequest>(IDOK, [](SetWiFiInfoRequest& r) { r.settingsChanged = false; });
    broker_.AnswerMessageBox(IDOK);
    const std::size_t before = simulator_.Logger().Commands().size();
    const std::vector<std::string> status = RunUpdate(false);
    EXPECT_EQ(status.back(), "The network settings could not be written to the logger.");
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_NETWORK_SETTINGS_FAILED});
    EXPECT_EQ(CountSince(before, "M?"), 0);
    EXPECT_EQ(CountOf(WM_MODULE_UPDATE_NOTICE, 1), 0);
    EXPECT_EQ(CountOf(WM_COMMAND, ID_SESSION_VERSION_CHECK), 0);
    EXPECT_EQ(broker_.Asked().size(), 2u);
}

}  // namespace
}  // namespace sessiontest

namespace sessiontest {
namespace {

TEST_F(WiFiTest, AScanAskedWhileTheDialogIsOpenIsTakenInTheWaitForItsAnswer) {
    platform::MessageQueue replies;
    auto target = std::make_shared<platform::QueueMessageTarget>(replies);
    std::string reply;
    // As the program's broker does: the session waits for the dialog's answer through its answer wait,
    // which takes the scan meanwhile.
    broker_.AnswerRequest<SetWiFiInfoRequest>(IDCANCEL, [&](SetWiFiInfoRequest& r) {
        r.scan(target);
        platform::AnswerWait* wait = platform::ThreadAnswerWait();
        ASSERT_NE(wait, nullptr);
        ASSERT_TRUE(wait->Wait([&replies] { return !replies.Empty(); }));
        const std::optional<platform::Message> message = replies.TryTake();
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->wParam, 1u);
        reply = *platform::PayloadAs<std::string>(*message);
    });
    Run(WM_SESSION_SET_WIFI_INFO);
    EXPECT_NE(reply.find("4=3,-96,9,1,100,0,0,Far Away Yard"), std::string::npos) << reply;
}

TEST_F(WiFiTest, TheDialogsScanIsReadOnTheSessionThreadAndItsReplyPostedBack) {
    platform::MessageQueue replies;
    auto target = std::make_shared<platform::QueueMessageTarget>(replies);
    // The dialog asks for a scan and is closed; the session takes the scan once the command has ended.
    broker_.AnswerRequest<SetWiFiInfoRequest>(IDCANCEL, [&target](SetWiFiInfoRequest& r) {
        ASSERT_TRUE(r.scan);
        r.scan(target);
    });
    Run(WM_SESSION_SET_WIFI_INFO);
    const std::optional<platform::Message> reply = replies.Take(30s);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->id, WM_WIFI_SCAN_REPLY);
    EXPECT_EQ(reply->wParam, 1u);
    const auto* text = platform::PayloadAs<std::string>(*reply);
    ASSERT_NE(text, nullptr);
    EXPECT_NE(text->find("3=1,-72,2,1,100,0,0,Cafe, Bar and Grill"), std::string::npos) << *text;
}

}  // namespace
}  // namespace sessiontest
