// Programming a setup end to end: each model's setup written, activated and read back equal, the
// recording mode byte, a memory write that keeps failing, and the Quarven's demand window.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/program_texts.h"
#include "shared/setup/setup_codes.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/resource_texts.h"

namespace {

using testsupport::Transport;
using Bytes = std::vector<std::uint8_t>;

// The blocks a logger keeps of a setup, as the setup table builds them.
struct SetupImage {
    Bytes header;
    Bytes channels;
    Bytes labels;

    bool operator==(const SetupImage&) const = default;
};

SetupImage ImageOf(const CSetupTable& setup, bool quarven) {
    SetupImage image{Bytes(setup.GetLoggerHeaderBlockSize()), Bytes(setup.GetLoggerChannelBlockSize(quarven)),
                     Bytes(setup.GetLoggerLabelBlockSize())};
    setup.BuildLoggerHeaderBlock(image.header);
    setup.BuildLoggerChannelBlock(image.channels, quarven);
    setup.BuildLoggerLabelBlock(image.labels);
    return image;
}

// Status texts are the program's English ones.
class SetupWriteTest : public testsupport::LoggerLinkFixture {
protected:
    void SetUp() override {
        testsupport::LoggerLinkFixture::SetUp();
        SetProgramTexts(testsupport::LoadResourceTexts("en", "programming"));
    }
    void TearDown() override {
        testsupport::LoggerLinkFixture::TearDown();
        SetProgramTexts({});
    }

    // A setup unlike the one the simulator starts with: another name, interval and first label.
    CSetupTable NewSetup(const std::string& model, int intervalCode) {
        CSetupTable setup = SampleSetup(*FindLoggerModel(model), "Programmed");
        setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(intervalCode));
        setup.GetHardwareChannel(0).SetName("Feeder 2");
        return setup;
    }
};

TEST_P(SetupWriteTest, EachModelsSetupIsProgrammedAndReadBackEqual) {
    struct Case {
        const char* model;
        int intervalCode;
        int recordMode;  // the "#!" byte; -1 none
    };
    constexpr int k30Seconds = 11;
    constexpr int k60Seconds = 0;
    const Case cases[] = {
        {"standard", k30Seconds, 0x41}, {"standard", k60Seconds, 0x01}, {"ornat2", k30Seconds, 0x43},
        {"ornat1", k30Seconds, 0x41},   {"nimbo-combo1", 2, 0x01},      {"quarven-rs", 2, -1},
        {"quarven-kx", 2, -1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.model) + " " + std::to_string(test.intervalCode));
        ASSERT_TRUE(Start(test.model));
        const bool quarven = Logger().Model().typeCode >= kModelQuarvenRS;
        Logger().ChangeState([](LoggerState& s) {
            s.recording = false;
            s.recordPointer = s.memoryEnd - 0x100;
        });
        const CSetupTable setup = NewSetup(test.model, test.intervalCode);
        ASSERT_EQ(Run([&] { return Object().WriteSetup(&setup, 1, false); }), 1);

        const LoggerState state = Logger().State();
        EXPECT_EQ(state.recordMode, test.recordMode);
        EXPECT_TRUE(state.recording);  // the new setup records from the clear on
        EXPECT_TRUE(Object().IsRecording());
        ExpectAnEmptyMemory();
        if (!quarven) {
            // The memory models keep what they programmed; the Quarven reads it back when asked.
            ASSERT_NE(Object().GetSUTInfo(1)->setupTable, nullptr);
            EXPECT_EQ(Object().GetSUTInfo(1)->setupName, "Programmed");
        }

        // What the logger now holds, read afresh.
        Object().GetSUTInfo(1)->Clear();
        ASSERT_EQ(Run([this] { return Object().ReadSetupHeader(1) && Object().ReadSetupBlocks(1); }), 1);
        const CSUTInfo& read = *Object().GetSUTInfo(1);
        EXPECT_EQ(read.setupName, "Programmed");
        ASSERT_NE(read.setupTable, nullptr);
        EXPECT_EQ(ImageOf(*read.setupTable, quarven), ImageOf(setup, quarven));
    }
}

TEST_P(SetupWriteTest, TheStatusTellsWhichBlockGoes) {
    ASSERT_TRUE(Start("ornat2"));
    while (main_queue_.TryTake()) {
    }
    const CSetupTable setup = NewSetup("ornat2", 2);
    ASSERT_EQ(Run([&] { return Object().WriteSetup(&setup, 1, false); }), 1);
    std::vector<std::string> texts;
    while (auto message = main_queue_.TryTake()) {
        const std::string* text = platform::PayloadAs<std::string>(*message);
        if (message->wParam == STATUS_TEXT && text != nullptr) {
            texts.push_back(*text);
        }
    }
    // The sample setup has labels and notes; this Ornat keeps alarms and an extended setup.
    const std::vector<std::string> expected = {"Sending the setup header...",
                                               "Sending the channel setup...",
                                               "Sending the channel labels...",
                                               "Sending the channel notes...",
                                               "Sending the alarms...",
                                               "Sending the extended setup...",
                                               "Clearing the memory and starting the new setup..."};
    EXPECT_EQ(texts, expected);
}

TEST_P(SetupWriteTest, AChunkThatKeepsFailingStopsBeforeActivation) {
    ASSERT_TRUE(Start("ornat2"));
    const Bytes activeBefore = Logger().State().setupMemory;
    SimulatorFaults faults;
    faults.wrongMemoryChecksums = 4;
    Logger().SetFaults(faults);
    const CSetupTable setup = NewSetup("ornat2", 2);
    EXPECT_EQ(Run([&] { return Object().WriteSetup(&setup, 1, false); }), 0);
    const LoggerState state = Logger().State();
    EXPECT_EQ(state.recordMode, -1);  // nothing after the failed block
    const auto active = activeBefore.begin() + LoggerState::kActiveSetupAddress;
    EXPECT_TRUE(std::equal(active, active + LoggerState::kSetupAreaSize,
                           state.setupMemory.begin() + LoggerState::kActiveSetupAddress));
    EXPECT_EQ(Object().GetSUTInfo(1)->setupName, "Active setup");
}

TEST_P(SetupWriteTest, StoringASetupStartsNothing) {
    ASSERT_TRUE(Start("standard"));
    const CSetupTable setup = NewSetup("standard", 2);
    const Bytes before = Logger().State().setupMemory;
    ASSERT_EQ(Run([&] { return Object().WriteSetup(&setup, 2, false); }), 1);
    const LoggerState state = Logger().State();
    const auto active = before.begin() + LoggerState::kActiveSetupAddress;
    EXPECT_TRUE(std::equal(active, active + LoggerState::kSetupAreaSize,
                           state.setupMemory.begin() + LoggerState::kActiveSetupAddress));
    EXPECT_EQ(Object().GetSUTInfo(2)->setupName, "Programmed");
    EXPECT_EQ(Object().GetSUTInfo(1)->setupName, "Active setup");
}

TEST_P(SetupWriteTest, TheQuarvenTakesTheDemandWindowFromVersion200) {
    for (const int version : {199, 200}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(Start("quarven-rs"));
        session_.SetFirmwareVersion(version);
        Logger().ChangeState([](LoggerState& s) { s.demandWindow = 30; });
        CSetupTable setup = NewSetup("quarven-rs", 2);
        setup.GetExtendedData().SetDemandWindow(15);
        ASSERT_EQ(Run([&] { return Object().WriteSetup(&setup, 1, false); }), 1);
        EXPECT_EQ(Logger().State().demandWindow, version >= 200 ? 15 : 30);
    }
}

TEST_P(SetupWriteTest, AlarmsAndExtendedSetupGoToTheirSummarysArea) {
    struct Case {
        const char* model;
        bool written;  // the logger has the blocks
    };
    const Case cases[] = {{"ornat2", true}, {"nimbo-combo1", true}, {"standard", false}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.model);
        ASSERT_TRUE(Start(test.model));
        Logger().ChangeState([](LoggerState& s) { s.recording = true; });
        CSetupTable setup = NewSetup(test.model, 2);
        setup.SetAlarmsInUse(true);
        setup.GetExtendedData().SetDemandWindow(45);
        const int commands = Logger().CommandCount();
        ASSERT_EQ(
            Run([&] { return Object().WriteAlarms(&setup, 1) && Object().WriteExtendedSetup(&setup, 1); }),
            1);
        if (!test.written) {
            EXPECT_EQ(Logger().CommandCount(), commands);
            continue;
        }
        Bytes alarms(CSetupTable::kLoggerAlarmBlockSize);
        setup.BuildLoggerAlarmBlock(alarms);
        Bytes extended(CDataLogger::kExtendedSize);
        setup.BuildLoggerTimeBlock(extended);
        const LoggerState state = Logger().State();
        const auto active = state.setupMemory.begin() + LoggerState::kActiveSetupAddress;
        EXPECT_TRUE(std::equal(alarms.begin(), alarms.end(), active + CDataLogger::kAlarmOffset));
        EXPECT_TRUE(std::equal(extended.begin(), extended.end(), active + CDataLogger::kExtendedOffset));
        EXPECT_TRUE(state.recording);  // stopped for the writes and started again
    }
}

INSTANTIATE_TEST_SUITE_P(Links, SetupWriteTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
