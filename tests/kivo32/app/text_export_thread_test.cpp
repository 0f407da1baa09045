// The text export: the questions before it, the export on its worker with its result box, the batch
// export without any window, and the path as the result box shows it.
#include "kivo32/app/text_export_thread.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "kivo32/app/app_ids.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/error_texts.h"
#include "shared/datafile/csv_export.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/message_sink.h"
#include "shared/link/link_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;

class TextExportThreadTest : public testing::Test {
protected:
    TextExportThreadTest() {
        SetProgramTexts(platform::EnglishTexts());
        fs::create_directories(data_path_.parent_path());
        const fs::path csv = folder_ / "source.csv";
        testsupport::WriteWholeFile(csv,
                                    "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n"
                                    "\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n"
                                    "1,03/15/24,10:00:00,1.5\r\n2,03/15/24,10:15:00,2.5\r\n");
        EXPECT_TRUE(ConvertCSVToDataFile(csv, data_path_, MessageBoxSink()));
    }

    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    testsupport::TempFolder folder_;
    const fs::path data_path_ = folder_ / "site.2024" / "March";
    platform::MessageQueue main_queue_;
    std::shared_ptr<platform::MessageTarget> main_window_ =
        std::make_shared<platform::QueueMessageTarget>(main_queue_);
};

TEST_F(TextExportThreadTest, TheSaveDialogProposesTheCsvNameAndAnotherExtensionMustBeConfirmed) {
    struct Case {
        std::optional<fs::path> chosen;
        std::optional<int> confirm;  // the answer to 9352; nullopt: not asked
        bool taken;
    };
    const Case cases[] = {
        {std::nullopt, {}, false},          {folder_ / "out.csv", {}, true},
        {folder_ / "OUT.CSV", {}, true},    {folder_ / "out.txt", IDYES, true},
        {folder_ / "out.txt", IDNO, false}, {folder_ / "out", IDNO, false},
    };
    for (const Case& test : cases) {
        const std::string name = test.chosen ? test.chosen->filename().string() : "cancel";
        SCOPED_TRACE(name);
        testsupport::ScriptedUiBroker broker;
        broker.AnswerFileName(test.chosen);
        if (test.confirm) {
            broker.AnswerMessageBox(*test.confirm);
        }

        const auto path = AskTextExportPath(data_path_);

        EXPECT_EQ(path.has_value(), test.taken);
        if (test.taken) {
            EXPECT_EQ(*path, *test.chosen);
        }
        const auto asked = broker.Asked();
        ASSERT_EQ(asked.size(), test.confirm ? 2u : 1u);
        // The data file's name with ".csv", though its folder holds a "." and the name none.
        const platform::FileNameRequest& request = asked[0].fileRequest;
        EXPECT_FALSE(request.open);
        EXPECT_EQ(request.fileName, folder_ / "site.2024" / "March.csv");
        EXPECT_EQ(request.defaultExtension, "csv");
        EXPECT_EQ(request.flags, 0x800806u);
        ASSERT_EQ(request.filters.size(), 2u);
        EXPECT_EQ(request.filters[0].patterns, std::vector<std::string>{"*.csv"});
        EXPECT_EQ(request.filters[1].name, LoadText(IDS_ALL_FILES_FILTER) + " (*.*)");
        if (test.confirm) {
            EXPECT_EQ(asked[1].text, platform::FormatLoadedText(IDS_NOT_A_CSV_NAME, {test.chosen->string()}));
            EXPECT_EQ(asked[1].style, MB_YESNO | MB_ICONQUESTION);
        }
    }
}

TEST_F(TextExportThreadTest, TheWorkerWritesTheCsvShowsProgressAndTellsTheResult) {
    const fs::path csv = folder_ / "March.csv";
    broker_.AnswerMessageBox(IDOK);
    { CTextExportThread thread(data_path_, csv, main_window_); }
    EXPECT_NE(testsupport::ReadWholeFile(csv).find("2.5"), std::string::npos);
    std::vector<std::string> status;
    while (auto message = main_queue_.TryTake()) {
        EXPECT_EQ(message->id, WM_LINK_STATUS);
        EXPECT_EQ(message->wParam, STATUS_TEXT);
        status.push_back(*platform::PayloadAs<std::string>(*message));
    }
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), LoadText(IDS_STATUS_READY));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, platform::FormatLoadedText(IDS_EXPORT_DONE, {BreakLongPath(csv.string())}));
    EXPECT_EQ(asked[0].caption, LoadText(IDS_EXPORT_DONE_CAPTION));
    EXPECT_EQ(asked[0].style, MB_OK | MB_ICONINFORMATION);
}

TEST_F(TextExportThreadTest, AFailedExportIsToldWithItsReason) {
    broker_.SetDefaultAnswer(IDOK);
    { CTextExportThread thread(folder_ / "missing.kivo", folder_ / "missing.csv", main_window_); }
    EXPECT_FALSE(fs::exists(folder_ / "missing.csv"));
    const auto asked = broker_.Asked();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().text,
              platform::FormatLoadedText(IDS_EXPORT_FAILED, {ExportStatusText(CCsvExport::kFileError)}));
    EXPECT_EQ(asked.back().style, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(TextExportThreadTest, AFullDiskIsToldAsACsvThatCouldNotBeWritten) {
    broker_.SetDefaultAnswer(IDOK);
    {
        testsupport::ScopedFileSizeLimit full(64);
        CTextExportThread thread(data_path_, folder_ / "full.csv", main_window_);
    }
    EXPECT_FALSE(fs::exists(folder_ / "full.csv"));
    const auto asked = broker_.Asked();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().text,
              platform::FormatLoadedText(IDS_EXPORT_FAILED, {ExportStatusText(CCsvExport::kRowsFailed)}));
    EXPECT_EQ(asked.back().style, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(TextExportThreadTest, ABatchExportAsksNothingAndGivesTheExitCode) {
    // The broker has no answers: any question would fail the test.
    std::ostringstream errors;
    EXPECT_EQ(RunBatchExport(data_path_, folder_ / "batch.csv", errors), 0);
    EXPECT_NE(testsupport::ReadWholeFile(folder_ / "batch.csv").find("1.5"), std::string::npos);
    EXPECT_EQ(errors.str(), "");
    EXPECT_TRUE(broker_.Asked().empty());
    EXPECT_TRUE(main_queue_.Empty());
}

TEST_F(TextExportThreadTest, AFailedBatchExportSaysWhyOnOneLineAndLeavesEveryFileAsItWas) {
    const std::string data = testsupport::ReadWholeFile(data_path_);
    testsupport::WriteWholeFile(folder_ / "broken.kivo", "not a data file");
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    fs::create_symlink(data_path_, folder_ / "link");
    fs::create_hard_link(data_path_, folder_ / "hard");
    const std::string ontoData = "is the data file it would be made from";
    struct Case {
        const char* what;
        fs::path input;
        fs::path output;
        std::string said;  // a part of the line
    };
    const Case cases[] = {
        {"missing input", folder_ / "missing.kivo", folder_ / "out.csv", "missing.kivo"},
        {"broken input", folder_ / "broken.kivo", folder_ / "out.csv", "broken.kivo"},
        {"input a pipe", folder_ / "pipe", folder_ / "out.csv", "pipe"},
        {"input a folder", folder_.path(), folder_ / "out.csv", "could not be exported"},
        {"output the input", data_path_, data_path_, ontoData},
        {"output the input by another path", data_path_,
         data_path_.parent_path() / ".." / "site.2024" / "March", ontoData},
        {"output a link to the input", data_path_, folder_ / "link", ontoData},
        {"output a hard link of the input", data_path_, folder_ / "hard", ontoData},
        {"output a folder", data_path_, folder_.path(), "could not be exported"},
        {"output in a missing folder", data_path_, folder_ / "none" / "out.csv", "none/out.csv"},
        {"output a device", data_path_, "/dev/null", "/dev/null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ostringstream errors;
        EXPECT_EQ(RunBatchExport(c.input, c.output, errors), 1);
        const std::string line = errors.str();
        EXPECT_NE(line.find(c.said), std::string::npos) << line;
        EXPECT_NE(line.find("The data could not be exported"), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
        EXPECT_TRUE(testsupport::ReadWholeFile(data_path_) == data);
    }
    EXPECT_FALSE(fs::exists(folder_ / "out.csv"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link"));
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(TextExportThreadTest, ALongPathIsBrokenAfterItsLastFolderWithinFiftyOneCharacters) {
    struct Case {
        std::string path;
        std::string shown;
    };
    const std::string folder40 = "/home/engineer/Documents/TARV/KIVO/Data/";  // 40 characters
    const Case cases[] = {
        {"/short/path.csv", "/short/path.csv"},
        {std::string(50, 'a'), std::string(50, 'a')},
        {folder40 + "Substation North.csv", folder40 + "...\n     Substation North.csv"},
        {folder40 + "Site/Substation North.csv", folder40 + "Site/...\n     Substation North.csv"},
        {std::string(60, 'a'), std::string(60, 'a')},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(BreakLongPath(test.path), test.shown) << test.path;
    }
}

}  // namespace
