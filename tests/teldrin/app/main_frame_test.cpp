// teldrin's main frame offscreen: the open list in its view; Close is refused while a call runs and
// allowed once it ended; the panes tell the call; the delay dialog shows the hours within a day.
#include "teldrin/app/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <map>
#include <vector>

#include "platform/base/windows1252.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_model.h"
#include "shared/controls/logger_list_view.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/app/delay_time_dialog.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"
#include "tests/teldrin/core/test_clock.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using TeldrinMainFrameTest = testsupport::QtTest;

QAction* FindAction(const QWidget& frame, const char* text) {
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (action->text() == QString::fromUtf8(text)) {
            return action;
        }
    }
    return nullptr;
}

TEST_F(TeldrinMainFrameTest, CloseIsRefusedWhileACallRuns) {
    LoggerSimulator simulator(*FindLoggerModel("standard-135"));
    simulator.Logger().ChangeState([](LoggerState& s) {
        s.loggerId = "GUI1";
        ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
        LogRecords(s, 40);
    });
    const int port = simulator.StartTcp(0);
    const testsupport::TempFolder folder;
    CLoggerList list(LoggerDefaults{57600, 0});
    list.NewList(platform::PathToWindows1252(folder.path()));
    CLogger& entry = list.GetLogger(0);
    entry.SetSerial("GUI1");
    entry.SetConnectType(kConnectNetwork);
    entry.SetPhoneOrAddress("127.0.0.1");
    entry.SetNetPort(std::to_string(port));
    entry.SetScheduleOn(true);
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    SchedulePage page = DecodeSchedule(block);
    page.choice = kCallImmediate;
    ASSERT_FALSE(ComputeSchedule(page, DecodeSchedule(block), block, 0).has_value());
    entry.SetScheduleBlock(block);
    const std::filesystem::path listPath = folder / "gui.lst";
    ASSERT_TRUE(SaveLoggerList(listPath, list));

    teldrin::CRegistryValues settings;
    settings.dataDir = platform::PathToWindows1252(folder.path());
    teldrintest::TestClock clock;
    clock.now = std::time(nullptr);
    testsupport::MemoryProfileStore store;
    teldrin::CMainFrame frame(settings, store, clock);
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

    // What would replace or reread the list is greyed while the call runs.
    std::map<QAction*, std::vector<bool>> enabled;
    for (const char* text :
         {"&Ouvrir", "&Activer Liste Appel", "&1 gui.lst", "&R\xC3\xA9p\xC3\xA9ter Appels du jour"}) {
        QAction* action = FindAction(frame, text);
        ASSERT_NE(action, nullptr) << text;
        QObject::connect(action, &QAction::changed,
                         [&enabled, action] { enabled[action].push_back(action->isEnabled()); });
    }

    // The tick starts the immediate call; its end arrives through the event loop.
    frame.Controller().OnTimer();
    ASSERT_TRUE(frame.Controller().Scheduler().CallInProgress());
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());

    // The status pane names the logger found on the link while the call runs.
    const QList<QLabel*> panes = frame.statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panes.size(), 2);
    QStringList statusTexts;
    QElapsedTimer waited;
    waited.start();
    while (frame.Controller().Scheduler().CallInProgress() && waited.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (frame.Controller().Scheduler().CallInProgress() && !statusTexts.contains(panes[1]->text())) {
            statusTexts.append(panes[1]->text());
        }
    }
    ASSERT_FALSE(frame.Controller().Scheduler().CallInProgress());
    EXPECT_TRUE(statusTexts.contains("Connected to Standard [57600 baud]"))
        << statusTexts.join("|").toStdString();
    // The progress bar goes with the call.
    EXPECT_FALSE(frame.findChild<QProgressBar*>()->isVisible());
    EXPECT_EQ(panes[1]->text(), QString::fromUtf8("Pas d'erreur sur dernier appel - 0 Appel(s) en échec"));
    for (const auto& [action, states] : enabled) {
        EXPECT_EQ(states, (std::vector<bool>{false, true})) << action->text().toStdString();
    }
    EXPECT_TRUE(frame.close());
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
