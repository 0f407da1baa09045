// Logger objects end to end against the simulator: the session start of every model, the queries that
// give the simulator's state back, the stored setups, setup 1 read back whole, and the hex-dump faults.
#include <gtest/gtest.h>

#include <functional>

#include "shared/link/session.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/time_zone.h"

namespace {

using testsupport::Transport;

const char* const kAllModels[] = {"standard",    "ornat1",       "ornat2",    "nimbo-combo2", "nimbo-current",
                                  "nimbo-pulse", "nimbo-combo1", "nimbo-ma",  "nimbo-vdc",    "nimbo-pvdc",
                                  "nimbo-4temp", "quarven-rs",   "quarven-kx"};

std::vector<std::uint8_t> Built(std::size_t size, const std::function<bool(std::span<std::uint8_t>)>& build) {
    std::vector<std::uint8_t> block(size);
    EXPECT_TRUE(build(block));
    return block;
}

// What a logger would be programmed with from each table, block by block.
void ExpectSameSetup(const CSetupTable& read, const CSetupTable& held, bool withNotes) {
    EXPECT_EQ(read.GetHeader(), held.GetHeader());
    EXPECT_EQ(read.GetChannelTypes(), held.GetChannelTypes());
    EXPECT_EQ(Built(read.GetLoggerChannelBlockSize(true),
                    [&](auto b) { return read.BuildLoggerChannelBlock(b, true); }),
              Built(held.GetLoggerChannelBlockSize(true),
                    [&](auto b) { return held.BuildLoggerChannelBlock(b, true); }));
    EXPECT_EQ(Built(read.GetLoggerLabelBlockSize(), [&](auto b) { return read.BuildLoggerLabelBlock(b); }),
              Built(held.GetLoggerLabelBlockSize(), [&](auto b) { return held.BuildLoggerLabelBlock(b); }));
    if (withNotes) {
        EXPECT_EQ(Built(read.GetLoggerNoteBlockSize(), [&](auto b) { return read.BuildLoggerNoteBlock(b); }),
                  Built(held.GetLoggerNoteBlockSize(), [&](auto b) { return held.BuildLoggerNoteBlock(b); }));
    }
    EXPECT_EQ(
        Built(CSetupTable::kLoggerAlarmBlockSize, [&](auto b) { return read.BuildLoggerAlarmBlock(b); }),
        Built(CSetupTable::kLoggerAlarmBlockSize, [&](auto b) { return held.BuildLoggerAlarmBlock(b); }));
}

class DataLoggerSessionTest : public testsupport::LoggerLinkFixture {};

TEST_P(DataLoggerSessionTest, EveryModelStartsItsSession) {
    for (const char* model : kAllModels) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        const LoggerState state = Logger().State();
        EXPECT_EQ(Object().GetTypeCode(), state.typeCode);  // a KX becomes 14 only here
        EXPECT_EQ(session_.GetLoggerType(), state.typeCode);
        EXPECT_EQ(Object().GetLoggerId(), state.loggerId);
        EXPECT_EQ(Object().GetDescription(), state.description);
        EXPECT_EQ(Object().GetFirmwareText(), state.firmwareText);
        EXPECT_EQ(Object().GetMemoryEnd(), state.memoryEnd);
        EXPECT_EQ(Object().GetRecordPointer(), state.recordPointer);
        EXPECT_EQ(Object().GetMemoryStart(), state.memoryStart);
        EXPECT_EQ(Object().GetSUTInfo(1)->setupName, "Active setup");
        EXPECT_TRUE(Object().GetSUTInfo(1)->headerValid);
        const std::string separator = state.typeCode >= kModelQuarvenRS ? " / " : "/";
        EXPECT_EQ(Object().GetTitleText(), state.loggerId + separator + state.firmwareText.substr(0, 9));
    }
    EXPECT_EQ(session_.GetModelName(), "Quarven KX");
    // The interface the Quarven names is the one it is reached through: USB on a cable.
    const bool cable = GetParam() == Transport::Pty;
    EXPECT_EQ(Object().GetInterfaceName(), cable ? "USB" : "Ethernet");
    EXPECT_EQ(session_.GetInterfaceKind(), cable ? 1 : 4);
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_P(DataLoggerSessionTest, QueriesGiveTheLoggersStateBack) {
    for (const char* model : {"standard", "ornat1", "nimbo-combo2", "quarven-rs", "quarven-kx"}) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        const bool standard = Object().GetTypeCode() == kModelStandard;
        Logger().ChangeState([](LoggerState& s) {
            s.recordPointer = s.memoryEnd - 0x100;
            s.wraps = true;
            s.scalars = {1.25f, 0.5f, s.scalars[2] == 0.0f ? 0.0f : 2.0f};
            s.supplyBytes = {100, 200};
            s.supplyFloats = {11.5f, 1.5f, 2.5f};
            s.setupMemory[0xB7E2] = 0x12;
            s.setupMemory[0xB7E3] = 0x34;
        });
        EXPECT_EQ(Run([this] { return Object().ReadStatus(); }), 1);
        EXPECT_TRUE(Object().IsWrapping());
        EXPECT_FALSE(Object().IsRecording());
        EXPECT_EQ(Object().GetRecordPointer(), Logger().State().typeCode >= 13
                                                   ? Logger().State().memoryEnd
                                                   : Logger().State().memoryEnd - 0x100);

        EXPECT_EQ(Run([this] { return Object().ReadScalars(); }), standard ? 0 : 1);
        EXPECT_FLOAT_EQ(Object().GetAScalar(), standard ? 0.0f : 1.25f);
        EXPECT_FLOAT_EQ(Object().GetVScalar(), standard ? 0.0f : 0.5f);
        EXPECT_FLOAT_EQ(Object().GetRScalar(), Object().GetTypeCode() >= 13 ? 2.0f : 0.0f);

        EXPECT_EQ(Run([this] { return Object().ReadSupplyVoltages(); }), 1);
        EXPECT_FLOAT_EQ(Object().GetBatteryReadings().batteryVolts, standard ? 11.5f : 100 * 0.01517f);
        if (standard) {
            EXPECT_FLOAT_EQ(Object().GetBatteryReadings().step, 2.5f);
        }

        int option = 0;
        EXPECT_EQ(Run([&] { return Object().ReadOptionByte(option); }), 1);
        const bool word = standard || Object().GetTypeCode() == 3;
        EXPECT_EQ(option, word ? 0x1234 : 0x12);

        EXPECT_EQ(Run([this] { return Object().StartRecording(); }), 1);
        EXPECT_TRUE(Logger().State().recording);
        EXPECT_TRUE(Object().IsRecording());
        EXPECT_EQ(Run([this] { return Object().ClearMemory(false); }), 1);
        EXPECT_TRUE(Logger().State().recording);  // recording again after the clear
        ExpectAnEmptyMemory();
        EXPECT_EQ(Run([this] { return Object().StopRecording(); }), 1);
        EXPECT_FALSE(Logger().State().recording);
        EXPECT_EQ(Run([this] { return Object().TestRam(); }), 1);
        EXPECT_EQ(Run([this] { return Object().ClearTotals(); }), 1);
        EXPECT_EQ(Run([this] { return Object().ClearPeak(); }), 1);
    }
}

TEST_P(DataLoggerSessionTest, TheClockIsLocalTimeUnderEveryZone) {
    struct Case {
        const char* model;
        const char* zone;
        const char* text;
        std::array<int, 6> fields;
    };
    // The simulator's clock stands at 2024-03-07 13:05:09 UTC; a standard logger keeps local time,
    // a Quarven keeps UTC and the object turns it into local time.
    const Case cases[] = {
        {"quarven-rs", testsupport::kUtc, "13:05:09 03/07/24", {2024, 3, 7, 13, 5, 9}},
        {"quarven-rs", testsupport::kNewYork, "08:05:09 03/07/24", {2024, 3, 7, 8, 5, 9}},
        {"standard", testsupport::kNewYork, "08:05:09 03/07/24", {24, 3, 7, 8, 5, 9}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.model) + " " + test.zone);
        testsupport::ScopedTimeZone zone(test.zone);
        ASSERT_TRUE(Start(test.model));
        std::string text;
        ASSERT_EQ(Run([&] { return Object().ReadClock(text); }), 1);
        EXPECT_EQ(text, test.text);
        EXPECT_EQ(Object().GetClock(), test.fields);
    }
}

TEST_P(DataLoggerSessionTest, TheStandardLoggerListsItsStoredSetups) {
    ASSERT_TRUE(Start("standard"));
    std::vector<std::string> list;
    ASSERT_EQ(Run([&] { return Object().ListStoredSetups(list); }), 1);
    const std::vector<std::string> expected = {"Active:\t\tActive setup", "Saved:\t\tSaved setup",
                                               "ROM  1:\t\tROM setup 1",  "ROM  2:\t\tROM setup 2",
                                               "ROM  3:\t\tROM setup 3",  "ROM  4:\t\tROM setup 4"};
    EXPECT_EQ(list, expected);
    const LoggerState state = Logger().State();
    for (int rom = 3; rom <= 6; ++rom) {
        ASSERT_TRUE(Object().GetSUTInfo(rom)->setupTable);
        ExpectSameSetup(*Object().GetSUTInfo(rom)->setupTable, state.setups.at(rom), true);
    }
    // A ROM image carries no memory pointers of this logger.
    EXPECT_EQ(Object().GetMemoryEnd(), state.memoryEnd);
}

TEST_P(DataLoggerSessionTest, SetupOneReadBackEqualsTheSetupTheLoggerHolds) {
    for (const char* model : kAllModels) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
        const CSUTInfo& info = *Object().GetSUTInfo(1);
        ASSERT_TRUE(info.setupTable);
        EXPECT_TRUE(info.channelsValid);
        EXPECT_EQ(info.alarmsValid, Object().HasAlarmBlock());
        ExpectSameSetup(*info.setupTable, Logger().State().setups.at(1),
                        Object().GetTypeCode() < kModelQuarvenRS);
    }
}

TEST_P(DataLoggerSessionTest, TheQuarvenReadsItsDemandWindowAndExtendedValuesInEitherReplyForm) {
    for (const bool entryLines : {false, true}) {
        SCOPED_TRACE(entryLines ? "an entry a line" : "one line");
        ASSERT_TRUE(Start("quarven-rs"));
        Logger().ChangeState([entryLines](LoggerState& s) {
            s.demandWindow = 30;
            if (entryLines) {
                UseEntryPerLineReplies(s);
            }
        });
        ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
        const CSUTExtendedData& extended = Object().GetSUTInfo(1)->setupTable->GetExtendedData();
        EXPECT_EQ(extended.GetDemandWindow(), 30u);
        EXPECT_FLOAT_EQ(extended.GetQuarvenValue(0), 1.5f);
        EXPECT_FLOAT_EQ(extended.GetQuarvenValue(7), 8.5f);
        EXPECT_FLOAT_EQ(extended.GetQuarvenValue(13), 14.5f);
        // The entries without values read as 0.
        EXPECT_FLOAT_EQ(extended.GetTimedValue(5), entryLines ? 0.0f : 17.5f);
        EXPECT_EQ(extended.GetTimedValueTime(0), 1709288100);  // 2024-03-01 10:15:00 UTC
        EXPECT_EQ(extended.GetTimedValueTime(5), 1709739000);  // 2024-03-06 15:30:00 UTC
    }
}

TEST_P(DataLoggerSessionTest, FaultyHexDumpsFailTheQueryAndTheNextOneWorks) {
    struct Case {
        const char* name;
        std::function<void(SimulatorFaults&)> fault;
    };
    const Case cases[] = {
        {"wrong checksum", [](SimulatorFaults& f) { f.wrongChecksums = 1; }},
        {"one byte short", [](SimulatorFaults& f) { f.shortDumps = 1; }},
        {"refused", [](SimulatorFaults& f) { f.refusedDumps = 1; }},
        {"bad checksum field", [](SimulatorFaults& f) { f.badChecksumFields = 1; }},
    };
    ASSERT_TRUE(Start("ornat1"));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SimulatorFaults faults = Logger().Faults();
        test.fault(faults);
        Logger().SetFaults(faults);
        EXPECT_EQ(Run([this] { return Object().ReadStatus(); }), 0);
        EXPECT_TRUE(Object().BlockData().empty());
        EXPECT_EQ(Run([this] { return Object().ReadStatus(); }), 1);
    }
}

TEST_P(DataLoggerSessionTest, TheCallScheduleComesFromTheScheduleAddress) {
    ASSERT_TRUE(Start("ornat1"));
    Logger().ChangeState([](LoggerState& s) {
        std::uint8_t* entry = s.setupMemory.data() + LoggerState::kScheduleAddress + 3;
        entry[0] = 0x10 | 0x04;  // in use, once a day, flag A
        entry[1] = 6;
        entry[2] = 30;
        std::copy_n("Site call", 9, s.setupMemory.begin() + LoggerState::kScheduleAddress + 96);
    });
    CallScheduleRecord record;
    std::tm date{};
    date.tm_year = 124;
    date.tm_mon = 2;
    date.tm_mday = 7;
    date.tm_wday = 4;
    ASSERT_EQ(Run([&] { return Object().ReadCallSchedule(record, date); }), 1);
    EXPECT_EQ(record.kind, 1);
    EXPECT_EQ(record.firstHour, 6);
    EXPECT_EQ(record.firstMinute, 30);
    EXPECT_TRUE(record.flagA);
    EXPECT_EQ(record.text, "Site call");
}

TEST_P(DataLoggerSessionTest, TheRealTimeSnapshotWalksTheWholeReply) {
    for (const char* model : {"ornat1", "nimbo-combo2", "standard"}) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        Logger().ChangeState([](LoggerState& s) { s.recordPointer = 0x6000; });
        ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
        ASSERT_EQ(Run([this] { return Object().ArmLogger(false); }), 1);
        EXPECT_EQ(Object().GetRecordPointer(), 0x6000u);
        EXPECT_EQ(Object().GetClock()[3], 13);  // the hour, under UTC
        EXPECT_EQ(Object().GetLoggerId(), Logger().State().loggerId);
        EXPECT_FALSE(Object().GetRealTimeValues().empty());
    }
}

TEST_P(DataLoggerSessionTest, PreparingRealTimeReadsSetupValuesStatusAndClock) {
    for (const char* model : {"standard", "ornat2", "nimbo-4temp", "quarven-kx"}) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        ASSERT_EQ(Run([this] { return Object().PrepareRealTimeRead(); }), 1);
        EXPECT_EQ(Object().GetRealTimeValues().size(),
                  static_cast<std::size_t>(Object().GetSUTInfo(1)->GetValueCount()));
        EXPECT_EQ(Object().GetClock()[4], 5);  // the minute
    }
}

TEST_P(DataLoggerSessionTest, AShortRealTimeReplyFailsTheSnapshot) {
    ASSERT_TRUE(Start("ornat1"));
    ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
    SimulatorFaults faults;
    faults.shortRealTime = 1;  // the reply came: no repeat, the decode fails
    Logger().SetFaults(faults);
    EXPECT_EQ(Run([this] { return Object().ArmLogger(true); }), 0);
    EXPECT_EQ(Run([this] { return Object().ArmLogger(true); }), 1);
}

TEST_P(DataLoggerSessionTest, AClockReplyThatDoesNotParseFails) {
    ASSERT_TRUE(Start("quarven-rs"));
    SimulatorFaults faults;
    faults.corruptReplies = 1;
    Logger().SetFaults(faults);
    std::string text;
    EXPECT_EQ(Run([&] { return Object().ReadClock(text); }), 0);
    EXPECT_EQ(Object().GetClock(), (std::array<int, 6>{}));
    // Nor does a universal time that names no moment: it is never carried over into another one.
    Logger().SetFaults({});
    for (const char* reply : {"25:30:00 12/31/26", "12:00:00 13/01/26", "12:00:00 02/30/26"}) {
        Logger().ChangeState([reply](LoggerState& s) { s.queryReplies["C?"] = reply; });
        EXPECT_EQ(Run([&] { return Object().ReadClock(text); }), 0) << reply;
    }
    EXPECT_EQ(Object().GetClock(), (std::array<int, 6>{}));
}

TEST_P(DataLoggerSessionTest, ARomTableOfTenWordsFillsOnlyTheFourRomSetups) {
    ASSERT_TRUE(Connect("standard"));
    Logger().ChangeState([](LoggerState& s) {
        while (s.romTable.size() < 10) {
            s.romTable.push_back(static_cast<std::uint16_t>(s.romTable.back() + 0x10));
        }
    });
    ASSERT_EQ(Run([this] { return Object().InitializeSession(); }), 1);
    const LoggerState state = Logger().State();
    for (int rom = 0; rom < 4; ++rom) {
        EXPECT_EQ(Object().GetSUTInfo(3 + rom)->blockAddress, state.romTable[static_cast<std::size_t>(rom)]);
    }
    EXPECT_EQ(Object().GetSUTInfo(7), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Links, DataLoggerSessionTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
