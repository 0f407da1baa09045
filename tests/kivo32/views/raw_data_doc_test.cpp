// The data-file document: open, range saves into extracted documents (by records and from grid rows),
// Save As with its questions, the copy that never loses the old file, closing an extracted range, and
// one document per file.
#include "kivo32/views/raw_data_doc.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "kivo32/views/extracted_range_save_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "shared/datafile/data_grid_rows.h"
#include "shared/datafile/delete_file_with_retries.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using datafiletest::ReadFileText;
using datafiletest::WriteFileText;

constexpr unsigned kDataTemplate = 11;

// A grid view whose cells are given texts: date, time, value.
class TextGridView : public platform::View, public CDataGridRows {
public:
    explicit TextGridView(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}

    int GetRowCount() const override { return static_cast<int>(rows_.size()); }
    std::string GetCellText(int row, int column) const override {
        return rows_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(column - 1));
    }

private:
    std::vector<std::vector<std::string>> rows_;
};

class RawDataDocTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        platform::TextTable texts = platform::EnglishTexts();
        texts.Set(kDataTemplate, "\nData\nKIVO Data File\nKIVO Data File (*.kivo)\n.kivo;.dat");
        SetProgramTexts(std::move(texts));
        std::filesystem::create_directory(work_);
        CRawDataDoc::SetWorkFolder(work_);
        main_ = std::make_unique<platform::MainFrame>(&documents_);
        documents_.AddDocTemplate(std::make_unique<platform::DocTemplate>(
            kDataTemplate, [] { return std::make_unique<CRawDataDoc>(); },
            [] { return new platform::ChildFrame; }, [this] { return new TextGridView(grid_rows_); }));
        datafiletest::WriteDataFile(site_, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(10));
    }

    void TearDown() override {
        main_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetProgramTexts(platform::EnglishTexts());
        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    }

    CRawDataDoc* Open(const std::filesystem::path& path) {
        return static_cast<CRawDataDoc*>(documents_.OpenDocumentFile(path));
    }
    static bool CloseFrameOf(platform::Document* document) {
        const bool closed = document->Frames().front()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }
    std::vector<std::string> AskedTexts() const {
        std::vector<std::string> texts;
        for (const auto& asked : broker_.Asked()) {
            texts.push_back(asked.kind == "MessageBox" ? asked.text : asked.kind);
        }
        return texts;
    }
    std::size_t FilesIn(const std::filesystem::path& folder) const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    testsupport::TempFolder folder_;
    std::filesystem::path work_ = folder_ / "work";
    std::filesystem::path site_ = folder_ / "site.kivo";
    std::vector<std::vector<std::string>> grid_rows_;
    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

TEST_F(RawDataDocTest, ARecordRangeOpensOnATemporaryCopyThatSaveAsMakesTheUsersFile) {
    CRawDataDoc* source = Open(site_);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->GetRawData().GetRecordCount(), 10);
    EXPECT_EQ(source->GetOriginalPath(), site_);

    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = source->SaveRecordRange(3, 5, false, false);
    ASSERT_NE(extract, nullptr);
    EXPECT_TRUE(extract->IsExtractedData());
    EXPECT_TRUE(extract->IsTemporaryFile());
    EXPECT_EQ(extract->PathName(), work_ / "siteTemp0.kivo");
    EXPECT_EQ(extract->Title(), "Extract of site.kivo");
    EXPECT_EQ(extract->GetExtractedName(), "site.kivo");
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 3);
    EXPECT_EQ(documents_.RecentFiles().Entries(), std::vector<std::filesystem::path>{site_});
    EXPECT_EQ(AskedTexts().back(),
              "3 records saved, 0 empty records added for missing intervals.\n\n"
              "The extracted data opens in a new window; use Save As to keep it.");

    // An extract of an extract names the data of the first.
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* again = extract->SaveRecordRange(1, 2, false, false);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetExtractedName(), "site.kivo");
    EXPECT_EQ(again->PathName(), work_ / "siteTemp1.kivo");
    EXPECT_EQ(again->GetRawData().GetRecordCount(), 2);

    const auto part = folder_ / "part.kivo";
    broker_.AnswerFileName(part);
    ASSERT_TRUE(extract->OnCommand(ID_FILE_SAVE));
    EXPECT_FALSE(extract->IsExtractedData());
    EXPECT_FALSE(extract->IsTemporaryFile());
    EXPECT_EQ(extract->PathName(), part);
    EXPECT_EQ(extract->Title(), "part.kivo");
    EXPECT_EQ(extract->GetRawData().GetPath(), part);
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 3);
    EXPECT_EQ(FilesIn(work_), 1u);
    EXPECT_EQ(documents_.RecentFiles().Entries().front(), part);
    // The data file dialog offers both extensions.
    const auto request = broker_.Asked().back().fileRequest;
    EXPECT_EQ(request.defaultExtension, "kivo");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].name, "KIVO Data File (*.kivo; *.dat)");
}

TEST_F(RawDataDocTest, GridRowsWithAGapSaveWithEmptyRecordsAndNoReadableRowSavesNothing) {
    grid_rows_ = {{"03/15/24", "10:00:00", "1"}, {"03/15/24", "10:45:00", "2"}, {"03/15/24", "11:00:00", ""}};
    CRawDataDoc* source = Open(site_);
    ASSERT_NE(source, nullptr);
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = source->SaveRecordRange(1, -1, true, false);
    ASSERT_NE(extract, nullptr);
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 5);
    EXPECT_EQ(AskedTexts().back().rfind("3 records saved, 2 empty records added", 0), 0u);
    EXPECT_TRUE(CloseFrameOf(source));

    grid_rows_ = {{"", "", "1"}};
    CRawDataDoc* empty = Open(site_);
    ASSERT_NE(empty, nullptr);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(empty->SaveRecordRange(1, -1, true, false), nullptr);
    EXPECT_EQ(AskedTexts().back(), "No row of the grid has a date and time, so nothing was saved.");
    EXPECT_EQ(FilesIn(work_), 1u);
}

TEST_F(RawDataDocTest, AGapOfAYearIsFilledOnlyWhenTheUserAgrees) {
    grid_rows_ = {{"03/15/24", "10:00:00", "1"}, {"03/15/25", "10:15:00", "2"}};
    CRawDataDoc* source = Open(site_);
    ASSERT_NE(source, nullptr);
    broker_.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(source->SaveRecordRange(1, -1, true, false), nullptr);
    EXPECT_EQ(AskedTexts().back(),
              "35040 records are missing before row 2. Fill the gap with empty records? No leaves the gap, "
              "Cancel stops.");
    EXPECT_EQ(FilesIn(work_), 0u);
    // Left unfilled, the new file reports its gap when it opens.
    broker_.AnswerMessageBox(IDNO);
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = source->SaveRecordRange(1, -1, true, false);
    ASSERT_NE(extract, nullptr);
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 2);
    // The record times are checked once the window shows, and the finding told then.
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [&] { return AskedTexts().back().rfind("35040 records missing in 1 gap.", 0) == 0; }));
}

TEST_F(RawDataDocTest, ClosingAnExtractedRangeAsksUntilTheDataIsSavedOrLeft) {
    CRawDataDoc* source = Open(site_);
    ASSERT_NE(source, nullptr);
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = source->SaveRecordRange(2, 4, false, false);
    ASSERT_NE(extract, nullptr);
    const auto temp = extract->PathName();

    // Save, then Cancel in the file dialog: the question comes back; Cancel there keeps the window.
    broker_.AnswerDialog("CExtractedRangeSaveDlg", CExtractedRangeSaveDlg::kChoiceSave);
    broker_.AnswerFileName(std::nullopt);
    broker_.AnswerDialog("CExtractedRangeSaveDlg", 0);
    EXPECT_FALSE(CloseFrameOf(extract));
    EXPECT_TRUE(std::filesystem::exists(temp));

    // Close without saving: the window and its temporary file go.
    broker_.AnswerDialog("CExtractedRangeSaveDlg", CExtractedRangeSaveDlg::kChoiceClose);
    EXPECT_TRUE(CloseFrameOf(extract));
    EXPECT_FALSE(std::filesystem::exists(temp));
    EXPECT_EQ(documents_.DocumentCount(), 1u);

    // Saving it under a name closes it with its file kept.
    broker_.AnswerMessageBox(IDOK);
    extract = source->SaveRecordRange(2, 4, false, false);
    ASSERT_NE(extract, nullptr);
    const auto kept = folder_ / "kept.kivo";
    broker_.AnswerDialog("CExtractedRangeSaveDlg", CExtractedRangeSaveDlg::kChoiceSave);
    broker_.AnswerFileName(kept);
    EXPECT_TRUE(CloseFrameOf(extract));
    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_EQ(FilesIn(work_), 0u);
    // A data file of the user's closes without a question.
    EXPECT_TRUE(CloseFrameOf(source));
}

TEST_F(RawDataDocTest, SaveCopyAsAsksBeforeReplacingAndNeverLosesTheOldTarget) {
    CRawDataDoc* source = Open(site_);
    ASSERT_NE(source, nullptr);
    // Onto its own file, however written: nothing happens.
    EXPECT_TRUE(source->SaveCopyAs(folder_ / "." / "site.kivo"));
    EXPECT_TRUE(broker_.Asked().empty());

    const auto target = folder_ / "target.kivo";
    WriteFileText(target, "old target");
    broker_.AnswerMessageBox(IDNO);
    EXPECT_FALSE(source->SaveCopyAs(target));
    EXPECT_EQ(ReadFileText(target), "old target");
    EXPECT_EQ(AskedTexts().back(), "The file " + target.string() + " exists already. Replace it?");

    // The document's file has gone from the disk: the copy fails, and target and document stay.
    const auto moved = folder_ / "moved.kivo";
    std::filesystem::rename(site_, moved);
    broker_.AnswerMessageBox(IDYES);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(source->SaveCopyAs(target));
    EXPECT_EQ(ReadFileText(target), "old target");
    EXPECT_EQ(source->PathName(), site_);
    EXPECT_EQ(source->GetRawData().GetRecordCount(), 10);
    std::filesystem::rename(moved, site_);

    broker_.AnswerMessageBox(IDYES);
    EXPECT_TRUE(source->SaveCopyAs(target));
    EXPECT_EQ(ReadFileText(target), ReadFileText(site_));
    EXPECT_EQ(source->PathName(), target);
    EXPECT_EQ(source->GetRawData().GetRecordCount(), 10);
    // The user's file stays where it was.
    EXPECT_TRUE(std::filesystem::exists(site_));
}

TEST_F(RawDataDocTest, OneDocumentPerFileAndASaveOverAnOpenFileClosesItsDocumentFirst) {
    CRawDataDoc* first = Open(site_);
    ASSERT_NE(first, nullptr);
    // Through the manager the open document comes forward; a second one on the file is refused.
    EXPECT_EQ(Open(site_), first);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(documents_.Templates().front()->OpenDocumentFile(site_), nullptr);
    EXPECT_EQ(AskedTexts().back().rfind("The document could not be opened.", 0), 0u);
    EXPECT_EQ(documents_.DocumentCount(), 1u);

    const auto other = folder_ / "other.kivo";
    datafiletest::WriteDataFile(other, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(4));
    CRawDataDoc* second = Open(other);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->FindDocumentByPath(site_), first);
    EXPECT_EQ(first->FindDocumentByPath(site_), nullptr);

    broker_.AnswerMessageBox(IDNO);
    EXPECT_FALSE(second->SaveCopyAs(site_));
    EXPECT_EQ(AskedTexts().back(), "The file " + site_.string() +
                                       " is open in another window. Close that window and replace the file?");
    EXPECT_EQ(documents_.DocumentCount(), 2u);

    broker_.AnswerMessageBox(IDYES);
    EXPECT_TRUE(second->SaveCopyAs(site_));
    EXPECT_EQ(documents_.DocumentCount(), 1u);
    EXPECT_EQ(second->PathName(), site_);
    EXPECT_EQ(second->GetRawData().GetRecordCount(), 4);
}

TEST_F(RawDataDocTest, TheProgramsOwnOpenOfAnOpenFileIsNeverRefused) {
    CRawDataDoc* first = Open(site_);
    ASSERT_NE(first, nullptr);
    platform::DocTemplate& grids = *documents_.Templates().front();
    // File > Open of the data files brings the open document forward.
    EXPECT_EQ(platform::DocManager::OpenDocumentWith(grids, site_), first);

    // A download appended records to the open file: its document shows them all.
    datafiletest::WriteDataFile(site_, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(25));
    auto* reopened = static_cast<CRawDataDoc*>(platform::DocManager::ReopenDocumentWith(grids, site_));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetRawData().GetRecordCount(), 25);
    EXPECT_EQ(documents_.DocumentCount(), 1u);
    // A file nobody had open simply opens.
    const auto other = folder_ / "other.kivo";
    datafiletest::WriteDataFile(other, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(4));
    ASSERT_NE(platform::DocManager::ReopenDocumentWith(grids, other), nullptr);
    EXPECT_EQ(documents_.DocumentCount(), 2u);
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(RawDataDocTest, DeletingAFileThatIsNotThereSucceedsAtOnce) {
    EXPECT_TRUE(DeleteFileWithRetries(folder_ / "missing.kivo"));
    EXPECT_TRUE(DeleteFileWithRetries(site_));
    EXPECT_FALSE(std::filesystem::exists(site_));
}

}  // namespace
