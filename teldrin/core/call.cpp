#include "teldrin/core/call.h"

#include "shared/loggerlist/schedule_block.h"

namespace teldrin {
namespace {

// The slot of a task code; -1 for a code without one.
int SlotOf(int taskCode) {
    switch (taskCode) {
        case kTaskReadAllData:
            return 0;
        case kTaskReadNewData:
            return 1;
        case kTaskSetClock:
            return 4;
        default:
            return -1;
    }
}

void FlagsFromTaskByte(std::uint8_t tasks, CCall::TaskFlags& flags) {
    // With "no transfer" the two transfer flags keep what they hold.
    if ((tasks & kTaskNoTransfer) == 0) {
        flags[0] = (tasks & 1) != 0 ? 0 : 1;
        flags[1] = (tasks & 2) != 0 ? 0 : 1;
    }
    flags[2] = flags[3] = 1;
    flags[4] = (tasks & kTaskSetClock) != 0 ? 0 : 1;
    flags[5] = flags[6] = flags[7] = 1;
}

}  // namespace

CCall::CCall(const CLogger& entry, std::time_t callTime)
    : entry(entry),
      callTime(callTime),
      firstCallMinutes(entry.GetMultiFirstMinutes()),
      intervalMinutes(entry.GetMultiIntervalMinutes()),
      lastStart(callTime),
      taskByte(entry.GetTasks()),
      nextTime(callTime) {
    taskFlags.fill(1);
    FlagsFromTaskByte(taskByte, taskFlags);
    savedTaskFlags = taskFlags;
}

int CCall::GetTaskFlag(int taskCode) const {
    const int slot = SlotOf(taskCode);
    return slot < 0 ? 1 : taskFlags[static_cast<std::size_t>(slot)];
}

void CCall::SetTaskFlag(int taskCode, int value) {
    const int slot = SlotOf(taskCode);
    if (slot >= 0) {
        taskFlags[static_cast<std::size_t>(slot)] = value;
    }
}

void CCall::ResetTaskFlags() {
    FlagsFromTaskByte(taskByte, taskFlags);
}

bool CCall::IsMultiple() const {
    return entry.GetCallInterval() == ScheduleCodeOf(kCallMultiple);
}

}  // namespace teldrin
