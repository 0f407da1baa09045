// The windows that answer the dialog requests of the application's commands and the session's network
// settings.
#include "kivo32/app/command_dialogs.h"

#include <QApplication>
#include <sstream>

#include "kivo32/dialogs/connection_type_selection_dlg.h"
#include "kivo32/dialogs/modem_man_dial_dlg.h"
#include "kivo32/dialogs/network_address_dlg.h"
#include "kivo32/dialogs/set_network_info_dlg.h"
#include "kivo32/session/network_dialog_values.h"
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// "command": the menu command that needs the link; "modem" 1 offers the modem. Answers the chosen
// button's id.
int RunConnectionTypeSelection(platform::DialogRequest& request) {
    CConnectionTypeSelectionDlg dialog(request.GetInt("modem") != 0, MainWindow());
    return dialog.DoModal();
}

// "number" in and out: the telephone number a modem link dials.
int RunModemManDial(platform::DialogRequest& request) {
    CModemManDialDlg dialog(request.Get("number"), MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.Set("number", dialog.number);
    }
    return result;
}

// "address", "port" in and out; "recent", one address a line, for the list.
int RunNetworkAddress(platform::DialogRequest& request) {
    CNetworkAddressDlg dialog(request.Get("address"), request.Get("port"), Lines(request.Get("recent")),
                              MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.Set("address", dialog.address);
        request.Set("port", dialog.port);
    }
    return result;
}

// "path" proposed (a folder, or a file in it), "title" a text id, "baseName" of numbered names,
// "addToExisting" and "alsoCsv" 0 or 1 in and out; after OK "path" is the file chosen.
int RunDataFileSave(platform::DialogRequest& request) {
    CDataFileSaveDlg dialog(request.Get("path"), OFN_EXPLORER, MainWindow());
    dialog.setWindowTitle(platform::ToQString(LoadText(static_cast<unsigned>(request.GetInt("title")))));
    dialog.SetOptions(static_cast<int>(request.GetInt("addToExisting")), static_cast<int>(request.GetInt("alsoCsv")));
    dialog.SetOfferedBaseName(request.Get("baseName"));
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.Set("path", dialog.GetPathName().string());
        request.SetInt("addToExisting", dialog.GetAddToExisting());
        request.SetInt("alsoCsv", dialog.GetAlsoCsv());
    }
    return result;
}

// "loggerId" and "firmware" the two texts that describe the logger; "address", "mask", "port",
// "gateway", "mac" and "dhcp" (0 or 1) in and out; "quarven" 1 offers DHCP, "editMac" 1 the MAC. Over
// the modal window that asks (the scan), else the main window.
int RunSetNetworkInfo(platform::DialogRequest& request) {
    QWidget* parent =
        QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : MainWindow();
    CSetNetworkInfoDlg dialog(request.Get("loggerId"), request.Get("firmware"), request.Get("address"),
                              request.Get("mask"), request.Get("port"), request.Get("gateway"),
                              request.Get("mac"), request.GetInt("dhcp") != 0, request.GetInt("quarven") != 0,
                              request.GetInt("editMac") != 0, parent);
    const int result = dialog.DoModal();
    if (result == IDOK) {
        PutNetworkValues(dialog, request);
    }
    return result;
}

}  // namespace

void RegisterCommandDialogs() {
    platform::RegisterDialogRunner("CConnectionTypeSelectionDlg", RunConnectionTypeSelection);
    platform::RegisterDialogRunner("CNetworkAddressDlg", RunNetworkAddress);
    platform::RegisterDialogRunner("CModemManDialDlg", RunModemManDial);
    platform::RegisterDialogRunner("CDataFileSaveDlg", RunDataFileSave);
    platform::RegisterDialogRunner("CSetNetworkInfoDlg", RunSetNetworkInfo);
}
