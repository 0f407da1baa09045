// teldrin's main frame offscreen: the open list in its view; Close while a call runs asks to end it first
// and is allowed once it ended, while ending the program without a user ends the call first; the panes
// tell the call; the delay dialog shows the hours within a day.
#include "teldrin/app/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSplitter>
#include <QStatusBar>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"
#include "platform/ui/command_state.h"
#include "shared/controls/logger_list_config_dlg.h"
#include "shared/controls/logger_list_connect_tab.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/logger_list_model.h"
#include "shared/controls/logger_list_view.h"
#include "shared/link/link_ids.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/app/delay_time_dialog.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"
#include "tests/support/whole_file.h"
#include "tests/teldrin/core/logged_records.h"
#include "tests/teldrin/core/test_clock.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using TeldrinMainFrameTest = testsupport::QtTest;

// The commands a Quarven answers up to and with its identification.
constexpr int kQuarvenMuteAfter = 3;

QAction* FindAction(const QWidget& frame, const char* text) {
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (action->text() == QString::fromUtf8(text)) {
            return action;
        }
    }
    return nullptr;
}

// A list at `path` of entries called at once, one for each of `serials`, their links set by `link`.
void SaveImmediateCalls(const std::filesystem::path& path, const std::vector<std::string>& serials,
                        const std::function<void(CLogger&)>& link) {
    CLoggerList list(LoggerDefaults{57600, 0});
    list.NewList(platform::PathToWindows1252(path.parent_path()));
    for (std::size_t index = 0; index < serials.size(); ++index) {
        CLogger& entry = index == 0 ? list.GetLogger(0)
                                    : list.InsertNewLogger(-1, platform::PathToWindows1252(path.parent_path()));
        entry.SetSerial(serials[index]);
        link(entry);
        entry.SetScheduleOn(true);
        CLogger::ScheduleBlock block = entry.GetScheduleBlock();
        SchedulePage page = DecodeSchedule(block);
        page.choice = kCallImmediate;
        ASSERT_FALSE(ComputeSchedule(page, DecodeSchedule(block), block, 0).has_value());
        entry.SetScheduleBlock(block);
    }
    ASSERT_TRUE(SaveLoggerList(path, list));
}

void SaveImmediateCall(const std::filesystem::path& path, const std::string& serial,
                       const std::function<void(CLogger&)>& link) {
    SaveImmediateCalls(path, {serial}, link);
}

// Runs the event loop until the frame's call ends; the texts the status pane showed meanwhile.
QStringList StatusTextsUntilTheCallEnds(teldrin::CMainFrame& frame) {
    const QLabel* status = frame.statusBar()->findChildren<QLabel*>().at(1);
    QStringList texts;
    QElapsedTimer waited;
    waited.start();
    while (frame.Controller().Scheduler().CallInProgress() && waited.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (frame.Controller().Scheduler().CallInProgress() && !texts.contains(status->text())) {
            texts.append(status->text());
        }
    }
    EXPECT_FALSE(frame.Controller().Scheduler().CallInProgress());
    return texts;
}

// Runs the event loop until `done`; false after 60 s.
bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 60000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A frame whose data folder is `folder`, its scheduler's clock standing at the time it was made.
struct FrameInFolder {
    explicit FrameInFolder(const std::filesystem::path& folder) {
        settings.dataDir = platform::PathToWindows1252(folder);
        clock.now = std::time(nullptr);
        frame = std::make_unique<teldrin::CMainFrame>(settings, store, clock);
    }
    teldrin::CRegistryValues settings;
    teldrintest::TestClock clock;
    testsupport::MemoryProfileStore store;
    std::unique_ptr<teldrin::CMainFrame> frame;
};

TEST_F(TeldrinMainFrameTest, CloseIsRefusedWhileACallRuns) {
    LoggerSimulator simulator(*FindLoggerModel("standard-135"));
    teldrintest::LogRecordsOn(simulator, "GUI1", 40);
    const int port = simulator.StartTcp(0);
    const testsupport::TempFolder folder;
    const std::filesystem::path listPath = folder / "gui.lst";
    SaveImmediateCall(listPath, "GUI1", [port](CLogger& entry) {
        entry.SetConnectType(kConnectNetwork);
        entry.SetPhoneOrAddress("127.0.0.1");
        entry.SetNetPort(std::to_string(port));
    });

    FrameInFolder harness(folder.path());
    teldrin::CMainFrame& frame = *harness.frame;
    testsupport::MemoryProfileStore& store = harness.store;
    frame.show();
    ASSERT_TRUE(frame.OpenList(listPath));
    // The list shows in the frame; its connect column only beeps: teldrin has no interactive session.
    auto* shown = dynamic_cast<CLoggerListDoc*>(frame.ListView().GetDocument());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->GetCount(), 1u);
    EXPECT_EQ(shown->GetLogger(0).GetSerial(), "GUI1");
    const testsupport::RecordingDesktopServices desktop;
    frame.ListView().OnClickedButton(0, CLoggerListModel::kConnectColumn);
    EXPECT_EQ(desktop.Beeps(), 1);

    // The list went on top of the recent lists, in the settings and in the File menu.
    EXPECT_EQ((store.values[{"Recent File List", "File1"}]), listPath.string());
    QAction* recent = FindAction(frame, "&1 gui.lst");
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isVisible());

    // What would replace or reread the list is greyed while the call runs; ending the call is offered
    // only then.
    const std::vector<bool> greyedDuringTheCall{false, true};
    const std::vector<bool> offeredDuringTheCall{true, false};
    const std::pair<const char*, const std::vector<bool>&> commands[] = {
        {"&Ouvrir", greyedDuringTheCall},
        {"&Activer Liste Appel", greyedDuringTheCall},
        {"&1 gui.lst", greyedDuringTheCall},
        {"&R\xC3\xA9p\xC3\xA9ter Appels du jour", greyedDuringTheCall},
        {"&Terminer Appel en cours", offeredDuringTheCall},
    };
    std::map<QAction*, std::vector<bool>> enabled;
    for (const auto& [text, states] : commands) {
        QAction* action = FindAction(frame, text);
        ASSERT_NE(action, nullptr) << text;
        EXPECT_EQ(action->isEnabled(), states.back()) << text;
        QObject::connect(action, &QAction::changed,
                         [&enabled, action] { enabled[action].push_back(action->isEnabled()); });
    }

    // The tick starts the immediate call; its end arrives through the event loop. Closing asks to end
    // the call first; No leaves it running.
    frame.Controller().OnTimer();
    ASSERT_TRUE(frame.Controller().Scheduler().CallInProgress());
    QString asked;
    testsupport::OnNextModal([&asked](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(asked, QString::fromUtf8("Un appel est en cours. Le terminer et quitter Teldrin ?"));
    EXPECT_TRUE(frame.isVisible());

    // The status pane names the logger found on the link while the call runs.
    const QList<QLabel*> panes = frame.statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panes.size(), 2);
    const QStringList statusTexts = StatusTextsUntilTheCallEnds(frame);
    EXPECT_TRUE(statusTexts.contains("Connected to Standard [57600 baud]"))
        << statusTexts.join("|").toStdString();
    // The progress bar goes with the call.
    EXPECT_FALSE(frame.findChild<QProgressBar*>()->isVisible());
    EXPECT_EQ(panes[1]->text(), QString::fromUtf8("Pas d'erreur sur dernier appel - 0 Appel(s) en échec"));
    for (const auto& [text, states] : commands) {
        EXPECT_EQ(enabled[FindAction(frame, text)], states) << text;
    }
    EXPECT_TRUE(frame.close());
}

TEST_F(TeldrinMainFrameTest, TheStatusPaneNamesTheModelTheLoggerTurnsOutToBe) {
    // A Quarven KX decodes as an RS at first; its session start tells which one it is.
    LoggerSimulator simulator(*FindLoggerModel("quarven-kx"));
    const testsupport::TempFolder folder;
    const std::filesystem::path listPath = folder / "kx.lst";
    SaveImmediateCall(listPath, "", [port = simulator.StartTcp(0)](CLogger& entry) {
        entry.SetConnectType(kConnectNetwork);
        entry.SetPhoneOrAddress("127.0.0.1");
        entry.SetNetPort(std::to_string(port));
    });
    FrameInFolder harness(folder.path());
    ASSERT_TRUE(harness.frame->OpenList(listPath));
    harness.frame->Controller().OnTimer();
    const QStringList statusTexts = StatusTextsUntilTheCallEnds(*harness.frame);
    const QStringList connected = statusTexts.filter(QRegularExpression("^Connected to "));
    ASSERT_FALSE(connected.isEmpty()) << statusTexts.join("|").toStdString();
    EXPECT_EQ(connected.back(), "Connected to Quarven KX [57600 baud]")
        << statusTexts.join("|").toStdString();
}

TEST_F(TeldrinMainFrameTest, ActivatingTheListBringsItBackOrStopsTheCallsWhenItNoLongerReads) {
    const testsupport::TempFolder folder;
    const std::filesystem::path listPath = folder / "active.lst";
    // Called at once, on a port where nothing answers.
    SaveImmediateCall(listPath, "ACT1", [](CLogger& entry) {
        entry.SetConnectType(kConnectNetwork);
        entry.SetPhoneOrAddress("127.0.0.1");
        entry.SetNetPort("1");
    });
    FrameInFolder harness(folder.path());
    teldrin::CMainFrame& frame = *harness.frame;
    frame.show();
    ASSERT_TRUE(frame.OpenList(listPath));
    QAction* activate = FindAction(frame, "&Activer Liste Appel");
    ASSERT_NE(activate, nullptr);
    auto* panes = frame.findChild<QSplitter*>();
    panes->setSizes({0, 400});
    ASSERT_EQ(panes->sizes().at(0), 0);
    activate->trigger();
    EXPECT_GT(panes->sizes().at(0), 0);

    std::filesystem::remove(listPath);
    QString told;
    testsupport::OnNextModal([&told](QWidget* box) {
        if (const auto* message = qobject_cast<QMessageBox*>(box)) {
            told = message->text();
        }
        box->close();
    });
    activate->trigger();
    EXPECT_TRUE(told.contains(QString::fromStdString(listPath.string()))) << told.toStdString();
    EXPECT_FALSE(activate->isEnabled());
    frame.Controller().OnTimer();
    EXPECT_FALSE(frame.Controller().Scheduler().CallInProgress());
    // The message pane no longer announces a call that will not come.
    EXPECT_EQ(frame.statusBar()->findChildren<QLabel*>().at(0)->text(),
              QString::fromUtf8("Appels arrêtés - ouvrir une liste d'appel pour reprendre"));
}

TEST_F(TeldrinMainFrameTest, TheListIsOnlyShownWithWhatWouldChangeItGreyedAndWhy) {
    const testsupport::TempFolder folder;
    const std::filesystem::path listPath = folder / "shown.lst";
    {
        CLoggerList list(LoggerDefaults{57600, 0});
        list.NewList(platform::PathToWindows1252(folder.path()));
        list.InsertNewLogger(-1, platform::PathToWindows1252(folder.path()));
        list.GetLogger(0).SetSerial("B");
        list.GetLogger(1).SetSerial("A");
        ASSERT_TRUE(SaveLoggerList(listPath, list));
    }
    FrameInFolder harness(folder.path());
    ASSERT_TRUE(harness.frame->OpenList(listPath));
    CLoggerListView& view = harness.frame->ListView();
    auto& document = *static_cast<CLoggerListDoc*>(view.GetDocument());
    const auto unchanged = [&document](const char* after) {
        EXPECT_FALSE(document.IsModified()) << after;
        ASSERT_EQ(document.GetCount(), 2u) << after;
        EXPECT_EQ(document.GetLogger(0).GetSerial(), "B") << after;
        EXPECT_EQ(document.GetLogger(1).GetSerial(), "A") << after;
    };

    view.Grid()->selectRow(1);
    view.SideButton(CLoggerListView::kCopyButton)->click();
    for (const auto button : {CLoggerListView::kAddButton, CLoggerListView::kDeleteButton,
                              CLoggerListView::kPasteButton, CLoggerListView::kUpButton}) {
        EXPECT_FALSE(view.SideButton(button)->isEnabled()) << button;
    }
    EXPECT_TRUE(view.SideButton(CLoggerListView::kCopyButton)->isEnabled());
    const LoggerListCommandIds ids = kTeldrinListCommands;
    for (const unsigned id : {ids.add, ids.remove, ids.clear, ids.paste, ids.moveUp, ids.moveDown}) {
        platform::CommandState state{id};
        EXPECT_TRUE(view.OnUpdateCommand(state)) << id;
        EXPECT_FALSE(state.enabled) << id;
        view.Grid()->selectRow(1);
        view.OnCommand(id);
        unchanged(std::to_string(id).c_str());
    }
    emit view.Grid()->horizontalHeader()->sectionClicked(CLoggerListModel::kSerialColumn);
    unchanged("sort");
    const QModelIndex serial = view.Grid()->model()->index(0, CLoggerListModel::kSerialColumn);
    EXPECT_FALSE(view.Grid()->model()->flags(serial) & Qt::ItemIsEditable);
    EXPECT_FALSE(view.Grid()->model()->setData(serial, "C", Qt::EditRole));
    unchanged("typing");

    // Configure shows the entry, greyed, and stores nothing.
    testsupport::OnNextModal([](QWidget* shown) {
        auto* dialog = qobject_cast<CLoggerListConfigDlg*>(shown);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->Tabs().ConnectPage().isEnabled());
        dialog->accept();
    });
    view.OnClickedButton(0, CLoggerListModel::kConfigureColumn);
    unchanged("configure");

    // The strip says why.
    bool explained = false;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
        explained =
            explained || (!label->isHidden() && label->text().toStdString() == LoadText(IDS_LIST_SHOWN_ONLY));
    }
    EXPECT_TRUE(explained);
}

TEST_F(TeldrinMainFrameTest, EndingTheProgramEndsTheCallInProgressAndStartsNoOther) {
    // Without a user (SIGTERM), and by Quitter answered Yes.
    for (const bool quitter : {false, true}) {
        SCOPED_TRACE(quitter ? "Quitter" : "SIGTERM");
        LoggerSimulator simulator(*FindLoggerModel("standard-135"));
        teldrintest::LogRecordsOn(simulator, "END1", 2000);
        // A slow line: the download would take minutes.
        simulator.SetPacingBaud(4800);
        const int port = simulator.StartTcp(0);
        const testsupport::TempFolder folder;
        const std::filesystem::path listPath = folder / "end.lst";
        // Two calls due at once: the second would start as soon as the first ended.
        SaveImmediateCalls(listPath, {"END1", "END2"}, [port](CLogger& entry) {
            entry.SetConnectType(kConnectNetwork);
            entry.SetPhoneOrAddress("127.0.0.1");
            entry.SetNetPort(std::to_string(port));
        });
        FrameInFolder harness(folder.path());
        teldrin::CMainFrame& frame = *harness.frame;
        frame.show();
        ASSERT_TRUE(frame.OpenList(listPath));
        frame.Controller().OnTimer();
        const QLabel* status = frame.statusBar()->findChildren<QLabel*>().at(1);
        ASSERT_TRUE(WaitUntil([status] { return status->text().startsWith("Connected to"); }));

        int readyToQuit = 0;
        QObject::connect(&frame, &teldrin::CMainFrame::ReadyToQuit, [&readyToQuit] { ++readyToQuit; });
        if (quitter) {
            testsupport::OnNextModal([](QWidget* window) {
                qobject_cast<QMessageBox*>(window)->button(QMessageBox::Yes)->click();
            });
            EXPECT_FALSE(frame.close());
        } else {
            frame.EndProgram();
        }
        EXPECT_EQ(readyToQuit, 0);
        ASSERT_TRUE(WaitUntil([&readyToQuit] { return readyToQuit > 0; }));
        EXPECT_FALSE(frame.Controller().Scheduler().CallInProgress());
        // Once the call ended the application may quit: the frame no longer refuses to close.
        EXPECT_TRUE(frame.close());
        // Whatever the call still posts, no other call starts, and the application is told once.
        QApplication::processEvents(QEventLoop::AllEvents, 100);
        EXPECT_EQ(readyToQuit, 1);
        EXPECT_EQ(frame.Controller().Scheduler().Attempted(), 1);
        EXPECT_EQ(frame.Controller().Scheduler().Failed(), 1);
        const std::string events = testsupport::ReadWholeFile(folder / "Teldrin.log");
        EXPECT_NE(events.find("Etat appel"), std::string::npos) << events;
    }
}

TEST_F(TeldrinMainFrameTest, TheLoggersUsbDeviceGoingAwayEndsItsCallAndNothingElse) {
    // A logger on USB that falls silent once it has told its model: the call waits on it.
    LoggerSimulator quarven(*FindLoggerModel("quarven-rs"), {.muteAfter = kQuarvenMuteAfter});
    quarven.Logger().ChangeState([](LoggerState& s) { s.loggerId = "USB1"; });
    const std::string port = quarven.StartPty();
    const testsupport::TempFolder folder;
    const std::filesystem::path listPath = folder / "usb.lst";
    SaveImmediateCall(listPath, "USB1", [&port](CLogger& entry) {
        entry.SetConnectType(kConnectDirect);
        entry.SetComPort(port);
    });
    FrameInFolder harness(folder.path());
    teldrin::CMainFrame& frame = *harness.frame;
    ASSERT_TRUE(frame.OpenList(listPath));
    frame.Controller().OnTimer();
    const QLabel* status = frame.statusBar()->findChildren<QLabel*>().at(1);
    QElapsedTimer waited;
    waited.start();
    while (!status->text().startsWith("Connected to") && waited.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_TRUE(frame.Controller().Scheduler().CallInProgress()) << status->text().toStdString();

    const auto removal = [&frame](const std::string& device) {
        frame.Controller().OnMessage(
            *std::make_unique<platform::Message>(WM_USB_DEVICE_REMOVAL, 0, platform::MakePayload(device)));
    };
    // Waits until the call ended or the silent logger took `silences` inputs in all.
    const auto untilCallEndsOrLoggerTook = [&frame, &quarven](int silences) {
        testsupport::ProcessEventsUntil([&] {
            return !frame.Controller().Scheduler().CallInProgress() || quarven.Logger().Silences() >= silences;
        });
    };
    // Another USB device: the call waits on, and tries the logger again.
    removal("Other logger (ttyACM7)");
    untilCallEndsOrLoggerTook(quarven.Logger().Silences() + 1);
    EXPECT_TRUE(frame.Controller().Scheduler().CallInProgress());
    // The call's own: the call ends rather than try on. Each try is an escape and the command again;
    // at most the one under way still goes out.
    removal(port);
    untilCallEndsOrLoggerTook(quarven.Logger().Silences() + 3);
    EXPECT_FALSE(frame.Controller().Scheduler().CallInProgress());
    EXPECT_EQ(frame.Controller().Scheduler().Failed(), 1);
    // Without a call nothing happens.
    removal(port);
    EXPECT_EQ(frame.Controller().Scheduler().Failed(), 1);
}

using TeldrinDelayDialogTest = testsupport::QtTest;

TEST_F(TeldrinDelayDialogTest, ShowsTheHoursWithinADayAndGivesTheDelayEntered) {
    struct Case {
        std::time_t delay;
        std::time_t shown;
    };
    const Case cases[] = {
        {90 * 60, 90 * 60}, {25 * 3600, 3600}, {0, 0}, {23 * 3600 + 59 * 60, 23 * 3600 + 59 * 60}};
    for (const Case& c : cases) {
        const teldrin::CDelayTimeDialog dialog(c.delay);
        EXPECT_EQ(dialog.Delay(), c.shown) << c.delay;
    }
}

}  // namespace
