// The real-time loop against the simulator over TCP, as a graph window runs it: the program's CPU
// seconds per wall second while the values are refreshed and while they are held, and the cycles a
// second. A loop that waits on time and flags costs next to nothing. build/bench/realtime_bench.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

using namespace std::chrono_literals;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Records delivered to the window while `wall` passes; prints the CPU share and the cycles a second.
void Measure(const char* name, platform::MessageQueue& window, std::chrono::seconds wall) {
    const double cpuBefore = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    int records = 0;
    while (std::chrono::steady_clock::now() - start < wall) {
        if (const auto message = window.Take(50ms); message && message->id == WM_REAL_TIME_VALUES) {
            ++records;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-22s %6.3f CPU s per wall s %6.2f cycles/s\n", name, (CpuSeconds() - cpuBefore) / seconds,
                records / seconds);
}

}  // namespace

int main() {
    testsupport::FakeAppContext app;
    testsupport::ScriptedUiBroker broker(IDOK);
    LoggerSimulator simulator(*FindLoggerModel("ornat1"));
    const int port = simulator.StartTcp(0);
    platform::MessageQueue mainQueue;
    platform::QueueMessageTarget mainWindow(mainQueue);
    CSessionOwner owner(app, &mainWindow, nullptr);
    if (port == 0 || !owner.ConnectNetwork("127.0.0.1", std::to_string(port)) ||
        !owner.GetActiveSession()->WaitForCommandDone(60s) || !owner.GetActiveSession()->IsConnected()) {
        std::fprintf(stderr, "the simulator could not be connected\n");
        return 1;
    }
    // The volts of channel 1.
    broker.AnswerRequest<RealTimeSelectionRequest>(
        IDOK, [](RealTimeSelectionRequest& request) { request.selection = {1, 0, 0, 0, 0, 0, 0}; });
    owner.GetActiveSession()->Post(platform::Message(WM_SESSION_REAL_TIME_GRAPH));
    std::shared_ptr<CRealTimeWindowLink> link;
    while (!link) {
        const auto message = mainQueue.Take(30s);
        if (!message) {
            std::fprintf(stderr, "no real-time window\n");
            return 1;
        }
        if (message->id == WM_REAL_TIME_WINDOW) {
            link = *platform::PayloadAs<std::shared_ptr<CRealTimeWindowLink>>(*message);
        }
    }
    platform::MessageQueue windowQueue;
    link->Open(-1, std::make_shared<platform::QueueMessageTarget>(windowQueue));
    Measure("refreshing", windowQueue, 10s);
    link->Hold(true);
    std::this_thread::sleep_for(1s);
    Measure("held", windowQueue, 10s);
    link->Close();
    owner.GetActiveSession()->WaitForCommandDone(30s);
    owner.Disconnect(0);
    return 0;
}
