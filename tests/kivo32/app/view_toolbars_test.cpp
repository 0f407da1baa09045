// The main frame's toolbar follows the active view: each kind of view shows its own while it is active,
// the program's own comes back once no window is, and nothing changes while the program closes.
#include "kivo32/app/view_toolbars.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <functional>
#include <set>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/main_frame.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/loadprofile/load_profile_graph_view.h"
#include "kivo32/loadprofile/load_profile_view.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_view.h"
#include "kivo32/views/view_toolbar.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/program_settings.h"
#include "tests/kivo32/app/hand_on_to_application.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class ViewToolBarsTest : public testsupport::QtTest {
protected:
    void SetUp() override {
        broker_.AnswerMessageBox(IDYES);  // the language of a first start
        ASSERT_TRUE(app_.InitInstance());
        CRawDataDoc::SetWorkFolder(folder_.path());
        datafiletest::WriteDataFile(site_, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(10));
        qApp->installEventFilter(&hand_on_);
    }
    void TearDown() override {
        app_.Set(CAppContext::Flag::Closing, false);
        app_.GetDocManager().CloseAllDocuments();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qApp->removeEventFilter(&hand_on_);
        CRawDataDoc::SetWorkFolder({});
        platform::OpenProgramSettings()->remove("intl/Language");
    }

    CMainFrame& Frame() const { return *dynamic_cast<CMainFrame*>(app_.GetMainWindow()); }

    CRawDataDoc* OpenSite() {
        return dynamic_cast<CRawDataDoc*>(app_.GetDocManager().OpenDocumentFile(site_));
    }
    // A new document of `templateId`, left unmodified so that it closes without a question.
    void OpenNew(unsigned templateId) {
        if (templateId == kSetupTableTemplateId) {
            broker_.AnswerDialog("CGetSUTTypeDlg", 13);  // the model
        }
        platform::Document* document = app_.GetTemplate(templateId)->OpenDocumentFile({});
        ASSERT_NE(document, nullptr);
        document->SetModifiedFlag(false);
    }
    // A view that needs no document for its toolbar, in a window of its own that becomes the active one.
    platform::ChildFrame* ShowBare(platform::View* view) {
        auto* frame = new platform::ChildFrame;
        frame->SetView(view);
        Frame().AddChild(frame);
        frame->show();
        Frame().MdiArea()->setActiveSubWindow(frame);
        return frame;
    }

    std::vector<unsigned> ShownCommands() const {
        std::vector<unsigned> commands;
        for (const QAction* action : Frame().ToolBar().actions()) {
            commands.push_back(action->data().toUInt());
        }
        return commands;
    }
    static std::vector<unsigned> CommandsOf(int toolbarId) {
        std::vector<unsigned> commands;
        for (const CFlatToolBar::Button& button : ToolBarButtons(toolbarId)) {
            commands.push_back(button.command);
        }
        return commands;
    }

    testsupport::TempFolder folder_;
    std::filesystem::path site_ = folder_ / "site.kivo";
    CKivoApp app_;
    testsupport::ScriptedUiBroker broker_;
    HandOnToApplication hand_on_{app_};
};

TEST_F(ViewToolBarsTest, EachKindOfViewShowsItsToolbarWhileActiveAndTheMainOneReturnsAfterTheLast) {
    ASSERT_EQ(Frame().ToolBarId(), kMainToolBar);
    CRawDataDoc* site = nullptr;
    struct Case {
        const char* view;
        std::function<void()> open;
        int toolbar;
    };
    const Case cases[] = {
        {"data grid", [&] { site = OpenSite(); }, kDataGridToolBar},
        {"extracted range",
         [&] {
             broker_.AnswerMessageBox(IDOK);  // the notice of the saved range
             ASSERT_NE(site->SaveRecordRange(3, 5, false, false), nullptr);
         },
         kTemporaryDataToolBar},
        {"data graph", [&] { ShowBare(new CRawDataGraphView(app_.GraphAttributes())); }, kDataGraphToolBar},
        {"load-profile table", [&] { ShowBare(new CLoadProfileView); }, kDataGridToolBar},
        {"load-profile graph", [&] { ShowBare(new CLoadProfileGraphView); }, kDataGraphToolBar},
        {"setup table", [&] { OpenNew(kSetupTableTemplateId); }, kSetupToolBar},
        {"logger list", [&] { OpenNew(kLoggerListTemplateId); }, kLoggerListToolBar},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.view);
        test.open();
        EXPECT_EQ(Frame().ToolBarId(), test.toolbar);
        EXPECT_EQ(ShownCommands(), CommandsOf(test.toolbar));
    }

    // Back to the first window, then every window closes: the program's own toolbar.
    ASSERT_NE(site, nullptr);
    Frame().MdiArea()->setActiveSubWindow(site->Frames().front());
    EXPECT_EQ(Frame().ToolBarId(), kDataGridToolBar);
    Frame().MdiArea()->closeAllSubWindows();
    app_.GetDocManager().CloseAllDocuments();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), 0);
    EXPECT_EQ(Frame().ToolBarId(), kMainToolBar);
    EXPECT_EQ(ShownCommands(), CommandsOf(kMainToolBar));
}

TEST_F(ViewToolBarsTest, ClosingOneOfTwoWindowsShowsTheOthersToolbarAndWhileTheProgramClosesNothingChanges) {
    OpenNew(kSetupTableTemplateId);
    platform::ChildFrame* graph = ShowBare(new CLoadProfileGraphView);
    ASSERT_EQ(Frame().ToolBarId(), kDataGraphToolBar);
    graph->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ToolBarId(), kSetupToolBar);

    app_.Set(CAppContext::Flag::Closing, true);
    ShowBare(new CRawDataGraphView(app_.GraphAttributes()));
    app_.GetDocManager().CloseAllDocuments();
    Frame().MdiArea()->closeAllSubWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ToolBarId(), kSetupToolBar);
}

TEST_F(ViewToolBarsTest, CloseAllBringsTheMainToolbarBackThoughTheLoggerListGoesWithItsDocument) {
    ASSERT_NE(OpenSite(), nullptr);
    OpenNew(kLoggerListTemplateId);
    ASSERT_EQ(Frame().ToolBarId(), kLoggerListToolBar);
    ASSERT_TRUE(Frame().RouteCommand(ID_CLOSE_ALL));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app_.GetDocManager().DocumentCount(), 0u);
    EXPECT_EQ(Frame().ToolBarId(), kMainToolBar);
}

// In the program's language every toolbar's buttons have their tips and images, no command comes twice,
// and separators stand only between buttons.
TEST_F(ViewToolBarsTest, EveryToolbarIsButtonsWithTipsAndImagesSeparatedOnlyBetweenThem) {
    for (const int toolbar : {kMainToolBar, kDataGridToolBar, kDataGraphToolBar, kLoggerListToolBar,
                              kSetupToolBar, kTemporaryDataToolBar}) {
        SCOPED_TRACE(toolbar);
        const std::vector<CFlatToolBar::Button> buttons = ToolBarButtons(toolbar);
        ASSERT_FALSE(buttons.empty());
        EXPECT_NE(buttons.front().command, 0u);
        EXPECT_NE(buttons.back().command, 0u);
        std::set<unsigned> seen;
        for (std::size_t at = 0; at < buttons.size(); ++at) {
            const CFlatToolBar::Button& button = buttons[at];
            if (button.command == 0) {
                EXPECT_NE(buttons[at - 1].command, 0u) << "two separators at " << at;
                continue;
            }
            EXPECT_TRUE(seen.insert(button.command).second) << button.command;
            EXPECT_FALSE(button.tip.empty()) << button.command;
            EXPECT_FALSE(button.image.isNull()) << button.command;
        }
    }
}

}  // namespace
