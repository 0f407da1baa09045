#include "teldrin/core/call_controller.h"

#include <chrono>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/link/link_ids.h"
#include "shared/link/port_names.h"
#include "shared/loggerlist/logger_entry.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/setup/setup_codes.h"
#include "teldrin/core/teldrin_messages.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr std::chrono::milliseconds kSessionEndLimit{5000};

}  // namespace

CCallController::CCallController(const SchedulerClock& clock, CAppContext& app,
                                 const CRegistryValues& settings, platform::MessageTarget& mainFrame,
                                 const LinkClock& linkClock)
    : clock_(clock),
      app_(app),
      settings_(settings),
      main_frame_(mainFrame),
      link_clock_(linkClock),
      event_log_([this] { return settings_.dataDir; }),
      error_log_([this] { return settings_.dataDir; }),
      scheduler_(clock, *this) {
    scheduler_.SetStopping(true);
}

CCallController::~CCallController() {
    EndSession();
}

void CCallController::LogEvent(unsigned id, std::string_view argument) {
    event_log_.WriteEntry(id, argument);
}

bool CCallController::OpenList(const std::filesystem::path& path) {
    CLoggerList list(LoggerDefaults{settings_.directBaud, 0});
    hold_.reset();
    const LoggerListOpened opened = OpenLoggerList(path, list, settings_.directPort);
    if (opened.opened) {
        hold_ = LoggerListHold::Take(path);
    }
    if (!opened.opened || !hold_) {
        event_log_.WriteEntry(IDS_TELDRIN_VERBATIM,
                              platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CANNOT_OPEN_FILE),
                                                               {platform::PathToWindows1252(path)}));
        scheduler_.SetStopping(true);
        return false;
    }
    entries_ = list.Entries();
    scheduler_.CreateDailyCallList(true, entries_);
    scheduler_.SetStopping(false);
    return true;
}

void CCallController::OnTimer() {
    switch (scheduler_.Poll()) {
        case CCallScheduler::Action::kRebuild:
            scheduler_.CreateDailyCallList(false, entries_);
            OnTimer();
            break;
        case CCallScheduler::Action::kMakeCall:
            StartCall();
            break;
        case CCallScheduler::Action::kNothing:
            break;
    }
}

void CCallController::StartCall() {
    EndSession();
    comm_error_ = 0;
    app_.Set(CAppContext::Flag::PortLost, false);
    CCall call = scheduler_.StartCurrentCall();
    CallSettings settings{settings_.dataDir, settings_.directBaud, settings_.modemBaud, &link_clock_,
                          &clock_};
    session_ = std::make_unique<CTeldrinSession>(app_, std::move(call), settings, main_frame_);
}

bool CCallController::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_TELDRIN_LOG_LINE:
            if (const auto* line = platform::PayloadAs<std::string>(message)) {
                if (message.wParam == kErrorLogLine) {
                    error_log_.WriteEntry(IDS_TELDRIN_VERBATIM, *line);
                } else {
                    event_log_.WriteEntry(IDS_TELDRIN_VERBATIM, *line);
                }
            }
            return true;
        case WM_USB_DEVICE_REMOVAL:
            if (const auto* device = platform::PayloadAs<std::string>(message)) {
                OnUsbRemoval(*device);
            }
            return true;
        case WM_TELDRIN_COMM_ERROR:
            comm_error_ = static_cast<int>(message.wParam);
            return true;
        case WM_TELDRIN_CALL_ENDED:
            if (const auto* outcome = platform::PayloadAs<CallOutcome>(message);
                outcome != nullptr && scheduler_.CallInProgress()) {
                EndSession();
                scheduler_.FinishCurrentCall(*outcome);
                // The next call due starts without waiting for the next tick.
                OnTimer();
            }
            return true;
        default:
            return false;
    }
}

void CCallController::EndCurrentCall() {
    if (session_ && scheduler_.CallInProgress()) {
        app_.Set(CAppContext::Flag::Abort, true);
        session_->Post(platform::Message(WM_CANCEL_COMMAND));
    }
}

void CCallController::StopCalling() {
    scheduler_.SetStopping(true);
    EndCurrentCall();
}

void CCallController::OnUsbRemoval(const std::string& deviceName) {
    const CCall* call = scheduler_.CurrentCall();
    if (!session_ || call == nullptr || call->entry.GetConnectType() != kConnectDirect ||
        session_->GetLoggerType() < kModelQuarvenRS || !SamePort(deviceName, call->entry.GetComPort())) {
        return;
    }
    // A record download that sees the port lost sends nothing more on it.
    app_.Set(CAppContext::Flag::PortLost, true);
    EndCurrentCall();
}

void CCallController::CancelCalls() {
    EndCurrentCall();
    scheduler_.CancelCalls();
    const std::time_t cancelled = scheduler_.CancelTime();
    event_log_.WriteEntry(IDS_TELDRIN_SEPARATOR, "");
    event_log_.WriteEntry(IDS_TELDRIN_VERBATIM,
                          platform::FillPrintfPlaceholders(
                              TeldrinText(IDS_TELDRIN_CANCELLED_FOR),
                              {clock_.Format(cancelled, "%m/%d/%y"), clock_.Format(cancelled, "%H:%M:%S")}));
}

void CCallController::EndSession() {
    if (!session_) {
        return;
    }
    // A call still running stops at its next check.
    EndCurrentCall();
    session_->RequestStop();
    if (session_->Join(kSessionEndLimit)) {
        session_.reset();
    } else {
        // Never destroyed while its thread runs: kept, and said.
        event_log_.WriteEntry(IDS_TELDRIN_VERBATIM, "Call session did not end; kept.");
        kept_sessions_.push_back(std::move(session_));
    }
}

}  // namespace teldrin
