// teldrin idle: a list of 1000 entries with nothing due, the scheduler ticked once a second as the
// program's timer does, for 60 seconds (or the seconds given). Prints the CPU time spent and the
// wake-ups: build/bench/teldrin_idle_bench [seconds].
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/core/call_controller.h"
#include "teldrin/core/teldrin_app_context.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "teldrin_idle_bench";
    std::filesystem::create_directories(folder);

    // Every entry called daily two minutes from now: 1000 calls wait in today's list, none due within the
    // minute (with a longer run, pass fewer seconds than the minutes left).
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SchedulePage page;
    page.choice = kCallDaily;
    page.daily = HourMinute::FromMinutes((local.tm_hour * 60 + local.tm_min + 2) % (24 * 60));
    CLoggerList list(LoggerDefaults{57600, 0});
    for (int i = 0; i < 1000; ++i) {
        CLogger& entry = list.InsertNewLogger(i, folder.string());
        entry.SetSerial("IDLE" + std::to_string(i));
        entry.SetScheduleOn(true);
        CLogger::ScheduleBlock block = entry.GetScheduleBlock();
        ComputeSchedule(page, DecodeSchedule(block), block, now);
        entry.SetScheduleBlock(block);
    }
    const std::filesystem::path path = folder / "idle.lst";
    if (!SaveLoggerList(path, list)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }

    teldrin::CRegistryValues settings;
    settings.dataDir = folder.string();
    teldrin::CTeldrinAppContext app(settings);
    teldrin::SystemSchedulerClock clock;
    platform::MessageQueue queue;
    platform::QueueMessageTarget frame(queue);
    teldrin::CCallController controller(clock, app, settings, frame);
    if (!controller.OpenList(path)) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        return 1;
    }
    const double cpuBefore = CpuSeconds();
    int wakeUps = 0;
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(seconds)) {
        std::this_thread::sleep_for(clock.TickPeriod());
        ++wakeUps;
        controller.OnTimer();
    }
    std::printf("%zu calls today, %d s idle: %d wake-ups, %.3f s CPU\n",
                controller.Scheduler().Calls().size(), seconds, wakeUps, CpuSeconds() - cpuBefore);
    std::filesystem::remove_all(folder);
    return 0;
}
