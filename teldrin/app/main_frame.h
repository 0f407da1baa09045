// CMainFrame: teldrin's main window. Its one-second timer (a second of the scheduler's clock) drives the
// day's calls; its status panes show what the calls do; the calls' sessions post their messages to it.
// Close is refused while a call runs.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "platform/ui/window_message_target.h"
#include "teldrin/core/call_controller.h"
#include "teldrin/core/registry_values.h"
#include "teldrin/core/scheduler_clock.h"
#include "teldrin/core/teldrin_app_context.h"
#include "teldrin/core/teldrin_ui_broker.h"

class QAction;
class QLabel;
class QListWidget;

namespace teldrin {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `settings` and `clock` must outlive the frame.
    CMainFrame(const CRegistryValues& settings, const SchedulerClock& clock);
    ~CMainFrame() override;

    // Opens the logger list and starts the day's calls; false when it cannot be opened (logged).
    bool OpenList(const std::filesystem::path& path);
    CCallController& Controller() { return *controller_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    // The menu commands.
    void OnOpenList();
    void OnDelayCalls();
    void OnCancelCalls();
    void OnRepeatCalls();
    void OnViewLog(bool eventLog);
    void OnClearLog();
    void OnTick();
    void OnFrameMessage(platform::Message& message);
    void ShowState();
    void ShowCalls();

    CTeldrinAppContext app_;
    std::shared_ptr<platform::WindowMessageTarget> target_;
    std::unique_ptr<TeldrinUiBroker> broker_;
    platform::UiBroker* previous_broker_ = nullptr;
    std::unique_ptr<CCallController> controller_;
    QTimer timer_;
    QLabel* message_pane_;
    QLabel* status_pane_;
    // Today's calls: serial number, time, state.
    QListWidget* calls_;
    // Greyed while a call runs.
    QAction* open_action_ = nullptr;
    QAction* repeat_action_ = nullptr;
    bool list_open_ = false;
};

}  // namespace teldrin
