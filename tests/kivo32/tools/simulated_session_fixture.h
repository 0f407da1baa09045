// The program's session over a pseudo-terminal to the logger simulator, for the tests of the windows its
// commands open: the test drives them offscreen on the user-interface thread while the session serves
// them, and reads the simulator's state back.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_owner.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "shared/link/link_clock.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/qt_test_application.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace testsupport {

class SimulatedSessionTest : public QtTest {
protected:
    void TearDown() override {
        if (owner_ != nullptr) {
            owner_->Disconnect(0);
        }
    }

    // Connects to a simulated `model` prepared by `prepare`.
    void Connect(const char* model, const std::function<void(LoggerState&)>& prepare) {
        using namespace std::chrono_literals;
        simulator_ = std::make_unique<LoggerSimulator>(*FindLoggerModel(model));
        simulator_->Logger().ChangeState(prepare);
        const std::string path = simulator_->StartPty();
        owner_ = std::make_unique<CSessionOwner>(app_, &main_window_, &main_window_);
        owner_->SetLinkClock(clock_);
        owner_->SetClockQuestionOff(true);
        ASSERT_TRUE(owner_->ConnectDirect(path.substr(std::string("/dev/").size()), 57600));
        ASSERT_TRUE(owner_->GetActiveSession()->WaitForCommandDone(60s));
        ASSERT_TRUE(owner_->GetActiveSession()->IsConnected());
    }

    FakeAppContext app_;
    ScriptedUiBroker broker_{IDOK};
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    LinkClock clock_{50};
    std::unique_ptr<LoggerSimulator> simulator_;
    std::unique_ptr<CSessionOwner> owner_;
};

}  // namespace testsupport
