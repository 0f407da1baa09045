// The windows that answer the session's real-time requests.
#include "kivo32/tools/rt_windows.h"

#include <memory>

#include "kivo32/session/window_requests.h"
#include "kivo32/tools/rt_text_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"

namespace {

std::unique_ptr<CRTValuesDlg> MakeRealTimeWindow(const std::shared_ptr<CRealTimeWindowLink>& link,
                                                 CRegistryValues& registry) {
    if (link->DialogName() == "CRTVTextStandardDlg") {
        return std::make_unique<CRTVTextStandardDlg>(link, registry);
    }
    if (link->DialogName() == "CRTVTextLiteDlg") {
        return std::make_unique<CRTVTextLiteDlg>(link, registry);
    }
    return nullptr;
}

}  // namespace

void RegisterRealTimeWindows(CRegistryValues& registry) {
    platform::RegisterDialogRunner<RealTimeWindowRequest>([&registry](RealTimeWindowRequest& request) {
        const std::unique_ptr<CRTValuesDlg> window =
            request.link ? MakeRealTimeWindow(request.link, registry) : nullptr;
        return window ? window->DoModal() : IDCANCEL;
    });
}
