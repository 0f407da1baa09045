// One call against the logger simulator on a pseudo-terminal and on TCP: identified, clock set, all
// data read into the next numbered file; a refused TCP connection fails with its code.
#include "teldrin/core/teldrin_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "platform/base/message_queue.h"
#include "platform/base/windows1252.h"
#include "shared/link/link_clock.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/core/comm_errors.h"
#include "teldrin/core/teldrin_messages.h"
#include "tests/support/converted_data_file.h"
#include "tests/support/data_file_records.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/pseudo_terminal.h"
#include "tests/support/silence_skipper.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"
#include "tests/teldrin/core/test_clock.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/fake_modem.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using testsupport::RecordsIn;

using namespace std::chrono_literals;

constexpr int kRecords = 300;

class TeldrinSessionTest : public testing::Test {
protected:
    TeldrinSessionTest() {
        schedulerClock_.now = std::time(nullptr);
        simulator_.Logger().ChangeState([](LoggerState& s) {
            s.loggerId = "SN42";
            ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
            LogRecords(s, kRecords);
            // Ten minutes slow.
            s.clock = std::time(nullptr) - 600;
        });
    }

    CLogger Entry(int connectType, const std::string& address, const std::string& port,
                  std::uint8_t tasks = 1 | kTaskSetClock) {
        CLogger entry;
        entry.SetSerial("SN42");
        entry.SetConnectType(static_cast<std::int16_t>(connectType));
        entry.SetBaudRate(57600);
        if (connectType == kConnectModem) {
            entry.SetPhoneOrAddress(address);
        } else if (connectType == kConnectDirect) {
            entry.SetComPort(address);
        } else {
            entry.SetPhoneOrAddress(address);
            entry.SetNetPort(port);
        }
        CLogger::ScheduleBlock block = entry.GetScheduleBlock();
        block[1] = tasks;
        entry.SetScheduleBlock(block);
        return entry;
    }

    // Runs the call and gives its outcome; the log lines land in `lines`.
    teldrin::CallOutcome Call(const CLogger& entry) {
        teldrin::CallSettings settings{platform::PathToWindows1252(folder_.path()), 57600, 9600, &clock_,
                                       &schedulerClock_};
        teldrin::CTeldrinSession session(app_, teldrin::CCall(entry, std::time(nullptr)), settings, frame_);
        for (auto message = queue_.Take(60s); message; message = queue_.Take(60s)) {
            if (message->id == teldrin::WM_TELDRIN_LOG_LINE) {
                lines.push_back(*platform::PayloadAs<std::string>(*message));
            } else if (message->id == teldrin::WM_TELDRIN_STATUS && message->wParam == teldrin::kStatusText) {
                statuses.push_back(*platform::PayloadAs<std::string>(*message));
            } else if (message->id == teldrin::WM_TELDRIN_CALL_ENDED) {
                return *platform::PayloadAs<teldrin::CallOutcome>(*message);
            }
        }
        ADD_FAILURE() << "the call did not end";
        return {};
    }

    // The lines logged from the first one equal to `first`, at most `count`; none when no line is.
    std::vector<std::string> LinesFrom(const std::string& first, std::size_t count) const {
        const auto at = std::find(lines.begin(), lines.end(), first);
        return {at, at + std::min(static_cast<std::ptrdiff_t>(count), lines.end() - at)};
    }

    bool Logged(const std::string& start) const {
        for (const std::string& line : lines) {
            if (line.starts_with(start)) {
                return true;
            }
        }
        return false;
    }

    testsupport::FakeAppContext app_;
    testsupport::TempFolder folder_;
    // Ten times real time: the modem's and the logger's replies keep a real second or more before
    // their time-outs, however loaded the machine.
    LinkClock clock_{10};
    teldrintest::TestClock schedulerClock_;
    LoggerSimulator simulator_{*FindLoggerModel("standard-135")};
    platform::MessageQueue queue_;
    platform::QueueMessageTarget frame_{queue_};
    std::vector<std::string> lines;
    // The status pane's texts.
    std::vector<std::string> statuses;
};

TEST_F(TeldrinSessionTest, ACallOnEachLinkReadsAllDataAndSetsTheClock) {
    for (const bool tcp : {true, false}) {
        SCOPED_TRACE(tcp ? "tcp" : "pty");
        CLogger entry;
        if (tcp) {
            entry = Entry(kConnectNetwork, "127.0.0.1", std::to_string(simulator_.StartTcp(0)));
        } else {
            entry = Entry(kConnectDirect, simulator_.StartPty().substr(5), "");
        }
        // And its short CSV form.
        CLogger::ScheduleBlock block = entry.GetScheduleBlock();
        block[443 - CLogger::kScheduleOffset] = kFileTaskCreateCsv;
        entry.SetScheduleBlock(block);
        const teldrin::CallOutcome outcome = Call(entry);
        EXPECT_TRUE(outcome.connected);
        EXPECT_TRUE(outcome.tasksDone);
        EXPECT_EQ(outcome.commError, 0);
        const std::string file = tcp ? "SN42-01.kivo" : "SN42-02.kivo";
        EXPECT_EQ(RecordsIn(folder_ / file), kRecords);
        const std::string csv = testsupport::ReadWholeFile((folder_ / file).replace_extension(".csv"));
        EXPECT_GE(std::count(csv.begin(), csv.end(), '\n'), kRecords);
        EXPECT_TRUE(Logged("Fichier ASCII (.csv) Cr\xE9\xE9: "));
        EXPECT_LT(std::abs(simulator_.Logger().State().clock - std::time(nullptr)), 15);
        EXPECT_FALSE(Logged("Probl"));
        // The opening line names the day and time of the call; the clock line both times.
        EXPECT_TRUE(Logged("Connexion au logger SN42 on ")) << ::testing::PrintToString(lines);
        // The model's name is a program text (none loaded here; the frame's test sees it).
        ASSERT_EQ(statuses.size(), 1u);
        EXPECT_TRUE(statuses[0].starts_with("Connected to ") && statuses[0].ends_with(" [57600 baud]"))
            << statuses[0];
        statuses.clear();
        const auto clockLine = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.starts_with("R\xE9glage heure from ");
        });
        ASSERT_NE(clockLine, lines.end());
        EXPECT_NE(clockLine->find(" to "), std::string::npos) << *clockLine;
        EXPECT_NE(clockLine->find(" for logger SN42"), std::string::npos) << *clockLine;
        simulator_.Stop();
        simulator_.Logger().ChangeState([](LoggerState& s) { s.clock = std::time(nullptr) - 600; });
    }
}

TEST_F(TeldrinSessionTest, AUniversalTimeClockIsComparedAndSetAsLocalTime) {
    // An hour ahead of UTC in winter: the Quarven's last half hour of the year is New Year's first.
    const testsupport::ScopedTimeZone zone("Europe/Paris");
    struct Case {
        const char* what;
        std::time_t pc;
        std::string clockReply;  // empty: the logger's own clock
        bool done;
        std::vector<std::string> lines;  // the clock task's lines
    };
    const std::vector<Case> cases{
        {"14 s off", teldrintest::Local(2027, 1, 1, 0, 30, 14), "", true, {}},
        {"15 s off",
         teldrintest::Local(2027, 1, 1, 0, 30, 15),
         "",
         true,
         {"R\xE9glage heure from 00:30:00 01/01/27 to 00:30:15 01/01/27 for logger SN42\n"}},
        {"a day off",
         teldrintest::Local(2027, 1, 2, 0, 30, 0),
         "",
         true,
         {"R\xE9glage heure from 00:30:00 01/01/27 to 00:30:00 01/02/27 for logger SN42\n"}},
        {"no such hour",
         teldrintest::Local(2027, 1, 1, 0, 30, 0),
         "25:30:00 12/31/26",
         false,
         {"Impossible de lire l'horloge du logger SN42",
          "Echec Tache - Impossible de r\xE9gler l'horloge du logger SN42"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoggerSimulator quarven{*FindLoggerModel("quarven-rs")};
        constexpr std::time_t kLoggerClock = 1798759800;  // 2026-12-31 23:30:00 UTC
        quarven.Logger().ChangeState([&c](LoggerState& s) {
            s.loggerId = "SN42";
            s.clock = kLoggerClock;
            if (!c.clockReply.empty()) {
                s.queryReplies["C?"] = c.clockReply;
            }
        });
        schedulerClock_.now = c.pc;
        lines.clear();
        const teldrin::CallOutcome outcome =
            Call(Entry(kConnectNetwork, "127.0.0.1", std::to_string(quarven.StartTcp(0)), kTaskSetClock));
        EXPECT_EQ(outcome.tasksDone, c.done);
        std::vector<std::string> clockLines;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(clockLines), [](const std::string& line) {
            return line.starts_with("R\xE9glage heure") || line.find("horloge") != std::string::npos;
        });
        EXPECT_EQ(clockLines, c.lines);
        EXPECT_EQ(quarven.Logger().State().clock, c.lines.size() == 1 ? c.pc : kLoggerClock);
    }
}

TEST_F(TeldrinSessionTest, ARefusedConnectionFailsWithItsCode) {
    // A port nobody listens on: the simulator's, once it stopped.
    const int port = simulator_.StartTcp(0);
    simulator_.Stop();
    const teldrin::CallOutcome outcome = Call(Entry(kConnectNetwork, "127.0.0.1", std::to_string(port)));
    EXPECT_FALSE(outcome.connected);
    EXPECT_EQ(outcome.commError, teldrin::kCommNetworkConnect);
    EXPECT_TRUE(Logged("Echec Connexion r\xE9seau. Logger SN42 (127.0.0.1, " + std::to_string(port) +
                       "): Network socket connect error"));
}

TEST_F(TeldrinSessionTest, ADirectCallToAnAbsentOrSilentPortFailsWithItsCodeOnThatPortAlone) {
    const testsupport::PseudoTerminal silent;
    ASSERT_FALSE(silent.path.empty());
    // Nothing answers on either port, so no reply can time out too early on a faster clock.
    clock_.SetSpeed(50);
    struct Case {
        std::string port;
        int code;
    };
    const Case cases[] = {
        {platform::PathToWindows1252(folder_ / "ttyGONE"), teldrin::kCommDirectPortOpen},
        {silent.path, teldrin::kCommLoggerNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        lines.clear();
        const teldrin::CallOutcome outcome = Call(Entry(kConnectDirect, c.port, ""));
        EXPECT_FALSE(outcome.connected);
        EXPECT_EQ(outcome.commError, c.code);
        EXPECT_TRUE(Logged("Echec Connexion Directe. Logger SN42: " + teldrin::GetCommErrorText(c.code, 0)))
            << ::testing::PrintToString(lines);
    }
}

TEST_F(TeldrinSessionTest, NewDataIsAppendedToTheNewestFileOnlyWhenItSurelyBelongsThere) {
    const std::string port = std::to_string(simulator_.StartTcp(0));
    constexpr std::uint8_t kNewData = 2;
    // No earlier file: all data into the first.
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords);
    EXPECT_TRUE(Logged("Error: No existing data for SN42. Reading all data"));

    simulator_.Logger().ChangeState([](LoggerState& s) { LogRecords(s, 50); });
    lines.clear();
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords + 50);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "SN42-02.kivo"));

    // Nothing new: the file stays and the line says so.
    lines.clear();
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords + 50);
    EXPECT_TRUE(
        Logged("Le Logger n'a pas de nouvelle donn\xE9"
               "e \xE0 ajouter"));

    // Another logger answers at the entry's address: its data go to a new file named by it.
    simulator_.Logger().ChangeState([](LoggerState& s) {
        s.loggerId = "OTHER";
        LogRecords(s, 10);
    });
    lines.clear();
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    EXPECT_TRUE(Logged("Probl\xE8me No de s\xE9rie: Liste Appel= SN42, Logger = OTHER"));
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords + 50);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "SN42-02.kivo"));
    EXPECT_EQ(RecordsIn(folder_ / "OTHER-01.kivo"), kRecords + 60);
}

TEST_F(TeldrinSessionTest, AnEntryWithoutASerialNumberNamesTheFileByTheLoggers) {
    CLogger entry = Entry(kConnectNetwork, "127.0.0.1", std::to_string(simulator_.StartTcp(0)), 1);
    entry.SetSerial("");
    ASSERT_TRUE(Call(entry).tasksDone);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "-01.kivo"));
}

TEST_F(TeldrinSessionTest, NewDataGoOnInTheLoggersFileWhateverSerialTheEntryGivesIt) {
    const std::string port = std::to_string(simulator_.StartTcp(0));
    constexpr std::uint8_t kNewData = 2;
    int logged = kRecords;
    for (const std::string serial : {"", "SN4"}) {
        SCOPED_TRACE("entry serial \"" + serial + "\"");
        const std::filesystem::path data = folder_ / (serial.empty() ? "none" : serial);
        std::filesystem::create_directory(data);
        CLogger entry = Entry(kConnectNetwork, "127.0.0.1", port, kNewData);
        entry.SetSerial(serial);
        entry.SetDataFolder(platform::PathToWindows1252(data));
        // The lines name the logger once it has told its serial number; an entry's own serial stays.
        const std::string named = serial.empty() ? "SN42" : serial;
        const std::string mismatch = "Probl\xE8me No de s\xE9rie: Liste Appel= " + serial + ", Logger = SN42";

        lines.clear();
        ASSERT_TRUE(Call(entry).tasksDone);
        EXPECT_EQ(RecordsIn(data / "SN42-01.kivo"), logged);
        EXPECT_TRUE(Logged(mismatch)) << ::testing::PrintToString(lines);
        EXPECT_TRUE(Logged("Connexion r\xE9seau au logger " + named + " (127.0.0.1, " + port + ") fini"))
            << ::testing::PrintToString(lines);
        EXPECT_TRUE(
            Logged("Transfert de toutes donn\xE9"
                   "es du logger " +
                   named + " completed at "))
            << ::testing::PrintToString(lines);

        simulator_.Logger().ChangeState([](LoggerState& s) { LogRecords(s, 50); });
        logged += 50;
        lines.clear();
        ASSERT_TRUE(Call(entry).tasksDone);
        EXPECT_EQ(RecordsIn(data / "SN42-01.kivo"), logged);
        EXPECT_FALSE(std::filesystem::exists(data / "SN42-02.kivo"));
        EXPECT_TRUE(Logged(mismatch)) << ::testing::PrintToString(lines);
        EXPECT_FALSE(Logged("Error: No existing data")) << ::testing::PrintToString(lines);
        EXPECT_TRUE(
            Logged("Transfert des donn\xE9"
                   "es du logger " +
                   named + " completed at "))
            << ::testing::PrintToString(lines);
    }
}

TEST_F(TeldrinSessionTest, ANewestFileThatCannotBeReadIsLeftAsItIsAndAllDataGoToTheNext) {
    const std::string garbage = "not a data file";
    testsupport::WriteWholeFile(folder_ / "SN42-01.kivo", garbage);
    constexpr std::uint8_t kNewData = 2;
    const teldrin::CallOutcome outcome =
        Call(Entry(kConnectNetwork, "127.0.0.1", std::to_string(simulator_.StartTcp(0)), kNewData));
    EXPECT_TRUE(outcome.tasksDone);
    EXPECT_EQ(testsupport::ReadWholeFile(folder_ / "SN42-01.kivo"), garbage);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-02.kivo"), kRecords);
    const std::vector<std::string> expected{
        "Erreur: Erreur apparue \xE0 la lecture des donn\xE9"
        "es\n",
        "Error: Unable to open the data file to retrieve Logger's Setup Table",
        "New-data download failed. Reading all data",
        "Transfert de toutes les donn\xE9"
        "es SN42\n"};
    EXPECT_EQ(LinesFrom(expected.front(), expected.size()), expected) << ::testing::PrintToString(lines);
}

TEST_F(TeldrinSessionTest, AConvertedFileWhoseReadPositionTheLoggerRefusesIsLeftAndAllDataGoToTheNext) {
    const std::string port = std::to_string(simulator_.StartTcp(0));
    constexpr std::uint8_t kNewData = 2;
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    const std::filesystem::path converted = folder_ / "SN42-01.kivo";
    ASSERT_NO_FATAL_FAILURE(testsupport::MarkConvertedFromCsv(converted));
    const std::string before = testsupport::ReadWholeFile(converted);
    simulator_.Logger().ChangeState([](LoggerState& s) {
        LogRecords(s, 10);
        s.unansweredCommands.insert("I!18");
    });
    lines.clear();
    const testsupport::SilenceSkipper silences(clock_, simulator_.Logger());
    ASSERT_TRUE(Call(Entry(kConnectNetwork, "127.0.0.1", port, kNewData)).tasksDone);
    EXPECT_EQ(testsupport::ReadWholeFile(converted), before);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-02.kivo"), kRecords + 10);
    const std::vector<std::string> expected{
        "Erreur: Erreur apparue \xE0 la lecture des donn\xE9"
        "es\n",
        "Error: Unable to read the partial read-start address from Logger",
        "Erreur:R\xE9glage Logger et Fichier Donn\xE9"
        "es " +
            platform::PathToWindows1252(converted) + " ne correspondent pas",
        "New-data download failed. Reading all data"};
    EXPECT_EQ(LinesFrom(expected.front(), expected.size()), expected) << ::testing::PrintToString(lines);
}

TEST_F(TeldrinSessionTest, AModemCallThatFindsTheLineBusyFailsWithItsCodeThenConnects) {
    // No modem line to call on: a failure of this machine, shown in the status pane.
    app_.modemLineName = "None";
    const teldrin::CallOutcome noLine = Call(Entry(kConnectModem, "5551234", ""));
    EXPECT_EQ(noLine.commError, -3);
    EXPECT_EQ(statuses, std::vector<std::string>{"Error: Failed to create Modem session"});

    FakeModem modem(simulator_, {.outcome = FakeModemOutcome::Busy});
    app_.modemLineName = modem.Start();
    ASSERT_FALSE(app_.modemLineName.empty());
    statuses.clear();
    const teldrin::CallOutcome busy = Call(Entry(kConnectModem, "5551234", ""));
    EXPECT_FALSE(busy.connected);
    EXPECT_EQ(busy.commError, 2);
    EXPECT_TRUE(Logged("Connexion Modem pour appel logger SN42 Echec: Line Busy"));
    // The far end's answer is no failure of this machine.
    EXPECT_TRUE(statuses.empty()) << ::testing::PrintToString(statuses);

    modem.SetOptions({.outcome = FakeModemOutcome::Connect});
    lines.clear();
    const teldrin::CallOutcome connected = Call(Entry(kConnectModem, "5551234", ""));
    EXPECT_TRUE(connected.connected);
    EXPECT_TRUE(connected.tasksDone);
    EXPECT_EQ(RecordsIn(folder_ / "SN42-01.kivo"), kRecords);
    EXPECT_TRUE(Logged("Connexion pour appel au logger SN42 fait"));
}

TEST_F(TeldrinSessionTest, FailuresOnAnOpenLinkAreLoggedWithTheirCodes) {
    struct FailureCase {
        const char* what;
        SimulatorFaults faults;
        std::string firmware;  // empty: the model's own
        bool connected;
        int code;
        std::vector<std::string> lines;  // each the start of a line logged
    };
    // Every reply garbled once the logger has answered this many commands.
    const auto garbledAfter = [](int commands) {
        return SimulatorFaults{.corruptReplies = 1000000, .corruptAfter = commands};
    };
    const std::vector<FailureCase> cases{
        {"unknown device",
         {},
         "UC0X1.234",
         false,
         teldrin::kCommLoggerNotFound,
         {"Erreur: Erreur apparue \xE0 la tentative de connexion d'un appareil inconnu"}},
        {"stored setups not read",
         garbledAfter(10),
         "",
         true,
         teldrin::kCommSetupsNotRead,
         {"Erreur: Erreur apparue \xE0 la tentative de lecture des r\xE9glages du logger"}},
        {"download failed",
         garbledAfter(20),
         "",
         true,
         teldrin::kCommTasksFailed,
         {"Erreur: Erreur apparue \xE0 la lecture des donn\xE9"
          "es",
          "Erreur Communication: "}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        LoggerSimulator logger{*FindLoggerModel("standard-135"), c.faults};
        logger.Logger().ChangeState([&c](LoggerState& s) {
            s.loggerId = "SN42";
            ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
            LogRecords(s, 30);
            if (!c.firmware.empty()) {
                s.firmwareText = c.firmware;
            }
        });
        lines.clear();
        const teldrin::CallOutcome outcome =
            Call(Entry(kConnectNetwork, "127.0.0.1", std::to_string(logger.StartTcp(0)), 1));
        EXPECT_EQ(outcome.connected, c.connected);
        EXPECT_EQ(outcome.commError, c.code);
        for (const std::string& line : c.lines) {
            EXPECT_TRUE(Logged(line)) << line << "\n" << ::testing::PrintToString(lines);
        }
    }
}

}  // namespace
