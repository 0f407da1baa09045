// A modem call for link tests: the fake AT modem on a pseudo-terminal in front of the logger
// simulator, a modem connection made on the link test session, and what it posted and showed.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "shared/link/connection_modem.h"
#include "shared/link/link_ids.h"
#include "shared/link/link_texts.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tools/loggersim/fake_modem.h"
#include "tools/loggersim/logger_simulator.h"

class ModemFixture : public ::testing::Test {
protected:
    // Link time runs this much faster than real time: the 3 s settling wait of a call takes 0.3 s.
    static constexpr double kTestSpeed = 10;

    ModemFixture() : logger_(*FindLoggerModel("standard")), modem_(logger_) {
        // The texts themselves, so that a test tells one reason from another.
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "link");
        texts.Merge(testsupport::LoadResourceTexts("en", "modem"));
        SetProgramTexts(std::move(texts));
        boxes_.SetDefaultAnswer(IDOK);
        session_.SetApplicationTarget(&application_);
        modem_path_ = modem_.Start();
        app_.modemLineName = modem_path_;
    }

    ~ModemFixture() override { SetProgramTexts({}); }

    void TearDown() override { DropLink(); }

    // The link is destroyed on the session thread, where its hang-up waits.
    void DropLink() {
        if (link_) {
            session_.Run([this] {
                link_.reset();
                return 0;
            });
        }
    }

    // A modem connection on the session; dial-out with `number` and `baud`, or answer mode.
    CConnectionModem& MakeLink(int mode, const std::string& number = "5551234", int baud = 9600) {
        DropLink();
        link_ = std::make_unique<CConnectionModem>(CLinkContext{&session_, &app_}, number, baud, mode);
        link_->SetClock(clock_);
        link_->SetMainWindow(&main_window_);
        return *link_;
    }
    int Dial(const std::string& number = "5551234", int baud = 9600) {
        MakeLink(CTapiLine::kModeDialOut, number, baud);
        return session_.Run([this] { return link_->Create(); });
    }

    // The modem line errors shown so far (their texts), each checked for its caption.
    std::vector<std::string> TapiErrors() const {
        std::vector<std::string> texts;
        for (const testsupport::AskedQuestion& asked : boxes_.Asked()) {
            if (asked.kind == "MessageBox") {
                EXPECT_EQ(asked.caption, LoadText(IDS_MODEM_ERROR_CAPTION));
                texts.push_back(asked.text);
            }
        }
        return texts;
    }
    static std::string CallFailedText(unsigned why) {
        return FormatLinkText(IDS_MODEM_CALL_FAILED, {FormatLinkText(IDS_MODEM_CALL_ENDED, {LoadText(why)})});
    }

    // The messages posted to the application so far.
    std::vector<platform::Message>& ApplicationPosts() {
        while (auto message = application_queue_.TryTake()) {
            application_posts_.push_back(std::move(*message));
        }
        return application_posts_;
    }
    bool Posted(unsigned id, std::uintptr_t wParam = 0) {
        for (const platform::Message& message : ApplicationPosts()) {
            if (message.id == id && message.wParam == wParam) {
                return true;
            }
        }
        return false;
    }
    // The texts of the status notices with `code` posted to the main window so far.
    std::vector<std::string> Notices(unsigned code) {
        while (auto message = main_queue_.TryTake()) {
            if (const auto* text = platform::PayloadAs<std::string>(*message)) {
                notices_.emplace_back(static_cast<unsigned>(message->wParam), *text);
            }
        }
        std::vector<std::string> texts;
        for (const auto& [posted, text] : notices_) {
            if (posted == code) {
                texts.push_back(text);
            }
        }
        return texts;
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_;
    testsupport::LinkTestSession session_;
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    platform::MessageQueue application_queue_;
    platform::QueueMessageTarget application_{application_queue_};
    std::vector<platform::Message> application_posts_;
    std::vector<std::pair<unsigned, std::string>> notices_;
    LinkClock clock_{kTestSpeed};
    LoggerSimulator logger_;
    FakeModem modem_;
    std::string modem_path_;
    std::unique_ptr<CConnectionModem> link_;
};
