// CMainFrame: the main window of kivo32: its menus, toolbar, status bar and connection status window,
// its placement, the once-a-second watch of an idle wireless or network link, and the messages the
// sessions, the links and the USB watch post to it.
#pragma once

#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "kivo32/app/flat_tool_bar.h"
#include "kivo32/app/logger_menu.h"
#include "kivo32/app/menu_entry.h"
#include "kivo32/controls/cool_menu_manager.h"
#include "platform/io/usb_device_watch.h"
#include "platform/ui/main_frame.h"

class QDockWidget;
class QMenu;
class CSession;
class CStatusWnd;

class CMainFrame : public platform::MainFrame {
    Q_OBJECT

public:
    // The once-a-second watch.
    static constexpr int kWatchPeriodMs = 1000;
    // The settings key of the bars' docking state.
    static constexpr const char* kDockBarStateKey = "DockBarState/State";

    explicit CMainFrame(platform::DocManager* documents);
    ~CMainFrame() override;

    // Makes the menus, the toolbar, the status bar and the connection status window, and puts the bars
    // where the settings left them. True when all were made.
    bool LoadFrame();
    // The first show: the calibration level of the command line, the placement of the settings, then
    // the watch and the USB watch start. Only the first call does anything. SW_HIDE (a text-export batch
    // run) keeps the frame hidden.
    void InitialShowWindow(int showCommand);

    CStatusWnd& StatusWindow() const { return *status_wnd_; }
    CFlatToolBar& ToolBar() const { return *tool_bar_; }
    // Shows toolbar `toolbarId` (kivo32/views/view_toolbar.h) in the toolbar's place.
    void LoadToolBar(int toolbarId);
    int ToolBarId() const { return tool_bar_id_; }
    QDockWidget& StatusDock() const { return *status_dock_; }
    // The logger menu as it stands, its rule applied.
    const CMenuEntries& MenuEntries() const { return menu_entries_; }

    void OnMessage(platform::Message& message) override;
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;

protected:
    // Keeps the bars' state and the placement once the documents let the frame close.
    void closeEvent(QCloseEvent* event) override;

    // The running session, nullptr when none.
    virtual CSession* ActiveSession() const;
    // The end of the session after its USB port went: without a question, as nothing can be sent.
    virtual void EndSessionAfterLostPort();
    // What the logger menu's rule goes by: the calibration level, the protocol, the session's logger.
    virtual CLoggerMenuConditions LoggerMenuConditions() const;

private:
    void CreateMenus();
    // Fills `menu` from `entries`, each popup asking its commands' states when it opens.
    void FillMenu(QMenu& menu, const CMenuEntries& entries);
    // Just before `popup` shows: the commands' states, the recent files, images and shortcut texts.
    void OnPopupAboutToShow(QMenu& popup);
    // The logger menu's rule for the logger connected now; rebuilds the logger menu.
    void UpdateLoggerMenu();
    void FillWindowMenu(QMenu& menu);

    void StartStatusWindow();
    void StopStatusWindow();
    void ShowStatusWindow(bool show);
    void OnWatchTick();
    void OnUsbArrival(const std::string& deviceName);
    void OnUsbRemoval(const std::string& deviceName);
    void OnLostPort();
    void OnShowDataGraph();
    void SavePlacement();

    CCoolMenuManager cool_menus_;
    CMenuEntries menu_entries_;
    QMenu* logger_menu_ = nullptr;
    CFlatToolBar* tool_bar_ = nullptr;
    int tool_bar_id_ = 0;
    QDockWidget* status_dock_ = nullptr;
    CStatusWnd* status_wnd_ = nullptr;
    bool first_show_ = true;
    // 0, 1 or 2, from the command line; the logger menu follows it.
    int calibration_level_ = 0;
    bool lost_port_dialog_open_ = false;
    std::string lost_port_name_;
    QTimer watch_;
    platform::UsbDeviceWatch usb_watch_;
};
