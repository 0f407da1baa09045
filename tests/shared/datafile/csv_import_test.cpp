// The CSV form read back: round trips for every model and both forms, the settings line, cells and
// record lines, and how the titles give back the channels.
#include "shared/datafile/csv_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "shared/common/program_date_formats.h"
#include "shared/datafile/csv_cells.h"
#include "shared/datafile/csv_line_reader.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/temp_folder.h"

namespace datafiletest {
namespace {

// A setup of `model` with channels of most kinds its records can carry.
CSetupTable RichSetup(int model) {
    CSetupTable setup;
    CSUTHeader& header = setup.GetHeader();
    header.SetModelCode(static_cast<std::uint8_t>(model));
    header.SetIntervalCode(2);
    header.SetHeaderText("Site \"12\", East");  // texts with the separator and quotes
    header.SetSubText("L-9, B");
    CSUTChannelHardware& power = setup.GetHardwareChannel(0);
    power.SetType(kChannelPower);
    power.SetName("Incomer");
    const std::uint8_t powerOptions[kPowerQuantities] = {0x0F, 0x09, 0x03, 0x00, 0x01, 0x04};
    for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
        power.SetPowerOptions(quantity, powerOptions[quantity]);
    }
    CSUTChannelHardware& temperature = setup.GetHardwareChannel(1);
    temperature.SetType(kChannelTemperature);
    temperature.SetTemperatureUnit(1);
    temperature.SetOptions(0x06);
    temperature.SetName("Oil");
    setup.GetHardwareChannel(2).SetType(kChannelRNDC);
    setup.GetHardwareChannel(2).SetOptions(0x0F);
    setup.GetHardwareChannel(2).SetRNDCScale(1.0f);  // as the import sets it
    const std::uint8_t fourth = model <= 2 ? kChannel5VDC : model <= 10 ? kChannelCurrent : kChannel4mA;
    setup.GetHardwareChannel(3).SetType(fourth);
    setup.GetHardwareChannel(3).SetOptions(0x09);
    CSUTChannelSoftware& software = setup.GetSoftwareChannel(0);
    software.SetType(kChannelSoftware);
    software.SetName("Total");
    software.SetPowerOptions(kQuantityVoltage, 0x08);
    software.SetPowerOptions(kQuantityPF, 0x01);
    if (UsesQuarvenLayout(model)) {
        power.SetVHi('B');
        power.SetVLo('N');
        power.SetPTRatio(2.5f);
        power.SetCTSize(400.0f);
        power.SetCTType(1);
        power.SetPhaseShift(0.75f);
        software.SetHardwareFlag(1, 0);
        software.SetHardwareFlag(2, 1);
    }
    if (model == kModelQuarvenKX) {
        CSUTChannelAnalog& pressure = setup.GetAnalogChannel(0);
        pressure.SetType(kChannelAnalog4To20mA);
        pressure.SetUnits("psi");
        pressure.SetName("Pump");
        pressure.SetLowOutput(4.0f);
        pressure.SetHighSensor(150.0f);
        pressure.SetHighOutput(20.0f);
        CSUTChannelAnalog& level = setup.GetAnalogChannel(2);
        level.SetType(kChannelAnalog0To10V);
        level.SetUnits("m");
        level.SetOptions(0x09);
    }
    return setup;
}

// A value of each kind that its CSV cell gives back exactly.
float ValueOfKind(int kind, int record) {
    switch (kind) {
        case 1:
            return 12.25f + record;
        case 2:
            return 230.125f + record;
        case 6:
            return -0.75f + record;
        case 9:
            return 21.5f + record;
        case 16:
            return 300.0f + record;
        case 17:
            return 0.25f;
        default:
            return 1.25f * static_cast<float>(record + 1);
    }
}

// Records 15 minutes apart across midnight; every third lacks its first value.
std::vector<Bytes> RecordsFor(const CSetupTable& setup, int count) {
    CSetupTable copy = setup;
    CDataInfo info;
    CRawData layout;
    EXPECT_TRUE(layout.Initialize(&info, &copy));
    EXPECT_TRUE(layout.BuildFieldList());
    std::vector<Bytes> records;
    for (int i = 0; i < count; ++i) {
        Bytes record(static_cast<std::size_t>(layout.GetRecordSize()), 0);
        const int minutes = 23 * 60 + 15 * i;
        WriteRecordDate(record, CRawData::kDateOffset, {24, 3, 15 + minutes / 1440});
        WriteRecordTimeOfDay(record, CRawData::kTimeOffset, {minutes / 60 % 24, minutes % 60, 0});
        bool first = true;
        for (const CRawDataField& field : layout.GetFields()) {
            if (field.storageKind == CRawDataField::kStorageTime && field.offset != CRawData::kTimeOffset) {
                WriteRecordTimeOfDay(record, field.offset, {i % 24, 7, 30});
            } else if (field.storageKind == CRawDataField::kStorageFloat) {
                first&& i % 3 == 0 ? WriteRecordMissing(record, field.offset)
                                   : WriteRecordFloat(record, field.offset, ValueOfKind(field.valueKind, i));
                first = false;
            }
        }
        records.push_back(record);
    }
    return records;
}

void ExpectSameFields(const std::vector<CRawDataField>& expected, const std::vector<CRawDataField>& actual,
                      bool withNames) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "field " << i << " " << expected[i].name);
        if (withNames) {
            EXPECT_EQ(actual[i].name, expected[i].name);
        }
        EXPECT_EQ(actual[i].storageKind, expected[i].storageKind);
        EXPECT_EQ(actual[i].valueKind, expected[i].valueKind);
        EXPECT_EQ(actual[i].channelIndex, expected[i].channelIndex);
        EXPECT_EQ(actual[i].offset, expected[i].offset);
        EXPECT_EQ(actual[i].size, expected[i].size);
        EXPECT_EQ(actual[i].softwareChannel, expected[i].softwareChannel);
    }
}

class CsvImportTest : public testing::Test {
protected:
    // Writes `setup` and `records` as a data file, exports it, converts the CSV back; the export's result.
    void RoundTrip(const CSetupTable& setup, const std::vector<Bytes>& records, bool headerSection,
                   bool labelLine) {
        WriteDataFile(data_path_, setup, records);
        {
            OpenedFile source(data_path_, false);
            ASSERT_EQ(source.data.ExportCSV(csv_path_, {}, headerSection, labelLine), 0);
        }
        ASSERT_TRUE(ConvertCSVToDataFile(csv_path_, back_path_, sink_));
        EXPECT_EQ(sink_.messages, std::vector<std::string>{});
    }

    void ExpectSameRecords(const std::vector<Bytes>& records, CRawData& back) {
        ASSERT_EQ(back.GetRecordCount(), static_cast<int>(records.size()));
        for (int i = 0; i < back.GetRecordCount(); ++i) {
            ASSERT_TRUE(back.ReadRecord(i));
            const Bytes read(back.GetRecordBuffer().begin(), back.GetRecordBuffer().end());
            const Bytes& expected = records[static_cast<std::size_t>(i)];
            const auto [differs, unused] =
                std::mismatch(read.begin(), read.end(), expected.begin(), expected.end());
            EXPECT_EQ(read, expected) << "record " << i << " differs from byte " << (differs - read.begin());
        }
    }

    CCsvImport OpenCsv(const std::string& text) {
        WriteFileText(csv_path_, text);
        CPSTFileException error;
        EXPECT_TRUE(reader_.Open(csv_path_, error));
        return CCsvImport(reader_, "test.csv", sink_);
    }

    EnglishTexts texts_;
    testsupport::TempFolder folder_;
    std::filesystem::path data_path_ = folder_ / "data.kivo";
    std::filesystem::path csv_path_ = folder_ / "test.csv";
    std::filesystem::path back_path_ = folder_ / "back.kivo";
    RecordingSink sink_;
    CsvLineReader reader_;
};

TEST_F(CsvImportTest, AnExportReadBackGivesTheSameRecordsAndColumnsForEveryModel) {
    for (const int model : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}) {
        SCOPED_TRACE(testing::Message() << "model " << model);
        sink_.messages.clear();
        const CSetupTable setup = RichSetup(model);
        const std::vector<Bytes> records = RecordsFor(setup, 10);
        RoundTrip(setup, records, true, true);

        OpenedFile original(data_path_);
        OpenedFile back(back_path_);
        ASSERT_TRUE(original.prepared);
        ASSERT_TRUE(back.prepared);
        ExpectSameFields(original.data.GetFields(), back.data.GetFields(), true);
        ExpectSameRecords(records, back.data);

        const CSetupTable& rebuilt = *back.data.GetSetupTable();
        EXPECT_EQ(rebuilt.GetModelCode(), model);
        EXPECT_EQ(rebuilt.GetHeader().GetIntervalCode(), 2);
        EXPECT_EQ(rebuilt.GetHeader().GetHeaderText(), "Site \"12\", East");
        EXPECT_EQ(rebuilt.GetHeader().GetSubText(), "L-9, B");
        EXPECT_EQ(rebuilt.GetChannelTypes(), setup.GetChannelTypes());
        EXPECT_EQ(rebuilt.GetHardwareChannel(1).GetTemperatureUnit(), 1);
        for (int i = 0; i < kHardwareChannels && UsesQuarvenLayout(model); ++i) {
            EXPECT_EQ(rebuilt.GetHardwareChannel(i), setup.GetHardwareChannel(i)) << "hardware channel " << i;
        }
        for (int i = 0; i < kAnalogChannels && model == kModelQuarvenKX; ++i) {
            EXPECT_EQ(rebuilt.GetAnalogChannel(i), setup.GetAnalogChannel(i)) << "analog channel " << i;
        }
        EXPECT_EQ(back.data.GetDataInfo()->GetIdText(), "##CSV-To-Dat##");
    }
}

TEST_F(CsvImportTest, ACsvWrittenUnderTheUsersDateFormatIsReadBackUnderIt) {
    const CSetupTable setup = RichSetup(0);
    const std::vector<Bytes> records = RecordsFor(setup, 6);
    struct Case {
        const char* shortDate;
        const char* firstLine;  // 23:00 on the 15th of March 2024
    };
    for (const Case& test :
         {Case{"M/d/yyyy", "1,03/15/24,23:00:00,"}, Case{"dd.MM.yyyy", "1,15.03.24,23:00:00,"},
          Case{"yyyy-MM-dd", "1,24-03-15,23:00:00,"}, Case{"dd MM yy", "1,15 03 24,23:00:00,"}}) {
        SCOPED_TRACE(test.shortDate);
        SetProgramFormatSource([&] { return CRegionalFormats{"", test.shortDate, "", ""}; });
        RoundTrip(setup, records, true, true);
        EXPECT_NE(ReadFileText(csv_path_).find(std::string("\r\n") + test.firstLine), std::string::npos);
        OpenedFile back(back_path_);
        ASSERT_TRUE(back.prepared);
        ExpectSameRecords(records, back.data);
    }
    SetProgramFormatSource({});
}

TEST_F(CsvImportTest, TheShortFormOfTheSchedulerAndAFormWithoutHeaderImport) {
    const CSetupTable setup = RichSetup(0);
    const std::vector<Bytes> records = RecordsFor(setup, 6);
    struct Case {
        const char* what;
        bool labelLine;
    };
    for (const Case& test : {Case{"short form", false}, Case{"titles and labels without header", true}}) {
        SCOPED_TRACE(test.what);
        RoundTrip(setup, records, false, test.labelLine);
        OpenedFile original(data_path_);
        OpenedFile back(back_path_);
        ASSERT_TRUE(back.prepared);
        // Without a label line the channel names, which the column names carry, stay empty.
        ExpectSameFields(original.data.GetFields(), back.data.GetFields(), test.labelLine);
        ExpectSameRecords(records, back.data);
        EXPECT_EQ(back.data.GetDataInfo()->GetTypeText(), "CSV file");
    }
}

TEST_F(CsvImportTest, ASpacingThatIsNoIntervalIsRefused) {
    WriteFileText(csv_path_,
                  "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n"
                  "1,03/15/24,10:00:00,1.0\r\n2,03/15/24,10:00:07,2.0\r\n");
    EXPECT_FALSE(ConvertCSVToDataFile(csv_path_, back_path_, sink_));
    EXPECT_EQ(sink_.messages,
              std::vector<std::string>{
                  "The records of test.csv are 7 seconds apart, which is no logging interval."});
    EXPECT_FALSE(std::filesystem::exists(back_path_));
}

TEST_F(CsvImportTest, TakesTheIntervalFromTheRecordsAndSkipsLinesThatAreNoRecords) {
    WriteFileText(csv_path_,
                  "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n"
                  "1,03/15/24,23:30:00,1.5\r\n\r\n2,03/16/24,00:30:00,\r\n3,03/16/24,01:30:00,x\r\n\r\n");
    ASSERT_TRUE(ConvertCSVToDataFile(csv_path_, back_path_, sink_));
    OpenedFile back(back_path_);
    ASSERT_TRUE(back.prepared);
    EXPECT_EQ(back.data.GetSetupTable()->GetHeader().GetIntervalCode(), 4);  // one hour, across midnight
    ASSERT_EQ(back.data.GetRecordCount(), 3);
    EXPECT_EQ(back.data.GetSetupTable()->GetHardwareChannel(0).GetType(), kChannelPower);
    ASSERT_TRUE(back.data.ReadRecord(2));
    EXPECT_EQ(TimedRecords(1)[0].size(), back.data.GetRecordBuffer().size());
    EXPECT_TRUE(std::isnan(ReadRecordFloat(back.data.GetRecordBuffer(), 7)));  // "x" is no value
    EXPECT_EQ(back.data.GetDataInfo()->GetFirstLoggerTime() + 2 * 3600,
              back.data.GetDataInfo()->GetSecondLoggerTime());
}

TEST_F(CsvImportTest, TheHeadersIntervalHoldsAndWithoutOneTheSmallestStepAmongTheFirstRecordsDecides) {
    const std::string header =
        "#HEADER\r\nSetup Name,Memory Mode,Line Frequency,Interval\r\n\"A\",Linear,60 Hz,15 minutes\r\n"
        "#DATA\r\n";
    const std::string titles =
        "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n";
    struct Case {
        const char* what;
        std::string text;
        std::uint8_t interval;
    };
    // Interval codes: 2 is 15 minutes, 4 one hour.
    for (const Case& test : {
             Case{"a gap after the first record, with the header",
                  header + titles + "\"\",\"\",\"\",\"\"\r\n" +
                      "1,03/15/24,10:00:00,1\r\n2,03/15/24,11:00:00,2\r\n",
                  2},
             Case{"a repeated time at the start, with the header",
                  header + titles + "\"\",\"\",\"\",\"\"\r\n" +
                      "1,03/15/24,10:00:00,1\r\n2,03/15/24,10:00:00,2\r\n",
                  2},
             Case{"a gap after the first record, short form",
                  titles + "1,03/15/24,10:00:00,1\r\n2,03/15/24,12:00:00,2\r\n3,03/15/24,13:00:00,3\r\n"
                           "4,03/15/24,14:00:00,3\r\n",
                  4},
             Case{"a repeated time at the start, short form",
                  titles + "1,03/15/24,10:00:00,1\r\n2,03/15/24,10:00:00,2\r\n3,03/15/24,10:15:00,3\r\n", 2},
         }) {
        SCOPED_TRACE(test.what);
        sink_.messages.clear();
        WriteFileText(csv_path_, test.text);
        ASSERT_TRUE(ConvertCSVToDataFile(csv_path_, back_path_, sink_));
        EXPECT_EQ(sink_.messages, std::vector<std::string>{});
        OpenedFile back(back_path_, false);
        ASSERT_TRUE(back.opened);
        EXPECT_EQ(back.data.GetSetupTable()->GetHeader().GetIntervalCode(), test.interval);
    }
}

TEST_F(CsvImportTest, ACsvCutAtAnyLengthImportsOnlyItsWholeRecordsAndSaysThatItEndsEarly) {
    const CSetupTable setup = RichSetup(13);
    const std::vector<Bytes> records = RecordsFor(setup, 3);
    for (const bool headerSection : {true, false}) {
        SCOPED_TRACE(headerSection ? "full form" : "short form");
        WriteDataFile(data_path_, setup, records);
        {
            OpenedFile source(data_path_, false);
            ASSERT_EQ(source.data.ExportCSV(csv_path_, {}, headerSection, headerSection), 0);
        }
        const std::string whole = ReadFileText(csv_path_);
        // Where each record line ends: after its CR, which is all of its text.
        std::vector<std::size_t> recordEnds;
        for (std::size_t line = whole.find("\r\n1,"); line != std::string::npos;
             line = whole.find("\r\n", line + 2)) {
            if (line + 2 < whole.size()) {
                recordEnds.push_back(whole.find('\r', line + 2) + 1);
            }
        }
        ASSERT_EQ(recordEnds.size(), records.size());
        const std::size_t needed = headerSection ? 1 : 2;  // the short form needs two for its interval
        for (std::size_t length = 0; length <= whole.size(); ++length) {
            SCOPED_TRACE(testing::Message() << "cut at " << length);
            sink_.messages.clear();
            std::filesystem::remove(back_path_);
            WriteFileText(csv_path_, whole.substr(0, length));
            const auto kept = static_cast<std::size_t>(std::count_if(
                recordEnds.begin(), recordEnds.end(), [&](std::size_t end) { return end <= length; }));
            const bool converted = ConvertCSVToDataFile(csv_path_, back_path_, sink_);
            ASSERT_EQ(converted, kept >= needed);
            if (!converted) {
                EXPECT_FALSE(sink_.messages.empty());
                EXPECT_FALSE(std::filesystem::exists(back_path_));
                continue;
            }
            const bool partLine = kept < records.size() && length > recordEnds[kept - 1] + 1;
            EXPECT_EQ(sink_.messages,
                      partLine ? std::vector<std::string>{"test.csv ends early: its last line is cut off and "
                                                          "was left out. " +
                                                          std::to_string(kept) + " records were read."}
                               : std::vector<std::string>{});
            OpenedFile back(back_path_);
            ASSERT_TRUE(back.prepared);
            ExpectSameRecords(std::vector<Bytes>(records.begin(), records.begin() + static_cast<long>(kept)),
                              back.data);
        }
    }
}

TEST_F(CsvImportTest, ReadsTheSettingsLine) {
    const std::string titles =
        "#HEADER\r\nSetup Name,Memory Mode,Line Frequency,Interval,Logger ID,Setup Logger "
        "ID,Model,Firmware,x\r\n";
    struct Case {
        const char* values;
        bool parses;
        std::uint8_t options;
        std::uint8_t interval;
        int model;
    };
    // The header starts with interval code 9 and options 0xB0 (ring memory, 50 Hz).
    for (const Case& test :
         {Case{"\"A\",Ring,50 Hz,1 hour,\"id\",sub,Quarven RS,NX4.2,30 minutes", true, 0xB0, 4, 13},
          Case{"\"A\",Linear,60 Hz,30 minutes,\"id\",sub,Ornat2", true, 0x80, 3, 2},
          Case{"\"A\",Ring,Auto,12 hours", true, 0xE0, 5, 0},
          Case{"\"A\",Ring,Auto,7 seconds", true, 0xE0, 9, 0},
          Case{"\"A\",Ring,50 Hz,,\"id\"", false, 0xB0, 9, 0}, Case{"\"A\",Ring", true, 0xB0, 9, 0}}) {
        SCOPED_TRACE(test.values);
        CCsvImport import = OpenCsv(titles + test.values + "\r\n#DATA\r\n");
        CSetupTable setup;
        setup.GetHeader().SetIntervalCode(9);
        setup.GetHeader().SetOptionByte(0x80 | 0x20 | 0x10);
        CDataInfo info;
        EXPECT_EQ(import.ParseCSVHeaderValues(setup, info), test.parses);
        EXPECT_EQ(setup.GetHeader().GetHeaderText(), "A");
        EXPECT_EQ(setup.GetHeader().GetOptionByte(), test.options);
        EXPECT_EQ(setup.GetHeader().GetIntervalCode(), test.interval);
        EXPECT_EQ(setup.GetModelCode(), test.model);
    }
    // Texts longer than their fields are cut to them.
    CCsvImport longTexts =
        OpenCsv(titles + "\"" + std::string(30, 'N') + "\",Ring,50 Hz,1 hour,\"" + std::string(50, 'I') +
                "\"," + std::string(20, 'S') + ",Standard," + std::string(20, 'T') + "\r\n");
    CSetupTable bounded;
    CDataInfo boundedInfo;
    ASSERT_TRUE(longTexts.ParseCSVHeaderValues(bounded, boundedInfo));
    EXPECT_EQ(bounded.GetHeader().GetHeaderText(), std::string(20, 'N'));
    EXPECT_EQ(bounded.GetHeader().GetSubText(), std::string(13, 'S'));
    EXPECT_EQ(boundedInfo.GetIdText(), std::string(41, 'I'));
    EXPECT_EQ(boundedInfo.GetTypeText(), std::string(11, 'T'));

    // A settings line that is not ours is passed over.
    CCsvImport other = OpenCsv("#HEADER\r\nName,Mode\r\n\"B\",Linear\r\n#DATA\r\n");
    CSetupTable setup;
    CDataInfo info;
    EXPECT_TRUE(other.ParseCSVHeaderValues(setup, info));
    EXPECT_EQ(setup.GetHeader().GetHeaderText(), "");
}

TEST_F(CsvImportTest, RecordLinesBecomeRecords) {
    CSetupTable setup = OneValueSetup(0);
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityKW,
                                                kOptionBit2 | kOptionBit1);  // min, its time, avg
    CDataInfo info;
    CRawData layout;
    ASSERT_TRUE(layout.Initialize(&info, &setup));
    ASSERT_TRUE(layout.BuildFieldList());
    struct Case {
        const char* line;
        bool converts;
        RecordDate date;
        RecordTimeOfDay minimumTime;
        float minimum;
        float average;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Case& test :
         {Case{"1,03/15/24,10:00:00,1.5,08:30:15,2.25", true, {24, 3, 15}, {8, 30, 15}, 1.5f, 2.25f},
          Case{"2,12/31/2100,23:59:59,,,-3", true, {0, 12, 31}, {0, 0, 0}, nan, -3.0f},
          Case{"3,1/2/99,1:02:03,0.000000000000000000001234,bad",
               true,
               {99, 1, 2},
               {0, 0, 0},
               1.234e-21f,
               nan},
          Case{"4,13/40/24,10:00:00,1", false, {}, {}, 0, 0},
          Case{"5,03/15/24,25:00:00,1", false, {}, {}, 0, 0}}) {
        SCOPED_TRACE(test.line);
        Bytes record(static_cast<std::size_t>(layout.GetRecordSize()), 0xAA);
        ASSERT_EQ(CCsvImport::LineToRecord(record, test.line, layout.GetFields()), test.converts);
        if (!test.converts) {
            continue;
        }
        EXPECT_EQ(record[0], 0);
        const RecordDate date = ReadRecordDate(record, 1);
        EXPECT_EQ(std::vector<int>({date.year, date.month, date.day}),
                  std::vector<int>({test.date.year, test.date.month, test.date.day}));
        const RecordTimeOfDay time = ReadRecordTimeOfDay(record, 11);
        EXPECT_EQ(
            std::vector<int>({time.hour, time.minute, time.second}),
            std::vector<int>({test.minimumTime.hour, test.minimumTime.minute, test.minimumTime.second}));
        for (const auto& [offset, expected] : {std::pair{7, test.minimum}, std::pair{14, test.average}}) {
            const float value = ReadRecordFloat(record, offset);
            EXPECT_TRUE(std::isnan(expected) ? std::isnan(value) : value == expected)
                << offset << " " << value;
        }
    }
}

TEST_F(CsvImportTest, CellsKeepTheirCommasAndQuotes) {
    struct Case {
        const char* line;
        std::vector<std::string> cells;
    };
    for (const Case& test :
         {Case{"a,b,,c", {"a", "b", "", "c"}},
          Case{"\"x, y\",\"say \"\"hi\"\"\",z", {"x, y", "say \"hi\"", "z"}},
          Case{"\"\",\"\",", {"", "", ""}}, Case{"\"open, to the end", {"open, to the end"}},
          Case{"\"q\"junk,next", {"q", "next"}}, Case{"", {""}}}) {
        CsvCursor cursor(test.line);
        std::vector<std::string> cells;
        while (!cursor.AtEnd()) {
            cells.push_back(cursor.NextCSVField());
        }
        EXPECT_EQ(cells, test.cells) << test.line;
        std::string written;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            written += i == 0 ? "" : ",";
            AppendCsvText(written, cells[i], false);
        }
        CsvCursor again(written);
        for (const std::string& cell : cells) {
            EXPECT_EQ(again.NextCSVField(), cell) << written;
        }
    }
}

TEST_F(CsvImportTest, CaptionsNameTheChannelOfEachColumn) {
    CCsvImport import = OpenCsv(
        "\"Record\",\"Record\",\"Record\",\"Chan 1\",\"Channel 5\",\"Analog 2\",\"Other\"\r\n"
        "\"Number\",\"Date\",\"Time\",\"Avg Volts\",\"KW hours\",\"Max psi\",\"Avg KW\"\r\n");
    std::vector<CCsvImport::Column> columns;
    ASSERT_TRUE(import.ReadColumns(columns));
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].channel, 1);
    EXPECT_EQ(columns[1].channel, 5);
    EXPECT_EQ(columns[2].channel, 8);  // the analog word counts from 7
    EXPECT_EQ(columns[3].channel, 0);  // no channel word
    EXPECT_EQ(CCsvImport::FindColumnsForChannel(columns, 5, "KW"), kOptionBit8);
    EXPECT_EQ(CCsvImport::FindColumnsForChannel(columns, 8, {}), kOptionBit4);

    CCsvImport none = OpenCsv("\"a\",\"b\",\"c\",\"d\"\r\n\"1\",\"2\",\"3\",\"Avg KW\"\r\n");
    ASSERT_TRUE(none.ReadColumns(columns));
    for (int channel = 1; channel <= kMaxChannelSlots; ++channel) {
        EXPECT_EQ(CCsvImport::FindColumnsForChannel(columns, channel, {}), 0);
    }
}

TEST_F(CsvImportTest, TitlesTellTheTypeOfTheirChannel) {
    const std::vector<CCsvImport::Column> columns = {
        {1, "Min Deg K"}, {1, "Time of Min"}, {2, "Avg Amps"}, {2, "Min KW"},    {3, "Avg Amps"},
        {4, "Count"},     {5, "KVAR hours"},  {7, "Avg psi"},  {2, "Avg Weird"}, {9, "Frob nicate"}};
    CCsvImport import = OpenCsv("");
    // Channel 2 is first taken for current only, then shows power; 7 was described before.
    CCsvImport::ChannelTypes types;
    types.types[6] = kChannelAnalog0To20mA;
    import.ScanChannelTypes(columns, types);
    EXPECT_EQ(std::vector<int>(types.types.begin(), types.types.end()),
              std::vector<int>({kChannelTemperature, kChannelPower, kChannelCurrent, kChannelRNDC,
                                kChannelSoftware, 0, kChannelAnalog0To20mA, 0, 0, 0}));
    EXPECT_EQ(types.temperatureUnits[0], 3);
    EXPECT_EQ(sink_.messages, std::vector<std::string>{"Unknown column title: nica"});
}

TEST_F(CsvImportTest, TitlesGiveTheirRecordingOption) {
    struct Case {
        const char* title;
        std::uint8_t bit;
    };
    for (const Case& test : {Case{"Avg KW", 1}, Case{"Min Volts", 2}, Case{"Max Amps", 4}, Case{"Inst PF", 8},
                             Case{"KVAR hours", 8}, Case{"Count", 8}, Case{"Rate", 1}, Case{"Number", 2},
                             Case{"Duration", 4}, Case{"Time of Max", 0}, Case{"Volts", 0}}) {
        EXPECT_EQ(CCsvImport::TitleToSelectionBit(test.title), test.bit) << test.title;
    }
}

}  // namespace
}  // namespace datafiletest
