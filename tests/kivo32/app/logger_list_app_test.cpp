// kivo32's logger lists end to end: command 32923 opens the remembered list in its template, and the
// list's connect buttons start sessions to the simulator over a pseudo-terminal and TCP; with a session
// running the list refuses to start another.
#include "kivo32/app/kivo_app.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/main_frame.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/session/session_owner.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/application.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/logger_list_model.h"
#include "shared/controls/logger_list_view.h"
#include "shared/link/link_clock.h"
#include "shared/loggerlist/logger_list_io.h"
#include "tests/kivo32/app/hand_on_to_application.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

class LoggerListAppTest : public testsupport::QtTest {
protected:
    LoggerListAppTest()
        : direct_(*FindLoggerModel("standard-135")), network_(*FindLoggerModel("standard-135")) {}

    void SetUp() override {
        broker_.AnswerMessageBox(IDYES);  // the language of a first start
        ASSERT_TRUE(app_.InitInstance());
        app_.Sessions().SetLinkClock(clock_);
        app_.Registry().directBaud = 57600;
        qApp->installEventFilter(&hand_on_);
    }
    void TearDown() override {
        app_.Disconnect(0, false);
        QCoreApplication::sendPostedEvents();
        qApp->removeEventFilter(&hand_on_);
        platform::OpenProgramSettings()->remove("intl/Language");
    }

    // A saved list: a direct entry on the simulator's pseudo-terminal, a network entry on its port.
    std::filesystem::path SaveList() {
        CLoggerList list({57600, 2});
        list.NewList(folder_.path().string());
        CLogger& direct = list.GetLogger(0);
        direct.SetConnectType(kConnectDirect);
        direct.SetComPort(direct_.StartPty().substr(std::string("/dev/").size()));
        direct.SetSerial("DIRECT");
        CLogger& network = list.InsertNewLogger(-1, folder_.path().string());
        network.SetPhoneOrAddress("127.0.0.1");
        network.SetNetPort(std::to_string(network_.StartTcp(0)));
        network.SetSerial("NET");
        const auto path = folder_ / "loggers.lst";
        EXPECT_TRUE(SaveLoggerList(path, list));
        return path;
    }

    CLoggerListView* OpenListView() {
        EXPECT_TRUE(app_.GetMainWindow()->RouteCommand(ID_OPEN_LOGGER_LIST));
        return dynamic_cast<CLoggerListView*>(platform::GetActiveView());
    }

    bool Ready() const {
        const CommandRuleState state = app_.GetCommandRuleState();
        return state.session && state.connected && state.ready;
    }

    LinkClock clock_{50};
    testsupport::TempFolder folder_;
    LoggerSimulator direct_;
    LoggerSimulator network_;
    CKivoApp app_;
    testsupport::ScriptedUiBroker broker_;
    HandOnToApplication hand_on_{app_};
};

TEST_F(LoggerListAppTest, OpensTheRememberedListAndConnectsFromIt) {
    const auto path = SaveList();
    app_.AppInfo().previousLoggerListName = path.string();
    CLoggerListView* view = OpenListView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(broker_.Asked().size() == 1);  // only the language: no file was asked for
    auto& document = *static_cast<CLoggerListDoc*>(view->GetDocument());
    ASSERT_EQ(document.GetCount(), 2u);
    EXPECT_EQ(document.PathName(), path);

    view->OnClickedButton(0, CLoggerListModel::kConnectColumn);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    EXPECT_EQ(app_.GetLinkKind(), kLinkDirect);

    // A second connect while the session runs is refused with its message.
    broker_.AnswerMessageBox(IDOK);
    view->OnClickedButton(1, CLoggerListModel::kConnectColumn);
    EXPECT_EQ(app_.GetLinkKind(), kLinkDirect);
    ASSERT_FALSE(broker_.Boxes().empty());
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_LIST_SESSION_RUNNING);

    app_.Disconnect(0, false);
    view->OnClickedButton(1, CLoggerListModel::kConnectColumn);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    EXPECT_EQ(app_.GetLinkKind(), kLinkNetwork);
}

TEST_F(LoggerListAppTest, WithoutARememberedFileTheListIsAskedForAndRemembered) {
    const auto path = SaveList();
    app_.AppInfo().previousLoggerListName = (folder_ / "gone.lst").string();
    broker_.AnswerFileName(path);
    ASSERT_NE(OpenListView(), nullptr);
    EXPECT_EQ(app_.AppInfo().previousLoggerListName, path.string());
}

}  // namespace
