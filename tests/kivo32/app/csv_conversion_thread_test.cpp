// The CSV conversion on its worker: a small CSV becomes a data file that opens through the application,
// a CSV that cannot be dated fails with message 59546 and leaves no file at the target, and the dialogs
// that choose the two files: never proposing a data file that exists, never taking one open in a window.
#include "kivo32/app/csv_conversion_thread.h"

#include <gtest/gtest.h>

#include "kivo32/app/app_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/base_ids.h"
#include "platform/base/job_thread.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/resource_texts.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/link/link_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;

bool NothingOpen(const fs::path&) {
    return false;
}

const std::string kTitles =
    "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n";

class CsvConversionThreadTest : public testing::Test {
protected:
    CsvConversionThreadTest() { SetProgramTexts(platform::EnglishTexts()); }

    // Runs a conversion to its end; the messages the main window got, in order.
    std::vector<platform::Message> Convert(const std::string& csv) {
        fs::create_directories(csv_path_.parent_path());
        testsupport::WriteWholeFile(csv_path_, csv);
        { CCsvConversionThread thread(csv_path_, data_path_, main_window_); }
        std::vector<platform::Message> posted;
        while (auto message = main_queue_.TryTake()) {
            posted.push_back(std::move(*message));
        }
        return posted;
    }

    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    testsupport::TempFolder folder_;
    // A folder name with a "." must not cut the names.
    const fs::path csv_path_ = folder_ / "site.2024" / "March.csv";
    const fs::path data_path_ = folder_ / "site.2024" / "March.kivo";
    platform::MessageQueue main_queue_;
    std::shared_ptr<platform::MessageTarget> main_window_ =
        std::make_shared<platform::QueueMessageTarget>(main_queue_);
    platform::MessageQueue app_queue_;
    platform::QueueMessageTarget application_{app_queue_};
};

TEST_F(CsvConversionThreadTest, ACsvBecomesADataFileThatTheApplicationOpens) {
    std::vector<platform::Message> posted = Convert(
        kTitles + "1,03/15/24,10:00:00,1.5\r\n2,03/15/24,10:15:00,2.5\r\n3,03/15/24,10:30:00,3.5\r\n");

    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[0].id, WM_LINK_STATUS);
    EXPECT_EQ(posted[0].wParam, STATUS_TEXT);
    EXPECT_EQ(*platform::PayloadAs<std::string>(posted[0]), LoadText(IDS_CONVERTING_CSV));
    EXPECT_EQ(*platform::PayloadAs<std::string>(posted[1]), LoadText(IDS_STATUS_READY));
    platform::Message& result = posted[2];
    EXPECT_EQ(result.id, WM_CONVERSION_RESULT);
    EXPECT_EQ(result.wParam, kConversionResultCode);
    EXPECT_EQ(result.lParam, 1);

    ASSERT_TRUE(OnConversionResult(result, application_));
    auto open = app_queue_.TryTake();
    ASSERT_TRUE(open);
    EXPECT_EQ(open->id, WM_OPEN_DOWNLOADED_FILE);
    EXPECT_EQ(*platform::PayloadAs<fs::path>(*open), data_path_);
    EXPECT_TRUE(broker_.Asked().empty());

    CRawData data;
    ASSERT_TRUE(data.Initialize());
    ASSERT_TRUE(data.OpenDataFile(data_path_));
    ASSERT_TRUE(data.InitRecordAccess(false));
    EXPECT_EQ(data.GetRecordCount(), 3);
    // Nothing else was left in the folder: no working file beside the program or the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "site.2024"), fs::directory_iterator()), 2);
}

TEST_F(CsvConversionThreadTest, ACsvThatCannotBeDatedFailsWithItsMessageAndLeavesNoFile) {
    broker_.SetDefaultAnswer(IDOK);
    std::vector<platform::Message> posted = Convert(
        kTitles + "1,03/15/24,10:00:00,1.5\r\n2,03/15/24,10:15:00,2.5\r\n3,13/45/24,10:30:00,3.5\r\n");

    ASSERT_FALSE(posted.empty());
    platform::Message& result = posted.back();
    EXPECT_EQ(result.id, WM_CONVERSION_RESULT);
    EXPECT_EQ(result.lParam, 0);
    EXPECT_EQ(result.payload, nullptr);
    const std::size_t before = broker_.Boxes().size();

    ASSERT_TRUE(OnConversionResult(result, application_));
    EXPECT_TRUE(app_queue_.Empty());
    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), before + 1);
    EXPECT_EQ(boxes.back().ids.promptId, IDS_UNKNOWN_ERROR);
    EXPECT_EQ(boxes.back().ids.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_FALSE(fs::exists(data_path_));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "site.2024"), fs::directory_iterator()), 1);
}

TEST_F(CsvConversionThreadTest, AConversionWithoutAThreadIsToldWithTheSystemsCodeAndWritesNothing) {
    broker_.SetDefaultAnswer(IDOK);
    std::vector<platform::Message> posted;
    {
        const platform::FailedJobStarts refused(std::errc::resource_unavailable_try_again);
        posted = Convert(kTitles + "1,03/15/24,10:00:00,1.5\r\n");
    }
    EXPECT_TRUE(posted.empty());
    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].texts.prompt, "Error: Unable to create CSV to KIVO/DAT convert thread (Error = " +
                                         std::to_string(EAGAIN) + ")");
    EXPECT_EQ(boxes[0].texts.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_FALSE(fs::exists(data_path_));
}

TEST_F(CsvConversionThreadTest, OnlyTheConversionResultIsTaken) {
    EXPECT_FALSE(OnConversionResult(platform::Message(WM_OPEN_DOWNLOADED_FILE), application_));
    // Another wParam is taken but does nothing.
    EXPECT_TRUE(OnConversionResult(platform::Message(WM_CONVERSION_RESULT, 1, nullptr, 0), application_));
    EXPECT_TRUE(app_queue_.Empty());
    EXPECT_TRUE(broker_.Asked().empty());
}

}  // namespace

namespace {

TEST_F(CsvConversionThreadTest, TheDialogsProposeTheDataFileBesideTheCsvAndQuestionOtherExtensions) {
    const struct {
        const char* name;
        fs::path csvChosen;
        fs::path dataChosen;
        std::vector<int> answers;  // to the extension questions, in order
        bool converts;
    } cases[] = {
        {"the usual names", csv_path_, data_path_, {}, true},
        {"a CSV name confirmed", folder_ / "March.txt", folder_ / "March.kivo", {IDYES}, true},
        {"a CSV name refused", folder_ / "March.txt", {}, {IDNO}, false},
        {"a data file name refused", csv_path_, folder_ / "March.dat", {IDNO}, false},
        {"a data file name confirmed", csv_path_, folder_ / "March.dat", {IDYES}, true},
    };
    for (const auto& c : cases) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerFileName(c.csvChosen);
        for (const int answer : c.answers) {
            broker.AnswerMessageBox(answer);
        }
        if (!c.dataChosen.empty()) {
            broker.AnswerFileName(c.dataChosen);
        }
        const std::optional<CsvConversionPaths> paths = AskCsvConversionPaths(folder_.path(), NothingOpen);
        ASSERT_EQ(paths.has_value(), c.converts) << c.name;
        if (paths) {
            EXPECT_EQ(paths->csv, c.csvChosen) << c.name;
            EXPECT_EQ(paths->data, c.dataChosen) << c.name;
        }
        const auto asked = broker.Asked();
        ASSERT_FALSE(asked.empty()) << c.name;
        EXPECT_TRUE(asked[0].fileRequest.open) << c.name;
        EXPECT_EQ(asked[0].fileRequest.initialFolder, folder_.path()) << c.name;
        if (c.csvChosen == csv_path_) {
            // Only the name's extension is replaced, not the folder's ".2024".
            ASSERT_GE(asked.size(), 2u) << c.name;
            EXPECT_EQ(asked[1].fileRequest.fileName, data_path_) << c.name;
            EXPECT_FALSE(asked[1].fileRequest.open) << c.name;
        }
    }
}

TEST_F(CsvConversionThreadTest, TheDataFileProposedIsNeverOneThatExists) {
    fs::create_directories(csv_path_.parent_path());
    const fs::path folder = csv_path_.parent_path();
    const struct {
        std::vector<const char*> existing;
        const char* proposed;
    } cases[] = {
        {{}, "March.kivo"},
        {{"March.kivo"}, "March-01.kivo"},
        {{"March.kivo", "March-01.kivo"}, "March-02.kivo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.proposed);
        for (const char* name : c.existing) {
            testsupport::WriteWholeFile(folder / name, "download");
        }
        testsupport::ScriptedUiBroker broker;
        broker.AnswerFileName(csv_path_);
        broker.AnswerFileName(std::nullopt);
        EXPECT_FALSE(AskCsvConversionPaths(folder_.path(), NothingOpen));
        ASSERT_EQ(broker.Asked().size(), 2u);
        EXPECT_EQ(broker.Asked()[1].fileRequest.fileName, folder / c.proposed);
    }
}

TEST_F(CsvConversionThreadTest, ADataFileOpenInAWindowIsRefusedAndTheNameAskedAgain) {
    fs::create_directories(csv_path_.parent_path());
    testsupport::WriteWholeFile(data_path_, "download");
    const fs::path other = folder_ / "other.kivo";
    testsupport::ScriptedUiBroker broker;
    broker.AnswerFileName(csv_path_);
    broker.AnswerFileName(data_path_);
    broker.AnswerMessageBox(IDOK);
    broker.AnswerFileName(other);
    const std::optional<CsvConversionPaths> paths =
        AskCsvConversionPaths(folder_.path(), [&](const fs::path& path) { return path == data_path_; });
    ASSERT_TRUE(paths);
    EXPECT_EQ(paths->data, other);
    const auto asked = broker.Asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[2].text,
              platform::FormatLoadedText(IDS_CONVERSION_ONTO_OPEN_FILE, {data_path_.string()}));
    EXPECT_EQ(asked[2].style, MB_OK | MB_ICONEXCLAMATION);
    // Asked again, the box proposes a name that is free.
    EXPECT_EQ(asked[3].fileRequest.fileName, data_path_.parent_path() / "March-01.kivo");
    EXPECT_EQ(testsupport::ReadWholeFile(data_path_), "download");
}

}  // namespace
