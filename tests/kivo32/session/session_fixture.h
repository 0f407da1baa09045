// A session owner with its windows as queues, a scripted user and a fast link clock, for the session
// tests against the logger simulator.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_owner.h"
#include "shared/datafile/raw_data.h"
#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "tests/support/data_file_records.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tools/loggersim/logger_simulator.h"

namespace sessiontest {

using namespace std::chrono_literals;

// Link time runs this much faster than real time: a reply still has a second of real time before it
// times out, however loaded the machine. A silent logger's time-outs are skipped (SilenceSkipper).
constexpr double kTestSpeed = 10;
// For the tests that wait out a long run of answered polls: each poll still has a real second before
// its time-out.
constexpr double kTimeoutSpeed = 50;

using testsupport::Eventually;

using testsupport::RecordsIn;

// The device name a port list gives for a pseudo-terminal path ("/dev/pts/3" -> "pts/3").
inline std::string PortNameOf(const std::string& path) {
    return path.substr(std::string("/dev/").size());
}

class SessionFixture {
public:
    SessionFixture() {
        platform::TextTable texts;
        for (const char* area : {"link", "logger", "download", "datafile", "session", "firmware", "realtime"}) {
            texts.Merge(testsupport::LoadResourceTexts("en", area));
        }
        SetProgramTexts(std::move(texts));
        owner_.SetLinkClock(clock_);
        owner_.SetProfileWriter([this](const std::string& section, const std::string& key, int value) {
            profile_.emplace_back(section, key, value);
        });
    }
    ~SessionFixture() {
        owner_.Disconnect(0);
        ClearNetLinkError();
        SetProgramTexts({});
    }

    // Starts a session and waits until its connect step has ended, and when it failed, until it asked
    // for its end; true when it connected.
    bool Start(const std::function<bool(CSessionOwner&)>& connect) {
        end_asked_ = false;
        if (!connect(owner_)) {
            return false;
        }
        CSessionEL* session = owner_.GetActiveSession();
        EXPECT_TRUE(session->WaitForCommandDone(60s));
        if (session->IsConnected()) {
            return true;
        }
        for (auto message = app_queue_.Take(60s); message; message = app_queue_.Take(60s)) {
            if (message->id == WM_END_SESSION) {
                end_asked_ = true;
                break;
            }
        }
        return false;
    }

    // Every message the main window got so far, in order.
    const std::vector<platform::Message>& MainWindowMessages() {
        while (auto message = main_queue_.TryTake()) {
            main_seen_.push_back(std::move(*message));
        }
        return main_seen_;
    }

    // The texts of the status notices with `code`.
    std::vector<std::string> StatusTexts(unsigned code) {
        std::vector<std::string> texts;
        for (const platform::Message& message : MainWindowMessages()) {
            if (message.id == WM_LINK_STATUS && message.wParam == code) {
                if (const auto* text = platform::PayloadAs<std::string>(message)) {
                    texts.push_back(*text);
                }
            }
        }
        return texts;
    }

    // Waits until the main window, or the application, got a message `id` with `wParam`; false when it
    // never came.
    bool WaitForMainWindow(unsigned id, std::uintptr_t wParam) { return WaitFor(main_queue_, main_seen_, id, wParam); }
    bool WaitForApplication(unsigned id, std::uintptr_t wParam) { return WaitFor(app_queue_, app_seen_, id, wParam); }

    int CountOf(unsigned id, std::uintptr_t wParam) {
        int count = 0;
        for (const platform::Message& message : MainWindowMessages()) {
            count += message.id == id && message.wParam == wParam ? 1 : 0;
        }
        return count;
    }

    // Whether the session that Start() began asked for its end.
    bool EndOfSessionAsked() {
        while (auto message = app_queue_.TryTake()) {
            end_asked_ = end_asked_ || message->id == WM_END_SESSION;
        }
        return end_asked_;
    }

    // The prompt ids of the program-wide boxes shown so far.
    std::vector<unsigned> BoxIds() const {
        std::vector<unsigned> ids;
        for (const testsupport::RecordedMessageBox& box : broker_.Boxes()) {
            ids.push_back(box.byId ? box.ids.promptId : 0);
        }
        return ids;
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker broker_;
    platform::MessageQueue main_queue_;
    platform::MessageQueue app_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    platform::QueueMessageTarget application_{app_queue_};
    LinkClock clock_{kTestSpeed};
    CSessionOwner owner_{app_, &main_window_, &application_};
    std::vector<std::tuple<std::string, std::string, int>> profile_;

private:
    static bool WaitFor(platform::MessageQueue& queue, std::vector<platform::Message>& seen, unsigned id,
                        std::uintptr_t wParam) {
        const auto matches = [&](const platform::Message& message) {
            return message.id == id && message.wParam == wParam;
        };
        while (auto message = queue.TryTake()) {
            seen.push_back(std::move(*message));
        }
        if (std::any_of(seen.begin(), seen.end(), matches)) {
            return true;
        }
        for (auto message = queue.Take(30s); message; message = queue.Take(30s)) {
            const bool found = matches(*message);
            seen.push_back(std::move(*message));
            if (found) {
                return true;
            }
        }
        return false;
    }

    std::vector<platform::Message> main_seen_;
    // The application's messages WaitForApplication took.
    std::vector<platform::Message> app_seen_;
    bool end_asked_ = false;
};

}  // namespace sessiontest
