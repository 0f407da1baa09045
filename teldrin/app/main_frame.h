// CMainFrame: teldrin's main window. Its one-second timer (a second of the scheduler's clock) drives the
// day's calls; its status panes show what the calls do; the calls' sessions post their messages to it.
// Close during a call asks to end the call first; ending the program without a user (SIGTERM) ends the
// call first.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/io/usb_device_watch.h"
#include "platform/ui/recent_file_list.h"
#include "platform/ui/window_message_target.h"
#include "teldrin/app/teldrin_list_host.h"
#include "teldrin/core/call_controller.h"
#include "teldrin/core/registry_values.h"
#include "teldrin/core/scheduler_clock.h"
#include "teldrin/core/teldrin_app_context.h"
#include "teldrin/core/teldrin_ui_broker.h"

class QAction;
class QLabel;
class QListWidget;
class QProgressBar;
class QSplitter;
class CLoggerListDoc;
class CLoggerListView;

namespace platform {
class ProfileStore;
}

namespace teldrin {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `settings`, `store` and `clock` must outlive the frame; the PC settings dialog changes `settings`
    // and saves them into `store`.
    CMainFrame(CRegistryValues& settings, platform::ProfileStore& store, const SchedulerClock& clock);
    ~CMainFrame() override;

    // Opens the logger list and starts the day's calls; false when it cannot be opened (logged).
    bool OpenList(const std::filesystem::path& path);
    // Ends the program as Exit does, with nobody to ask: a call in progress is ended first, as the end-call
    // command ends it (its files closed, its lines logged), no other call starts, and ReadyToQuit follows
    // once no call runs.
    void EndProgram();
    CCallController& Controller() { return *controller_; }
    // The open list's view; it shows no entries before a list is open.
    CLoggerListView& ListView() { return *list_view_; }

signals:
    // EndProgram's call has ended (at once when none ran): the application may quit.
    void ReadyToQuit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    // The menu commands.
    void OnOpenList();
    void OnOpenRecent(std::size_t index);
    // Activer Liste Appel: the active list read into its view again and brought into view; when it no
    // longer reads, 1003 and no more calls until a list is opened.
    void OnReactivateList();
    // Asks before another list replaces the active one; true when there is none or the user agrees.
    bool MayReplaceList();
    // The recent lists in the settings ("Recent File List", "File1" on) and in the File menu.
    void LoadRecentFiles();
    void SaveRecentFiles();
    void ShowRecentFiles();
    void OnPcSetup();
    void OnDelayCalls();
    void OnCancelCalls();
    void OnRepeatCalls();
    void OnViewLog(bool eventLog);
    void OnClearLog();
    void OnTick();
    void OnFrameMessage(platform::Message& message);
    // Once EndProgram was asked and no call runs: ReadyToQuit, once.
    void QuitWhenNoCallRuns();
    // The list at `path` in the list view (the calls come from the controller's own reading); false when
    // it cannot be read.
    bool ShowList(const std::filesystem::path& path);
    void ShowState();
    void ShowCalls();

    CRegistryValues& settings_;
    platform::ProfileStore& store_;
    CTeldrinAppContext app_;
    std::shared_ptr<platform::WindowMessageTarget> target_;
    // Tells the frame when a logger's USB device goes away (silent without udev).
    platform::UsbDeviceWatch usb_watch_;
    std::unique_ptr<TeldrinUiBroker> broker_;
    platform::UiBroker* previous_broker_ = nullptr;
    std::unique_ptr<CCallController> controller_;
    CTeldrinListHost list_host_;
    // The open list as a document, shown by the list view above today's calls.
    std::unique_ptr<CLoggerListDoc> list_document_;
    // The list's view above today's calls, in panes the user can resize.
    QSplitter* panes_;
    CLoggerListView* list_view_;
    QTimer timer_;
    QLabel* message_pane_;
    QLabel* status_pane_;
    // What the call in progress last showed in the status pane (Windows-1252); cleared when it ends.
    std::string call_status_;
    // The download's progress: shown from a call's first position until the call ends.
    QProgressBar* progress_;
    // Today's calls: serial number, time, state.
    QListWidget* calls_;
    // Greyed while a call runs (Activer also without an active list).
    QAction* open_action_ = nullptr;
    QAction* reactivate_action_ = nullptr;
    // The recent lists' entries of the File menu, before its separator.
    std::vector<QAction*> recent_actions_;
    QAction* recent_separator_ = nullptr;
    platform::RecentFileList recent_;
    std::filesystem::path list_path_;
    QAction* repeat_action_ = nullptr;
    // Only while a call runs.
    QAction* end_call_action_ = nullptr;
    bool list_open_ = false;
    // EndProgram was asked and ReadyToQuit not yet sent.
    bool ending_ = false;
};

}  // namespace teldrin
