// A logger object on a live link to the logger simulator, over a pseudo-terminal or TCP on 127.0.0.1,
// driven on a session thread with a sped-up link clock.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "shared/link/connection_direct.h"
#include "shared/link/connection_network.h"
#include "shared/link/link_ids.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/setup/setup_codes.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/silence_skipper.h"
#include "tools/loggersim/logger_simulator.h"

namespace testsupport {

enum class Transport { Pty, Tcp };

inline std::string TransportName(const ::testing::TestParamInfo<Transport>& info) {
    return info.param == Transport::Pty ? "Pty" : "Tcp";
}

// One simulator, the link to it and the logger object on a session thread of their own: a test may run
// several at once.
class SimulatedLoggerLink {
public:
    // Link time runs this much faster than real time: a 10 s reply time-out takes 1 s. A silent logger's
    // time-outs are skipped (ThroughSilences).
    static constexpr double kTestSpeed = 10;

    explicit SimulatedLoggerLink(Transport transport = Transport::Pty) : transport_(transport) {
        session_.SetStatusWindow(&main_window_);
    }
    ~SimulatedLoggerLink() { Disconnect(); }
    SimulatedLoggerLink(const SimulatedLoggerLink&) = delete;
    SimulatedLoggerLink& operator=(const SimulatedLoggerLink&) = delete;

    void Disconnect() {
        if (link_) {
            session_.Run([this] {
                logger_.reset();
                link_->CloseLink();
                // The next link starts as the program's next session would: no logger known, commands
                // sent against their echo.
                session_.SetLoggerType(kNoLogger);
                session_.SetSendMode(SEND_MODE_ECHO);
                return 0;
            });
        }
        link_.reset();
        simulator_.reset();
        app_.Set(CAppContext::Flag::Abort, false);
    }

    // Starts the simulator playing `model`, opens a link to it, identifies the logger as the session's
    // connect step does and makes its object. False when any step failed.
    bool Connect(const std::string& model) {
        Disconnect();
        simulator_ = std::make_unique<LoggerSimulator>(*FindLoggerModel(model));
        const CLinkContext context{&session_, &app_};
        if (transport_ == Transport::Tcp) {
            link_ = std::make_unique<CConnectionNetwork>(context, "127.0.0.1",
                                                         std::to_string(simulator_->StartTcp(0)), 19200);
        } else {
            link_ = std::make_unique<CConnectionDirect>(context, simulator_->StartPty(), 19200);
        }
        link_->SetClock(clock_);
        return session_.Run([this] {
            if (!link_->Create() || !link_->Establish() || !link_->IdentifyLogger()) {
                return false;
            }
            // The session's model decision: 13 for both Quarven models, the version from the last
            // three characters of the firmware text, 100 more from 13.
            const std::string firmware = link_->GetFirmwareVersion();
            const int type = simulator_->Logger().Model().typeCode >= kModelQuarvenRS
                                 ? kModelQuarvenRS
                                 : simulator_->Logger().Model().typeCode;
            session_.SetLoggerType(type);
            session_.SetFirmwareVersion(std::atoi(firmware.substr(firmware.size() - 3).c_str()) +
                                        (type >= kModelQuarvenRS ? 100 : 0));
            logger_ = CreateDataLogger(link_.get(), type);
            return logger_ != nullptr;
        });
    }

    // Connects and runs the session start.
    bool Start(const std::string& model) {
        return Connect(model) && session_.Run([this] { return logger_->InitializeSession(); }) == 1;
    }

    template <class Job>
    auto Run(Job job) {
        return session_.Run(std::move(job));
    }

    // Calls `steps` (which run their jobs themselves) while the link meets each time-out of a silent
    // logger at once.
    template <class Steps>
    auto ThroughSilences(Steps steps) {
        const SilenceSkipper skipper(clock_, Logger());
        return steps();
    }
    template <class Job>
    auto RunThroughSilences(Job job) {
        return ThroughSilences([&] { return session_.Run(std::move(job)); });
    }

    // Waits for `done` (the simulator takes bytes on its own thread); false when it never came.
    template <class Done>
    static bool Eventually(Done done) {
        return testsupport::Eventually(std::move(done));
    }

    SimulatedLogger& Logger() { return simulator_->Logger(); }
    CDataLogger& Object() { return *logger_; }

    // The status that the real-time values show and, on a Quarven, the record count that its
    // properties show, both read afresh, tell of a memory with nothing logged and all of it free.
    void ExpectAnEmptyMemory() {
        ASSERT_EQ(session_.Run([this] { return logger_->ReadStatus(); }), 1);
        EXPECT_FALSE(logger_->IsWrapping());
        EXPECT_EQ(logger_->GetUsedCount(), 0);
        EXPECT_EQ(logger_->GetFreeCount(), std::int64_t{logger_->GetMemoryEnd()} - logger_->GetMemoryStart());
        if (auto* quarven = dynamic_cast<CDataLoggerQuarvenRSorKX*>(logger_.get())) {
            EXPECT_EQ(session_.Run([quarven] { return static_cast<int>(quarven->ReadRecordCount(-1)); }), 0);
        }
    }

protected:
    Transport transport_;
    FakeAppContext app_;
    LinkTestSession session_;
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    LinkClock clock_{kTestSpeed};
    std::unique_ptr<LoggerSimulator> simulator_;
    std::unique_ptr<CConnection> link_;
    std::unique_ptr<CDataLogger> logger_;
};

// A test of `Link` over each transport, with scripted answers to the questions the program asks.
template <class Link>
class LinkFixtureOf : public ::testing::TestWithParam<Transport>, public Link {
protected:
    // Not the test framework's own Run.
    using Link::Run;

    void SetUp() override {
        this->transport_ = GetParam();
        boxes_.SetDefaultAnswer(IDOK);
    }
    void TearDown() override { this->Disconnect(); }

    ScriptedUiBroker boxes_;
};

using LoggerLinkFixture = LinkFixtureOf<SimulatedLoggerLink>;

}  // namespace testsupport
