// Tests of the setup table's file stream: golden streams, round trips, older versions, short input.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/binary_file.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "tests/shared/setup/golden_records.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Repeat;
using golden::Zeros;
using golden::operator+;

Bytes Stream(const CSetupTable& table, bool withAlarms = true, bool withExtended = true) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    table.Write(writer, withAlarms, withExtended);
    return bytes;
}

CSetupTable NewTable(int model) {
    CSetupTable table;
    table.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    return table;
}

// A table with a value other than the default in every record the model streams.
CSetupTable FilledTable(int model) {
    CSetupTable table = NewTable(model);
    CSUTHeader& header = table.GetHeader();
    header.SetSubText("LOGGER-7");
    header.SetHeaderText("Substation North");
    header.SetIntervalCode(9);
    header.SetOptionByte(0x97);
    header.SetFirmwareVersion(151);
    header.SetSetupTime(1700000000);
    for (int i = 0; i < kHardwareChannels; ++i) {
        CSUTChannelHardware& channel = table.GetHardwareChannel(i);
        channel.SetType(static_cast<std::uint8_t>(i + 1));
        channel.SetVHi('C');
        channel.SetPTRatio(2.5f + i);
        channel.SetPowerOptions(kQuantityPF, 0x0F);
        channel.SetName("Hardware " + std::to_string(i));
        channel.SetNote("Note " + std::to_string(i));
        channel.SetCTType(1);
        channel.SetPhaseShift(-3.25f);
    }
    for (int i = 0; i < kSoftwareChannels; ++i) {
        table.GetSoftwareChannel(i).SetType(5);
        table.GetSoftwareChannel(i).SetHardwareFlag(3, 1);
        table.GetSoftwareChannel(i).SetName("Software " + std::to_string(i));
    }
    for (int i = 0; i < kPulseChannels; ++i) {
        table.GetPulseChannel(i).SetType(10);
        table.GetPulseChannel(i).SetScale(0.5f);
    }
    for (int i = 0; i < kAnalogChannels; ++i) {
        table.GetAnalogChannel(i).SetType(16);
        table.GetAnalogChannel(i).SetUnits("bar");
    }
    table.GetHardwareAlarms(3).GetAlarm(5).SetHighLimit(42.0f);
    table.GetSoftwareAlarms(1).GetAlarm(0).SetLowAlarmOn(true);
    table.SetAlarmsInUse(true);
    table.GetExtendedData().SetStartTime(1700003600);
    table.GetExtendedData().SetQuarvenValue(3, 9.5f);
    return table;
}

class SetupTableStream : public ::testing::Test {
protected:
    testsupport::FakeAppContext context_;  // "60": a new header's option byte is 0xA0
    testsupport::ScriptedUiBroker boxes_;

    void SetUp() override {
        context_.defaultSUTLineFreq = "60";
        boxes_.SetDefaultAnswer(IDOK);
    }
};

TEST_F(SetupTableStream, NewTableStreamsByModel) {
    const auto header = [](int model) {
        Bytes bytes = golden::NewHeader(0xA0);
        bytes[35] = static_cast<std::uint8_t>(model);
        return bytes;
    };
    const Bytes tail = Repeat(golden::NewAlarmSet(), 6) + golden::NewExtended();
    const Bytes software = Repeat(golden::NewSoftware(), 2);

    for (int model : {0, 2, 10}) {
        SCOPED_TRACE(model);
        const Bytes expected = header(model) + Repeat(golden::NewHardwareOldForm(), 4) + software + tail;
        ASSERT_EQ(expected.size(), 1720u);
        EXPECT_EQ(Stream(NewTable(model)), expected);
    }
    const Bytes model13 =
        header(13) + Repeat(golden::NewHardware(), 4) + software + Repeat(golden::NewPulse(), 2) + tail;
    ASSERT_EQ(model13.size(), 1812u);
    EXPECT_EQ(Stream(NewTable(13)), model13);
    const Bytes model14 =
        header(14) + Repeat(golden::NewHardware(), 4) + software + Repeat(golden::NewAnalog(), 4) + tail;
    ASSERT_EQ(model14.size(), 1984u);
    EXPECT_EQ(Stream(NewTable(14)), model14);
}

TEST_F(SetupTableStream, SetupTableFileSizes) {
    testsupport::TempFolder folder;
    const struct {
        int model;
        std::uintmax_t size;
    } cases[] = {{0, 1762}, {13, 1854}, {14, 2026}};
    for (const auto& c : cases) {
        const std::filesystem::path path = folder / ("model" + std::to_string(c.model) + ".sut");
        {
            platform::BinaryFile file(path, platform::BinaryFile::Mode::Create);
            CFileHeader header;
            header.SetVersion(405);
            header.SetKind(CFileHeader::kKindSetupTable);
            ASSERT_TRUE(header.Write(file));
            ASSERT_TRUE(NewTable(c.model).Write(file, true, true));
        }
        EXPECT_EQ(std::filesystem::file_size(path), c.size) << c.model;

        platform::BinaryFile file(path, platform::BinaryFile::Mode::Read);
        CFileHeader header;
        CSetupTable table;
        ASSERT_TRUE(header.Read(file));
        ASSERT_TRUE(table.Read(file, header.GetVersion(), true, true, false));
        EXPECT_EQ(table.GetModelCode(), c.model);
        EXPECT_EQ(file.Position(), c.size);
    }
}

TEST_F(SetupTableStream, RoundTripKeepsEveryStreamedField) {
    for (int model : {0, 1, 4, 13, 14}) {
        SCOPED_TRACE(model);
        const CSetupTable source = FilledTable(model);
        const Bytes bytes = Stream(source);
        platform::ByteReader reader(bytes, platform::ByteOrder::Little);
        CSetupTable copy;
        ASSERT_TRUE(copy.Read(reader, 405, true, true, false));
        EXPECT_EQ(reader.remaining(), 0u);
        EXPECT_EQ(Stream(copy), bytes);
        EXPECT_TRUE(copy.Compare(source) || model < 13);  // below 13 the hardware tail is not stored
        EXPECT_EQ(copy.GetHardwareAlarms(3).GetAlarm(5).GetHighLimit(), 42.0f);
        EXPECT_TRUE(copy.IsAlarmsInUse());
        EXPECT_EQ(copy.GetExtendedData().GetQuarvenValue(3), 9.5f);
        EXPECT_EQ(copy.GetHeader().GetSetupTime(), 1700000000u);
    }
}

TEST_F(SetupTableStream, OldHardwareFormBelowModel13GetsTheDefaultTail) {
    const Bytes bytes = Stream(FilledTable(0));
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    CSetupTable copy = FilledTable(13);  // a table whose hardware tail held other values
    ASSERT_TRUE(copy.Read(reader, 405, true, true, false));
    for (int i = 0; i < kHardwareChannels; ++i) {
        EXPECT_EQ(copy.GetHardwareChannel(i).GetCTType(), 0);
        EXPECT_EQ(copy.GetHardwareChannel(i).GetPhaseShift(), 1.1f);
        EXPECT_EQ(copy.GetHardwareChannel(i).GetName(), "Hardware " + std::to_string(i));
    }
}

TEST_F(SetupTableStream, OnlyTheModelsOwnExtraChannelsAreStreamed) {
    const CSetupTable model14 = FilledTable(14);
    const Bytes bytes = Stream(model14);
    EXPECT_EQ(bytes.size(), CSetupTable::GetStreamSize(14, 405, true, true, false));
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    CSetupTable copy = FilledTable(13);
    ASSERT_TRUE(copy.Read(reader, 405, true, true, false));
    for (int i = 0; i < kAnalogChannels; ++i) {
        EXPECT_EQ(copy.GetAnalogChannel(i).GetUnits(), "bar");
    }
    for (int i = 0; i < kPulseChannels; ++i) {
        EXPECT_TRUE(copy.GetPulseChannel(i) == CSUTChannelPulse());
    }
}

TEST_F(SetupTableStream, StreamSizeByModelVersionAndParts) {
    const struct {
        int model;
        int version;
        bool alarms;
        bool extended;
        bool dataFile;
        std::size_t size;
    } cases[] = {
        {0, 405, true, true, false, 1720},  {13, 405, true, true, false, 1812},
        {14, 406, true, true, false, 1984}, {0, 306, false, true, true, 1288},
        {13, 306, false, true, true, 1380}, {14, 306, false, true, true, 1552},
        {14, 303, false, true, true, 1416}, {13, 402, true, false, false, 1616},
        {13, 403, true, true, false, 1700}, {2, 401, false, false, false, 1116},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CSetupTable::GetStreamSize(c.model, c.version, c.alarms, c.extended, c.dataFile), c.size)
            << c.model << " v" << c.version;
    }
}

TEST_F(SetupTableStream, OlderVersionsReadTheOldFormsAndDefaultTheRest) {
    // A version-402 setup file of model 13: old hardware records, alarms, no extended data.
    CSUTHeader header;
    header.SetModelCode(13);
    header.SetHeaderText("Old");
    Bytes headerBytes;
    platform::ByteWriter writer(headerBytes, platform::ByteOrder::Little);
    header.Write(writer);
    Bytes alarm = golden::NewAlarmSet();
    alarm[0] = 0x10;
    const Bytes bytes = headerBytes + Repeat(golden::NewHardwareOldForm(), 4) +
                        Repeat(golden::NewSoftware(), 2) + Repeat(golden::NewPulse(), 2) + Repeat(alarm, 6);

    CSetupTable table = FilledTable(13);
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    ASSERT_TRUE(table.Read(reader, 402, true, false, false));
    EXPECT_EQ(reader.remaining(), 0u);
    EXPECT_EQ(table.GetHeader().GetHeaderText(), "Old");
    EXPECT_EQ(table.GetHardwareChannel(0).GetPhaseShift(), 1.1f);
    EXPECT_TRUE(table.GetSoftwareAlarms(1).GetAlarm(0).IsLowAlarmOn());
    EXPECT_EQ(table.GetExtendedData().GetStartTime(), 0u);  // not in the file: the default
    EXPECT_EQ(table.GetExtendedData().GetQuarvenValue(3), 0.0f);

    // Version 401: neither alarms nor extended data.
    const Bytes v401 = Bytes(bytes.begin(), bytes.end() - 6 * 72);
    platform::ByteReader reader401(v401, platform::ByteOrder::Little);
    ASSERT_TRUE(table.Read(reader401, 401, false, false, false));
    EXPECT_FALSE(table.GetSoftwareAlarms(1).GetAlarm(0).IsLowAlarmOn());
}

TEST_F(SetupTableStream, TruncatedStreamFailsAndKeepsTheTable) {
    for (int model : {0, 13, 14}) {
        SCOPED_TRACE(model);
        const Bytes full = Stream(FilledTable(model));
        const CSetupTable before = FilledTable(model == 14 ? 13 : 14);
        const Bytes beforeBytes = Stream(before);
        for (std::size_t cut = 0; cut < full.size(); cut += (cut < 70 ? 1 : 13)) {
            const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
            platform::ByteReader reader(part, platform::ByteOrder::Little);
            CSetupTable table = before;
            ASSERT_FALSE(table.Read(reader, 405, true, true, false)) << cut;
            ASSERT_EQ(Stream(table), beforeBytes) << cut;
        }
    }
}

TEST_F(SetupTableStream, TruncatedFileFailsWithoutAMessage) {
    testsupport::TempFolder folder;
    const Bytes full = Stream(FilledTable(14));
    {
        platform::BinaryFile file(folder / "cut.sut", platform::BinaryFile::Mode::Create);
        file.Write(full.data(), full.size() - 1);
    }
    platform::BinaryFile file(folder / "cut.sut", platform::BinaryFile::Mode::Read);
    CSetupTable table;
    EXPECT_FALSE(table.Read(file, 405, true, true, false));
    EXPECT_EQ(table.GetModelCode(), 0);
    EXPECT_TRUE(boxes_.Boxes().empty());  // the caller gives its own message
}

TEST_F(SetupTableStream, FileErrorIsReported) {
    testsupport::TempFolder folder;
    { platform::BinaryFile create(folder / "read-only.sut", platform::BinaryFile::Mode::Create); }
    platform::BinaryFile file(folder / "read-only.sut", platform::BinaryFile::Mode::Read);
    EXPECT_FALSE(NewTable(0).Write(file, true, true));
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_FALSE(boxes_.Boxes()[0].texts.prompt.empty());
}

}  // namespace
