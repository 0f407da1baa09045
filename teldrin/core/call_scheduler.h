// CCallScheduler: today's call list and the rules that run it: building the list from the logger list's
// schedules, choosing the call that is due, the outcome, retry and round rules, missed multiple-interval
// calls, and the user's delay, cancel and repeat. It runs on the main thread from a timer; it decides,
// and the program carries the call out and reports the outcome back.
#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shared/loggerlist/logger_entry.h"
#include "teldrin/core/call.h"
#include "teldrin/core/scheduler_clock.h"

namespace teldrin {

// Where the scheduler's event-log lines go (the program's event log).
class CallEventLog {
public:
    virtual ~CallEventLog();
    virtual void LogEvent(unsigned id, std::string_view argument) = 0;
};

// How a call went, from the call runner.
struct CallOutcome {
    int connectType = 0;  // 1 direct, 2 modem, 3 network; any other fails this call only
    bool connected = false;
    bool tasksDone = false;
    int commError = 0;  // the last communication error: negative ones are not retried
};

class CCallScheduler {
public:
    CCallScheduler(const SchedulerClock& clock, CallEventLog& log);

    // Today's list from `entries` in list order: the rest of the day when the list has just been
    // opened (`initializing`, which also zeroes the counts), else the whole day. The delay returns to 0
    // and the cancel ends.
    void CreateDailyCallList(bool initializing, const std::vector<CLogger>& entries);
    void AddCall(const CLogger& entry, std::time_t callTime);

    enum class Action { kNothing, kRebuild, kMakeCall };
    // One look at the clock. The day change comes first on every pass (kRebuild: the program builds the
    // list again with `initializing` false); kMakeCall marks CurrentCall() in progress.
    Action Poll();

    // The call in progress, or none.
    CCall* CurrentCall() { return current_; }
    // Counts the attempt as the call starts (before connecting) and returns the copy the call runs on.
    CCall StartCurrentCall();
    // The outcome rules on the call in progress; clears it.
    void FinishCurrentCall(const CallOutcome& outcome);

    // The user's commands on today's calls.
    void SetDelay(std::time_t seconds) { delay_ = seconds; }
    std::time_t Delay() const { return delay_; }
    // Holds until the next build.
    void CancelCalls();
    void RepeatCalls();

    // The export thread runs: no call starts until it ends.
    void SetExportBusy(bool busy) { exportBusy_ = busy; }
    // No list open, or shutting down.
    void SetStopping(bool stopping) { stopping_ = stopping; }

    // The message pane's text: that calling has stopped, the next call and when it is due, the cancel,
    // the day's counts once the calls are made, or that none is planned today.
    std::string StatusText() const;

    const std::vector<std::unique_ptr<CCall>>& Calls() const { return calls_; }
    int Attempted() const { return attempted_; }
    int Failed() const { return failed_; }
    int Round() const { return round_; }
    bool HasCalls() const { return listHasCalls_; }
    bool NoCallsToday() const { return noCallsToday_; }
    bool IsCancelled() const { return cancelled_; }
    std::time_t CancelTime() const { return cancelTime_; }
    std::time_t BuildTime() const { return buildTime_; }
    bool CallInProgress() const { return current_ != nullptr; }

private:
    // The local time of day `minutes` after the midnight that begins `day`'s date.
    std::time_t TimeOfDay(const std::tm& day, int minutes) const;
    void AddMultipleCall(const CLogger& entry, std::time_t firstCall);
    bool IsNewDay(std::time_t now) const;
    void WalkCalls(std::time_t now);
    // Makes a multiple-interval call whose slot has come, logging the slots missed; false when none.
    bool CheckMultipleCalls(std::time_t now);
    void LogMissedCall(const CCall& call, std::time_t slot);
    bool MultipleCallsToCome() const;
    void MakeCall(CCall& call);
    void ApplyFailure(CCall& call, int connectType, int commError, std::time_t now);
    void EndRound(int connectType);

    const SchedulerClock& clock_;
    CallEventLog& log_;
    std::vector<std::unique_ptr<CCall>> calls_;
    CCall* current_ = nullptr;
    std::time_t buildTime_ = 0;
    std::time_t windowStart_ = 0;
    std::time_t windowEnd_ = 0;
    std::time_t delay_ = 0;
    std::time_t cancelTime_ = 0;
    int round_ = 0;
    int attempted_ = 0;
    int failed_ = 0;
    bool built_ = false;
    bool listHasCalls_ = false;
    bool noCallsToday_ = true;
    bool cancelled_ = false;
    bool roundFinished_ = false;
    bool exportBusy_ = false;
    bool stopping_ = false;
};

}  // namespace teldrin
