// The small commands end to end: farewell, echo mode, AT mode, terminal, A/D counts, schedule clear,
// option byte, read range, setup activation, configuration table, record queries, memory reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "shared/common/signal_calculations.h"
#include "shared/link/session.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/raw_download_file.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/temp_folder.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/dc_inputs.h"
#include "tools/loggersim/waveform_reply.h"

namespace {

using testsupport::Transport;

class SmallCommandsTest : public testsupport::LoggerLinkFixture {
protected:
    CDataLoggerQuarvenRSorKX& Quarven() { return dynamic_cast<CDataLoggerQuarvenRSorKX&>(Object()); }
    // A memory never written, each byte the low byte of its address, logged down to 0x5000.
    void UseUnwrittenMemory() {
        Logger().ChangeState([](LoggerState& s) {
            FillUnwrittenDataMemory(s);
            s.recordPointer = 0x5000;
        });
    }
};

TEST_P(SmallCommandsTest, TheFarewellByModel) {
    struct Case {
        const char* model;
        bool farewell;
    };
    // The standard logger is only left; an Ornat from firmware 115, a Nimbo and a Quarven are told.
    const Case cases[] = {{"standard", false}, {"ornat1", true}, {"nimbo-pulse", true}, {"quarven-rs", true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.model);
        ASSERT_TRUE(Start(test.model));
        // The farewell's answer never comes.
        EXPECT_EQ(RunThroughSilences([this] { return Object().Disconnect(1); }), 1);
        EXPECT_TRUE(link_->IsSessionEnded());
        if (test.farewell) {
            EXPECT_TRUE(Eventually([this] { return Logger().IsAsleep(); }));
        } else {
            EXPECT_FALSE(Logger().IsAsleep());
        }
        const int commands = Logger().CommandCount();
        EXPECT_EQ(Run([this] { return Object().Disconnect(1); }), 1);  // once per link
        EXPECT_EQ(Logger().CommandCount(), commands);
    }
}

TEST_P(SmallCommandsTest, ModesAndOneLineCommands) {
    ASSERT_TRUE(Start("standard"));
    const int before = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().EnableAtMode() && Object().DisableAtMode(); }), 1);
    EXPECT_EQ(Run([this] { return Object().ReadScalars(); }), 0);
    EXPECT_EQ(Logger().CommandCount(), before);  // the standard logger needs neither

    EXPECT_EQ(Run([this] { return Object().ClearCallSchedule(); }), 1);
    // 500 V at the logger's 0.425 V a count.
    Logger().ChangeState([](LoggerState& s) { ApplyDcInputs(s, {.volts = 500, .ampSource = 0.5F}); });
    std::string counts;
    EXPECT_EQ(Run([&] { return Object().ReadADCounts(counts, 20); }), 1);
    EXPECT_EQ(counts, "1176");
    std::string reply;
    EXPECT_EQ(Run([&] { return Object().SendTerminalCommand("c?", reply); }), 1);
    EXPECT_EQ(reply, "13:05:09 03/07/24\r\n>");  // typed in lower case, sent in capitals

    EXPECT_EQ(Run([this] { return Object().WriteOptionByte(0xA5); }), 1);
    EXPECT_EQ(Logger().State().setupMemory[CDataLogger::kOptionByteAddress], 0xA5);

    EXPECT_EQ(Run([this] { return Object().ActivateSetup(2, false); }), 0);
    EXPECT_EQ(Run([this] { return Object().ActivateSetup(1, false); }), 1);
    EXPECT_TRUE(Object().IsRecording());

    EXPECT_EQ(Run([this] { return Object().SetEchoMode(false); }), 1);
    EXPECT_EQ(session_.GetSendMode(), SEND_MODE_LINE);
    EXPECT_FALSE(Logger().IsEchoOn());
    EXPECT_EQ(Run([this] { return Object().SetEchoMode(true); }), 1);
    EXPECT_EQ(session_.GetSendMode(), SEND_MODE_ECHO);
}

TEST_P(SmallCommandsTest, ClearingTheMemory) {
    ASSERT_TRUE(Start("nimbo-combo1"));
    const auto pointer = [this] { return Logger().State().recordPointer; };
    const std::uint32_t before = pointer();

    // Ctrl+Shift held: "E!" in place of "G!", and nothing at all when recording is to stay stopped.
    app_.Set(CAppContext::Flag::CtrlShiftHeld, true);
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().ClearMemory(true); }), 1);
    EXPECT_EQ(Logger().CommandCount(), commands);
    EXPECT_EQ(Run([this] { return Object().ClearMemory(false); }), 1);
    EXPECT_EQ(pointer(), before);
    EXPECT_FALSE(Logger().State().recording);  // it was not recording, so it is stopped again

    app_.Set(CAppContext::Flag::CtrlShiftHeld, false);
    EXPECT_EQ(Run([this] { return Object().ClearMemory(true); }), 1);
    EXPECT_EQ(pointer(), Logger().State().memoryEnd);
    EXPECT_TRUE(Logger().State().recording);  // left as "G!" leaves it

    // A clear that gets no answer fails, although the logger is stopped again as it was.
    Logger().ChangeState([](LoggerState& s) { s.recording = false; });
    SimulatorFaults faults;
    faults.silentCommand = "G!";
    Logger().SetFaults(faults);
    EXPECT_EQ(RunThroughSilences([this] { return Object().ClearMemory(false); }), 0);
    EXPECT_FALSE(Logger().State().recording);
}

TEST_P(SmallCommandsTest, AMemoryWordIsTheChecksumOfTheRange) {
    ASSERT_TRUE(Start("ornat1"));
    const LoggerState state = Logger().State();
    const std::span<const std::uint8_t> setup(state.setupMemory.data() + LoggerState::kActiveSetupAddress,
                                              58);
    std::uint16_t word = 0;
    ASSERT_EQ(Run([&] { return Object().ReadMemoryWord(LoggerState::kActiveSetupAddress, 58, word); }), 1);
    EXPECT_EQ(word, BlockChecksum(setup));
}

TEST_P(SmallCommandsTest, ReadRangeKeepsTheFirstAddressUnlessTheMemoryWraps) {
    ASSERT_TRUE(Start("ornat1"));
    Logger().ChangeState([](LoggerState& s) { s.readPosition = 0x00ABCD; });
    EXPECT_EQ(Run([this] { return Object().SendReadRange(0x4000, 0x5000); }), 1);
    EXPECT_EQ(Object().GetReadPosition(), 0x4000u);
    Logger().ChangeState([](LoggerState& s) { s.wraps = true; });
    ASSERT_EQ(Run([this] { return Object().ReadStatus(); }), 1);
    EXPECT_EQ(Run([this] { return Object().SendReadRange(0x4000, 0x5000); }), 1);
    EXPECT_EQ(Object().GetReadPosition(), 0x00ABCDu);
}

TEST_P(SmallCommandsTest, WaveformCaptureByFamily) {
    struct Case {
        const char* model;
        bool fiftyHz;
        int samples;
    };
    const Case cases[] = {{"standard", false, 256},
                          {"ornat1", true, 128},
                          {"ornat2", false, 128},
                          {"quarven-rs", false, 200},
                          {"quarven-kx", true, 240}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.model);
        ASSERT_TRUE(Start(test.model));
        Logger().ChangeState([&](LoggerState& s) {
            CSUTHeader& header = s.setups.at(1).GetHeader();
            const std::uint8_t others = header.GetOptionByte() & ~CSUTHeader::kOption50Hz;
            header.SetOptionByte(
                static_cast<std::uint8_t>(others | (test.fiftyHz ? CSUTHeader::kOption50Hz : 0)));
            s.waveform.flatChannels = {2};
        });
        ASSERT_EQ(WaveformSampleCount(Logger().State()), test.samples);
        ASSERT_EQ(Run([&] { return Object().ReadConfigValue(1, test.samples); }), 1);
        const ConfigTable& table = Object().GetConfigTable();
        // One nominal cycle of a sine: its zero crossings give the line frequency, whatever the count.
        std::vector<double> volts(table.voltage.begin(), table.voltage.begin() + test.samples);
        std::vector<double> amps(table.current.begin(), table.current.begin() + test.samples);
        CZeroCrossingHistory history;
        float frequency = 0;
        const double nominal = test.fiftyHz ? 50.0 : 60.0;
        ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, nominal, history, volts));
        EXPECT_NEAR(frequency, nominal, 0.05);
        EXPECT_TRUE(CalcZeroCrossingFrequency(frequency, nominal, history, amps));
        EXPECT_LT(*std::min_element(volts.begin(), volts.end()), -100);  // signed samples
        if (test.samples < 256) {
            EXPECT_EQ(table.voltage[static_cast<std::size_t>(test.samples)],
                      0);  // nothing beyond the capture
        }

        ASSERT_EQ(Run([&] { return Object().ReadConfigValue(2, test.samples); }), 1);
        EXPECT_TRUE(
            std::all_of(table.current.begin(), table.current.end(), [](std::int32_t v) { return v == 0; }));
        EXPECT_NE(table.voltage[3], 0);
    }
    ASSERT_TRUE(Start("nimbo-vdc"));
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().ReadConfigValue(0, 256); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(SmallCommandsTest, WaveformCaptureTakesATestsSamplesAndFailsCleanly) {
    ASSERT_TRUE(Start("quarven-rs"));
    Logger().ChangeState([](LoggerState& s) {
        CSUTHeader& header = s.setups.at(1).GetHeader();
        header.SetOptionByte(header.GetOptionByte() & ~CSUTHeader::kOption50Hz);  // 200 samples
        s.waveform.voltage = {-32768, 32767, -1};
        s.waveform.current = {-100000, 70000, -1};
    });
    ASSERT_EQ(Run([this] { return Object().ReadConfigValue(0, 200); }), 1);
    const ConfigTable& table = Object().GetConfigTable();
    EXPECT_EQ(table.voltage[0], -32768);
    EXPECT_EQ(table.voltage[1], 32767);
    EXPECT_EQ(table.current[0], -100000);
    EXPECT_EQ(table.current[1], 70000);
    EXPECT_EQ(table.current[2], -1);
    // Asking for more samples than came is a failed capture that leaves no old samples behind.
    EXPECT_EQ(Run([this] { return Object().ReadConfigValue(0, 240); }), 0);
    EXPECT_EQ(table.voltage[0], 0);
    SimulatorFaults faults;
    faults.wrongChecksums = 1;
    Logger().SetFaults(faults);
    EXPECT_EQ(Run([this] { return Object().ReadConfigValue(0, 200); }), 0);
}

TEST_P(SmallCommandsTest, QuarvenRecordQueriesAndModuleText) {
    ASSERT_TRUE(Start("quarven-kx"));
    const LoggerState state = Logger().State();
    std::uint32_t info = 1;
    EXPECT_EQ(Run([&] { return Quarven().ReadRecordInfo(true, info); }), 0);
    EXPECT_EQ(info, state.quarvenRecords.firstNumber);
    EXPECT_EQ(Run([this] { return Quarven().ReadRecordCount(-1); }), 250);
    EXPECT_EQ(Run([this] { return Quarven().ReadRecordCount(7); }), 243);  // from record 7 on
    EXPECT_EQ(Run([this] { return Quarven().ReadRecordSize(); }), state.recordSize);
    EXPECT_EQ(Run([this] { return Quarven().ReadRecordsAvailable(); }), state.recordsAvailable);
    Logger().SetFaults({.wrongChecksums = 1});
    EXPECT_EQ(Run([this] { return Quarven().ReadRecordCount(-1); }), -1);

    EXPECT_EQ(Run([this] { return Object().EnterModuleTerminal(); }), 1);
    EXPECT_EQ(Run([this] { return Object().QueryModuleText("ls"); }), "ls\r  \r\nconfig.txt\r\nwifly.img");
    std::string wifi;
    EXPECT_EQ(Run([&] { return Object().ReadWiFiStatus(wifi); }), 1);
    EXPECT_TRUE(wifi.starts_with("State=Associated,SSID=\"Site, north\",")) << wifi;
    EXPECT_TRUE(wifi.ends_with("\r\n")) << wifi;  // the reply's line end, without the prompt
    EXPECT_EQ(Run([this] { return Object().WriteConfiguration(0x0C); }), 1);
    EXPECT_EQ(Logger().State().configurationWord, 0x0C);
    EXPECT_EQ(Run([this] { return Object().ReadConfiguration(); }), 0x0C);
    EXPECT_EQ(Run([this] { return Quarven().SetReplyMode(false); }), 1);
    EXPECT_EQ(link_->GetReplyMode(), 'H');
}

TEST_P(SmallCommandsTest, ModuleTextNeedsFirmwareThatHasIt) {
    ASSERT_TRUE(Start("quarven-rs"));  // firmware 334
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().QueryModuleText("ls"); }), "!");
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(SmallCommandsTest, ADownloadReadsDownwardsAndWrapsAtTheMemoryStart) {
    ASSERT_TRUE(Start("ornat1"));
    UseUnwrittenMemory();
    testsupport::TempFolder folder;
    RawDownloadFile raw;
    ASSERT_EQ(raw.Create(folder / "site.dat", CDataInfo(), CSetupTable()), 0);
    const std::uintmax_t head = std::filesystem::file_size(raw.Path());
    // 0x300 bytes from 0x4100 down: 0x101 bytes reach the memory start 0x4000, the rest come from
    // the memory end 0xFFFF down.
    DownloadExchange told({});
    ASSERT_EQ(Run([&] { return Object().ReadMemoryToFile(raw, 0x4100, 0x300, false, told); }), 1);
    std::ifstream file(raw.Path(), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(head));
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 0x300u);
    EXPECT_EQ(bytes[0], 0x00);      // address 0x4100
    EXPECT_EQ(bytes[0x100], 0x00);  // address 0x4000
    EXPECT_EQ(bytes[0x101], 0xFF);  // address 0xFFFF
    EXPECT_EQ(bytes.back(), 0x01);  // address 0xFE01
    EXPECT_EQ(Object().GetDataInfo().GetLoggerMemoryPosition(), 0xFE01u);

    std::int64_t address = 0x4100;
    std::int64_t left = 0;
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([&] { return Object().ReadMemoryBlock(address, left, true); }), 0);  // nothing to ask for
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(SmallCommandsTest, ARecordValueIsItsLastThreeBytes) {
    ASSERT_TRUE(Start("ornat1"));
    UseUnwrittenMemory();
    ASSERT_EQ(Run([this] { return Object().ReadSetupBlocks(1); }), 1);
    const int size = Object().GetSUTInfo(1)->setupTable->GetRecordSize();
    ASSERT_GE(size, 3);
    std::uint32_t value = 0;
    DownloadExchange told({});
    // The record that ends at this address lies from it down to 0x5000.
    const std::int64_t end = 0x5000 + size - 1;
    ASSERT_EQ(Run([&] { return Object().ReadRecordValue(end, value, told); }), 1);
    EXPECT_EQ(value, 0x000102u);  // bytes of addresses 0x5000, 0x5001, 0x5002
    SimulatorFaults faults;
    faults.wrongChecksums = 1;
    Logger().SetFaults(faults);
    EXPECT_EQ(Run([&] { return Object().ReadRecordValue(end, value, told); }), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, SmallCommandsTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
