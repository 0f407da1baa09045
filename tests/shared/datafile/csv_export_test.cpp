// The CSV form written from a data file: its lines as the user's tools read them, the value cells, the
// channel descriptions, and the failures with their result codes.
#include "shared/datafile/csv_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_folder.h"

namespace datafiletest {
namespace {

class CsvExportTest : public testing::Test {
protected:
    // Exports the data file at path_; the result code of the export.
    int Export(bool headerSection = true, bool labelLine = true, CRawData::ProgressSink progress = {}) {
        OpenedFile file(path_, false);
        EXPECT_TRUE(file.opened);
        const int result = file.data.ExportCSV(csv_path_, progress, headerSection, labelLine);
        messages_ = file.sink.messages;
        return result;
    }

    // The line of the CSV file that starts with `start`.
    std::string LineStartingWith(const std::string& start) const {
        const std::string text = ReadFileText(csv_path_);
        const std::size_t at = text.find("\r\n" + start);
        if (at == std::string::npos) {
            return {};
        }
        return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
    }

    EnglishTexts texts_;
    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "data.kivo";
    std::filesystem::path csv_path_ = folder_ / "data.csv";
    std::vector<std::string> messages_;
};

TEST_F(CsvExportTest, WritesTheHeaderSectionTitleLinesAndRecords) {
    CSetupTable setup = OneValueSetup(2);
    setup.GetHeader().SetHeaderText("Plant, \"North\"");
    setup.GetHeader().SetSubText("L-7");
    setup.GetHeader().SetOptionByte(0xB0);  // ring memory, 50 Hz
    setup.GetHardwareChannel(0).SetName("Main's \"feed\"");
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityVoltage, kOptionBit8 | kOptionBit2);
    CDataInfo info;
    info.SetIdText("Substation 4");
    info.SetTypeText("NX4.140");
    // Columns: instant and minimum volts, the minimum's time of day, average kW.
    Bytes record = RecordBytes({24, 3, 15}, {10, 0, 0}, {230.5f, 229.0f});
    record.insert(record.end(), {9, 41, 5});
    record.resize(record.size() + 4);
    WriteRecordFloat(record, 18, 12.0f);
    WriteDataFile(path_, setup, {record}, info);

    ASSERT_EQ(Export(), CCsvExport::kWritten);
    EXPECT_EQ(
        ReadFileText(csv_path_),
        "#HEADER\r\n"
        "Setup Name,Memory Mode,Line Frequency,Interval,Logger ID,Setup Logger ID,Model,Firmware,"
        "Demand Window minutes\r\n"
        "\"Plant, \"\"North\"\"\",Ring,50 Hz,15 minutes,\"Substation 4\",L-7,Ornat2,NX4.140,15 minutes\r\n"
        "#DATA\r\n"
        "\"Record\",\"Record\",\"Record\",\"Chan 1\",\"Chan 1\",\"Chan 1\",\"Chan 1\"\r\n"
        "\"Number\",\"Date\",\"Time\",\"Inst Volts\",\"Min Volts\",\"Time of Min\",\"Avg KW\"\r\n"
        "\"\",\"\",\"\",\"Main-s -feed-\",\"Main-s -feed-\",\"Main-s -feed-\",\"Main-s -feed-\"\r\n"
        "1,03/15/24,10:00:00,230.500,229.000,09:41:05,12.000\r\n");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(CsvExportTest, WritesValueCellsByKind) {
    CSetupTable setup;
    setup.GetHardwareChannel(0).SetType(kChannel5VDC);  // kind 3
    setup.GetHardwareChannel(0).SetOptions(kOptionBit1 | kOptionBit8);
    CSUTChannelHardware& power = setup.GetHardwareChannel(1);
    power.SetType(kChannelPower);
    power.SetPowerOptions(kQuantityCurrent, kOptionBit1);  // kind 1
    power.SetPowerOptions(kQuantityKW, 0);
    power.SetPowerOptions(kQuantityPF, kOptionBit1);           // kind 6
    setup.GetHardwareChannel(2).SetType(kChannelTemperature);  // kind 9
    setup.GetHardwareChannel(2).SetOptions(kOptionBit1);
    setup.GetHardwareChannel(3).SetType(kChannelRNDC);
    setup.GetHardwareChannel(3).SetOptions(kOptionBit2 | kOptionBit4);  // kinds 16 and 17
    const float nan = std::numeric_limits<float>::quiet_NaN();
    WriteDataFile(
        path_, setup,
        {RecordBytes({24, 3, 15}, {10, 0, 0}, {1.23456f, nan, 12.3456f, -0.955f, 21.55f, 899.6f, 0.125f}),
         RecordBytes({24, 3, 15}, {10, 15, 0}, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 500.4f, 1.0f})});
    ASSERT_EQ(Export(), CCsvExport::kWritten);
    // The 5 V input's instant value comes before its average; 21.55 is 21.549999 as a float.
    EXPECT_EQ(LineStartingWith("1,"), "1,03/15/24,10:00:00,1.235,,12.35,-0.95,21.5,900,0.12");
    EXPECT_EQ(LineStartingWith("2,"), "2,03/15/24,10:15:00,0.000,1.000,1.00,1.00,1.0,500,1.00");
}

TEST_F(CsvExportTest, DescribesTheChannelsOfQuarvenModelsOnly) {
    CSetupTable setup = OneValueSetup(2);
    WriteDataFile(path_, setup, TimedRecords(1));
    ASSERT_EQ(Export(), CCsvExport::kWritten);
    EXPECT_EQ(LineStartingWith("Chan"), "");

    setup = OneValueSetup(14);
    setup.GetHardwareChannel(0).SetType(kChannelOff);
    CSUTChannelHardware& power = setup.GetHardwareChannel(1);
    power.SetType(kChannelPower);
    power.SetVHi('B');
    power.SetVLo('N');
    power.SetPTRatio(2.5f);
    power.SetCTSize(400.0f);
    power.SetCTType(1);
    power.SetPhaseShift(0.75f);
    setup.GetSoftwareChannel(1).SetType(kChannelSoftware);
    setup.GetSoftwareChannel(1).SetHardwareFlag(0, 0);
    setup.GetSoftwareChannel(1).SetHardwareFlag(2, 1);
    CSUTChannelAnalog& analog = setup.GetAnalogChannel(2);
    analog.SetType(kChannelAnalog4To20mA);
    analog.SetLowSensor(0.0f);
    analog.SetLowOutput(4.0f);
    analog.SetHighSensor(150.0f);
    analog.SetHighOutput(20.0f);
    analog.SetUnits("psi");
    WriteDataFile(path_, setup, {RecordBytes({24, 3, 15}, {10, 0, 0}, {1.0f, 2.0f, 3.0f})});
    ASSERT_EQ(Export(), CCsvExport::kWritten);
    EXPECT_EQ(LineStartingWith("Channel 2"),
              "Channel 2,\"Channel: VHi: L2, VLo: N; PT = 2.500; CT = 400.000\","
              "\"CT Type = ROCOIL; Phase Shift = 0.750\"");
    EXPECT_EQ(LineStartingWith("Channel 6"), "Channel 6,\"Sum: 2,3\"");
    EXPECT_EQ(LineStartingWith("Analog 3"),
              "Analog 3,\"Analog 4 - 20 ma: Low Sensor: 0.0000, Low Output: 4.0000, High Sensor: 150.00, "
              "High Output: 20.000, Units: psi\"");
    EXPECT_EQ(LineStartingWith("\"Record"),
              "\"Record\",\"Record\",\"Record\",\"Channel 2\",\"Channel 6\",\"Analog 3\"");
}

TEST_F(CsvExportTest, TitlesTheInputsOfTypes7To9) {
    CSetupTable setup;
    setup.GetHardwareChannel(0).SetType(kChannel10VDC);
    setup.GetHardwareChannel(1).SetType(kChannel4mA);
    setup.GetHardwareChannel(2).SetType(kChannel25mA);
    setup.GetHardwareChannel(2).SetOptions(kOptionBit8);
    WriteDataFile(path_, setup, {RecordBytes({24, 3, 15}, {10, 0, 0}, {1.0f, 2.0f, 3.0f})});
    ASSERT_EQ(Export(), CCsvExport::kWritten);
    EXPECT_EQ(LineStartingWith("\"Number"),
              "\"Number\",\"Date\",\"Time\",\"Avg 0-10VDC\",\"Avg 4-20mA\",\"Inst 0-25mA\"");
    EXPECT_EQ(LineStartingWith("1,"), "1,03/15/24,10:00:00,1.00,2.00,3.00");
}

TEST_F(CsvExportTest, TheShortFormHasOnlyTheTwoTitleLinesAndTheRecords) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(2));
    ASSERT_EQ(Export(false, false), CCsvExport::kWritten);
    EXPECT_EQ(ReadFileText(csv_path_),
              "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n"
              "\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n"
              "1,03/15/24,10:00:00,1.000\r\n"
              "2,03/15/24,10:15:00,2.000\r\n");
}

TEST_F(CsvExportTest, ReportsProgressEveryTenthOfTheRecords) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(25));
    std::vector<std::string> progress;
    ASSERT_EQ(Export(true, true, [&progress](const std::string& text) { progress.push_back(text); }),
              CCsvExport::kWritten);
    EXPECT_EQ(progress, std::vector<std::string>(
                            {"Writing CSV record 1", "Writing CSV record 2", "Writing CSV record 4",
                             "Writing CSV record 6", "Writing CSV record 8", "Writing CSV record 10",
                             "Writing CSV record 12", "Writing CSV record 14", "Writing CSV record 16",
                             "Writing CSV record 18", "Writing CSV record 20", "Writing CSV record 22",
                             "Writing CSV record 24"}));
}

TEST_F(CsvExportTest, ALargeFileWrittenByParallelPartsHasEveryLineOnceAndInOrder) {
    constexpr int kRecords = 30000;  // several blocks shared among threads
    const std::vector<Bytes> records = TimedRecords(kRecords, 1);
    WriteDataFile(path_, OneValueSetup(0), records);
    std::vector<std::string> progress;
    ASSERT_EQ(Export(false, false, [&](const std::string& text) { progress.push_back(text); }),
              CCsvExport::kWritten);
    const std::string text = ReadFileText(csv_path_);
    std::size_t at = text.find("\r\n", text.find("\r\n") + 2) + 2;  // after the caption and title lines
    for (int i = 0; i < kRecords; ++i) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "line of record " << i + 1;
        const int minutes = 10 * 60 + i;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%d,03/%02d/24,%02d:%02d:00,%.3f", i + 1,
                      15 + minutes / 1440, minutes / 60 % 24, minutes % 60, static_cast<double>(i + 1));
        ASSERT_EQ(text.substr(at, end - at), expected);
        at = end + 2;
    }
    EXPECT_EQ(at, text.size());
    ASSERT_EQ(progress.size(), 11u);
    EXPECT_EQ(progress.back(), "Writing CSV record 30000");
}

TEST_F(CsvExportTest, AFileWithoutRecordsGivesAnEmptyCsvFileButLeavesAnExistingOneAsItWas) {
    WriteDataFile(path_, OneValueSetup(0), {});
    EXPECT_EQ(Export(), CCsvExport::kNoRecords);
    EXPECT_EQ(messages_, std::vector<std::string>{"The data file holds no records."});
    EXPECT_TRUE(std::filesystem::exists(csv_path_));
    EXPECT_EQ(ReadFileText(csv_path_), "");

    messages_.clear();
    WriteFileText(csv_path_, "previous export");
    EXPECT_EQ(Export(), CCsvExport::kNoRecords);
    EXPECT_EQ(messages_, std::vector<std::string>{"The data file holds no records."});
    EXPECT_EQ(ReadFileText(csv_path_), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_F(CsvExportTest, ATruncatedDataFileEndsWithAnErrorAndKeepsThePreviousCsv) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(10));
    Bytes bytes = ReadFileBytes(path_);
    bytes.resize(1436 + 3 * 11 + 4);
    WriteFileBytes(path_, bytes);
    WriteFileText(csv_path_, "previous export");
    EXPECT_EQ(Export(), CCsvExport::kFileError);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ReadFileText(csv_path_), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_F(CsvExportTest, AFullDiskIsAFailureToWriteTheCsvNotToReadTheDataAndKeepsThePreviousCsv) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(2000));
    WriteFileText(csv_path_, "previous export");
    {
        testsupport::ScopedFileSizeLimit full(4096);
        EXPECT_EQ(Export(), CCsvExport::kRowsFailed);
    }
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ReadFileText(csv_path_), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_F(CsvExportTest, ACsvFileThatCannotBeCreatedGivesCode1) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(1));
    csv_path_ = folder_ / "missing folder" / "data.csv";
    EXPECT_EQ(Export(), CCsvExport::kCannotCreate);
    EXPECT_EQ(messages_.size(), 1u);
}

}  // namespace
}  // namespace datafiletest
