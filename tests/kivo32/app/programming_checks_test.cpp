// The checks before a setup table is programmed: times against the logger's clock, the model, the
// firmware rules, the analog scalings of type 14 and an active channel, with a scripted user.
#include "kivo32/app/programming_checks.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "kivo32/app/app_ids.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/interval_codes.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr std::int64_t kLoggerClock = 1'700'000'000;

class ScriptedDialogue : public ProgrammingDialogue {
public:
    void Tell(unsigned messageId) override { told.push_back(messageId); }
    bool Confirm(unsigned messageId) override {
        asked.push_back(messageId);
        return Answer();
    }
    bool ConfirmText(const std::string& text) override {
        askedTexts.push_back(text);
        return Answer();
    }
    std::optional<std::int64_t> ReadLoggerClock() override {
        ++clockReads;
        return clock;
    }
    void ShowModelMismatch(int loggerTypeCode, int setupModelCode) override {
        mismatch = {loggerTypeCode, setupModelCode};
    }

    std::deque<bool> answers;
    std::optional<std::int64_t> clock = kLoggerClock;
    std::vector<unsigned> told;
    std::vector<unsigned> asked;
    std::vector<std::string> askedTexts;
    int clockReads = 0;
    std::vector<int> mismatch;

private:
    bool Answer() {
        EXPECT_FALSE(answers.empty()) << "a question the test did not expect";
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A setup of `model` with one hardware channel in use, at `seconds` a record.
CSetupTable MakeSetup(int model, long seconds = 900) {
    CSetupTable setup;
    setup.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(SecondsToIntervalCode(seconds)));
    setup.GetHardwareChannel(0).SetType(1);
    return setup;
}

ProgrammedLogger Logger(int typeCode, int firmware, std::string lineFrequency = "50") {
    return {typeCode, firmware, std::move(lineFrequency)};
}

TEST(ProgrammingChecksTest, IntervalsBelowAMinuteAreRefusedOnlyForTypes0And2BelowTheirFirmware) {
    const struct {
        long seconds;
        int typeCode;
        int firmware;
        unsigned refusal;
    } cases[] = {
        {30, 0, 131, IDP_SHORT_INTERVAL_NOT_SUPPORTED},
        {30, 0, 132, 0},
        {30, 2, 114, IDP_SHORT_INTERVAL_NOT_SUPPORTED},
        {30, 2, 115, 0},
        // The other models take short intervals whatever their firmware.
        {30, 1, 10, 0},
        {30, 3, 10, 0},
        {10, 13, 347, 0},
        {10, 13, 100, IDP_TEN_SECONDS_NOT_SUPPORTED},
        {10, 14, 346, IDP_TEN_SECONDS_NOT_SUPPORTED},
        {10, 13, 99, 0},
        {10, 2, 100, IDP_SHORT_INTERVAL_NOT_SUPPORTED},
        {60, 0, 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntervalRefusal(c.seconds, c.typeCode, c.firmware), c.refusal)
            << c.seconds << " s, type " << c.typeCode << ", firmware " << c.firmware;
    }
}

TEST(ProgrammingChecksTest, FirmwareLevelsOfAlarmsTimesAndExtendedFeatures) {
    EXPECT_FALSE(AlarmsSupported(1, 999));
    EXPECT_FALSE(AlarmsSupported(2, 120));
    EXPECT_TRUE(AlarmsSupported(2, 121));
    EXPECT_FALSE(AlarmsSupported(10, 95));
    EXPECT_TRUE(AlarmsSupported(6, 96));
    EXPECT_TRUE(AlarmsSupported(7, 1));
    EXPECT_FALSE(StartStopTimesSupported(0, 132));
    EXPECT_TRUE(StartStopTimesSupported(0, 133));
    EXPECT_FALSE(StartStopTimesSupported(2, 51));
    EXPECT_FALSE(StartStopTimesSupported(10, 148));
    EXPECT_TRUE(StartStopTimesSupported(13, 1));
    EXPECT_FALSE(ExtendedFeaturesSupported(1, 153));
    EXPECT_TRUE(ExtendedFeaturesSupported(2, 154));
    EXPECT_TRUE(ExtendedFeaturesSupported(3, 1));
}

TEST(ProgrammingChecksTest, AShortIntervalOnALoggerThatTakesItIsProgrammed) {
    CSetupTable setup = MakeSetup(3, 30);
    ScriptedDialogue user;
    EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(3, 50), user));
    EXPECT_TRUE(user.told.empty());
}

TEST(ProgrammingChecksTest, StartAndStopTimesAgainstTheLoggerClock) {
    const auto start = [](CSetupTable& s) -> std::uint32_t { return s.GetExtendedData().GetStartTime(); };
    const auto stop = [](CSetupTable& s) -> std::uint32_t { return s.GetExtendedData().GetStopTime(); };
    const auto ring = [](CSetupTable& s) {
        return (s.GetHeader().GetOptionByte() & CSUTHeader::kOptionRingMemory) != 0;
    };
    const auto future = static_cast<std::uint32_t>(kLoggerClock + 3600);
    const auto past = static_cast<std::uint32_t>(kLoggerClock - 3600);

    {  // A stop before the start is refused before the clock is read.
        CSetupTable setup = MakeSetup(2);
        setup.GetExtendedData().SetStartTime(future);
        setup.GetExtendedData().SetStopTime(future);
        ScriptedDialogue user;
        EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(2, 200), user));
        EXPECT_EQ(user.told, std::vector<unsigned>{IDP_STOP_NOT_AFTER_START});
        EXPECT_EQ(user.clockReads, 0);
    }
    {  // A start in the past answered with OK clears the stop time too.
        CSetupTable setup = MakeSetup(2);
        setup.GetExtendedData().SetStartTime(past);
        setup.GetExtendedData().SetStopTime(future);
        ScriptedDialogue user;
        user.answers = {true};
        EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(2, 200), user));
        EXPECT_EQ(user.asked, std::vector<unsigned>{IDP_START_TIME_PASSED});
        EXPECT_EQ(start(setup), 0u);
        EXPECT_EQ(stop(setup), 0u);
    }
    {  // A stop in the past: no stop, ring memory.
        CSetupTable setup = MakeSetup(2);
        setup.GetExtendedData().SetStopTime(past);
        ScriptedDialogue user;
        user.answers = {true};
        EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(2, 200), user));
        EXPECT_EQ(user.asked, std::vector<unsigned>{IDP_STOP_TIME_PASSED});
        EXPECT_EQ(stop(setup), 0u);
        EXPECT_TRUE(ring(setup));
    }
    {  // Cancel keeps the logger as it is.
        CSetupTable setup = MakeSetup(2);
        setup.GetExtendedData().SetStartTime(past);
        ScriptedDialogue user;
        user.answers = {false};
        EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(2, 200), user));
    }
    {  // A clock that cannot be read ends the command.
        CSetupTable setup = MakeSetup(2);
        setup.GetExtendedData().SetStartTime(future);
        ScriptedDialogue user;
        user.clock = std::nullopt;
        EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(2, 200), user));
    }
    {  // Future times on a logger too old for them: OK drops both and records in ring memory.
        CSetupTable setup = MakeSetup(5);
        setup.GetExtendedData().SetStartTime(future);
        setup.GetExtendedData().SetStopTime(future + 60);
        ScriptedDialogue user;
        user.answers = {true};
        EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(5, 148), user));
        EXPECT_EQ(user.asked, std::vector<unsigned>{IDP_TIMES_NOT_SUPPORTED});
        EXPECT_EQ(start(setup), 0u);
        EXPECT_EQ(stop(setup), 0u);
        EXPECT_TRUE(ring(setup));
    }
}

TEST(ProgrammingChecksTest, ASetupOfAnotherModelIsRefusedWithTheMismatchNotice) {
    CSetupTable setup = MakeSetup(3);
    ScriptedDialogue user;
    EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(2, 200), user));
    EXPECT_EQ(user.mismatch, (std::vector<int>{2, 3}));
}

TEST(ProgrammingChecksTest, AlarmsAndExtendedFeaturesTheFirmwareLacks) {
    {  // Alarms are told about, and programming goes on.
        CSetupTable setup = MakeSetup(2);
        setup.SetAlarmsInUse(true);
        ScriptedDialogue user;
        EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(2, 120), user));
        EXPECT_EQ(user.told, std::vector<unsigned>{IDP_ALARMS_NOT_SUPPORTED});
    }
    {  // Extended features: Cancel ends.
        CSetupTable setup = MakeSetup(1);
        setup.GetExtendedData().SetTimeSetting(1);
        ScriptedDialogue user;
        user.answers = {false};
        EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(1, 153), user));
        EXPECT_EQ(user.asked, std::vector<unsigned>{IDP_EXTENDED_FEATURES_NOT_SUPPORTED});
    }
}

TEST(ProgrammingChecksTest, AutomaticLineFrequencyOnFirmwareWithoutItBecomesTheDefaultFrequency) {
    for (const std::string& frequency : {std::string("60"), std::string("Auto")}) {
        CSetupTable setup = MakeSetup(13);
        setup.GetHeader().SetOptionByte(CSUTHeader::kOptionAutoLineFreq | CSUTHeader::kOption50Hz);
        ScriptedDialogue user;
        user.answers = {true};
        EXPECT_TRUE(CheckSetupForProgramming(setup, Logger(13, 1, frequency), user));
        ASSERT_EQ(user.askedTexts.size(), 1u);
        const std::uint8_t options = setup.GetHeader().GetOptionByte();
        EXPECT_EQ(options & CSUTHeader::kOptionAutoLineFreq, 0);
        // "Auto" is no frequency a logger can fall back to: it gets 50 Hz, and the question says so.
        const bool sixty = frequency == "60";
        EXPECT_EQ((options & CSUTHeader::kOption50Hz) != 0, !sixty) << frequency;
        EXPECT_NE(user.askedTexts[0].find(sixty ? " 60" : " 50"), std::string::npos) << user.askedTexts[0];
    }
}

TEST(ProgrammingChecksTest, AnalogScalingsOfType14NeedTwoDifferentPoints) {
    const struct {
        float lowSensor, lowOutput, highSensor, highOutput;
        bool programmed;
    } cases[] = {
        {4, 0, 20, 100, true},
        {4, 0, 4, 100, false},
        {4, 50, 20, 50, false},
    };
    for (const auto& c : cases) {
        CSetupTable setup = MakeSetup(14);
        CSUTChannelAnalog& input = setup.GetAnalogChannel(2);
        input.SetType(15);
        input.SetLowSensor(c.lowSensor);
        input.SetLowOutput(c.lowOutput);
        input.SetHighSensor(c.highSensor);
        input.SetHighOutput(c.highOutput);
        // An input that is off is not checked.
        setup.GetAnalogChannel(3).SetType(0);
        ScriptedDialogue user;
        EXPECT_EQ(CheckSetupForProgramming(setup, Logger(14, 400), user), c.programmed);
        EXPECT_EQ(user.told.empty(), c.programmed);
        if (!c.programmed) {
            EXPECT_EQ(user.told, std::vector<unsigned>{IDP_SCALING_POINTS_EQUAL});
        }
    }
}

TEST(ProgrammingChecksTest, ASetupWithoutAnActiveChannelIsRefused) {
    for (const int model : {2, 14}) {
        CSetupTable setup = MakeSetup(model);
        setup.GetHardwareChannel(0).SetType(0);
        ScriptedDialogue user;
        EXPECT_FALSE(CheckSetupForProgramming(setup, Logger(model, 400), user));
        EXPECT_EQ(user.told,
                  std::vector<unsigned>{model == 14 ? IDS_NO_ACTIVE_ANALOG_CHANNEL : IDS_NO_ACTIVE_CHANNEL});
    }
}

}  // namespace
