// The plan of a download of new data from the old file's facts: which files read on and from where,
// which ask first, and which stop with their question; and where a converted file's last record lies.
#include <gtest/gtest.h>

#include "shared/logger/new_data_plan.h"

namespace {

TEST(NewDataPlanTest, EachKindOfOldFileGetsItsStepAndQuestion) {
    struct Case {
        const char* name;
        NewDataFile file;
        NewDataPlan plan;
    };
    const auto file = [](bool sameSetup, bool converted, std::uint32_t position, std::uint32_t timeMark) {
        NewDataFile f;
        f.sameSetup = sameSetup;
        f.converted = converted;
        f.position = position;
        f.timeMark = timeMark;
        return f;
    };
    const Case cases[] = {
        {"goes on where the last download ended",
         file(true, false, 0x5F00, 812345),
         {NewDataStep::ReadOn, NewDataQuestion::None, 0x5F00, 812345}},
        {"a converted file is found by its time first",
         file(true, true, 0, 812345),
         {NewDataStep::FindByTimeMark, NewDataQuestion::ConvertedFile}},
        {"a converted file that holds a position is still found by its time",
         file(true, true, 0x5F00, 812345),
         {NewDataStep::FindByTimeMark, NewDataQuestion::ConvertedFile}},
        {"another setup stops before anything else",
         file(false, false, 0x5F00, 812345),
         {NewDataStep::Stop, NewDataQuestion::SetupMismatch}},
        {"another setup stops a converted file too",
         file(false, true, 0, 812345),
         {NewDataStep::Stop, NewDataQuestion::SetupMismatch}},
        {"no position", file(true, false, 0, 812345), {NewDataStep::Stop, NewDataQuestion::NoPointToGoOn}},
        {"no time mark", file(true, false, 0x5F00, 0), {NewDataStep::Stop, NewDataQuestion::NoPointToGoOn}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlanNewDataRead(c.file), c.plan);
    }
}

TEST(NewDataPlanTest, AConvertedFileOnceFoundIsPlannedAsAnyFile) {
    NewDataFile file;
    file.sameSetup = true;
    file.converted = true;
    file.timeMark = 812345;
    file.recordCount = 10;
    ASSERT_EQ(PlanNewDataRead(file).step, NewDataStep::FindByTimeMark);
    // What FindConvertedFileEnd leaves: the position found, the file no longer taken as converted.
    file.converted = false;
    file.position = ConvertedFileEnd(0x6000, 0x4000, false, 32, file.recordCount);
    EXPECT_EQ(PlanNewDataRead(file),
              (NewDataPlan{NewDataStep::ReadOn, NewDataQuestion::None, 0x6000 - 320, 812345}));
    // A file that reaches below the memory start has no point to go on from.
    file.position = ConvertedFileEnd(0x4100, 0x4000, false, 32, file.recordCount);
    EXPECT_EQ(PlanNewDataRead(file).question, NewDataQuestion::NoPointToGoOn);
}

TEST(NewDataPlanTest, AConvertedFilesLastRecordLiesItsRecordsBelowTheFoundTime) {
    struct Case {
        const char* name;
        std::int64_t readPosition;
        bool wrapping;
        long records;
        std::uint32_t end;
    };
    // Memory from 0x4000, records of 32 bytes.
    const Case cases[] = {
        {"below the found time", 0x6000, false, 10, 0x6000 - 320},
        {"exactly at the memory start", 0x4000 + 320, false, 10, 0x4000},
        {"one record below the memory start", 0x4000 + 288, false, 10, 0},
        {"a wrapping memory keeps the found position", 0x4100, true, 1000, 0x4100},
        {"an empty file", 0x6000, false, 0, 0x6000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ConvertedFileEnd(c.readPosition, 0x4000, c.wrapping, 32, c.records), c.end);
    }
}

}  // namespace
