// The teldrin program as it runs unattended: offscreen, with a list path, it makes the list's immediate
// call, writes its data file and event log, and ends on SIGTERM with status 0, a call in progress ended
// first. A second start of the same user ends at once with status 1. With no list to call, and nobody to
// choose one, it says why and ends with status 2.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/windows1252.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/schedule_block.h"
#include "tests/support/eventually.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"
#include "tests/teldrin/core/logged_records.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

using namespace std::chrono_literals;

// A scratch home for the program: its instances find each other in its runtime folder; the calls' data
// go to its data folder.
struct ProgramHome {
    ProgramHome() {
        std::filesystem::create_directory(home / "run");
        std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
        std::filesystem::create_directory(Data());
    }
    std::filesystem::path Data() const { return home / "data"; }
    std::filesystem::path EventLog() const {
        return home / "Documents" / "TARV" / "KIVO" / "Data" / "Teldrin.log";
    }
    std::filesystem::path StandardError() const { return home / "stderr.txt"; }

    testsupport::TempFolder home;
};

// Runs the program with `args` under `home`, offscreen, its standard error into home's file; the child's
// id.
pid_t StartProgram(const ProgramHome& home, const std::vector<std::string>& args) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("HOME", home.home.path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home.home / ".config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (home.home / "run").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int error = ::open(home.StandardError().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(error, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(TELDRIN_PROGRAM)};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(TELDRIN_PROGRAM, argv.data());
        std::_Exit(127);
    }
    return child;
}

// The exit status of `child` once it ended; none when it did not end within `limit` (it is then killed).
std::optional<int> ExitStatus(pid_t child, std::chrono::seconds limit = 60s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(20ms);
    }
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

// Waits until the event log holds `text`; false after 60 s.
bool LogShows(const ProgramHome& home, std::string_view text) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (testsupport::ReadWholeFile(home.EventLog()).find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The names of the files in `folder`.
std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        names.push_back(file.path().filename().string());
    }
    return names;
}

// A list at `path` of one entry called at once over the network at 127.0.0.1:`port`, its data into
// `data`.
void SaveImmediateNetworkCall(const std::filesystem::path& path, const std::string& serial, int port,
                              const std::filesystem::path& data) {
    CLoggerList list(LoggerDefaults{57600, 0});
    list.NewList(platform::PathToWindows1252(data));
    CLogger& entry = list.GetLogger(0);
    entry.SetSerial(serial);
    entry.SetConnectType(kConnectNetwork);
    entry.SetPhoneOrAddress("127.0.0.1");
    entry.SetNetPort(std::to_string(port));
    entry.SetDataFolder(platform::PathToWindows1252(data));
    entry.SetScheduleOn(true);
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    SchedulePage page = DecodeSchedule(block);
    page.choice = kCallImmediate;
    page.transferKind = 0;
    ASSERT_FALSE(ComputeSchedule(page, DecodeSchedule(block), block, 0).has_value());
    entry.SetScheduleBlock(block);
    ASSERT_TRUE(SaveLoggerList(path, list));
}

TEST(TeldrinProgramTest, CallsAnImmediateEntryAndEndsOnSigterm) {
    LoggerSimulator simulator(*FindLoggerModel("standard-135"));
    teldrintest::LogRecordsOn(simulator, "IMM1", 60);
    const ProgramHome home;
    const std::filesystem::path listPath = home.home / "one.lst";
    SaveImmediateNetworkCall(listPath, "IMM1", simulator.StartTcp(0), home.Data());

    const pid_t child = StartProgram(home, {listPath.string()});
    ASSERT_GT(child, 0);
    EXPECT_TRUE(LogShows(home, "Etat appel"));
    EXPECT_TRUE(std::filesystem::exists(home.Data() / "IMM1-01.kivo"));
    const std::string events = testsupport::ReadWholeFile(home.EventLog());
    EXPECT_NE(events.find("Transfert de toutes donn\xE9"
                          "es du logger IMM1 completed at"),
              std::string::npos)
        << events;
    // Standard error goes to a service's journal: the platform's notices on the windows a call shows and
    // hides stay out of it (the program's own messages still come: see the case without a list).
    EXPECT_EQ(testsupport::ReadWholeFile(home.StandardError()), "");

    const pid_t second = StartProgram(home, {listPath.string()});
    ASSERT_GT(second, 0);
    EXPECT_EQ(ExitStatus(second), 1);

    ASSERT_EQ(::kill(child, SIGTERM), 0);
    EXPECT_EQ(ExitStatus(child), 0);
}

TEST(TeldrinProgramTest, SigtermDuringACallEndsTheCallThenTheProgram) {
    LoggerSimulator simulator(*FindLoggerModel("standard-135"));
    teldrintest::LogRecordsOn(simulator, "SLOW", 2000);
    // A slow line: the whole download would take minutes.
    simulator.SetPacingBaud(4800);
    const ProgramHome home;
    const std::filesystem::path listPath = home.home / "slow.lst";
    SaveImmediateNetworkCall(listPath, "SLOW", simulator.StartTcp(0), home.Data());

    const pid_t child = StartProgram(home, {listPath.string()});
    ASSERT_GT(child, 0);
    ASSERT_TRUE(LogShows(home, "Transfert de toutes les donn\xE9"
                               "es SLOW"));
    // The transfer is under way once its raw file is in the data folder.
    ASSERT_TRUE(testsupport::Eventually([&home] { return !FilesIn(home.Data()).empty(); }));
    EXPECT_TRUE(FilesIn(home.Data()).front().starts_with("$$LogDat"));
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    EXPECT_EQ(ExitStatus(child), 0);
    // The call ended as the end-call command ends it: its outcome logged as failed. A memory download
    // that stops keeps nothing, so the data folder holds no file, neither a half-written data file nor
    // the download's raw file.
    const std::string events = testsupport::ReadWholeFile(home.EventLog());
    EXPECT_NE(events.find("Etat appel"), std::string::npos) << events;
    EXPECT_NE(events.find("Transfert de toutes donn\xE9"
                          "es du logger SLOW Echec"),
              std::string::npos)
        << events;
    EXPECT_EQ(FilesIn(home.Data()), std::vector<std::string>{});
}

TEST(TeldrinProgramTest, WithoutAListToCallItSaysWhyAndEnds) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string told;
    };
    const ProgramHome home;
    const std::string missing = (home.home / "missing.lst").string();
    const Case cases[] = {
        {"no list", {}, "Erreur: Aucune liste de loggers donn\xC3\xA9" "e"},
        // What the systemd unit runs when its list is not set.
        {"an empty list path", {""}, "Erreur: Aucune liste de loggers donn\xC3\xA9" "e"},
        {"a missing list", {missing}, "Erreur: Impossible d'ouvrir le fichier: " + missing},
    };
    for (const Case& c : cases) {
        const pid_t child = StartProgram(home, c.args);
        ASSERT_GT(child, 0);
        EXPECT_EQ(ExitStatus(child), 2) << c.what;
        const std::string told = testsupport::ReadWholeFile(home.StandardError());
        EXPECT_NE(told.find(c.told), std::string::npos) << c.what << ": " << told;
    }
}

}  // namespace
