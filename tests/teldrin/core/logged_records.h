// A simulated logger as teldrin's tests call it: its id, and `records` records logged from a fixed start.
#pragma once

#include <string>

#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace teldrintest {

inline void LogRecordsOn(LoggerSimulator& simulator, std::string loggerId, int records) {
    simulator.Logger().ChangeState([&loggerId, records](LoggerState& s) {
        s.loggerId = loggerId;
        ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
        LogRecords(s, records);
    });
}

}  // namespace teldrintest
