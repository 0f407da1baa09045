// The production calibration window as the answer of the session's calibration request.
#include "kivo32/tools/calibration_window.h"

#include "kivo32/session/calibration_requests.h"
#include "kivo32/tools/auto_cal_ornat_dlg.h"
#include "platform/base/dialog_request.h"

void RegisterCalibrationWindow(std::string& calibrationFolder) {
    platform::RegisterDialogRunner<AutoCalibrationRequest>(
        [&calibrationFolder](AutoCalibrationRequest& request) {
            // The window has no parent: the session asked for it, not the main window.
            CAutoCalOrnatDlg dialog(request, calibrationFolder);
            return dialog.DoModal();
        });
}
