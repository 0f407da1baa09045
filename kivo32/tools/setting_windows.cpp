// The windows that answer the session's requests for the logger's settings.
#include "kivo32/tools/setting_windows.h"

#include <cstdlib>
#include <string>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/tools/logger_properties_dlg.h"
#include "kivo32/tools/logger_sut_list_dlg.h"
#include "kivo32/tools/logger_text_dlgs.h"
#include "kivo32/tools/set_baud_dlg.h"
#include "kivo32/tools/set_time_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"

namespace {

QWidget* MainWindow() {
    platform::Application* application = platform::Application::Instance();
    return application != nullptr ? application->GetMainWindow() : nullptr;
}

int RunSetTime(SetTimeRequest& request) {
    CSetTimeDlg dialog(request.year, request.month, request.day, request.hour, request.minute, request.second,
                       request.logger.loggerId, request.logger.firmware, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.year = dialog.year;
        request.month = dialog.month;
        request.day = dialog.day;
        request.hour = dialog.hour;
        request.minute = dialog.minute;
        request.second = dialog.second;
    }
    return result;
}

int RunSetBaud(SetBaudRequest& request) {
    CSetBaudDlg dialog(std::to_string(request.speed), request.logger.loggerId, request.logger.firmware,
                       request.modem, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.speed = std::atoi(dialog.baud.c_str());
    }
    return result;
}

int RunSetDescription(SetDescriptionRequest& request) {
    CSetDescriptionDlg dialog(request.description, request.logger.loggerId, request.logger.firmware,
                              MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.description = dialog.text;
    }
    return result;
}

int RunSetModemString(SetModemStringRequest& request) {
    CSetModemStringDlg dialog(request.modemString, request.loggerTitle, {}, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.modemString = dialog.text;
    }
    return result;
}

int RunTechName(TechNameRequest& request) {
    CSetTechNameDlg dialog(MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.technician = dialog.text;
    }
    return result;
}

int RunLoggerSetupList(LoggerSetupListRequest& request) {
    CLoggerSUTListDlg dialog(request.setups, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.selection = dialog.selected;
    }
    return result;
}

int RunLoggerProperties(LoggerPropertiesRequest& request) {
    CLoggerPropertiesDlg dialog(MainWindow());
    dialog.SetText(request.report);
    return dialog.DoModal();
}

}  // namespace

void RegisterSettingWindows() {
    platform::RegisterDialogRunner<SetTimeRequest>(RunSetTime);
    platform::RegisterDialogRunner<SetBaudRequest>(RunSetBaud);
    platform::RegisterDialogRunner<SetDescriptionRequest>(RunSetDescription);
    platform::RegisterDialogRunner<SetModemStringRequest>(RunSetModemString);
    platform::RegisterDialogRunner<TechNameRequest>(RunTechName);
    platform::RegisterDialogRunner<LoggerSetupListRequest>(RunLoggerSetupList);
    platform::RegisterDialogRunner<LoggerPropertiesRequest>(RunLoggerProperties);
}
