// The call-schedule decode, the firmware feature tests and the key-and-value items of "L?" replies.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shared/logger/call_schedule.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/reply_field.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Schedule(std::initializer_list<std::array<std::uint8_t, 4>> entries, const std::string& text = "Calls") {
    Bytes block(CallScheduleRecord::kBlockSize, 0);
    for (const auto& [index, flags, hour, minute] : entries) {
        std::uint8_t* entry = block.data() + 3 + 3 * index;
        entry[0] = flags;
        entry[1] = hour;
        entry[2] = minute;
    }
    std::copy(text.begin(), text.end(), block.begin() + CallScheduleRecord::kTextOffset);
    return block;
}

// Thursday 7 March 2024.
std::tm Date() {
    std::tm date{};
    date.tm_year = 124;
    date.tm_mon = 2;
    date.tm_mday = 7;
    date.tm_wday = 4;
    return date;
}

TEST(CallScheduleTest, KindsAndFlagsFromTheFirstEntryInUse) {
    struct Case {
        const char* name;
        Bytes block;
        int kind;
        int firstHour, firstMinute, secondHour, secondMinute;
        bool a, b, c;
    };
    const Case cases[] = {
        {"once, flag A", Schedule({{{0, 0x10, 6, 30}}}), 1, 6, 30, 0, 0, true, false, false},
        {"low bits 1 give the day list", Schedule({{{2, 0x11, 7, 15}}}), 4, 0, 0, 0, 0, true, false, false},
        {"second time, flag B", Schedule({{{0, 0x0B, 22, 5}}}), 2, 0, 0, 22, 5, false, true, false},
        {"bit 2 sets B and C", Schedule({{{0, 0x04, 1, 2}}}), 1, 1, 2, 0, 0, false, true, true},
        {"bits 2 and 3 together are cleared", Schedule({{{0, 0x0C, 1, 2}}}), 0, 0, 0, 0, 0, false, false, false},
        {"hour and minute out of range", Schedule({{{0, 0x04, 24, 60}}}), 1, 0, 0, 0, 0, false, true, true},
        {"nothing in use", Schedule({{{0, 0x03, 1, 2}}}), 0, 0, 0, 0, 0, false, false, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        CallScheduleRecord record;
        ASSERT_TRUE(DecodeCallSchedule(record, test.block, Date()));
        EXPECT_EQ(record.kind, test.kind);
        EXPECT_EQ(record.firstHour, test.firstHour);
        EXPECT_EQ(record.firstMinute, test.firstMinute);
        EXPECT_EQ(record.secondHour, test.secondHour);
        EXPECT_EQ(record.secondMinute, test.secondMinute);
        EXPECT_EQ(record.flagA, test.a);
        EXPECT_EQ(record.flagB, test.b);
        EXPECT_EQ(record.flagC, test.c);
    }
}

TEST(CallScheduleTest, TheDayListKeepsOnlyEntriesInUse) {
    CallScheduleRecord record;
    ASSERT_TRUE(DecodeCallSchedule(record, Schedule({{{0, 0x05, 7, 15}}, {{1, 0x01, 8, 0}}}), Date()));
    EXPECT_EQ(record.kind, 4);
    EXPECT_EQ(record.block[3], 0x05);
    EXPECT_EQ(record.block[6], 0);  // not in use: zeroed
}

TEST(CallScheduleTest, DaysOfTheMonthSpreadOverTheWeek) {
    CallScheduleRecord record;
    // Day 8 is a Friday; day 1 comes after the end of March: 25 days on from Thursday 7, a Monday.
    ASSERT_TRUE(DecodeCallSchedule(record, Schedule({{{7, 0x06, 9, 45}}, {{0, 0x06, 10, 0}}}), Date()));
    EXPECT_EQ(record.kind, 3);
    EXPECT_EQ(record.days[5], (std::array<std::uint8_t, 3>{0x06, 9, 45}));
    EXPECT_EQ(record.days[1], (std::array<std::uint8_t, 3>{0x06, 10, 0}));
    EXPECT_EQ(record.block[3], 0);  // kinds 1 to 3 keep no entries
}

TEST(CallScheduleTest, ATextWithAControlCharacterIsCleared) {
    CallScheduleRecord record;
    ASSERT_TRUE(DecodeCallSchedule(record, Schedule({}, "Site\tcall"), Date()));
    EXPECT_EQ(record.text, "");
    EXPECT_EQ(record.block[CallScheduleRecord::kTextOffset], 0);
    ASSERT_TRUE(DecodeCallSchedule(record, Schedule({}, "Site call"), Date()));
    EXPECT_EQ(record.text, "Site call");
    EXPECT_FALSE(DecodeCallSchedule(record, Bytes(143, 0), Date()));
}

TEST(FirmwareFeaturesTest, ByTypeAndFirmware) {
    struct Case {
        bool (*test)(int, int);
        int type;
        int firmware;
        bool result;
    };
    const Case cases[] = {
        {IsAutoFrequencySupported, 13, 0, true},    {IsAutoFrequencySupported, 13, 250, false},
        {IsAutoFrequencySupported, 13, 300, true},  {IsAutoFrequencySupported, 12, 300, false},
        {IsDemandWindowSupported, 14, 303, false},  {IsDemandWindowSupported, 14, 302, true},
        {IsDemandWindowSupported, 14, 300, false},  {IsLargeFirmwareBlockSupported, 13, 269, false},
        {IsLargeFirmwareBlockSupported, 13, 267, true}, {SupportsLineMode, 13, 265, true},
        {SupportsLineMode, 13, 264, false},         {SupportsLineMode, 0, 400, false},
        {IsModuleTextSupported, 14, 360, true},     {IsModuleTextSupported, 14, 359, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::to_string(test.type) + "/" + std::to_string(test.firmware));
        EXPECT_EQ(test.test(test.type, test.firmware), test.result);
    }
}

TEST(ReplyFieldTest, ItemsOffTheFront) {
    std::string reply = " IP_Address=192.168.1.10,SSID=\"North, east\",Key\tA=1\r\nLast=";
    std::vector<std::pair<std::string, std::string>> items;
    std::string key;
    std::string value;
    while (ParseReplyField(reply, key, value)) {
        items.emplace_back(key, value);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"IP Address:", "192.168.1.10"}, {"SSID:", "North, east"}, {"Key:\tA", "1\r\nLast="}};
    EXPECT_EQ(items, expected);
    std::string none = "   ";
    EXPECT_FALSE(ParseReplyField(none, key, value));
}

}  // namespace
