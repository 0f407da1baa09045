// Start and stop times, memory time, alarm scaling and the peak-demand window of the setup form.
#include <gtest/gtest.h>

#include "kivo32/setuprules/alarm_rules.h"
#include "kivo32/setuprules/memory_time.h"
#include "kivo32/setuprules/peak_window_rules.h"
#include "kivo32/setuprules/setup_times.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "shared/setup/setup_table.h"
#include "tests/kivo32/setuprules/setuprules_texts.h"

namespace {

class SetupTimesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallSetupFormTexts(); }
};

TEST_F(SetupTimesTest, DateTimeCheckNamesTheFirstFieldOutOfRange) {
    struct Case {
        TimeFields fields;
        unsigned message;
        unsigned field;
        int high;
    };
    const Case cases[] = {
        {{1, 1, 100, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_YEAR, 99},
        {{13, 40, 26, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_MONTH, 12},
        {{2, 31, 26, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_DAY, 28},
        {{2, 30, 24, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_DAY, 29},
        {{4, 31, 26, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_DAY, 30},
        {{4, 0, 26, 0, 0, 0}, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_DAY, 30},
        {{4, 1, 26, 24, 0, 0}, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_HOUR, 23},
        {{4, 1, 26, 23, 60, 61}, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_MINUTE, 59},
        {{4, 1, 26, 23, 59, -1}, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_SECOND, 59},
    };
    for (const Case& c : cases) {
        const std::optional<DateTimeFault> fault = CheckDateTime(c.fields);
        ASSERT_TRUE(fault) << c.fields.month << "/" << c.fields.day;
        EXPECT_EQ(fault->messageId, c.message);
        EXPECT_EQ(fault->fieldNameId, c.field);
        EXPECT_EQ(fault->high, c.high);
        EXPECT_FALSE(TimeFromFields(c.fields));
    }
    EXPECT_EQ(DateTimeFaultText(*CheckDateTime({2, 31, 26, 0, 0, 0}), IDS_START_TIME_TITLE),
              "Start time: the day must lie between 1 and 28.");
    EXPECT_FALSE(CheckDateTime({12, 31, 0, 23, 59, 59}));
    EXPECT_FALSE(CheckDateTime({2, 29, 24, 0, 0, 0}));
}

TEST_F(SetupTimesTest, FieldsRoundTripThroughLocalTime) {
    const TimeFields fields{3, 14, 26, 9, 26, 0};
    const std::optional<std::time_t> time = TimeFromFields(fields);
    ASSERT_TRUE(time);
    std::tm local{};
    localtime_r(&*time, &local);
    const TimeFields back = FieldsFromTime(local, false);
    EXPECT_EQ(back.year, 26);
    EXPECT_EQ(back.day, 14);
    EXPECT_EQ(back.minute, 26);
    local.tm_sec = 42;
    EXPECT_EQ(FieldsFromTime(local, true).second, 0);
}

TEST_F(SetupTimesTest, DateOrderAndModes) {
    EXPECT_EQ(DateOrderFromFormat('d'), DateOrder::DayMonthYear);
    EXPECT_EQ(DateOrderFromFormat('y'), DateOrder::YearMonthDay);
    EXPECT_EQ(DateOrderFromFormat('M'), DateOrder::MonthDayYear);
    EXPECT_EQ(DateOrderFromFormat('x'), DateOrder::MonthDayYear);
    EXPECT_EQ(DateOrderLabel(DateOrder::DayMonthYear), "Date (dd/mm/yy):");
    EXPECT_EQ(StartModeFor(1, 5), 2);
    EXPECT_EQ(StartModeFor(-2, 5), 1);
    EXPECT_EQ(StartModeFor(1, 0), 1);
    EXPECT_EQ(StopModeFor(1, 7, 0), 5);
    EXPECT_EQ(StopModeFor(-1, 7, 0x20), 3);
    EXPECT_EQ(StopModeFor(1, 0, 0), 4);
}

TEST_F(SetupTimesTest, MemoryTimeTexts) {
    EXPECT_EQ(FormatRecordingDays(2.99), "3 days and 0 hours");
    EXPECT_EQ(FormatRecordingDays(100.5), "100 days and 12 hours");
    EXPECT_EQ(FormatRecordingDays(101.0), "101 days");
    EXPECT_EQ(FormatRecordingDays(0.0), "0 days and 0 hours");

    CSetupTable quarven;
    quarven.GetHeader().SetModelCode(13);
    quarven.GetHardwareChannel(0).SetType(1);
    const auto [first, second] = FormatMemoryTime(quarven, 0);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, "0 days and 0 hours");

    CSetupTable older;
    older.GetHeader().SetModelCode(2);
    older.GetHardwareChannel(0).SetType(1);
    const auto [small, large] = FormatMemoryTime(older, 0);
    EXPECT_NE(small, large);
    // A longer interval lasts longer.
    EXPECT_NE(FormatMemoryTime(older, 2).first, small);
    EXPECT_EQ(FormatMemoryTime(older, 200).first, "0 days and 0 hours");
}

TEST_F(SetupTimesTest, AlarmScaling) {
    CSUTAlarm alarm;
    alarm.SetHighLimit(2500.0f);
    alarm.SetLowLimit(-500.0f);
    alarm.SetLowAlarmOn(true);
    const AlarmDialogValues shown = AlarmToDialog(alarm, false, true);
    EXPECT_DOUBLE_EQ(shown.high, 2.5);
    EXPECT_DOUBLE_EQ(shown.low, -0.5);
    EXPECT_TRUE(shown.lowOn);
    AlarmDialogValues typed = shown;
    typed.high = 3.0;
    typed.highOn = true;
    DialogToAlarm(typed, false, true, alarm);
    EXPECT_FLOAT_EQ(alarm.GetHighLimit(), 3000.0f);
    EXPECT_TRUE(alarm.IsHighAlarmOn());

    // A counting alarm keeps a whole number, and never its low alarm.
    CSUTAlarm count;
    count.SetLowAlarmOn(true);
    count.SetHighCount(4000000000u);
    const AlarmDialogValues counted = AlarmToDialog(count, true, false);
    EXPECT_EQ(counted.count, 4000000000u);
    EXPECT_FALSE(counted.lowOn);
    AlarmDialogValues back = counted;
    back.lowOn = true;
    back.count = 17;
    DialogToAlarm(back, true, false, count);
    EXPECT_FALSE(count.IsLowAlarmOn());
    EXPECT_EQ(count.GetHighCount(), 17u);
}

TEST_F(SetupTimesTest, AlarmEditorsOfTheOptionBoxes) {
    const std::optional<AlarmEditor> kw = FindAlarmEditor(2, 1111, 1);
    ASSERT_TRUE(kw);
    EXPECT_EQ(kw->channel, 2);
    EXPECT_EQ(kw->alarm, 2);
    EXPECT_EQ(kw->titleId, 9238u);
    EXPECT_TRUE(kw->thousands);
    const std::optional<AlarmEditor> software = FindAlarmEditor(2, 1145, 0);
    ASSERT_TRUE(software);
    EXPECT_EQ(software->channel, 5);
    EXPECT_EQ(software->titleId, 9235u);
    const std::optional<AlarmEditor> pulse = FindAlarmEditor(5, 1100, 4);
    ASSERT_TRUE(pulse);
    EXPECT_TRUE(pulse->countMode);
    EXPECT_EQ(pulse->titleId, 9234u);
    EXPECT_EQ(FindAlarmEditor(3, 1091, 2)->titleId, 9233u);
    EXPECT_FALSE(FindAlarmEditor(5, 1101, 4));
    EXPECT_FALSE(FindAlarmEditor(13, 1091, 1));
    EXPECT_FALSE(FindAlarmEditor(2, 1090, 1));
}

TEST_F(SetupTimesTest, PeakWindowBoxesAndRecord) {
    CSetupTable table;
    table.GetHeader().SetModelCode(2);
    EXPECT_EQ(IsPeakWindowBox(2, 1135, table), 0);
    EXPECT_EQ(IsPeakWindowBox(2, 1134, table), -1);
    EXPECT_EQ(IsPeakWindowBox(5, 1135, table), -1);
    WritePeakWindow({6, false, 30}, table);
    EXPECT_EQ(IsPeakWindowBox(2, 1142, table), 1);
    EXPECT_EQ(IsPeakWindowBox(2, 1135, table), 0);
    EXPECT_EQ(table.GetExtendedData().GetTimeBlockByte2(), 30);
    WritePeakWindow({5, true, 15}, table);
    EXPECT_EQ(table.GetExtendedData().GetTimeBlockByte2(), 0x8F);
    const PeakWindowSettings read = ReadPeakWindow(table);
    EXPECT_EQ(read.channel, 5);
    EXPECT_TRUE(read.optionOff);
    EXPECT_EQ(read.minutes, 15);
    WritePeakWindow({0, true, 15}, table);
    EXPECT_EQ(table.GetExtendedData().GetTimeBlockByte2(), 0);
}

TEST_F(SetupTimesTest, WindowMinutes) {
    struct Case {
        const char* text;
        bool channel;
        bool accepted;
        int minutes;
        unsigned message;
    };
    for (const Case& c :
         {Case{"7", true, false, 0, IDS_PEAK_NOT_A_LENGTH}, Case{"90", true, false, 0, IDS_PEAK_TOO_LONG},
          Case{"30", true, true, 30, 0}, Case{"30 min", true, true, 30, 0},
          Case{"0", true, false, 0, IDS_PEAK_NOT_A_LENGTH}, Case{"", true, false, 0, IDS_PEAK_NOT_A_LENGTH},
          Case{"", false, true, 0, 0}, Case{"90", false, true, 90, 0}, Case{"7", false, true, 7, 0}}) {
        const WindowLengthCheck check = GetWindowMinutes(c.text, "min", c.channel);
        EXPECT_EQ(check.accepted, c.accepted) << c.text;
        EXPECT_EQ(check.minutes, c.minutes) << c.text;
        EXPECT_EQ(check.messageId, c.message) << c.text;
    }
}

}  // namespace
