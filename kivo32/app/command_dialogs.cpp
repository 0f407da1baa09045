// The windows that answer the dialog requests of the application's commands and the session's network
// settings.
#include "kivo32/app/command_dialogs.h"

#include <QApplication>

#include "kivo32/app/command_requests.h"
#include "kivo32/dialogs/connection_type_selection_dlg.h"
#include "kivo32/dialogs/modem_man_dial_dlg.h"
#include "kivo32/dialogs/network_address_dlg.h"
#include "kivo32/dialogs/set_network_info_dlg.h"
#include "kivo32/session/network_dialog_values.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/views/data_file_save_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"

namespace {

QWidget* MainWindow() {
    platform::Application* application = platform::Application::Instance();
    return application != nullptr ? application->GetMainWindow() : nullptr;
}

int RunConnectionTypeSelection(ConnectionTypeSelectionRequest& request) {
    CConnectionTypeSelectionDlg dialog(request.modem, MainWindow());
    return dialog.DoModal();
}

int RunModemManDial(ModemManDialRequest& request) {
    CModemManDialDlg dialog(request.number, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.number = dialog.number;
    }
    return result;
}

int RunNetworkAddress(NetworkAddressRequest& request) {
    CNetworkAddressDlg dialog(request.address, request.port, request.recent, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.address = dialog.address;
        request.port = dialog.port;
    }
    return result;
}

int RunDataFileSave(DataFileSaveRequest& request) {
    CDataFileSaveDlg dialog(request.path, OFN_EXPLORER, MainWindow());
    dialog.setWindowTitle(platform::ToQString(LoadText(request.titleId)));
    dialog.SetOptions(request.addToExisting ? 1 : 0, request.alsoCsv ? 1 : 0);
    dialog.SetOfferedBaseName(request.baseName);
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.path = dialog.GetPathName().string();
        request.addToExisting = dialog.GetAddToExisting() != 0;
        request.alsoCsv = dialog.GetAlsoCsv() != 0;
    }
    return result;
}

// Over the modal window that asks (the scan), else the main window.
int RunSetNetworkInfo(SetNetworkInfoRequest& request) {
    QWidget* parent =
        QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : MainWindow();
    const NetworkSettings& shown = request.settings;
    CSetNetworkInfoDlg dialog(request.logger.loggerId, request.logger.firmware, shown.address, shown.mask,
                              shown.port, shown.gateway, shown.mac, shown.dhcp, request.quarven,
                              request.editMac, parent);
    const int result = dialog.DoModal();
    if (result == IDOK) {
        TakeNetworkValues(dialog, request.settings);
        request.settings.mac = dialog.mac;
    }
    return result;
}

}  // namespace

void RegisterCommandDialogs() {
    platform::RegisterDialogRunner<ConnectionTypeSelectionRequest>(RunConnectionTypeSelection);
    platform::RegisterDialogRunner<NetworkAddressRequest>(RunNetworkAddress);
    platform::RegisterDialogRunner<ModemManDialRequest>(RunModemManDial);
    platform::RegisterDialogRunner<DataFileSaveRequest>(RunDataFileSave);
    platform::RegisterDialogRunner<SetNetworkInfoRequest>(RunSetNetworkInfo);
}
