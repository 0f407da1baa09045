// The program's session: the real-time values commands. The window lives on the user-interface thread;
// its update loop runs here and posts the values of each cycle until the window closes.
#include <memory>
#include <string>
#include <vector>

#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

// The window for the logger's type code; nullptr for a code without one.
const char* RealTimeDialogName(int typeCode, bool graph) {
    if (typeCode == 0) {
        return graph ? "CRTVGraphStandardDlg" : "CRTVTextStandardDlg";
    }
    if ((typeCode >= 1 && typeCode <= 10) || typeCode == 13 || typeCode == 14) {
        return graph ? "CRTVGraphLiteDlg" : "CRTVTextLiteDlg";
    }
    return nullptr;
}

// A graph's channel selection: seven words.
constexpr std::size_t kSelectionWords = 7;

}  // namespace

void CSessionEL::OnRealTimeValues(bool graph) {
    const CommandScope scope(*this);
    if (!logger_ || !logger_->PrepareRealTimeRead()) {
        ShowFailure(IDS_REAL_TIME_READ_FAILED);
        return;
    }
    std::vector<int> selection;
    if (graph) {
        RealTimeSelectionRequest request{.typeCode = GetLoggerType(), .selection = {}};
        if (RunDialog(request) != IDOK) {
            return;
        }
        selection = std::move(request.selection);
        selection.resize(kSelectionWords);
    }
    const char* dialogName = RealTimeDialogName(GetLoggerType(), graph);
    if (dialogName == nullptr) {
        ShowMessageBoxId(IDS_MODEL_NOT_UNDERSTOOD, MB_OK, true);
        return;
    }
    auto window = std::make_shared<CRealTimeWindowLink>(dialogName, GetLoggerType(), std::move(selection));
    window->SetWaker([this] { Wake(); });
    PostToMainWindow(platform::Message(WM_REAL_TIME_WINDOW, 0, platform::MakePayload(window)));
    RunRealTimeLoop(*window);
    window->SetWaker({});
    logger_->DisableAtMode();
}

void CSessionEL::RunRealTimeLoop(const CRealTimeWindowLink& window) {
    const LinkClock& clock = GetConnection()->Clock();
    bool armed = false;
    while (!window.IsClosed() && !IsAborted() && !StopRequested()) {
        // The first cycle puts the logger in its continuous mode; the others only fetch.
        if (logger_->ArmLogger(armed)) {
            armed = true;
            PostToMainWindow(platform::Message(WM_REAL_TIME_VALUES, 0,
                                               platform::MakePayload(logger_->GetRealTimeValues())));
        }
        WaitForLink([&window] { return window.IsClosed(); }, clock.RealDuration(kRealTimeCycleMs));
    }
}
