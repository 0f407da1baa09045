// The host-call schedule window as the answer of the session's schedule request.
#include "kivo32/tools/schedule_windows.h"

#include "kivo32/session/setting_requests.h"
#include "kivo32/tools/dorvane_call_schedule_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"

namespace {

int RunCallSchedule(CallScheduleRequest& request) {
    platform::Application* application = platform::Application::Instance();
    CDorvaneCallScheduleDlg dialog(request.schedule, request.loggerTime,
                                   application != nullptr ? application->GetMainWindow() : nullptr);
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.schedule = dialog.schedule;
        request.restartOnly = dialog.restartOnly;
    }
    return result;
}

}  // namespace

void RegisterScheduleWindows() {
    platform::RegisterDialogRunner<CallScheduleRequest>(RunCallSchedule);
}
