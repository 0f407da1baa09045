// The teldrin program as it runs unattended: offscreen, with a list path, it makes the list's immediate
// call, writes its data file and event log, and ends on SIGTERM with status 0. A second start of the same
// user ends at once with status 1.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/base/windows1252.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/schedule_block.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using namespace std::chrono_literals;

// Runs the program with `args` under a scratch home, offscreen; the child's id.
pid_t StartProgram(const std::filesystem::path& home, const std::string& list) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        // The instances of one user find each other here.
        ::setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execl(TELDRIN_PROGRAM, TELDRIN_PROGRAM, list.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    return child;
}

TEST(TeldrinProgramTest, CallsAnImmediateEntryAndEndsOnSigterm) {
    LoggerSimulator simulator(*FindLoggerModel("standard-135"));
    simulator.Logger().ChangeState([](LoggerState& s) {
        s.loggerId = "IMM1";
        ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
        LogRecords(s, 60);
    });
    const int port = simulator.StartTcp(0);
    const testsupport::TempFolder home;
    const std::filesystem::path data = home / "data";
    std::filesystem::create_directories(data);
    std::filesystem::create_directory(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);

    CLoggerList list(LoggerDefaults{57600, 0});
    list.NewList(platform::PathToWindows1252(data));
    CLogger& entry = list.GetLogger(0);
    entry.SetSerial("IMM1");
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
    const std::filesystem::path listPath = home / "one.lst";
    ASSERT_TRUE(SaveLoggerList(listPath, list));

    const pid_t child = StartProgram(home.path(), listPath.string());
    ASSERT_GT(child, 0);
    const std::filesystem::path file = data / "IMM1-01.kivo";
    const std::filesystem::path log = home / "Documents" / "TARV" / "KIVO" / "Data" / "Teldrin.log";
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (std::chrono::steady_clock::now() < deadline &&
           testsupport::ReadWholeFile(log).find("Etat appel") == std::string::npos) {
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(std::filesystem::exists(file));
    const std::string events = testsupport::ReadWholeFile(log);
    EXPECT_NE(events.find("Transfert de toutes donn\xE9"
                          "es du logger IMM1 completed at"),
              std::string::npos)
        << events;

    int status = -1;
    const pid_t second = StartProgram(home.path(), listPath.string());
    ASSERT_GT(second, 0);
    ASSERT_EQ(::waitpid(second, &status, 0), second);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);

    ASSERT_EQ(::kill(child, SIGTERM), 0);
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
