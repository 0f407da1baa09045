// The whole of a day's calling in process, the clock running fast: loggers on TCP and a pseudo-terminal
// called on time with their files equal to the simulators' records, and one that refuses TCP retried
// and logged with its code while the others are still called.
#include "teldrin/core/call_controller.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/base/message_queue.h"
#include "platform/base/windows1252.h"
#include "shared/link/link_clock.h"
#include "shared/loggerlist/logger_list_io.h"
#include "tests/support/data_file_records.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"
#include "tests/teldrin/core/scheduler_driver.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using testsupport::RecordsIn;

using namespace std::chrono_literals;
using teldrintest::Daily;
using teldrintest::Local;
using teldrintest::ScheduledEntry;

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

bool WriteList(const std::filesystem::path& path, const std::vector<CLogger>& entries) {
    CLoggerList list(LoggerDefaults{57600, 0});
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list.InsertNewLogger(static_cast<int>(i), "") = entries[i];
    }
    while (list.GetCount() > entries.size()) {
        list.RemoveAt(list.GetCount() - 1);
    }
    return SaveLoggerList(path, list);
}

class CallControllerTest : public testing::Test {
protected:
    CallControllerTest() {
        settings_.dataDir = platform::PathToWindows1252(folder_.path());
        settings_.directBaud = 57600;
        for (auto* simulator : {&tcpLogger_, &ptyLogger_}) {
            simulator->Logger().ChangeState([simulator, this](LoggerState& s) {
                s.loggerId = simulator == &tcpLogger_ ? "NET1" : "PTY1";
                ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
                LogRecords(s, simulator == &tcpLogger_ ? 120 : 80);
            });
        }
    }

    CLogger Network(const std::string& serial, int port, int hour, int minute) {
        CLogger entry = ScheduledEntry(serial, Daily(hour, minute), kConnectNetwork);
        entry.SetPhoneOrAddress("127.0.0.1");
        entry.SetNetPort(std::to_string(port));
        return entry;
    }

    // Ticks the controller once a test-clock second until `end`, handing it the sessions' messages.
    void RunUntil(teldrin::CCallController& controller, std::time_t end) {
        while (clock_.now < end) {
            controller.OnTimer();
            while (controller.Scheduler().CallInProgress()) {
                std::optional<platform::Message> message = queue_.Take(60s);
                ASSERT_TRUE(message) << "a call did not end";
                controller.OnMessage(*message);
            }
            clock_.now += 1;
        }
    }

    testsupport::ScopedTimeZone zone_{testsupport::kNewYork};
    testsupport::FakeAppContext app_;
    testsupport::TempFolder folder_;
    teldrin::CRegistryValues settings_;
    teldrintest::TestClock clock_;
    LinkClock linkClock_{50};
    platform::MessageQueue queue_;
    platform::QueueMessageTarget frame_{queue_};
    LoggerSimulator tcpLogger_{*FindLoggerModel("standard-135")};
    LoggerSimulator ptyLogger_{*FindLoggerModel("standard-135")};
};

TEST_F(CallControllerTest, ADayOfCallsWithOneLoggerRefusingTheLink) {
    const int tcpPort = tcpLogger_.StartTcp(0);
    CLogger pty = ScheduledEntry("PTY1", Daily(9, 5), kConnectDirect);
    pty.SetComPort(ptyLogger_.StartPty().substr(5));
    // Nobody listens on a port the simulator gave up.
    LoggerSimulator gone{*FindLoggerModel("standard-135")};
    const int refusedPort = gone.StartTcp(0);
    gone.Stop();

    const std::vector<CLogger> entries{Network("NET1", tcpPort, 9, 0), pty,
                                       Network("DOWN", refusedPort, 9, 0)};
    const std::filesystem::path listPath = folder_ / "day.lst";
    ASSERT_TRUE(WriteList(listPath, entries));

    teldrin::CCallController controller(clock_, app_, settings_, frame_, linkClock_);
    clock_.now = Local(2026, 3, 8, 8, 58);
    ASSERT_TRUE(controller.OpenList(listPath));
    RunUntil(controller, Local(2026, 3, 8, 9, 30));

    EXPECT_EQ(RecordsIn(folder_ / "NET1-01.kivo"), 120);
    EXPECT_EQ(RecordsIn(folder_ / "PTY1-01.kivo"), 80);
    EXPECT_EQ(controller.Scheduler().Attempted(), 2 + 5);
    EXPECT_EQ(controller.Scheduler().Failed(), 5);
    const std::string log = testsupport::ReadWholeFile(folder_ / "Teldrin.log");
    EXPECT_EQ(Count(log, "Echec Connexion r\xE9seau. Logger DOWN (127.0.0.1, " + std::to_string(refusedPort) +
                             "): Network socket connect error\r\n"),
              5);
    EXPECT_EQ(
        Count(log, "Connexion r\xE9seau au logger NET1 (127.0.0.1, " + std::to_string(tcpPort) + ") fini"),
        1);
    EXPECT_EQ(Count(log, "Connexion Directe au logger PTY1 finie"), 1);
}

TEST_F(CallControllerTest, CancellingDuringTheDayIsLoggedAndHoldsUntilMidnight) {
    const int tcpPort = tcpLogger_.StartTcp(0);
    const std::filesystem::path listPath = folder_ / "cancel.lst";
    ASSERT_TRUE(WriteList(listPath, {Network("NET1", tcpPort, 9, 0), Network("NET2", tcpPort, 10, 0)}));
    teldrin::CCallController controller(clock_, app_, settings_, frame_, linkClock_);
    clock_.now = Local(2026, 6, 10, 8, 58);
    ASSERT_TRUE(controller.OpenList(listPath));
    RunUntil(controller, Local(2026, 6, 10, 9, 30));
    controller.CancelCalls();
    controller.Scheduler().RepeatCalls();
    RunUntil(controller, Local(2026, 6, 11, 9, 1));
    EXPECT_EQ(controller.Scheduler().Attempted(), 2);
    const std::string log = testsupport::ReadWholeFile(folder_ / "Teldrin.log");
    EXPECT_EQ(Count(log, "Tous les appels pr\xE9vus pour 06/10/26 annul\xE9s \xE0 09:30:00\r\n"), 1);
    // The next day's first call was made; the cancelled 10:00 one never was.
    EXPECT_EQ(Count(log, "Connexion r\xE9seau au logger NET1"), 2);
    EXPECT_EQ(Count(log, "Connexion r\xE9seau au logger NET2"), 0);
}

}  // namespace
