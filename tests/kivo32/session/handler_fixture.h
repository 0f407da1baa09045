// A session connected to the logger simulator over a pseudo-terminal, for the tests of the command
// handlers: a command posted and waited for, with the status texts it posted.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/kivo32/session/session_fixture.h"
#include "tests/support/silence_skipper.h"
#include "tools/loggersim/logger_model.h"

namespace sessiontest {

class HandlerFixture : public ::testing::Test, public SessionFixture {
protected:
    explicit HandlerFixture(const char* model = "standard") : HandlerFixture(*FindLoggerModel(model)) {}
    explicit HandlerFixture(const LoggerModel& model) : simulator_(model) {}

    void SetUp() override {
        PrepareLogger();
        if (over_network_) {
            port_ = simulator_.StartTcp(0);
            ASSERT_TRUE(ConnectOverNetwork());
        } else {
            const std::string path = simulator_.StartPty();
            app_.portName = PortNameOf(path);
            ASSERT_TRUE(
                Start([path](CSessionOwner& owner) { return owner.ConnectDirect(PortNameOf(path), 57600); }));
        }
        // The connect step's end gives the cursor back last.
        ASSERT_TRUE(WaitForMainWindow(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1)));
    }
    void TearDown() override { owner_.Disconnect(0); }

    // Over the network: ends the session and connects the logger again (after a link that was lost).
    bool Reconnect() {
        owner_.Disconnect(0);
        // The connect step's end gives the cursor back last.
        const int ends = CommandEnds();
        return ConnectOverNetwork() && Eventually([&] { return CommandEnds() > ends; });
    }

    // What the logger holds before the session connects.
    virtual void PrepareLogger() {}

    // Posts `message` and waits until its command has ended; the status texts it posted.
    std::vector<std::string> Run(platform::Message message) {
        const std::size_t before = StatusTexts(STATUS_TEXT).size();
        const int ends = CommandEnds();
        owner_.GetActiveSession()->Post(std::move(message));
        EXPECT_TRUE(Eventually([&] { return CommandEnds() > ends; }));
        // One end of command, whatever the path.
        EXPECT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(30s));
        EXPECT_EQ(CommandEnds(), ends + 1);
        const std::vector<std::string> texts = StatusTexts(STATUS_TEXT);
        return std::vector<std::string>(texts.begin() + static_cast<std::ptrdiff_t>(before), texts.end());
    }
    std::vector<std::string> Run(unsigned message) { return Run(platform::Message(message)); }

    // An end of command gives the cursor back.
    int CommandEnds() { return CountOf(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1)); }

    // From now on the link meets each time-out of a silent logger at once.
    void SkipSilences() { silences_.emplace(clock_, simulator_.Logger()); }

    // A logger that takes no more commands; the replies it never gives time out at once.
    void Mute() {
        SkipSilences();
        SimulatorFaults faults;
        faults.muteAfter = simulator_.Logger().CommandCount();
        simulator_.Logger().SetFaults(faults);
    }

    LoggerSimulator simulator_;
    // Connect over TCP on 127.0.0.1 rather than a pseudo-terminal.
    bool over_network_ = false;

private:
    bool ConnectOverNetwork() {
        return Start([this](CSessionOwner& owner) {
            return owner.ConnectNetwork("127.0.0.1", std::to_string(port_));
        });
    }

    int port_ = 0;
    // Ends before the simulator it watches.
    std::optional<testsupport::SilenceSkipper> silences_;
};

}  // namespace sessiontest
