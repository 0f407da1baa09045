// CCallController: what teldrin's application object does without windows: it holds the open logger
// list, today's call list and the logs, looks at the clock when the timer ticks, starts each due call
// on a session of its own, and takes the session's messages on the main thread (log lines, the error
// code, the end of the call with its outcome). The windows show what it keeps.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/base/message.h"
#include "platform/base/message_target.h"
#include "shared/common/app_context.h"
#include "shared/loggerlist/logger_list_lock.h"
#include "teldrin/core/call_scheduler.h"
#include "teldrin/core/file_log.h"
#include "teldrin/core/registry_values.h"
#include "teldrin/core/teldrin_session.h"

namespace teldrin {

class CCallController : private CallEventLog {
public:
    // `mainFrame` receives the sessions' messages and hands them to OnMessage on the main thread.
    CCallController(const SchedulerClock& clock, CAppContext& app, const CRegistryValues& settings,
                    platform::MessageTarget& mainFrame, const LinkClock& linkClock = RealLinkClock());
    ~CCallController() override;

    // Opens the list at `path`, holds it while it is active and builds the rest of today; false, with
    // 1003 logged and scheduling off, when it cannot be opened.
    bool OpenList(const std::filesystem::path& path);
    // One tick of the timer: the scheduler's choice, carried out.
    void OnTimer();
    // A message of a call's session; false when it is not one.
    bool OnMessage(platform::Message& message);

    // The user's commands on today's calls. Cancel also ends a call in progress and is logged.
    void CancelCalls();
    // Ends the call in progress: it stops at its next check and fails.
    void EndCurrentCall();
    // The program is ending: no call starts any more, and the one in progress ends as EndCurrentCall
    // ends it.
    void StopCalling();
    // A USB serial device went away (`deviceName` names its port): when it carried the call in
    // progress, a direct one to a logger that connects by USB, the call ends without another word on
    // that port.
    void OnUsbRemoval(const std::string& deviceName);

    CCallScheduler& Scheduler() { return scheduler_; }
    CFileLog& EventLog() { return event_log_; }
    CFileError& ErrorLog() { return error_log_; }
    int LastCommError() const { return comm_error_; }

private:
    void LogEvent(unsigned id, std::string_view argument) override;
    void StartCall();
    // Ends the call's session: joins it, or keeps it (and says so) when it does not end.
    void EndSession();

    const SchedulerClock& clock_;
    CAppContext& app_;
    const CRegistryValues& settings_;
    platform::MessageTarget& main_frame_;
    const LinkClock& link_clock_;
    CFileLog event_log_;
    CFileError error_log_;
    CCallScheduler scheduler_;
    std::vector<CLogger> entries_;
    std::optional<LoggerListHold> hold_;
    std::unique_ptr<CTeldrinSession> session_;
    std::vector<std::unique_ptr<CTeldrinSession>> kept_sessions_;
    int comm_error_ = 0;
};

}  // namespace teldrin
