// The data-file model: the file laid out byte by byte, opening checks, record access, copies.
#include "shared/datafile/raw_data.h"

#include <gtest/gtest.h>

#include <functional>

#include "shared/datafile/csv_import.h"
#include "shared/setup/file_header.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace datafiletest {
namespace {

class RawDataTest : public testing::Test {
protected:
    EnglishTexts texts_;
    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "data.kivo";
};

void OpenWith(CMessageSink& sink, const std::filesystem::path& path) {
    CRawData data;
    data.SetMessageSink(sink);
    ASSERT_TRUE(data.Initialize());
    EXPECT_FALSE(data.OpenDataFile(path));
}

Bytes SetupStream(const CSetupTable& setup, bool withExtended) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    setup.Write(writer, false, withExtended);
    return bytes;
}

void Put16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

TEST_F(RawDataTest, LaysTheFileOutAsHeaderInformationSetupAndRecords) {
    struct Case {
        int model;
        std::int64_t dataOffset;
    };
    for (const Case& test : {Case{0, 1436}, Case{2, 1436}, Case{10, 1436}, Case{13, 1528}, Case{14, 1700}}) {
        SCOPED_TRACE(test.model);
        const CSetupTable setup = OneValueSetup(test.model);
        CDataInfo info;
        info.SetFirstLoggerTime(0x01020304);
        info.SetIdText("Feeder");
        const std::vector<Bytes> records = TimedRecords(2);
        WriteDataFile(path_, setup, records, info);

        Bytes expected(42, 0);
        Put16(expected, 0, 306);
        Put16(expected, 2, 4);
        Put16(expected, 4, 0x3333);
        const Bytes infoBytes = {1, 0, 4,  0, 4, 3, 2, 1,  // first logger time
                                 2, 0, 4,  0, 0, 0, 0, 0,  // second logger time
                                 3, 0, 4,  0, 2, 0, 0, 0,  // record count
                                 4, 0, 42, 0};
        expected.insert(expected.end(), infoBytes.begin(), infoBytes.end());
        const std::string id = "Feeder";
        expected.insert(expected.end(), id.begin(), id.end());
        expected.resize(expected.size() + 42 - id.size(), 0);
        const Bytes tail = {5, 0, 4, 0, 0, 0, 0, 0, 6, 0, 4, 0, 0, 0, 0, 0, 7, 0, 12, 0};
        expected.insert(expected.end(), tail.begin(), tail.end());
        expected.resize(expected.size() + 12 + 4, 0);  // model text, end entry
        ASSERT_EQ(expected.size(), 148u);
        const Bytes stream = SetupStream(setup, true);
        expected.insert(expected.end(), stream.begin(), stream.end());
        ASSERT_EQ(static_cast<std::int64_t>(expected.size()), test.dataOffset);
        for (const Bytes& record : records) {
            expected.insert(expected.end(), record.begin(), record.end());
        }
        EXPECT_EQ(ReadFileBytes(path_), expected);

        OpenedFile file(path_);
        ASSERT_TRUE(file.prepared);
        EXPECT_EQ(file.data.GetDataOffset(), test.dataOffset);
        EXPECT_EQ(file.data.GetRecordSize(), 11);
        EXPECT_EQ(file.data.GetRecordCount(), 2);
    }
}

TEST_F(RawDataTest, ASaveRemovesTheTemporaryFilesThatKilledSavesOfTheSameFileLeftBehind) {
    const std::filesystem::path leftover = folder_ / ".data.kivo.0badf00d.tmp";
    const std::filesystem::path ofAnotherFile = folder_ / ".other.kivo.0badf00d.tmp";
    WriteFileText(leftover, std::string(4096, 'x'));
    WriteFileText(ofAnotherFile, "kept");
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(1));
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(ofAnotherFile));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_F(RawDataTest, FileErrorsOfTheHeaderAndTheSetupTableGoToTheModelsSink) {
    testsupport::ScriptedUiBroker programBox{IDOK};
    // Cut off in the file header, and in the setup table after the information record.
    for (const rlim_t limit : {rlim_t{20}, rlim_t{400}}) {
        SCOPED_TRACE(limit);
        RecordingSink sink;
        CSetupTable setup = OneValueSetup(0);
        CDataInfo info;
        CRawData data;
        data.SetMessageSink(sink);
        ASSERT_TRUE(data.Initialize(&info, &setup));
        {
            testsupport::ScopedFileSizeLimit full(limit);
            EXPECT_FALSE(data.CreateDataFile(path_, 4));
        }
        EXPECT_EQ(sink.messages.size(), 1u);
        EXPECT_TRUE(programBox.Boxes().empty());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 0);
    }
}

TEST_F(RawDataTest, PathsWithAccentedLettersReachTheMessagesInTheProgramsEightBitText) {
    const std::filesystem::path missing = folder_ / "\u00e9t\u00e9.kivo";
    const std::filesystem::path garbage = folder_ / "donn\u00e9es.kivo";
    const std::filesystem::path emptyCsv = folder_ / "relev\u00e9.csv";
    WriteFileText(garbage, "no data file");
    WriteFileText(emptyCsv, "");
    struct Case {
        const char* what;
        std::function<void(CMessageSink&)> run;
        std::string name;  // as Windows-1252 bytes
    };
    for (const Case& test : {
             Case{"a file error", [&](CMessageSink& sink) { OpenWith(sink, missing); }, "\xE9t\xE9.kivo"},
             Case{"the model's own text", [&](CMessageSink& sink) { OpenWith(sink, garbage); },
                  "donn\xE9"
                  "es.kivo"},
             Case{"the CSV import", [&](CMessageSink& sink) { ConvertCSVToDataFile(emptyCsv, path_, sink); },
                  "relev\xE9.csv"},
         }) {
        SCOPED_TRACE(test.what);
        RecordingSink sink;
        test.run(sink);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_NE(sink.messages[0].find(test.name), std::string::npos) << sink.messages[0];
    }
}

TEST_F(RawDataTest, OpensDataFilesOfKind3And4AndRefusesOthers) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(1));
    const Bytes original = ReadFileBytes(path_);
    struct Case {
        std::uint16_t kind;
        std::int16_t version;
        bool opens;
        std::string message;
    };
    const std::string unreadable = "The file " + path_.string() + " could not be read.";
    const std::string newer = "The file being read is from a newer version of KIVO and cannot be opened.";
    for (const Case& test : {Case{4, 306, true, ""}, Case{3, 306, true, ""}, Case{1, 306, false, unreadable},
                             Case{2, 306, false, unreadable}, Case{4, 307, false, newer}}) {
        SCOPED_TRACE(testing::Message() << "kind " << test.kind << " version " << test.version);
        Bytes bytes = original;
        Put16(bytes, 0, static_cast<std::uint16_t>(test.version));
        Put16(bytes, 2, test.kind);
        WriteFileBytes(path_, bytes);
        OpenedFile file(path_, false);
        EXPECT_EQ(file.opened, test.opens);
        EXPECT_EQ(file.data.IsOpen(), test.opens);
        EXPECT_EQ(file.sink.messages,
                  test.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{test.message});
    }
}

TEST_F(RawDataTest, ReadsTheExtendedDataOfTheFormItsVersionHolds) {
    CSetupTable setup = OneValueSetup(0);
    setup.GetExtendedData().SetDemandWindow(30);
    const Bytes record = TimedRecords(1)[0];
    struct Case {
        std::int16_t version;
        std::size_t extendedBytes;  // none before 303, the 60-byte old form before 305
    };
    for (const Case& test : {Case{302, 0}, Case{303, 60}, Case{304, 60}, Case{305, 172}}) {
        SCOPED_TRACE(test.version);
        Bytes bytes(42, 0);
        Put16(bytes, 0, static_cast<std::uint16_t>(test.version));
        Put16(bytes, 2, 4);
        CDataInfo info;
        info.SetRecordCount(1);
        const auto& extended = setup.GetExtendedData().GetBlock().Bytes();
        {
            platform::BinaryFile file(path_, platform::BinaryFile::Mode::Create);
            file.Write(bytes);
            RecordingSink sink;
            ASSERT_TRUE(info.Write(&file, sink));
            file.Write(SetupStream(setup, false));
            file.Write(extended.data(), test.extendedBytes);
            file.Write(record);
        }
        OpenedFile file(path_);
        ASSERT_TRUE(file.prepared);
        EXPECT_EQ(file.data.GetDataOffset(), static_cast<std::int64_t>(1436 - 172 + test.extendedBytes));
        EXPECT_EQ(file.data.GetSetupTable()->GetExtendedData().GetDemandWindow(),
                  test.extendedBytes > 0 ? 30u : 15u);
        EXPECT_EQ(Bytes(file.data.GetRecordBuffer().begin(), file.data.GetRecordBuffer().end()), record);
    }
}

TEST_F(RawDataTest, AFileWithoutRecordsOpensButCannotBePrepared) {
    WriteDataFile(path_, OneValueSetup(0), {});
    OpenedFile file(path_);
    EXPECT_TRUE(file.opened);
    EXPECT_FALSE(file.prepared);
    EXPECT_EQ(file.sink.messages, std::vector<std::string>{"The data file holds no records."});
}

TEST_F(RawDataTest, AFileHoldingFewerRecordsThanItListsOpensWithThoseItHolds) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(10));
    Bytes bytes = ReadFileBytes(path_);
    bytes.resize(1436 + 6 * 11 + 5);  // six whole records and part of the seventh
    WriteFileBytes(path_, bytes);

    OpenedFile file(path_);
    ASSERT_TRUE(file.prepared);
    EXPECT_EQ(file.data.GetRecordCount(), 6);
    ASSERT_EQ(file.sink.messages.size(), 1u);
    EXPECT_EQ(file.sink.messages[0],
              "The data file " + path_.string() +
                  " holds 6 whole records, not the 10 it lists. Only those records are shown.");
    EXPECT_TRUE(file.data.ReadRecord(5));
    EXPECT_FALSE(file.data.ReadRecord(6));
}

TEST_F(RawDataTest, ReadsRecordsByIndexWithinTheRecordCount) {
    const std::vector<Bytes> records = TimedRecords(3);
    WriteDataFile(path_, OneValueSetup(0), records);
    OpenedFile file(path_);
    ASSERT_TRUE(file.prepared);
    EXPECT_EQ(file.data.GetCurrentRecord(), 0);  // preparing leaves the first record current
    for (const int index : {2, 0, 1}) {
        ASSERT_TRUE(file.data.ReadRecord(index));
        EXPECT_EQ(Bytes(file.data.GetRecordBuffer().begin(), file.data.GetRecordBuffer().end()),
                  records[static_cast<std::size_t>(index)]);
    }
    EXPECT_FALSE(file.data.ReadRecord(3));  // the record count itself lies past the records
    EXPECT_FALSE(file.data.ReadRecord(-1));
    EXPECT_EQ(file.data.GetCurrentRecord(), 1);
    EXPECT_TRUE(file.sink.messages.empty());
}

TEST_F(RawDataTest, ARecordReadOnceIsServedAgainWithoutReading) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(3));
    OpenedFile file(path_);
    ASSERT_TRUE(file.prepared);
    // Change the file under the open model: records already read come from memory.
    Bytes bytes = ReadFileBytes(path_);
    bytes[1436 + 7] = 0xEE;
    WriteFileBytes(path_, bytes);
    ASSERT_TRUE(file.data.ReadRecord(1));
    ASSERT_TRUE(file.data.ReadRecord(0));
    EXPECT_EQ(file.data.GetRecordBuffer()[7], TimedRecords(1)[0][7]);
}

TEST_F(RawDataTest, AFileTakesItsNameOnlyWhenClosed) {
    WriteFileText(path_, "the previous file");
    const CSetupTable setup = OneValueSetup(0);
    {
        CRawData data;
        RecordingSink sink;
        data.SetMessageSink(sink);
        ASSERT_TRUE(data.Initialize());
        *data.GetSetupTable() = setup;
        ASSERT_TRUE(data.CreateDataFile(path_, 4));
        ASSERT_TRUE(data.WriteRecords(TimedRecords(1)[0]));
        EXPECT_EQ(ReadFileText(path_), "the previous file");
        // Destroyed without being closed: the half-written file goes.
    }
    EXPECT_EQ(ReadFileText(path_), "the previous file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);

    WriteDataFile(path_, setup, TimedRecords(1));
    EXPECT_EQ(ReadFileBytes(path_).size(), 1436u + 11u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(RawDataTest, WritesWholeRecordsOnlyAndAnAbortedFileNeverTakesItsName) {
    CRawData data;
    ASSERT_TRUE(data.Initialize());
    *data.GetSetupTable() = OneValueSetup(0);
    ASSERT_TRUE(data.CreateDataFile(path_, 4));
    EXPECT_FALSE(data.WriteRecords(Bytes(10, 0)));
    EXPECT_TRUE(data.WriteRecords(Bytes(22, 0)));
    data.Abort();
    EXPECT_FALSE(data.CloseDataFile());  // given up: it never takes its name
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(RawDataTest, BuildingTheFieldListAgainGivesTheSameRecord) {
    WriteDataFile(path_, OneValueSetup(0), TimedRecords(1));
    OpenedFile file(path_);
    ASSERT_TRUE(file.prepared);
    ASSERT_TRUE(file.data.BuildFieldList());
    EXPECT_EQ(file.data.GetRecordSize(), 11);
    EXPECT_EQ(file.data.GetFieldCount(), 3);
    EXPECT_EQ(file.data.GetField(0)->name, "Date\r\n ");
    EXPECT_EQ(file.data.GetField(1)->offset, 4);
    EXPECT_EQ(file.data.GetField(2)->offset, 7);
    EXPECT_EQ(file.data.GetField(3), nullptr);
}

TEST_F(RawDataTest, InitializeTakesBothPartsOrNone) {
    CRawData data;
    CDataInfo info;
    CSetupTable setup;
    EXPECT_FALSE(data.Initialize(&info, nullptr));
    EXPECT_FALSE(data.Initialize(nullptr, &setup));
    EXPECT_TRUE(data.Initialize(&info, &setup));
    EXPECT_TRUE(data.IsBorrowed());
    EXPECT_EQ(data.GetSetupTable(), &setup);
    EXPECT_TRUE(data.Initialize());
    EXPECT_FALSE(data.IsBorrowed());
}

class RecordCopyTest : public RawDataTest {
protected:
    void SetUp() override {
        source_records_ = TimedRecords(10);
        WriteDataFile(source_path_, OneValueSetup(0), source_records_);
        source_ = std::make_unique<OpenedFile>(source_path_);
        ASSERT_TRUE(source_->prepared);
    }

    // A target made from the source's parts, as a range save makes it.
    void CreateTarget(CRawData& target, const CSetupTable& setup) {
        target.SetMessageSink(target_sink_);
        target_info_ = *source_->data.GetDataInfo();
        target_setup_ = setup;
        ASSERT_TRUE(target.Initialize(&target_info_, &target_setup_));
        ASSERT_TRUE(target.CreateDataFile(path_, 4));
    }

    Bytes RecordsOf(int first, int last) const {
        Bytes bytes;
        for (int i = first; i <= last; ++i) {
            const Bytes& record = source_records_[static_cast<std::size_t>(i - 1)];
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        return bytes;
    }

    std::filesystem::path source_path_ = folder_ / "source.kivo";
    std::vector<Bytes> source_records_;
    std::unique_ptr<OpenedFile> source_;
    CDataInfo target_info_;
    CSetupTable target_setup_;
    RecordingSink target_sink_;
};

TEST_F(RecordCopyTest, ARangeSaveHoldsThoseRecordsThenTheSetupAgain) {
    CRawData target;
    CreateTarget(target, *source_->data.GetSetupTable());
    ASSERT_TRUE(target.CopyRecords(source_->data, 3, 5));
    ASSERT_TRUE(target.CloseDataFile());

    const Bytes file = ReadFileBytes(path_);
    const Bytes records = RecordsOf(3, 5);
    const Bytes stream = SetupStream(*source_->data.GetSetupTable(), true);
    ASSERT_EQ(file.size(), 1436 + records.size() + stream.size());
    EXPECT_EQ(Bytes(file.begin() + 1436, file.begin() + 1436 + 33), records);
    EXPECT_EQ(Bytes(file.begin() + 1436 + 33, file.end()), stream);

    OpenedFile copy(path_);
    ASSERT_TRUE(copy.prepared);
    EXPECT_EQ(copy.data.GetRecordCount(), 3);
}

TEST_F(RecordCopyTest, ARangeSaveChecksItsRange) {
    struct Case {
        int first;
        int last;
        bool copies;
    };
    for (const Case& test :
         {Case{1, -1, true}, Case{10, 10, true}, Case{0, 2, false}, Case{5, 11, false}, Case{6, 5, false}}) {
        SCOPED_TRACE(testing::Message() << test.first << ".." << test.last);
        CRawData target;
        CreateTarget(target, *source_->data.GetSetupTable());
        EXPECT_EQ(target.CopyRecords(source_->data, test.first, test.last), test.copies);
        target.Abort();
    }
}

TEST_F(RecordCopyTest, AppendsEveryRecordOfASourceOfTheSameRecordSize) {
    CRawData target;
    CreateTarget(target, *source_->data.GetSetupTable());
    ASSERT_TRUE(target.AppendRecords(source_->data));
    ASSERT_TRUE(target.CloseDataFile());
    const Bytes file = ReadFileBytes(path_);
    EXPECT_EQ(Bytes(file.begin() + 1436, file.end()), RecordsOf(1, 10));
}

TEST_F(RecordCopyTest, CopiesNothingBetweenRecordsOfDifferentSizes) {
    CSetupTable wider = OneValueSetup(0);
    wider.GetHardwareChannel(0).SetPowerOptions(kQuantityKW, kOptionBit1 | kOptionBit8);
    CRawData target;
    CreateTarget(target, wider);
    EXPECT_FALSE(target.AppendRecords(source_->data));
    EXPECT_FALSE(target.CopyRecords(source_->data, 1, 2));
    ASSERT_TRUE(target.CloseDataFile());
    EXPECT_EQ(ReadFileBytes(path_).size(), 1436u);
}

TEST_F(RecordCopyTest, ACopyFromATruncatedSourceFails) {
    Bytes bytes = ReadFileBytes(source_path_);
    bytes.resize(1436 + 4 * 11);
    WriteFileBytes(source_path_, bytes);
    OpenedFile truncated(source_path_, false);  // opened only: it still lists 10 records
    ASSERT_TRUE(truncated.opened);
    CRawData target;
    CreateTarget(target, *source_->data.GetSetupTable());
    EXPECT_FALSE(target.AppendRecords(truncated.data));
    EXPECT_EQ(truncated.sink.messages.size(), 1u);
}

TEST_F(RecordCopyTest, CopiesABlockOfAnyLength) {
    CRawData target;
    CreateTarget(target, *source_->data.GetSetupTable());
    const Bytes source = ReadFileBytes(source_path_);
    ASSERT_TRUE(target.CopyBlock(source_->data, 10, source.size() - 10));
    EXPECT_FALSE(target.CopyBlock(source_->data, 10, source.size()));  // runs past the end
    target.Abort();
    CRawData again;
    CreateTarget(again, *source_->data.GetSetupTable());
    ASSERT_TRUE(again.CopyBlock(source_->data, 10, source.size() - 10));
    ASSERT_TRUE(again.CloseDataFile());
    const Bytes file = ReadFileBytes(path_);
    EXPECT_EQ(Bytes(file.begin() + 1436, file.end()), Bytes(source.begin() + 10, source.end()));
}

}  // namespace
}  // namespace datafiletest
