// The command road against the logger simulator: short commands in line and echo mode, over a
// pseudo-terminal and over TCP, and a long reply; commands and bytes per second, and the time the
// program adds per command beyond the simulator's own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "shared/link/connection_direct.h"
#include "shared/link/connection_network.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

enum Transport { kPty, kTcp };

struct Road {
    testsupport::FakeAppContext app;
    testsupport::LinkTestSession session;
    LoggerSimulator simulator{*FindLoggerModel("standard")};
    std::unique_ptr<CConnection> link;

    Road(Transport transport, int sendMode) {
        const CLinkContext context{&session, &app};
        if (transport == kTcp) {
            link = std::make_unique<CConnectionNetwork>(context, "127.0.0.1",
                                                        std::to_string(simulator.StartTcp(0)), 19200);
        } else {
            link = std::make_unique<CConnectionDirect>(context, simulator.StartPty(), 19200);
        }
        ok = session.Run([&] {
            if (!link->Create() || !link->Establish()) {
                return false;
            }
            if (sendMode == SEND_MODE_LINE) {
                if (!link->DoCommand("R!F", 8000)) {
                    return false;
                }
                session.SetSendMode(SEND_MODE_LINE);
            }
            return true;
        });
    }
    ~Road() {
        session.Run([&] {
            link->CloseLink();
            return 0;
        });
    }
    bool ok = false;
};

void RunCommands(benchmark::State& state, Transport transport, int sendMode, const std::string& command) {
    Road road(transport, sendMode);
    if (!road.ok) {
        state.SkipWithError("the link to the simulator did not open");
        return;
    }
    const auto simulatorStart = road.simulator.BusyTime();
    const auto bytesStart = road.simulator.BytesSent();
    const auto start = std::chrono::steady_clock::now();
    auto slowest = std::chrono::steady_clock::duration::zero();
    for (auto _ : state) {
        const auto commandStart = std::chrono::steady_clock::now();
        if (!road.session.Run([&] { return road.link->DoCommand(command, 2000); })) {
            state.SkipWithError("a command failed");
            return;
        }
        slowest = std::max(slowest, std::chrono::steady_clock::now() - commandStart);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const auto simulatorTime = road.simulator.BusyTime() - simulatorStart;
    const double commands = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(road.simulator.BytesSent() - bytesStart));
    state.counters["added_us_per_command"] =
        std::chrono::duration<double, std::micro>(elapsed - simulatorTime).count() / commands;
    // A reply that is there ends the wait at once: no command should come near a 100 ms polling turn.
    state.counters["slowest_ms"] = std::chrono::duration<double, std::milli>(slowest).count();
}

void BM_ShortCommand(benchmark::State& state) {
    RunCommands(state, static_cast<Transport>(state.range(0)), static_cast<int>(state.range(1)), "D?");
}

void BM_LongReply(benchmark::State& state) {
    // 1712 bytes of data memory as a hex dump of about 3.5 KB.
    RunCommands(state, static_cast<Transport>(state.range(0)), SEND_MODE_LINE, "O! 0006AF 06B0");
}

BENCHMARK(BM_ShortCommand)
    ->ArgNames({"tcp", "echo"})
    ->Args({kPty, SEND_MODE_LINE})
    ->Args({kPty, SEND_MODE_ECHO})
    ->Args({kTcp, SEND_MODE_LINE})
    ->Args({kTcp, SEND_MODE_ECHO})
    ->Iterations(1000)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_LongReply)
    ->ArgNames({"tcp"})
    ->Arg(kPty)
    ->Arg(kTcp)
    ->Iterations(200)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
