// The document manager of kivo32: the kind of document asked first, a new data file taken from a logger,
// the setup table made at once after a setup was read, and the folder each kind's file dialog remembers.
#include "kivo32/app/smart_doc_manager.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <memory>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/dialogs/get_doc_type_dlg.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/control_id.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/whole_file.h"

namespace {

// A main frame that records the commands posted to it.
class RecordingFrame : public platform::MainFrame {
public:
    using platform::MainFrame::MainFrame;
    std::vector<unsigned> commands;

    bool OnCommand(unsigned id) override {
        commands.push_back(id);
        return true;
    }
};

std::unique_ptr<CSmartMDITemplate> PlainTemplate(unsigned id, const std::filesystem::path& folder = {}) {
    return std::make_unique<CSmartMDITemplate>(
        id, [] { return std::make_unique<platform::Document>(); }, [] { return new platform::ChildFrame; },
        [] { return new platform::View; }, folder);
}

class SmartDocManagerTest : public testsupport::QtTest {
protected:
    SmartDocManagerTest() {
        SetProgramTexts(platform::EnglishTexts());
        frame_ = std::make_unique<RecordingFrame>(&documents_);
    }

    ~SmartDocManagerTest() override {
        frame_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The program's kinds in their order: data grid, data graph, setup table.
    void AddProgramTemplates() {
        documents_.AddDocTemplate(PlainTemplate(kRawDataTemplateId, folder_ / "Data"));
        documents_.AddDocTemplate(PlainTemplate(kRawDataGraphTemplateId));
        documents_.AddDocTemplate(PlainTemplate(kSetupTableTemplateId, folder_ / "Setups"));
    }

    std::size_t DocumentsOf(unsigned id) const { return documents_.FindTemplate(id)->Documents().size(); }

    testsupport::TempFolder folder_;
    testsupport::ScriptedUiBroker broker_;
    bool setup_read_ = false;
    CGraphObjectAttributes attributes_{"KIVO 15"};
    CSmartDocManager documents_{[this] { return setup_read_; }, attributes_};
    std::unique_ptr<RecordingFrame> frame_;
};

TEST_F(SmartDocManagerTest, TheKindsListedForNewAndForOpen) {
    platform::TextTable texts = platform::EnglishTexts();
    texts.Set(901, "\nData\nKIVO Data File\nKIVO Data File (*.kivo)\n.kivo");
    texts.Set(902, "\nGraph\nGraph File");
    texts.Set(903, "\nGraph\nGraph File\nGraph Files (*.kgr)\n.kgr");
    texts.Set(904, "\nProfile\nLoad Profile\nLoad Profiles (*.lp)\n.lp");
    texts.Set(905, "\nProfile\nDaily Profile Graph Type");
    texts.Set(906, "\nNothing");
    texts.Set(907, "\nSetup\nSetup Table File\nSetup Table Files (*.sut)\n.sut");
    SetProgramTexts(std::move(texts));
    std::vector<platform::DocTemplate*> templates;
    for (unsigned id = 901; id <= 907; ++id) {
        templates.push_back(documents_.AddDocTemplate(PlainTemplate(id)));
    }
    const auto idsOf = [](const std::vector<platform::DocTemplate*>& choices) {
        std::vector<unsigned> ids;
        for (const platform::DocTemplate* choice : choices) {
            ids.push_back(choice->Id());
        }
        return ids;
    };
    EXPECT_EQ(idsOf(CGetDocTypeDlg::Choices(templates, true)), (std::vector<unsigned>{901, 902, 907}));
    EXPECT_EQ(idsOf(CGetDocTypeDlg::Choices(templates, false)), (std::vector<unsigned>{901, 903, 907}));
}

TEST_F(SmartDocManagerTest, FileNewAsksTheKindAndANewDataFileComesFromTheLogger) {
    AddProgramTemplates();
    // The first kind, the data file, is selected when the dialog opens.
    broker_.AnswerDialog("CGetDocTypeDlg", IDOK);
    documents_.OnFileNew();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return !frame_->commands.empty(); }));
    EXPECT_EQ(frame_->commands, (std::vector<unsigned>{ID_LOGGER_DOWNLOAD}));
    EXPECT_EQ(DocumentsOf(kRawDataTemplateId), 0u);

    broker_.AnswerDialog("CGetDocTypeDlg", IDCANCEL);
    documents_.OnFileNew();
    testsupport::ProcessEventsFor(20);
    EXPECT_EQ(frame_->commands.size(), 1u);
    EXPECT_EQ(documents_.DocumentCount(), 0u);
}

TEST_F(SmartDocManagerTest, TheDialogListsTheKindsWithTheFirstSelectedAndTakesTheOneChosen) {
    AddProgramTemplates();
    const auto choices = CGetDocTypeDlg::Choices(documents_.Templates(), true);
    for (const bool doubleClick : {false, true}) {
        CGetDocTypeDlg dialog(choices, true);
        testsupport::OnNextModal([doubleClick](QWidget* window) {
            EXPECT_EQ(window->windowTitle(), "New");
            auto* list = platform::FindControlAs<QListWidget>(window, CGetDocTypeDlg::IDC_DOC_TYPE_LIST);
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->count(), 3);
            EXPECT_EQ(list->currentRow(), 0);
            EXPECT_EQ(list->item(2)->text(), "Setup Table File");
            list->setCurrentRow(2);
            if (doubleClick) {
                emit list->itemDoubleClicked(list->item(2));
            } else {
                platform::FindControlAs<QAbstractButton>(window, IDOK)->click();
            }
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.ChosenTemplate()->Id(), kSetupTableTemplateId);
    }
}

TEST_F(SmartDocManagerTest, ANewGraphStartsFromTheActiveGridAndWithoutOneTheUserIsTold) {
    platform::TextTable texts = platform::EnglishTexts();
    texts.Set(906, "\nNothing");
    SetProgramTexts(std::move(texts));
    // The graph is the only kind listed: it is taken without a question.
    documents_.AddDocTemplate(PlainTemplate(kRawDataGraphTemplateId));
    documents_.AddDocTemplate(PlainTemplate(906));
    broker_.AnswerMessageBox(IDOK);
    documents_.OnFileNew();
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDP_GRAPH_NOT_MADE);
    EXPECT_EQ(documents_.DocumentCount(), 0u);
}

TEST_F(SmartDocManagerTest, AfterASetupWasReadFileNewMakesASetupTableWithoutAsking) {
    AddProgramTemplates();
    setup_read_ = true;
    documents_.OnFileNew();
    EXPECT_EQ(DocumentsOf(kSetupTableTemplateId), 1u);
    EXPECT_TRUE(broker_.Asked().empty());

    setup_read_ = false;
    documents_.OnFileNewSetupTable();
    EXPECT_EQ(DocumentsOf(kSetupTableTemplateId), 2u);
}

TEST_F(SmartDocManagerTest, FileOpenStartsInTheKindsFolderAndNextInTheFolderOfTheFileChosen) {
    AddProgramTemplates();
    const auto elsewhere = folder_ / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    testsupport::WriteWholeFile(elsewhere / "site.kivo", "data");
    for (int open = 0; open < 2; ++open) {
        broker_.AnswerDialog("CGetDocTypeDlg", IDOK);
        broker_.AnswerFileName(open == 0 ? std::optional(elsewhere / "site.kivo") : std::nullopt);
        documents_.OnFileOpen();
    }
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1].kind, "PromptFileName");
    EXPECT_EQ(asked[1].text, "Open");
    EXPECT_EQ(asked[1].fileRequest.initialFolder, folder_ / "Data");
    EXPECT_EQ(asked[3].fileRequest.initialFolder, elsewhere);
    EXPECT_EQ(DocumentsOf(kRawDataTemplateId), 1u);
}

TEST_F(SmartDocManagerTest, FileOpenOpensAFileByTheKindItsExtensionNames) {
    AddProgramTemplates();
    // The data file is the kind chosen each time.
    const struct {
        const char* name;
        unsigned kind;
    } cases[] = {
        {"site.sut", kSetupTableTemplateId},
        {"SITE.SUT", kSetupTableTemplateId},
        {"site.kivo", kRawDataTemplateId},
        {"site.txt", kRawDataTemplateId},  // no kind claims it: the one chosen reads it
    };
    for (const auto& test : cases) {
        testsupport::WriteWholeFile(folder_ / test.name, "text");
        broker_.AnswerDialog("CGetDocTypeDlg", IDOK);
        broker_.AnswerFileName(folder_ / test.name);
        documents_.OnFileOpen();
        platform::Document* opened = documents_.FindDocumentByPath(folder_ / test.name);
        ASSERT_NE(opened, nullptr) << test.name;
        const auto& ofItsKind = documents_.FindTemplate(test.kind)->Documents();
        ASSERT_FALSE(ofItsKind.empty()) << test.name << " opened as another kind";
        EXPECT_EQ(ofItsKind.back(), opened) << test.name;
    }
}

TEST_F(SmartDocManagerTest, WithoutTemplatesNewAndOpenTellTheUser) {
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    documents_.OnFileNew();
    documents_.OnFileOpen();
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, LoadText(AFX_IDP_FAILED_TO_CREATE_DOC));
    EXPECT_EQ(asked[1].text, LoadText(AFX_IDP_FAILED_TO_OPEN_DOC));
}

}  // namespace
