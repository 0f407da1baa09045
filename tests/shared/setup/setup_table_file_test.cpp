// The setup-table file: sizes and versions of what a save writes, round trips per model family, the
// refusals with their texts, older versions without alarms or extended data, and saves that fail.
#include "shared/setup/setup_table_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/base/byte_order.h"
#include "platform/base/program_texts.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A file as an older program wrote it: header of `version` and kind 1, then the stream.
Bytes FileBytes(const CSetupTable& table, int version, std::uint16_t kind, bool alarms, bool extended) {
    Bytes bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    CFileHeader header;
    header.SetVersion(static_cast<std::int16_t>(version));
    header.SetKind(kind);
    header.Write(writer);
    table.Write(writer, alarms, extended);
    return bytes;
}

class SetupTableFileTest : public testing::Test {
protected:
    void SetUp() override {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "setup");
        texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
        SetProgramTexts(std::move(texts));
        boxes_.SetDefaultAnswer(IDOK);
    }
    void TearDown() override { SetProgramTexts({}); }

    // The prompts of the boxes shown so far.
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& box : boxes_.Boxes()) {
            prompts.push_back(box.texts.prompt);
        }
        return prompts;
    }

    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker boxes_;
    testsupport::TempFolder folder_;
};

// A table with something in every part that the file carries.
CSetupTable EditedTable(int model) {
    CSetupTable table;
    table.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    table.GetHeader().SetHeaderText("Plant room");
    table.GetHardwareChannel(2).SetType(kChannelPower);
    table.GetHardwareChannel(2).SetNote("east feeder");
    table.GetSoftwareChannel(1).SetName("sum");
    table.GetPulseChannel(1).SetName("meter");
    table.GetAnalogChannel(3).SetType(kChannelAnalog0To10V);
    table.SetAlarmsInUse(true);
    table.GetExtendedData().SetStartTime(1'700'000'000);
    return table;
}

TEST_F(SetupTableFileTest, EachModelFamilySavesAtItsSizeAndReadsBackWhole) {
    struct Case {
        int model;
        std::uintmax_t size;
    };
    for (const Case& c : {Case{0, 1762}, Case{7, 1762}, Case{13, 1854}, Case{14, 2026}}) {
        SCOPED_TRACE(c.model);
        const auto path = folder_ / ("model" + std::to_string(c.model) + ".sut");
        const CSetupTable table = EditedTable(c.model);
        CFileHeader header;
        header.SetKind(CFileHeader::kKindSetupTable);
        CPSTFileException openError;
        ASSERT_EQ(WriteSetupTableFile(path, header, table, openError), SetupFileResult::kOk);
        EXPECT_EQ(header.GetVersion(), kSetupFileVersion);
        EXPECT_EQ(std::filesystem::file_size(path), c.size);
        CFileHeader readHeader;
        CSetupTable read;
        ASSERT_EQ(ReadSetupTableFile(path, readHeader, read, openError), SetupFileResult::kOk);
        EXPECT_EQ(readHeader.GetKind(), CFileHeader::kKindSetupTable);
        EXPECT_EQ(readHeader.GetVersion(), kSetupFileVersion);
        EXPECT_TRUE(read.Compare(table));
        EXPECT_EQ(read.GetHardwareChannel(2).GetNote(), "east feeder");
        EXPECT_TRUE(read.IsAlarmsInUse());
        EXPECT_EQ(read.GetExtendedData().GetStartTime(), 1'700'000'000u);
        EXPECT_EQ(read.GetPulseChannel(1).GetName(), c.model == 13 ? "meter" : "");
        EXPECT_EQ(read.GetAnalogChannel(3).GetType(), c.model == 14 ? kChannelAnalog0To10V : kChannelOff);
    }
    EXPECT_TRUE(boxes_.Boxes().empty());
    // The saves left no temporary file behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 4);
}

TEST_F(SetupTableFileTest, TenSecondQuarvenSetupsAreWrittenAsVersion406) {
    struct Case {
        int model;
        std::uint8_t intervalCode;
        std::int16_t version;
    };
    // Interval code 9 is 10 seconds, 0 is one minute.
    for (const Case& c : {Case{14, 9, 406}, Case{13, 9, 406}, Case{14, 0, 405}, Case{10, 9, 405}}) {
        SCOPED_TRACE(testing::Message() << c.model << "/" << int(c.intervalCode));
        CSetupTable table;
        table.GetHeader().SetModelCode(static_cast<std::uint8_t>(c.model));
        table.GetHeader().SetIntervalCode(c.intervalCode);
        EXPECT_EQ(SetupFileVersionFor(table), c.version);

        const auto path = folder_ / "fast.sut";
        CFileHeader header;
        CPSTFileException openError;
        ASSERT_EQ(WriteSetupTableFile(path, header, table, openError), SetupFileResult::kOk);
        EXPECT_EQ(header.GetVersion(), c.version);
        EXPECT_EQ(platform::ReadU16(ReadBytes(path), 0, platform::ByteOrder::Little), c.version);
    }
}

TEST_F(SetupTableFileTest, OlderVersionsLeaveAlarmsAndExtendedDataAtTheirDefaults) {
    CSetupTable written = EditedTable(0);
    struct Case {
        int version;
        bool alarms;
        bool extended;
    };
    for (const Case& c : {Case{401, false, false}, Case{402, true, false}, Case{403, true, true}}) {
        SCOPED_TRACE(c.version);
        const auto path = folder_ / "old.sut";
        WriteBytes(path, FileBytes(written, c.version, CFileHeader::kKindSetupTable, c.alarms, c.extended));
        CFileHeader header;
        CSetupTable read;
        CPSTFileException openError;
        ASSERT_EQ(ReadSetupTableFile(path, header, read, openError), SetupFileResult::kOk);
        EXPECT_EQ(header.GetVersion(), c.version);
        EXPECT_TRUE(read.Compare(written));
        EXPECT_EQ(read.IsAlarmsInUse(), c.alarms);
        EXPECT_EQ(read.GetExtendedData().GetStartTime(), c.extended ? 1'700'000'000u : 0u);
    }
}

TEST_F(SetupTableFileTest, RefusedFilesLeaveTheDocumentsTableAndHeaderAsTheyWere) {
    const CSetupTable valid = EditedTable(13);
    Bytes truncated = FileBytes(valid, 405, CFileHeader::kKindSetupTable, true, true);
    truncated.resize(truncated.size() - 1);
    struct Case {
        const char* name;
        Bytes bytes;
        std::string prompt;
    };
    const auto path = folder_ / "bad.sut";
    const std::string shown = path.string();
    const Case cases[] = {
        {"data file", FileBytes(valid, 306, CFileHeader::kKindDataFile, false, true),
         "The file " + shown + " is not a setup table file."},
        {"logger list", FileBytes(valid, 302, CFileHeader::kKindLoggerList, false, false),
         "The file " + shown + " is not a setup table file."},
        {"newer", FileBytes(valid, 407, CFileHeader::kKindSetupTable, true, true),
         "The file being read is from a newer version of KIVO and cannot be opened."},
        {"truncated", truncated, "The file " + shown + " could not be read."},
        {"header only", Bytes(truncated.begin(), truncated.begin() + 30),
         "The file " + shown + " could not be read."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.bytes);
        CFileHeader header;
        header.SetVersion(0);
        CSetupTable table;
        table.GetHeader().SetHeaderText("kept");
        CPSTFileException openError;
        const std::size_t before = boxes_.Boxes().size();
        EXPECT_EQ(ReadSetupTableFile(path, header, table, openError), SetupFileResult::kFailed);
        ASSERT_EQ(boxes_.Boxes().size(), before + 1);
        EXPECT_EQ(boxes_.Boxes().back().texts.prompt, c.prompt);
        EXPECT_EQ(table.GetHeader().GetHeaderText(), "kept");
        EXPECT_EQ(table.GetModelCode(), 0);
        EXPECT_EQ(header.GetVersion(), 0);
        EXPECT_EQ(header.GetKind(), 0);
    }
}

TEST_F(SetupTableFileTest, AMissingFileIsLeftToTheCallersReport) {
    CFileHeader header;
    CSetupTable table;
    CPSTFileException openError;
    EXPECT_EQ(ReadSetupTableFile(folder_ / "missing.sut", header, table, openError),
              SetupFileResult::kOpenFailed);
    EXPECT_EQ(openError.cause(), CPSTFileException::fileNotFound);
    EXPECT_EQ(WriteSetupTableFile(folder_ / "no folder" / "new.sut", header, table, openError),
              SetupFileResult::kOpenFailed);
    EXPECT_NE(openError.cause(), CPSTFileException::none);
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(SetupTableFileTest, ASaveThatCannotReplaceItsTargetLeavesItAndNoTemporaryFile) {
    // A folder in the target's place: refused before anything is written, as a file that cannot be made.
    const auto path = folder_ / "blocked.sut";
    std::filesystem::create_directories(path / "inside");
    CFileHeader header;
    header.SetVersion(401);
    CPSTFileException openError;
    EXPECT_EQ(WriteSetupTableFile(path, header, EditedTable(0), openError), SetupFileResult::kOpenFailed);
    EXPECT_EQ(openError.cause(), CPSTFileException::accessDenied);
    EXPECT_EQ(openError.path(), path);
    EXPECT_EQ(header.GetVersion(), 401);
    EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

}  // namespace
