// The frame of the data views: closing the grid of a data file minimises it, the grid of an extracted
// range closes through File Close with its question.
#include "kivo32/app/child_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/views/extracted_range_save_dlg.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/view.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class ChildFrameTest : public testsupport::QtTest {
protected:
    ChildFrameTest() {
        SetProgramTexts(platform::EnglishTexts());
        CRawDataDoc::SetWorkFolder(folder_.path());
        main_ = std::make_unique<platform::MainFrame>(&documents_);
        documents_.AddDocTemplate(std::make_unique<CSmartMDITemplate>(
            kRawDataTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
            [] { return new CChildFrame; }, [] { return new CRawDataView; }));
        datafiletest::WriteDataFile(site_, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(10));
        main_->show();
    }

    ~ChildFrameTest() override {
        main_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CRawDataDoc::SetWorkFolder({});
        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    }

    static platform::ChildFrame* FrameOf(platform::Document* document) { return document->Frames().front(); }

    testsupport::TempFolder folder_;
    std::filesystem::path site_ = folder_ / "site.kivo";
    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

TEST_F(ChildFrameTest, ClosingTheGridOfADataFileMinimisesItAndTheGridOfAnExtractClosesAfterItsQuestion) {
    auto* site = dynamic_cast<CRawDataDoc*>(documents_.OpenDocumentFile(site_));
    ASSERT_NE(site, nullptr);
    platform::ChildFrame* siteFrame = FrameOf(site);
    EXPECT_FALSE(siteFrame->close());
    EXPECT_TRUE(siteFrame->isMinimized());
    EXPECT_EQ(documents_.DocumentCount(), 1u);

    // The notice of the saved range.
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = site->SaveRecordRange(3, 5, false, false);
    ASSERT_NE(extract, nullptr);
    const QPointer<platform::ChildFrame> extractFrame = FrameOf(extract);
    broker_.AnswerDialog("CExtractedRangeSaveDlg", CExtractedRangeSaveDlg::kChoiceClose);
    EXPECT_FALSE(extractFrame->close());
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return documents_.DocumentCount() == 1; }));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(extractFrame, nullptr);
    EXPECT_FALSE(siteFrame->isHidden());
}

TEST_F(ChildFrameTest, CloseAllClosesTheGridsOfDataFilesAndAsksForAnExtract) {
    auto* site = dynamic_cast<CRawDataDoc*>(documents_.OpenDocumentFile(site_));
    ASSERT_NE(site, nullptr);
    broker_.AnswerMessageBox(IDOK);
    ASSERT_NE(site->SaveRecordRange(3, 5, false, false), nullptr);
    const QPointer<platform::ChildFrame> siteFrame = FrameOf(site);

    // Cancel in the extract's question keeps it open and ends the command.
    broker_.AnswerDialog("CExtractedRangeSaveDlg", 0);
    EXPECT_FALSE(documents_.SaveAndCloseAllDocuments());
    ASSERT_EQ(documents_.DocumentCount(), 1u);
    EXPECT_EQ(documents_.FindDocumentByPath(site_), nullptr);

    broker_.AnswerDialog("CExtractedRangeSaveDlg", CExtractedRangeSaveDlg::kChoiceClose);
    EXPECT_TRUE(documents_.SaveAndCloseAllDocuments());
    EXPECT_EQ(documents_.DocumentCount(), 0u);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(siteFrame.isNull());
    EXPECT_TRUE(main_->findChildren<platform::ChildFrame*>().isEmpty());
}

}  // namespace
