// The Quarven's "R?K" and "R?R" replies in each form the logger gives, and the replies that must fail
// without touching the extended data.
#include "shared/logger/quarven_extended_reply.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/setup/sut_extended_data.h"

namespace {

constexpr std::int64_t kFirstEntry = 1709288100;  // 2024-03-01 10:15:00 UTC
constexpr std::int64_t kSecondsADay = 86400;

TEST(QuarvenExtendedReplyTest, TimedValuesInEveryForm) {
    struct Case {
        const char* name;
        std::string reply;
        float lastValue;
    };
    const std::string dates[] = {"03/01/24,10:15:00", "03/02/24,10:15:00", "03/03/24,10:15:00",
                                 "03/04/24,10:15:00", "03/05/24,10:15:00", "03/06/24,10:15:00"};
    std::string oneLine, lines, mixed, trailingPrompt;
    for (int i = 0; i < 6; ++i) {
        oneLine += dates[i] + "," + std::to_string(i) + ".5;";
        lines += dates[i] + "\r\n";
        mixed += dates[i] + (i % 2 ? ";" : ",2.25\n");
    }
    const Case cases[] = {
        {"one line with values", oneLine, 5.5f},
        {"an entry a line without values", lines, 0.0f},
        {"separators mixed, some values", mixed, 0.0f},
        {"the prompt behind", lines + ">", 0.0f},
        {"blank lines between", "\r\n\r\n" + oneLine + "\r\n", 5.5f},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        CSUTExtendedData extended;
        ASSERT_TRUE(ParseQuarvenTimedValues(test.reply, extended));
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(extended.GetTimedValueTime(i), kFirstEntry + i * kSecondsADay);
        }
        EXPECT_FLOAT_EQ(extended.GetTimedValue(5), test.lastValue);
    }
}

TEST(QuarvenExtendedReplyTest, ExtraValuesOnOneLineOrTwo) {
    const std::string groupOne = "G1: A 1.5;B 2.5;C 3.5;D 4.5;E 5.5;F 6.5;G 7.5;";
    const std::string groupTwo = "G2: H 8.5;I 9.5;J 10.5;K 11.5;L 12.5;M 13.5;N 14.5";
    for (const std::string& reply :
         {groupOne + groupTwo + ";", groupOne + "\r\n" + groupTwo + ";\r\n>", groupOne + "\n" + groupTwo}) {
        SCOPED_TRACE(reply);
        CSUTExtendedData extended;
        ASSERT_TRUE(ParseQuarvenExtraValues(reply, extended));
        for (int i = 0; i < 14; ++i) {
            EXPECT_FLOAT_EQ(extended.GetQuarvenValue(i), 1.5f + static_cast<float>(i));
        }
    }
}

TEST(QuarvenExtendedReplyTest, ShortOrBrokenRepliesFailAndStoreNothing) {
    const std::string sixDates =
        "03/01/24,10:15:00;03/02/24,10:15:00;03/03/24,10:15:00;"
        "03/04/24,10:15:00;03/05/24,10:15:00;";
    const std::string timed[] = {
        "",
        sixDates,                                                // five entries
        sixDates + "garbage",                                    // the sixth is no date
        sixDates + ">03/06/24,10:15:00",                         // the sixth behind the prompt
        std::string(600, ';') + sixDates + "03/06/24,10:15:00",  // beyond the 511 characters read
    };
    for (const std::string& reply : timed) {
        SCOPED_TRACE(reply);
        CSUTExtendedData extended;
        extended.SetTimedValue(0, 9.0f, 7);
        EXPECT_FALSE(ParseQuarvenTimedValues(reply, extended));
        EXPECT_EQ(extended.GetTimedValueTime(0), 7);
        EXPECT_FLOAT_EQ(extended.GetTimedValue(0), 9.0f);
    }
    const std::string extra[] = {"", "G1: A 1.5;B 2.5;C 3.5;D 4.5;E 5.5;F 6.5;G 7.5;", "ERROR"};
    for (const std::string& reply : extra) {
        SCOPED_TRACE(reply);
        CSUTExtendedData extended;
        extended.SetQuarvenValue(0, 9.0f);
        EXPECT_FALSE(ParseQuarvenExtraValues(reply, extended));
        EXPECT_FLOAT_EQ(extended.GetQuarvenValue(0), 9.0f);
    }
}

}  // namespace
