// CCall: one call of today's list, with its own copy of the logger-list entry (later edits of the list
// do not reach today's calls), its time, attempts, state and the tasks still to do.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>

#include "shared/loggerlist/logger_entry.h"

namespace teldrin {

// The task codes a call carries out.
enum CallTask : int {
    kTaskReadAllData = 1,
    kTaskReadNewData = 2,
    kTaskSetClock = 16,
};

enum CallState : int {
    kCallPending = 0,
    kCallDone = 1,  // made, or given up
};

class CCall {
public:
    // 0 still to do, 1 done or not wanted; slot by task code (all data 0, new data 1, set clock 4).
    using TaskFlags = std::array<int, 8>;

    CCall(const CLogger& entry, std::time_t callTime);

    // The flag of `taskCode`; any code without a slot counts as done.
    int GetTaskFlag(int taskCode) const;
    // Does nothing for a code without a slot.
    void SetTaskFlag(int taskCode, int value);
    // The flags again from the entry's task byte (the saved row is untouched).
    void ResetTaskFlags();
    // The flags back from the saved row (the repeat command).
    void RestoreTaskFlags() { taskFlags = savedTaskFlags; }

    bool IsMultiple() const;

    int attemptNumber = 0;
    int state = kCallPending;
    CLogger entry;
    std::time_t callTime;
    TaskFlags taskFlags{};
    int firstCallMinutes;
    int intervalMinutes;
    // When this call last started.
    std::time_t lastStart;
    std::uint8_t taskByte;
    // 0, or how long after its call time a failed call is tried again.
    std::time_t retryOffset = 0;
    TaskFlags savedTaskFlags{};
    // A multiple-interval call's next slot; kept with its call.
    std::time_t nextTime;
};

}  // namespace teldrin
