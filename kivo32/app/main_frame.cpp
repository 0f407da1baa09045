// CMainFrame: the main window of kivo32: its menus, toolbar, status bar and connection status window,
// its placement, the once-a-second watch of an idle wireless or network link, and the messages the
// sessions, the links and the USB watch post to it.
#include "kivo32/app/main_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/flat_tool_bar.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/main_menu.h"
#include "kivo32/app/queue_messages.h"
#include "kivo32/app/status_wnd.h"
#include "kivo32/app/view_toolbars.h"
#include "kivo32/app/window_placement.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/views/data_graph_commands.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/view_toolbar.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/lost_port_dialog.h"
#include "shared/link/link_ids.h"
#include "shared/link/port_names.h"
#include "shared/link/usb_logger_device.h"
#include "shared/setup/setup_codes.h"

namespace {

// Marks the Window menu's entries of the open windows.
constexpr const char* kWindowListEntry = "kivoWindowListEntry";
// A USB logger that arrives is connected at this speed.
constexpr int kUsbLoggerBaud = 57600;
// The logger's interface code of a Bluetooth link.
constexpr int kInterfaceBluetooth = 2;

std::optional<std::string> TextOf(const platform::Message& message) {
    const std::string* text = platform::PayloadAs<std::string>(message);
    return text != nullptr ? std::optional<std::string>(*text) : std::nullopt;
}

QKeySequence KeyOf(const char* shortcut) {
    return QKeySequence(QString::fromLatin1(shortcut), QKeySequence::PortableText);
}

}  // namespace

CMainFrame::CMainFrame(platform::DocManager* documents) : platform::MainFrame(documents) {
    setWindowTitle(CKivoApp::kWindowTitle);
    connect(&watch_, &QTimer::timeout, this, &CMainFrame::OnWatchTick);
}

void CMainFrame::LoadToolBar(int toolbarId) {
    tool_bar_id_ = toolbarId;
    tool_bar_->LoadToolBar(ToolBarButtons(toolbarId));
}

CMainFrame::~CMainFrame() {
    usb_watch_.Stop();
}

bool CMainFrame::LoadFrame() {
    statusBar();
    CreateMenus();

    std::vector<CCoolMenuManager::ToolbarButton> images;
    for (const CFlatToolBar::Button& button : ToolBarButtons(kMainToolBar)) {
        images.push_back({button.command, button.image});
    }
    tool_bar_ = new CFlatToolBar(*this);
    tool_bar_->setObjectName("MainToolBar");
    LoadToolBar(kMainToolBar);
    addToolBar(Qt::TopToolBarArea, tool_bar_);
    // A view whose document went first (a closing logger list) no longer reports that it left: once no
    // window is active the frame takes its own toolbar back.
    connect(MdiArea(), &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
        if (CKivoApp* app = GetKivoApp(); app != nullptr && window == nullptr) {
            app->FollowActiveView(kMainToolBar, false);
        }
    });

    status_dock_ =
        new QDockWidget(platform::ToQString(LoadText(IDS_MENU_CONNECTION_STATUS)).remove('&'), this);
    status_dock_->setObjectName("ConnectionStatusWindow");
    status_dock_->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    status_wnd_ = new CStatusWnd(
        [this] { return static_cast<const CSession*>(ActiveSession()); },
        [this] { Target()->PostMessage(platform::Message(WM_COMMAND, ID_VIEW_CONNECTION_STATUS)); });
    status_dock_->setWidget(status_wnd_);
    connect(status_dock_, &QDockWidget::topLevelChanged, status_wnd_,
            [this](bool floating) { status_wnd_->SetDocked(!floating); });
    addDockWidget(Qt::BottomDockWidgetArea, status_dock_);
    restoreState(platform::OpenProgramSettings()->value(kDockBarStateKey).toByteArray());
    // No session runs yet, whatever the bars' state says.
    status_dock_->hide();

    cool_menus_.Install(this);
    cool_menus_.LoadToolbar(images, QSize(kToolbarImageSize, kToolbarImageSize));
    std::vector<CCoolMenuManager::Accelerator> accelerators;
    for (const CMainMenuCommand& command : MainMenuCommands()) {
        if (*command.shortcut != '\0') {
            accelerators.push_back({KeyOf(command.shortcut), command.id});
        }
    }
    cool_menus_.LoadAccel(std::move(accelerators));
    return true;
}

void CMainFrame::InitialShowWindow(int showCommand) {
    if (!first_show_) {
        return;
    }
    first_show_ = false;
    if (CKivoApp* app = GetKivoApp()) {
        calibration_level_ = app->GetCommandLine().calibrationLevel;
    }
    int iconic = 0;
    int maximized = 0;
    if (CKivoApp* app = GetKivoApp()) {
        const CRegistryValues& values = app->Registry();
        iconic = values.iconic;
        maximized = values.maximized;
        if (const auto rect = ParsePlacementText(values.position)) {
            setGeometry(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
        }
    }
    switch (StartupShowCommand(iconic, maximized, showCommand == SW_HIDE)) {
        case SW_HIDE:
            hide();
            break;
        case SW_SHOWMINNOACTIVE:
            showMinimized();
            break;
        case SW_SHOWMAXIMIZED:
            showMaximized();
            break;
        default:
            show();
            break;
    }
    platform::CurrentUiClock().StartTimer(watch_, kWatchPeriodMs);
    // Without udev the watch stays silent: USB loggers are then connected by hand.
    usb_watch_.Start(*Target(), WM_USB_DEVICE_ARRIVAL, WM_USB_DEVICE_REMOVAL, kUsbLoggerVendor,
                     kUsbLoggerProduct);
}

// ---- Menus.

void CMainFrame::CreateMenus() {
    menu_entries_ = MainMenuEntries();
    ApplyLoggerMenuRule(menu_entries_, LoggerMenuConditions());
    for (const CMenuEntry& popup : menu_entries_) {
        QMenu* menu = menuBar()->addMenu(platform::ToQString(popup.label));
        FillMenu(*menu, popup.items);
        if (IsLoggerMenu(popup)) {
            logger_menu_ = menu;
            // The rule runs before the frame asks the logger menu's states.
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateLoggerMenu, Qt::DirectConnection);
        } else if (popup.label == LoadText(IDS_MENU_WINDOW)) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowMenu(*menu); });
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnPopupAboutToShow(*menu); });
    }
}

void CMainFrame::FillMenu(QMenu& menu, const CMenuEntries& entries) {
    const std::vector<CMainMenuCommand> commands = MainMenuCommands();
    for (const CMenuEntry& entry : entries) {
        switch (entry.kind) {
            case CMenuEntry::Kind::Separator:
                menu.addSeparator();
                break;
            case CMenuEntry::Kind::Popup: {
                QMenu* popup = menu.addMenu(platform::ToQString(entry.label));
                FillMenu(*popup, entry.items);
                connect(popup, &QMenu::aboutToShow, this, [this, popup] { OnPopupAboutToShow(*popup); });
                break;
            }
            case CMenuEntry::Kind::Command: {
                QAction* action = menu.addAction(platform::ToQString(entry.label));
                action->setData(entry.id);
                action->setCheckable(entry.checkable);
                const auto command =
                    std::find_if(commands.begin(), commands.end(),
                                 [&entry](const CMainMenuCommand& c) { return c.id == entry.id; });
                if (command != commands.end() && *command->shortcut != '\0') {
                    action->setShortcut(KeyOf(command->shortcut));
                }
                const unsigned id = entry.id;
                connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
                break;
            }
        }
    }
}

void CMainFrame::OnPopupAboutToShow(QMenu& popup) {
    const auto& recentFiles = GetKivoApp() != nullptr ? GetKivoApp()->GetDocManager().RecentFiles().Entries()
                                                      : std::vector<std::filesystem::path>();
    for (QAction* action : popup.actions()) {
        const unsigned id = action->data().toUInt();
        if (id == 0 || action->menu() != nullptr) {
            continue;
        }
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) {
            const std::size_t index = id - ID_FILE_MRU_FILE1;
            action->setVisible(index < recentFiles.size());
            if (index < recentFiles.size()) {
                action->setText(
                    QStringLiteral("&%1 %2").arg(index + 1).arg(platform::PathToQString(recentFiles[index])));
            }
        }
        const platform::CommandState state = UpdateCommand(id);
        action->setEnabled(state.enabled);
        action->setChecked(state.checked);
        if (state.text) {
            action->setText(platform::ToQString(*state.text));
        }
    }
    cool_menus_.OnInitMenuPopup(popup);
}

void CMainFrame::UpdateLoggerMenu() {
    // The rule takes entries away: it starts from the whole menu each time, so that what one logger or
    // the menu's first build (before the calibration level was known) took away comes back.
    menu_entries_ = MainMenuEntries();
    ApplyLoggerMenuRule(menu_entries_, LoggerMenuConditions());
    const auto logger = std::find_if(menu_entries_.begin(), menu_entries_.end(), IsLoggerMenu);
    if (logger == menu_entries_.end()) {
        return;
    }
    // The popups go with their entries; clear() takes only the actions.
    for (QAction* action : logger_menu_->actions()) {
        if (action->menu() != nullptr) {
            action->menu()->deleteLater();
        }
    }
    logger_menu_->clear();
    FillMenu(*logger_menu_, logger->items);
}

CLoggerMenuConditions CMainFrame::LoggerMenuConditions() const {
    CLoggerMenuConditions conditions;
    const CSession* session = ActiveSession();
    if (CKivoApp* app = GetKivoApp()) {
        conditions.newProtocol = app->UpdateProtocolFlag(kNoLogger);
    }
    conditions.calibrationLevel = calibration_level_;
    conditions.hasSession = session != nullptr;
    conditions.loggerHasWiFi = session != nullptr && session->LoggerHasWiFi() != 0;
    conditions.loggerHasWebLogin = session != nullptr && session->LoggerHasWebLogin() != 0;
    return conditions;
}

void CMainFrame::FillWindowMenu(QMenu& menu) {
    // The window list follows the menu's own commands, after a separator; it is made anew each time.
    for (QAction* action : menu.actions()) {
        if (action->property(kWindowListEntry).toBool()) {
            menu.removeAction(action);
            action->deleteLater();
        }
    }
    if (!MdiArea()->subWindowList().isEmpty()) {
        menu.addSeparator()->setProperty(kWindowListEntry, true);
    }
    int number = 1;
    for (QMdiSubWindow* window : MdiArea()->subWindowList()) {
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
        action->setProperty(kWindowListEntry, true);
        action->setCheckable(true);
        action->setChecked(window == MdiArea()->activeSubWindow());
        connect(action, &QAction::triggered, MdiArea(),
                [this, window] { MdiArea()->setActiveSubWindow(window); });
    }
}

// ---- Messages.

void CMainFrame::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_LINK_OPENING:
            StartStatusWindow();
            break;
        case WM_STATUS_WINDOW_STOP:
            StopStatusWindow();
            break;
        case WM_LINK_STATUS:
            if (!GetAppContext().IsSet(CAppContext::Flag::Closing)) {
                status_wnd_->OnStatusMessage(static_cast<unsigned>(message.wParam), message.lParam,
                                             TextOf(message));
                status_wnd_->KeepLampNotice(message);
            }
            break;
        case WM_SHOW_DATA_GRAPH:
            OnShowDataGraph();
            break;
        case WM_SEND_QUEUED_DATA:
            if (CSession* session = ActiveSession()) {
                session->SendQueuedData();
            }
            break;
        case WM_LOST_PORT:
            OnLostPort();
            break;
        case WM_USB_DEVICE_ARRIVAL:
            OnUsbArrival(TextOf(message).value_or(std::string()));
            break;
        case WM_USB_DEVICE_REMOVAL:
            OnUsbRemoval(TextOf(message).value_or(std::string()));
            break;
        case WM_CLOSE:
        case WM_COMMAND:
            platform::MainFrame::OnMessage(message);
            break;
        default:
            if (CKivoApp* app = GetKivoApp()) {
                app->OnAppMessage(message);
            }
            break;
    }
}

void CMainFrame::StartStatusWindow() {
    status_wnd_->Start();
    ShowStatusWindow(true);
}

void CMainFrame::StopStatusWindow() {
    ShowStatusWindow(false);
    status_wnd_->Stop();
}

void CMainFrame::ShowStatusWindow(bool show) {
    status_dock_->setVisible(show);
}

void CMainFrame::OnWatchTick() {
    CSession* session = ActiveSession();
    if (session == nullptr || session->GetLoggerType() < kModelQuarvenRS || session->IsBusy()) {
        return;
    }
    if (session->GetInterfaceKind() == kInterfaceBluetooth || session->GetLinkKind() == kLinkNetwork) {
        // The escape is link I/O: the session sends it on its own thread, and asks for the disconnect
        // when the link cannot take it.
        session->Post(platform::Message(WM_IDLE_ESCAPE, ID_DISCONNECT));
    }
}

void CMainFrame::OnUsbArrival(const std::string& deviceName) {
    CKivoApp* app = GetKivoApp();
    if (app == nullptr || !app->HasSessions() || ActiveSession() != nullptr) {
        return;
    }
    // A firmware update reconnects by itself, unless its last link was a direct one.
    if (GetAppContext().IsSet(CAppContext::Flag::FirmwareUpdateOpen) &&
        app->Sessions().GetLastConnection().linkKind != kLinkDirect) {
        return;
    }
    const std::string port = ExtractPortName(deviceName);
    if (!port.empty()) {
        app->ConnectDirect(port, kUsbLoggerBaud);
    }
}

void CMainFrame::OnUsbRemoval(const std::string& deviceName) {
    const std::string currentPort = GetAppContext().GetPortName();
    lost_port_name_ = ExtractPortName(currentPort);
    const CSession* session = ActiveSession();
    if (session == nullptr || session->GetLinkKind() != kLinkDirect ||
        session->GetLoggerType() < kModelQuarvenRS || !SamePort(deviceName, currentPort)) {
        return;
    }
    if (GetAppContext().IsSet(CAppContext::Flag::Disconnecting)) {
        // The running end of the session sees the loss itself.
        GetAppContext().Set(CAppContext::Flag::PortLost, true);
        GetAppContext().Set(CAppContext::Flag::Abort, true);
        return;
    }
    EndSessionAfterLostPort();
    Target()->PostMessage(platform::Message(WM_LOST_PORT));
}

void CMainFrame::OnLostPort() {
    if (lost_port_dialog_open_) {
        return;
    }
    lost_port_dialog_open_ = true;
    CLostPortDialog dialog(ActiveSession(), this);
    dialog.SetMessage(lost_port_name_);
    dialog.DoModal();
    lost_port_dialog_open_ = false;
}

void CMainFrame::OnShowDataGraph() {
    CKivoApp* app = GetKivoApp();
    if (app == nullptr) {
        return;
    }
    if (platform::DocTemplate* graphTemplate = app->GetTemplate(kRawDataGraphTemplateId)) {
        platform::ChildFrame* child = ActiveChild();
        ShowDataGraph(*graphTemplate,
                      child != nullptr ? dynamic_cast<CRawDataView*>(child->ActiveView()) : nullptr);
    }
}

// ---- Commands.

bool CMainFrame::OnCommand(unsigned id) {
    switch (id) {
        case ID_VIEW_CONNECTION_STATUS:
            ShowStatusWindow(status_dock_->isHidden());
            return true;
        case ID_VIEW_TOOLBAR_TOGGLE:
            tool_bar_->setVisible(tool_bar_->isHidden());
            return true;
        default:
            return platform::MainFrame::OnCommand(id);
    }
}

bool CMainFrame::OnUpdateCommand(platform::CommandState& state) {
    switch (state.id) {
        case ID_VIEW_CONNECTION_STATUS: {
            if (GetAppContext().IsSet(CAppContext::Flag::Disconnecting)) {
                state.Enable(false);
                return true;
            }
            const CSession* session = ActiveSession();
            state.SetCheck(!status_dock_->isHidden());
            state.Enable(session != nullptr && session->IsConnected());
            return true;
        }
        case ID_VIEW_TOOLBAR_TOGGLE:
            state.SetCheck(!tool_bar_->isHidden());
            return true;
        default:
            return platform::MainFrame::OnUpdateCommand(state);
    }
}

// ---- Closing.

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The window's own Close is the application's Exit, with its questions.
    if (event->spontaneous()) {
        event->ignore();
        RouteCommand(ID_APP_EXIT);
        return;
    }
    platform::MainFrame::closeEvent(event);
    if (!event->isAccepted()) {
        return;
    }
    watch_.stop();
    usb_watch_.Stop();
    platform::OpenProgramSettings()->setValue(kDockBarStateKey, saveState());
    SavePlacement();
}

void CMainFrame::SavePlacement() {
    CKivoApp* app = GetKivoApp();
    if (app == nullptr) {
        return;
    }
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const int showCommand = isMinimized()   ? SW_SHOWMINIMIZED
                            : isMaximized() ? SW_SHOWMAXIMIZED
                                            : SW_SHOWNORMAL;
    const CSavedWindowState state = SavedWindowState(showCommand, (windowState() & Qt::WindowMaximized) != 0);
    CRegistryValues& values = app->Registry();
    values.position =
        FormatPlacementText({normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1});
    values.iconic = state.iconic;
    values.maximized = state.maximized;
}

// ---- The session.

CSession* CMainFrame::ActiveSession() const {
    CKivoApp* app = GetKivoApp();
    return app != nullptr && app->HasSessions() ? app->Sessions().GetActiveSession() : nullptr;
}

void CMainFrame::EndSessionAfterLostPort() {
    if (CKivoApp* app = GetKivoApp(); app != nullptr && app->HasSessions()) {
        app->Disconnect(0, true);
    }
}
