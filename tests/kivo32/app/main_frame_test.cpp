// The main frame: its menus, toolbar and connection status window, the states its popups ask for, the
// status messages it shows, the watch of an idle wireless link and the loss of a USB logger's port.
#include "kivo32/app/main_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <mutex>
#include <vector>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/flat_tool_bar.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/status_wnd.h"
#include "kivo32/app/window_placement.h"
#include "platform/ui/command_state.h"
#include "platform/ui/control_id.h"
#include "shared/link/lamp_notices.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// A session thread that notes the messages it takes.
class RecordingSession : public CSession {
public:
    explicit RecordingSession(CAppContext& app) : CSession(app) { Start(); }
    ~RecordingSession() override { StopAndJoin(); }

    // Waits until the session has taken what was posted before.
    std::vector<platform::Message> TakenAfterPosted() {
        Post(platform::Message(kMarker));
        testsupport::Eventually([this] {
            std::lock_guard lock(mutex_);
            return !taken_.empty() && taken_.back().id == kMarker;
        });
        std::lock_guard lock(mutex_);
        std::vector<platform::Message> taken;
        for (const Seen& seen : taken_) {
            if (seen.id != kMarker) {
                taken.emplace_back(seen.id, seen.wParam);
            }
        }
        taken_.clear();
        return taken;
    }

protected:
    void OnMessage(platform::Message& message) override {
        {
            std::lock_guard lock(mutex_);
            taken_.push_back({message.id, message.wParam});
        }
        CSession::OnMessage(message);
    }

private:
    static constexpr unsigned kMarker = WM_USER + 7;
    struct Seen {
        unsigned id;
        std::uintptr_t wParam;
    };
    std::mutex mutex_;
    std::vector<Seen> taken_;
};

// The frame with the session and the end of a session in the test's hands, noting the commands whose
// state it was asked.
class TestFrame : public CMainFrame {
public:
    TestFrame() : CMainFrame(nullptr) {}

    CSession* session = nullptr;
    // What the logger menu's rule goes by, as the program's command line and logger would set it.
    CLoggerMenuConditions menuConditions;
    int sessionsEnded = 0;
    std::vector<unsigned> asked;

    bool OnUpdateCommand(platform::CommandState& state) override {
        asked.push_back(state.id);
        return CMainFrame::OnUpdateCommand(state);
    }

protected:
    CSession* ActiveSession() const override { return session; }
    CLoggerMenuConditions LoggerMenuConditions() const override { return menuConditions; }
    void EndSessionAfterLostPort() override {
        ++sessionsEnded;
        session = nullptr;
    }
};

// Counts the dialogs that show and closes each one, however many there are.
class DialogCloser : public QObject {
public:
    DialogCloser() { QApplication::instance()->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && event->type() == QEvent::Show) {
            ++shown;
            // Later events of the nested loop still reach the frame meanwhile.
            QTimer::singleShot(50, dialog, [dialog] { dialog->reject(); });
        }
        return false;
    }
};

class MainFrameTest : public testsupport::QtTest {
protected:
    MainFrameTest() : session_(app_) { frame_.LoadFrame(); }

    QMenu* TopMenu(const QString& title) {
        for (QAction* action : frame_.menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        return nullptr;
    }

    static QAction* ActionOf(const QMenu& menu, unsigned id) {
        for (QAction* action : menu.actions()) {
            if (action->data().toUInt() == id) {
                return action;
            }
        }
        return nullptr;
    }

    void Post(platform::Message message) {
        frame_.Target()->PostMessage(std::move(message));
        QCoreApplication::processEvents();
    }

    QString StatusField(unsigned id) {
        return platform::FindControlAs<QLabel>(&frame_.StatusWindow(), static_cast<int>(id))->text();
    }

    testsupport::FakeAppContext app_;
    testsupport::ManualUiClock clock_;
    RecordingSession session_;
    TestFrame frame_;
};

TEST_F(MainFrameTest, TheFrameBuildsItsMenusToolbarAndAHiddenConnectionStatusWindow) {
    QStringList titles;
    for (QAction* action : frame_.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Logger", "&Data", "&View", "&Tools", "&Window", "&Help"}));
    QMenu* logger = TopMenu("&Logger");
    ASSERT_NE(logger, nullptr);
    EXPECT_EQ(logger->actions().front()->text(), "&Connection");
    EXPECT_NE(ActionOf(*logger, ID_LOGGER_DOWNLOAD), nullptr);

    std::vector<unsigned> buttons;
    for (QAction* action : frame_.ToolBar().actions()) {
        buttons.push_back(action->data().toUInt());
    }
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), ID_LOGGER_DOWNLOAD), buttons.end());
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), ID_CONNECT_DIRECT), buttons.end());
    EXPECT_FALSE(frame_.StatusDock().isVisibleTo(&frame_));
    EXPECT_EQ(frame_.StatusDock().allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
}

TEST_F(MainFrameTest, TheLoggerMenuFollowsItsConditionsEachTimeItOpens) {
    QMenu* logger = TopMenu("&Logger");
    ASSERT_NE(logger, nullptr);
    const auto calibrationPopup = [&]() -> QMenu* {
        for (QAction* action : logger->actions()) {
            if (action->menu() != nullptr &&
                ActionOf(*action->menu(), ID_LOGGER_AUTO_CALIBRATION) != nullptr) {
                return action->menu();
            }
        }
        return nullptr;
    };
    EXPECT_EQ(calibrationPopup(), nullptr);
    // The calibration level is known only once the frame shows, after the menus were built.
    for (const int level : {2, 0, 2}) {
        frame_.menuConditions.calibrationLevel = level;
        emit logger->aboutToShow();
        EXPECT_EQ(calibrationPopup() != nullptr, level == 2) << level;
    }
}

TEST_F(MainFrameTest, APopupAsksEveryCommandsStateJustBeforeItShows) {
    QMenu* view = TopMenu("&View");
    ASSERT_NE(view, nullptr);
    frame_.asked.clear();
    emit view->aboutToShow();
    EXPECT_EQ(frame_.asked, (std::vector<unsigned>{ID_VIEW_TOOLBAR_TOGGLE, ID_VIEW_CONNECTION_STATUS}));
    QAction* status = ActionOf(*view, ID_VIEW_CONNECTION_STATUS);
    // An on-off command shows its check box clear while it is off.
    EXPECT_TRUE(status->isCheckable());
    EXPECT_FALSE(status->isChecked());
    // Without a connected session the connection status window cannot be shown.
    EXPECT_FALSE(status->isEnabled());
    EXPECT_EQ(status->text(), "&Connection Status");

    frame_.session = &session_;
    session_.SetConnected(true);
    frame_.RouteCommand(ID_VIEW_CONNECTION_STATUS);
    emit view->aboutToShow();
    EXPECT_TRUE(status->isEnabled());
    EXPECT_TRUE(status->isChecked());
    app_.Set(CAppContext::Flag::Disconnecting, true);
    emit view->aboutToShow();
    EXPECT_FALSE(status->isEnabled());
    app_.Set(CAppContext::Flag::Disconnecting, false);

    // The start-up check's option is the application's (kivo_app_test): here only its check box shows.
    QMenu* help = TopMenu("&Help");
    emit help->aboutToShow();
    EXPECT_TRUE(ActionOf(*help, ID_VERSION_CHECK_OPTION)->isCheckable());
    EXPECT_FALSE(ActionOf(*help, ID_HELP_FILE)->isCheckable());
    // The shortcut text comes with the popup.
    EXPECT_EQ(ActionOf(*help, ID_HELP_FILE)->text(), "&Help Topics\tF1");
}

TEST_F(MainFrameTest, TheStatusWindowShowsAPostedTextAndClearsItSixSecondsLater) {
    frame_.session = &session_;
    Post(platform::Message(WM_LINK_OPENING));
    EXPECT_TRUE(frame_.StatusDock().isVisibleTo(&frame_));
    Post(platform::Message(WM_LINK_STATUS, STATUS_TEXT,
                           platform::MakePayload(std::string("Reading setup..."))));
    EXPECT_EQ(StatusField(IDC_STATUS_LINE), "Reading setup...");
    clock_.Advance(5500);
    EXPECT_EQ(StatusField(IDC_STATUS_LINE), "Reading setup...");
    clock_.Advance(1000);
    EXPECT_EQ(StatusField(IDC_STATUS_LINE), "");

    // Nothing is shown while the program closes.
    app_.Set(CAppContext::Flag::Closing, true);
    Post(platform::Message(WM_LINK_STATUS, STATUS_PORT_NAME, platform::MakePayload(std::string("ttyACM0"))));
    app_.Set(CAppContext::Flag::Closing, false);
    EXPECT_EQ(StatusField(IDC_STATUS_PORT), "");

    Post(platform::Message(WM_STATUS_WINDOW_STOP));
    EXPECT_FALSE(frame_.StatusDock().isVisibleTo(&frame_));
    EXPECT_FALSE(frame_.StatusWindow().IsRunning());
}

TEST_F(MainFrameTest, TheLampsLightForTheLinksNoticesWhichTheWindowKeepsUntilTheTickTurnsThemGrey) {
    // The main window as the link sees it, counting what reaches it.
    struct CountingTarget : platform::MessageTarget {
        explicit CountingTarget(platform::MessageTarget& window) : to(window) {}
        bool PostMessage(platform::Message message) override {
            ++posted;
            return to.PostMessage(std::move(message));
        }
        platform::MessageTarget& to;
        int posted = 0;
    };
    const auto colour = [this](unsigned id) {
        return platform::FindControlAs<QLabel>(&frame_.StatusWindow(), static_cast<int>(id))
            ->palette()
            .color(QPalette::Window);
    };
    const QColor blue(0, 0, 255);
    const QColor grey(0xC0, 0xC0, 0xC0);
    CLampNotices link;
    CountingTarget window(*frame_.Target());
    const auto linkSends = [&] {
        link.Post(window, STATUS_BYTES_SENT);
        QCoreApplication::processEvents();
    };
    frame_.session = &session_;
    Post(platform::Message(WM_LINK_OPENING));
    for (const unsigned lamp : {IDC_STATUS_LAMP_SENT, IDC_STATUS_LAMP_RECEIVED, IDC_STATUS_LAMP_FAILED}) {
        EXPECT_EQ(colour(lamp), grey) << lamp;
    }

    // While the lit lamp's notice is kept, the link posts no other for that lamp.
    for (int i = 0; i < 3; ++i) {
        linkSends();
    }
    EXPECT_EQ(window.posted, 1);
    EXPECT_EQ(colour(IDC_STATUS_LAMP_SENT), blue);
    EXPECT_EQ(colour(IDC_STATUS_LAMP_RECEIVED), grey);
    Post(platform::Message(WM_LINK_STATUS, STATUS_BYTES_RECEIVED));
    EXPECT_EQ(colour(IDC_STATUS_LAMP_RECEIVED), blue);

    // The tick turns the lamps grey and lets the link light them again.
    clock_.Advance(CStatusWnd::kTickMs);
    EXPECT_EQ(colour(IDC_STATUS_LAMP_SENT), grey);
    EXPECT_EQ(colour(IDC_STATUS_LAMP_RECEIVED), grey);
    linkSends();
    EXPECT_EQ(window.posted, 2);
    EXPECT_EQ(colour(IDC_STATUS_LAMP_SENT), blue);

    // A stopped window keeps nothing.
    Post(platform::Message(WM_STATUS_WINDOW_STOP));
    linkSends();
    linkSends();
    EXPECT_EQ(window.posted, 4);
}

TEST_F(MainFrameTest, TheWatchAsksTheSessionToWakeAnIdleWirelessOrNetworkLinkOfANewerLogger) {
    struct Case {
        const char* name;
        int loggerType;
        int interfaceKind;
        int linkKind;
        bool busy;
        bool escape;
    };
    const Case cases[] = {
        {"Bluetooth", 13, 2, kLinkDirect, false, true},
        {"network", 14, 4, kLinkNetwork, false, true},
        {"USB", 13, 1, kLinkDirect, false, false},
        {"older logger on the network", 12, 0, kLinkNetwork, false, false},
        {"a command runs", 13, 2, kLinkDirect, true, false},
    };
    frame_.session = &session_;
    frame_.InitialShowWindow(SW_SHOWNORMAL);
    for (const Case& c : cases) {
        session_.SetLoggerType(c.loggerType);
        session_.SetInterfaceKind(c.interfaceKind);
        session_.SetLinkKind(c.linkKind);
        if (c.busy) {
            session_.BeginCommand();
        }
        clock_.Advance(CMainFrame::kWatchPeriodMs);
        const std::vector<platform::Message> taken = session_.TakenAfterPosted();
        if (c.escape) {
            ASSERT_EQ(taken.size(), 1u) << c.name;
            EXPECT_EQ(taken[0].id, WM_IDLE_ESCAPE) << c.name;
            EXPECT_EQ(taken[0].wParam, ID_DISCONNECT) << c.name;
        } else {
            EXPECT_TRUE(taken.empty()) << c.name;
        }
        if (c.busy) {
            session_.EndCommand();
        }
    }
}

TEST_F(MainFrameTest, RemovingTheConnectedUsbLoggerEndsTheSessionAndShowsTheLostPortDialogOnce) {
    app_.portName = "ttyACM0";
    session_.SetLinkKind(kLinkDirect);
    session_.SetLoggerType(13);
    const auto removal = [](const char* device) {
        return platform::Message(WM_USB_DEVICE_REMOVAL, 0, platform::MakePayload(std::string(device)));
    };

    // Another port, or a logger of the older kind, changes nothing.
    frame_.session = &session_;
    Post(removal("Logger (ttyACM1)"));
    session_.SetLoggerType(12);
    Post(removal("Logger (ttyACM0)"));
    EXPECT_EQ(frame_.sessionsEnded, 0);
    session_.SetLoggerType(13);

    // A second notice follows at once, and the frame's own lost-port message comes while the dialog of a
    // first one is still open.
    DialogCloser dialogs;
    frame_.Target()->PostMessage(platform::Message(WM_LOST_PORT));
    frame_.Target()->PostMessage(removal("Logger (ttyACM0)"));
    frame_.Target()->PostMessage(removal("Logger (ttyACM0)"));
    testsupport::ProcessEventsFor(300);
    EXPECT_EQ(frame_.sessionsEnded, 1);
    EXPECT_EQ(dialogs.shown, 1);

    // While the end of a session runs, the loss is only noted for it.
    frame_.session = &session_;
    app_.Set(CAppContext::Flag::Disconnecting, true);
    Post(removal("Logger (ttyACM0)"));
    EXPECT_EQ(frame_.sessionsEnded, 1);
    EXPECT_TRUE(app_.IsSet(CAppContext::Flag::PortLost));
    EXPECT_TRUE(app_.IsSet(CAppContext::Flag::Abort));
}

TEST(MainFramePlacementTest, TheFirstShowTakesThePlacementOfTheSettingsAndTheCloseKeepsIt) {
    testsupport::EnsureQtApplication();
    CKivoApp application;
    application.Registry().position = "0100 0050 0900 0650";
    {
        CMainFrame frame(nullptr);
        frame.LoadFrame();
        frame.InitialShowWindow(SW_SHOWNORMAL);
        EXPECT_TRUE(frame.isVisible());
        EXPECT_EQ(frame.geometry(), QRect(100, 50, 800, 600));
        frame.setGeometry(-300, 20, 640, 480);
        // Only the first show places the frame.
        frame.InitialShowWindow(SW_SHOWNORMAL);
        EXPECT_EQ(frame.geometry(), QRect(-300, 20, 640, 480));
        frame.close();
    }
    EXPECT_EQ(application.Registry().position, "-300 0020 0340 0500");
    EXPECT_EQ(application.Registry().iconic, 0);
    EXPECT_EQ(application.Registry().maximized, 0);

    // A text-export run keeps the frame hidden.
    CMainFrame batch(nullptr);
    batch.LoadFrame();
    batch.InitialShowWindow(SW_HIDE);
    EXPECT_FALSE(batch.isVisible());
}

}  // namespace
