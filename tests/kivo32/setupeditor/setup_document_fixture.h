// The setting of the setup-document tests: the program's texts, a main window with the setup-table
// template, a scripted broker that answers every question, and a fake application context.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "kivo32/setupeditor/get_sut_type_dlg.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"

namespace setupeditortest {

// The setup-table template's id and document strings.
inline constexpr unsigned kSetupTemplate = 15;
inline constexpr const char* kSetupTemplateStrings =
    "\nSetup\nSetup Table File\nSetup Table Files (*.sut)\n.sut";

class SetupDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        platform::TextTable texts = platform::EnglishTexts();
        texts.Set(kSetupTemplate, kSetupTemplateStrings);
        SetProgramTexts(std::move(texts));
        CGetSUTTypeDlg::SetLastChosenModel(-1);
        CSUTDoc::SetLoggerSetup(nullptr, 0);
        main_ = std::make_unique<platform::MainFrame>(&documents_);
        documents_.AddDocTemplate(std::make_unique<platform::DocTemplate>(
            kSetupTemplate, [] { return std::make_unique<CSUTDoc>(); }, [this] { return MakeFrame(); },
            [this] { return MakeView(); }));
    }

    void TearDown() override {
        main_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetProgramTexts(platform::EnglishTexts());
        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    }

    // The frame and view of each new document.
    virtual platform::ChildFrame* MakeFrame() { return new platform::ChildFrame; }
    virtual platform::View* MakeView() { return new CSetupTableView; }

    platform::DocTemplate& Template() { return *documents_.Templates().front(); }

    // A new document as File New makes it; nullptr when it was refused.
    CSUTDoc* NewDocument() { return static_cast<CSUTDoc*>(Template().OpenDocumentFile({})); }
    CSUTDoc* Open(const std::filesystem::path& path) {
        return static_cast<CSUTDoc*>(documents_.OpenDocumentFile(path));
    }

    // Closes the document's frame as the user would; true when it closed.
    static bool CloseFrameOf(platform::Document* document) {
        const bool closed = document->Frames().front()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    testsupport::TempFolder folder_;
    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

}  // namespace setupeditortest
