// The windows that answer the session's real-time requests.
#include "kivo32/realtime/rt_windows.h"

#include <memory>

#include "kivo32/session/window_requests.h"
#include "kivo32/realtime/rt_graph_dlg.h"
#include "kivo32/realtime/rt_select_data_dlg.h"
#include "kivo32/realtime/rt_text_dlg.h"
#include "kivo32/realtime/wf_capture_ornat.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"

namespace {

std::unique_ptr<platform::Dialog> MakeRealTimeWindow(const std::shared_ptr<CRealTimeWindowLink>& link,
                                                     CRegistryValues& registry,
                                                     const RtGraphSettingsStore& graphSettings) {
    if (link->DialogName() == "CRTVTextStandardDlg") {
        return std::make_unique<CRTVTextStandardDlg>(link, registry);
    }
    if (link->DialogName() == "CRTVTextLiteDlg") {
        return std::make_unique<CRTVTextLiteDlg>(link, registry);
    }
    if (link->DialogName() == "CWFCaptureOrnat") {
        return std::make_unique<CWFCaptureOrnat>(link, registry);
    }
    if (link->DialogName() == "CRTVGraphStandardDlg") {
        return std::make_unique<CRTVGraphStandardDlg>(link, registry, graphSettings);
    }
    if (link->DialogName() == "CRTVGraphLiteDlg") {
        return std::make_unique<CRTVGraphLiteDlg>(link, registry, graphSettings);
    }
    return nullptr;
}

}  // namespace

void RegisterRealTimeWindows(CRegistryValues& registry, RtGraphSettingsStore graphSettings) {
    platform::RegisterDialogRunner<RealTimeWindowRequest>(
        [&registry, graphSettings](RealTimeWindowRequest& request) {
            const std::unique_ptr<platform::Dialog> window =
                request.link ? MakeRealTimeWindow(request.link, registry, graphSettings) : nullptr;
            return window ? window->DoModal() : IDCANCEL;
        });
    platform::RegisterDialogRunner<RealTimeSelectionRequest>([](RealTimeSelectionRequest& request) {
        CRTValsSelectData dialog(request.channelTypes, request.setupKnown);
        const int result = dialog.DoModal();
        if (result == IDOK) {
            request.selection.assign(dialog.selected.begin(), dialog.selected.end());
            request.selection.push_back(dialog.valueChoice);
        }
        return result;
    });
}
