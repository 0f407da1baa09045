// Days of calling in process, the clock running fast: loggers on TCP and a pseudo-terminal on daily,
// weekly and multiple schedules called on time, their files equal to the simulators' records, new data
// appended; loggers that refuse the link, never answer or drop it are retried and logged with their
// codes while the others are still called.
#include "teldrin/core/call_controller.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <string>

#include "platform/base/message_queue.h"
#include "platform/base/windows1252.h"
#include "shared/link/link_clock.h"
#include "shared/loggerlist/logger_list_io.h"
#include "teldrin/core/call_data_files.h"
#include "teldrin/core/comm_errors.h"
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
#include "tools/loggersim/quarven_records.h"

namespace {

using testsupport::RecordsIn;

using namespace std::chrono_literals;
using namespace std::string_literals;
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
        return Network(serial, port, Daily(hour, minute));
    }

    CLogger Network(const std::string& serial, int port, const SchedulePage& page) {
        CLogger entry = ScheduledEntry(serial, page, kConnectNetwork);
        entry.SetPhoneOrAddress("127.0.0.1");
        entry.SetNetPort(std::to_string(port));
        return entry;
    }

    // Ticks the controller every `step` test-clock seconds until `end`, handing it the sessions'
    // messages; the clock stands while a call runs.
    void RunUntil(teldrin::CCallController& controller, std::time_t end, std::time_t step = 1) {
        while (clock_.now < end) {
            controller.OnTimer();
            while (controller.Scheduler().CallInProgress()) {
                std::optional<platform::Message> message = queue_.Take(60s);
                ASSERT_TRUE(message) << "a call did not end";
                controller.OnMessage(*message);
            }
            clock_.now += step;
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

TEST_F(CallControllerTest, CallEventsNameTheCallAndTheTimeOfTheSchedulersClock) {
    // A modem call on a machine without a modem line; a logger whose 999 numbered files are all taken.
    for (int number = 1; number <= teldrin::kMaxDataFiles; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "NET1-%02d.kivo", number);
        std::ofstream(folder_ / name).put('x');
    }
    const std::filesystem::path listPath = folder_ / "events.lst";
    ASSERT_TRUE(WriteList(listPath, {ScheduledEntry("MOD1", Daily(9, 0), kConnectModem),
                                     Network("NET1", tcpLogger_.StartTcp(0), 9, 0)}));
    app_.modemLineName = "None";
    teldrin::CCallController controller(clock_, app_, settings_, frame_, linkClock_);
    clock_.now = Local(2026, 6, 8, 8, 59, 30);
    ASSERT_TRUE(controller.OpenList(listPath));
    RunUntil(controller, Local(2026, 6, 8, 9, 0, 30));

    const std::string log = testsupport::ReadWholeFile(folder_ / "Teldrin.log");
    const std::string separator(60, '-');
    EXPECT_EQ(Count(log, separator +
                             "\r\nAppel Logger MOD1 on 06/08/26 at 09:00:00\r\n"
                             "Erreur: Erreur apparue \xE0 la tentative d'appel du logger par modem for call "
                             "MOD1 made On 06/08/26 At 09:00:00\r\n"
                             "Connexion Modem pour appel logger MOD1 Echec: Modem connect initialization "
                             "error\r\n"),
              1)
        << log;
    // A text without "%1" stands as it is.
    EXPECT_EQ(Count(log,
                    "Transfert de toutes les donn\xE9"
                    "es NET1\r\n"
                    "Erreur: Erreur apparue \xE0 la tentative d'acc\xE8s au fichier disque\r\n"),
              1)
        << log;
    EXPECT_EQ(Count(log, "%1"), 0);
}

TEST_F(CallControllerTest, ACallEndedDuringARecordDownloadFailsAndKeepsTheRecordsReceived) {
    for (const bool cancelAll : {false, true}) {
        SCOPED_TRACE(cancelAll ? "calls cancelled" : "call ended");
        const testsupport::TempFolder data;
        settings_.dataDir = platform::PathToWindows1252(data.path());
        // A Quarven that sends two batches of ten records, then leaves the third unanswered.
        LoggerSimulator quarven{*FindLoggerModel("quarven-rs")};
        quarven.Logger().ChangeState([](LoggerState& s) {
            s.loggerId = "QRS1";
            ClearQuarvenRecords(s);
            s.recordsAvailable = QuarvenBatchLength(s, 10);
            LogQuarvenRecords(s, 60);
        });
        quarven.Logger().SetFaults({.batchFaultsAfter = 2, .silentBatches = 1000});
        const std::filesystem::path listPath = data / "quarven.lst";
        ASSERT_TRUE(WriteList(listPath, {Network("QRS1", quarven.StartTcp(0), 9, 0)}));
        // Real time until the call is ended: the unanswered batch's time-out cannot come first.
        LinkClock linkClock{1};
        teldrin::CCallController controller(clock_, app_, settings_, frame_, linkClock);
        clock_.now = Local(2026, 6, 10, 8, 59, 59);
        ASSERT_TRUE(controller.OpenList(listPath));
        clock_.now += 1;
        controller.OnTimer();
        ASSERT_TRUE(controller.Scheduler().CallInProgress());
        const auto handUntil = [&](const std::function<bool()>& done) {
            for (const auto end = std::chrono::steady_clock::now() + 60s; !done();) {
                ASSERT_LT(std::chrono::steady_clock::now(), end);
                if (std::optional<platform::Message> message = queue_.Take(5ms)) {
                    controller.OnMessage(*message);
                }
            }
        };
        handUntil([&quarven] { return quarven.Logger().Silences() > 0; });
        if (cancelAll) {
            controller.CancelCalls();
        } else {
            controller.EndCurrentCall();
        }
        linkClock.SetSpeed(50);
        handUntil([&controller] { return !controller.Scheduler().CallInProgress(); });

        EXPECT_EQ(controller.Scheduler().Failed(), 1);
        const std::string log = testsupport::ReadWholeFile(data / "Teldrin.log");
        EXPECT_EQ(Count(log,
                        "Transfert de toutes donn\xE9"
                        "es du logger QRS1 Echec\r\n"),
                  1)
            << log;
        EXPECT_EQ(Count(log, "completed at"), 0) << log;
        EXPECT_EQ(Count(log, "1 Calls Attempted  -  1 Calls Failed"), 1) << log;
        // The records received stay in the file, as the log says.
        std::smatch kept;
        ASSERT_TRUE(std::regex_search(log, kept, std::regex("(\\d+) records received successfully"))) << log;
        EXPECT_EQ(RecordsIn(data / "QRS1-01.kivo"), 20);
        EXPECT_EQ(kept[1].str(), "20");
    }
}

// The opening line of each call in the event log: serial -> the "date at time" of each call.
std::map<std::string, std::vector<std::string>> CallTimes(const std::string& log) {
    static const std::regex opening("Connexion au logger (\\S+) on (\\S+) at (\\S+)\r\n");
    std::map<std::string, std::vector<std::string>> times;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), opening); it != std::sregex_iterator();
         ++it) {
        times[(*it)[1]].push_back((*it)[2].str() + " " + (*it)[3].str());
    }
    return times;
}

// All data on the days given (Sunday 0) at `time`.
SchedulePage Weekly(std::initializer_list<int> days, HourMinute time) {
    SchedulePage page;
    page.choice = kCallWeekly;
    page.transferKind = 0;
    for (const int day : days) {
        page.weekDayOn[day] = true;
        page.weekDayTime[day] = time;
    }
    return page;
}

SchedulePage WithNewData(SchedulePage page) {
    page.transferKind = 1;
    return page;
}

TEST_F(CallControllerTest, FourDaysOfDailyWeeklyAndMultipleCallsOnAFastClock) {
    // Mondays and Thursdays at 10:00, all data each time into a file of its own.
    CLogger pty = ScheduledEntry("PTY1", Weekly({1, 4}, {10, 0}), kConnectDirect);
    pty.SetComPort(ptyLogger_.StartPty().substr(5));
    LoggerSimulator daily{*FindLoggerModel("standard-135")};
    daily.Logger().ChangeState([](LoggerState& s) {
        s.loggerId = "NET2";
        ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
        LogRecords(s, 60);
    });
    // One logger never answers (called on Tuesdays only: each try waits for its time-outs), one drops
    // the link at its first command.
    LoggerSimulator silent{*FindLoggerModel("standard-135"), {.muteAfter = 0}};
    LoggerSimulator closing{*FindLoggerModel("standard-135"), {.closeAfter = 0}};
    const int silentPort = silent.StartTcp(0);
    const int closingPort = closing.StartTcp(0);
    const std::vector<CLogger> entries{
        Network("MUTE", silentPort, Weekly({2}, {9, 0})), Network("DROP", closingPort, 9, 0),
        Network("NET2", daily.StartTcp(0), WithNewData(Daily(9, 0))),
        Network("NET1", tcpLogger_.StartTcp(0), WithNewData(teldrintest::Multiple({8, 0}, {4, 0}))), pty};
    const std::filesystem::path listPath = folder_ / "week.lst";
    ASSERT_TRUE(WriteList(listPath, entries));

    // Monday 8 June 2026 before eight until Thursday after noon, a minute each tick; the loggers log
    // five records at half past every hour.
    teldrin::CCallController controller(clock_, app_, settings_, frame_, linkClock_);
    clock_.now = Local(2026, 6, 8, 7, 30);
    ASSERT_TRUE(controller.OpenList(listPath));
    std::map<std::string, int> logged{{"NET1", 120}, {"PTY1", 80}, {"NET2", 60}};
    int ptyRecordsMonday = 0;
    for (std::time_t hour = clock_.now; hour < Local(2026, 6, 11, 12, 30); hour += 3600) {
        for (auto* simulator : {&tcpLogger_, &ptyLogger_, &daily}) {
            simulator->Logger().ChangeState([](LoggerState& s) { LogRecords(s, 5); });
        }
        for (auto& [serial, count] : logged) {
            count += 5;
        }
        RunUntil(controller, hour + 3600, 60);
        if (hour == Local(2026, 6, 8, 9, 30)) {
            ptyRecordsMonday = logged["PTY1"];
        }
    }

    const std::string log = testsupport::ReadWholeFile(folder_ / "Teldrin.log");
    std::map<std::string, std::vector<std::string>> expected;
    for (const std::string& day : {"06/08/26"s, "06/09/26"s, "06/10/26"s, "06/11/26"s}) {
        for (const std::string& time : {"08:00:00"s, "12:00:00"s, "16:00:00"s, "20:00:00"s}) {
            if (day != "06/11/26" || time < "16"s) {
                expected["NET1"].push_back(day + " " + time);
            }
        }
        expected["NET2"].push_back(day + " 09:00:00");
        // Five tries two minutes apart while the others are called on time.
        for (const std::string& time : {"09:00:00"s, "09:02:00"s, "09:04:00"s, "09:06:00"s, "09:08:00"s}) {
            expected["DROP"].push_back(day + " " + time);
            if (day == "06/09/26") {
                expected["MUTE"].push_back(day + " " + time);
            }
        }
    }
    expected["PTY1"] = {"06/08/26 10:00:00", "06/11/26 10:00:00"};
    EXPECT_EQ(CallTimes(log), expected);

    // New data went on in one file each, all data into a file per call.
    EXPECT_EQ(RecordsIn(folder_ / "NET1-01.kivo"), logged["NET1"]);
    EXPECT_EQ(RecordsIn(folder_ / "NET2-01.kivo"), logged["NET2"] - 3 * 5);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "NET1-02.kivo"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "NET2-02.kivo"));
    EXPECT_EQ(RecordsIn(folder_ / "PTY1-01.kivo"), ptyRecordsMonday);
    EXPECT_EQ(RecordsIn(folder_ / "PTY1-02.kivo"), logged["PTY1"] - 2 * 5);
    EXPECT_EQ(Count(log, "Echec Connexion r\xE9seau. Logger MUTE (127.0.0.1, " + std::to_string(silentPort) +
                             "): " + teldrin::GetCommErrorText(teldrin::kCommLoggerNotFound, 0) + "\r\n"),
              5)
        << log;
    EXPECT_EQ(Count(log, "Echec Connexion r\xE9seau. Logger DROP (127.0.0.1, " + std::to_string(closingPort) +
                             "): " + teldrin::GetCommErrorText(teldrin::kCommNetworkConnect, 0) + "\r\n"),
              20);
}

}  // namespace
