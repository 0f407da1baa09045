// A call's task flags from its entry's task byte.
#include "teldrin/core/call.h"

#include <gtest/gtest.h>

#include "shared/loggerlist/schedule_block.h"

namespace {

using teldrin::CCall;

CLogger EntryWithTasks(std::uint8_t tasks) {
    CLogger entry;
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    block[1] = tasks;
    entry.SetScheduleBlock(block);
    return entry;
}

TEST(TeldrinCallTest, TaskFlagsFollowTheTaskByte) {
    struct Case {
        std::uint8_t tasks;
        int allData, newData, setClock;
    };
    const Case cases[] = {
        {1, 0, 1, 1}, {2, 1, 0, 1}, {1 | 16, 0, 1, 0}, {8 | 16, 1, 1, 0}, {8 | 1, 1, 1, 1}, {0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const CCall call(EntryWithTasks(c.tasks), 100);
        EXPECT_EQ(call.GetTaskFlag(teldrin::kTaskReadAllData), c.allData) << int(c.tasks);
        EXPECT_EQ(call.GetTaskFlag(teldrin::kTaskReadNewData), c.newData) << int(c.tasks);
        EXPECT_EQ(call.GetTaskFlag(teldrin::kTaskSetClock), c.setClock) << int(c.tasks);
        EXPECT_EQ(call.savedTaskFlags, call.taskFlags);
    }
}

TEST(TeldrinCallTest, CodesWithoutASlotCountAsDone) {
    CCall call(EntryWithTasks(1 | 16), 100);
    call.SetTaskFlag(3, 0);
    EXPECT_EQ(call.GetTaskFlag(3), 1);
    call.SetTaskFlag(teldrin::kTaskSetClock, 1);
    call.SetTaskFlag(teldrin::kTaskReadAllData, 1);
    call.RestoreTaskFlags();
    EXPECT_EQ(call.GetTaskFlag(teldrin::kTaskSetClock), 0);
    EXPECT_EQ(call.GetTaskFlag(teldrin::kTaskReadAllData), 0);
    EXPECT_EQ(call.lastStart, 100);
}

}  // namespace
