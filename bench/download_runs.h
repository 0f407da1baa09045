// Downloads at 57600 baud from the logger simulator, which paces its output as a serial line of that
// rate would, over a pseudo-terminal: a memory model read in hex blocks and a Quarven read in binary
// batches, each measured against the line's ceiling for its reply form (5760 bytes a second times the
// form's payload share).
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include "shared/link/connection_direct.h"
#include "shared/link/model_decision.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/setup/setup_table.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/temp_folder.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/quarven_records.h"

namespace bench {

constexpr int kBaud = 57600;
// Ten bits a byte on the line: a start bit, eight data bits, a stop bit.
constexpr double kLineBytesPerSecond = kBaud / 10.0;

struct Measure {
    std::string name;
    long payloadBytes = 0;
    double seconds = 0;
    double payloadShare = 0;
    int result = -1;
};

// What the simulator holds before a run; it sets the payload and its share of the line.
using Fill = std::function<void(LoggerState&, Measure&)>;
// How the caller waits for the download's result, which runs on the session thread.
using DownloadWait = std::function<int(std::future<int>&)>;

inline int WaitPlainly(std::future<int>& result) {
    return result.get();
}

// Fills the simulator as `fill` says, connects at 57600 baud, starts the session and reads everything,
// the progress going to `sink` when there is one.
inline Measure Download(const std::string& name, const std::string& model, const Fill& fill,
                        DownloadProgressSink* sink = nullptr, const DownloadWait& wait = WaitPlainly) {
    Measure measure{name};
    testsupport::FakeAppContext app;
    testsupport::LinkTestSession session;
    testsupport::TempFolder folder;
    LoggerSimulator simulator(*FindLoggerModel(model));
    simulator.Logger().ChangeState([&](LoggerState& state) { fill(state, measure); });
    simulator.SetPacingBaud(kBaud);
    CConnectionDirect link(CLinkContext{&session, &app}, simulator.StartPty(), kBaud);
    std::unique_ptr<CDataLogger> logger;
    const bool started = session.Run([&] {
        if (!link.Create() || !link.Establish() || !link.IdentifyLogger()) {
            return false;
        }
        const ModelDecision decision = DecideModel(link.GetFirmwareVersion());
        session.SetLoggerType(decision.typeCode);
        session.SetFirmwareVersion(decision.firmwareVersion);
        logger = CreateDataLogger(&link, decision.typeCode);
        return logger != nullptr && logger->InitializeSession() == 1;
    });
    if (started) {
        logger->SetProgressSink(sink);
        const auto start = std::chrono::steady_clock::now();
        // Nobody watches: a broken download keeps what came.
        std::future<int> result =
            session.RunAsync([&] { return logger->Download(folder / "bench.kivo", true, 0, {}).result; });
        measure.result = wait(result);
        measure.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    session.Run([&] {
        logger.reset();
        link.CloseLink();
        return 0;
    });
    return measure;
}

inline void Print(const Measure& m) {
    if (m.result != 0) {
        std::printf("%-40s download failed (%d)\n", m.name.c_str(), m.result);
        return;
    }
    const double rate = m.payloadBytes / m.seconds;
    const double ceiling = kLineBytesPerSecond * m.payloadShare;
    std::printf("%-40s %8ld bytes in %6.2f s: %7.0f bytes/s of a %7.0f bytes/s ceiling (%.0f%%)\n",
                m.name.c_str(), m.payloadBytes, m.seconds, rate, ceiling, 100.0 * rate / ceiling);
}

// The two downloads measured.
struct Case {
    std::string name;
    std::string model;
    Fill fill;
};

inline const Case kCases[] = {
    {"memory model, hex blocks", "standard-135",
     [](LoggerState& state, Measure& m) {
         constexpr int kRecords = 1000;
         ClearDataMemory(state, state.memoryStart, state.memoryEnd, 1709816400);
         LogRecords(state, kRecords);
         m.payloadBytes = static_cast<long>(kRecords) * state.setups.at(1).GetRecordSize();
         // Two hex digits a byte.
         m.payloadShare = 0.5;
     }},
    {"Quarven, binary batches", "quarven-rs",
     [](LoggerState& state, Measure& m) {
         constexpr int kRecords = 3000;
         ClearQuarvenRecords(state);
         LogQuarvenRecords(state, kRecords);
         m.payloadBytes = static_cast<long>(kRecords) * state.recordSize;
         // A batch of L bytes: a 2-byte count, whole records, CR LF and 4 bytes more.
         const int perBatch = (state.recordsAvailable - 8) / state.recordSize;
         m.payloadShare = static_cast<double>(perBatch * state.recordSize) / state.recordsAvailable;
     }},
};

}  // namespace bench
