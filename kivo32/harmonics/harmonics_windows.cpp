// The program's answer to the harmonics window's request.
#include "kivo32/harmonics/harmonics_windows.h"

#include "kivo32/session/window_requests.h"
#include "platform/base/dialog_request.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"

void RegisterHarmonicsWindow(HarmonicsWindowHooks hooks) {
    platform::RegisterDialogRunner<HarmonicsRequest>([hooks = std::move(hooks)](HarmonicsRequest& request) {
        platform::Application* application = platform::Application::Instance();
        CHarmonicsDlg window(request.link, hooks.settings(), hooks.askRefreshCount,
                             application != nullptr ? application->GetMainWindow() : nullptr);
        const int result = window.DoModal();
        hooks.keepMode(window.Mode());
        return result;
    });
}
