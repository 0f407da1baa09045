// Today's call list: building it, the clock's choice of the next call, and the outcome rules.
#include "teldrin/core/call_scheduler.h"

#include <algorithm>
#include <string>

#include "platform/base/local_time.h"
#include "platform/base/text_format.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/core/comm_errors.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr int kMinutesPerDay = 24 * 60;
// A retried call waits this long after its failure.
constexpr std::time_t kRetryWait = 120;
constexpr int kModemAttempts = 3;
constexpr int kNetworkAttempts = 5;

bool SameDate(const std::tm& a, const std::tm& b) {
    return a.tm_year == b.tm_year && a.tm_yday == b.tm_yday;
}

}  // namespace

CallEventLog::~CallEventLog() = default;

CCallScheduler::CCallScheduler(const SchedulerClock& clock, CallEventLog& log) : clock_(clock), log_(log) {}

std::time_t CCallScheduler::TimeOfDay(const std::tm& day, int minutes) const {
    std::tm time{};
    time.tm_year = day.tm_year;
    time.tm_mon = day.tm_mon;
    time.tm_mday = day.tm_mday;
    time.tm_hour = minutes / 60;
    time.tm_min = minutes % 60;
    // A time that the spring change skips comes out after it; one that autumn repeats once.
    return platform::FromLocalTime(time).value_or(0);
}

void CCallScheduler::CreateDailyCallList(bool initializing, const std::vector<CLogger>& entries) {
    calls_.clear();
    current_ = nullptr;
    listHasCalls_ = roundFinished_ = false;
    const std::time_t now = clock_.Now();
    buildTime_ = now;
    built_ = true;
    round_ = 0;
    if (initializing) {
        attempted_ = failed_ = 0;
    }
    delay_ = 0;
    const std::optional<std::tm> today = clock_.LocalTime(now);
    if (today) {
        windowEnd_ = TimeOfDay(*today, kMinutesPerDay);
        windowStart_ = initializing ? now : TimeOfDay(*today, 0);
        for (const CLogger& entry : entries) {
            if (!entry.IsScheduleOn()) {
                continue;
            }
            const std::uint8_t code = entry.GetCallInterval();
            std::optional<std::time_t> callTime;
            if (code == ScheduleCodeOf(kCallImmediate)) {
                AddCall(entry, now);
            } else if (code == ScheduleCodeOf(kCallSingle)) {
                callTime = entry.GetSingleCall();
            } else if (code == ScheduleCodeOf(kCallDaily)) {
                callTime = TimeOfDay(*today, entry.GetDailyMinutes());
            } else if (code == ScheduleCodeOf(kCallWeekly)) {
                if (entry.IsWeekDayOn(today->tm_wday)) {
                    callTime = TimeOfDay(*today, entry.GetWeekDayMinutes(today->tm_wday));
                }
            } else if (code == ScheduleCodeOf(kCallMultiple)) {
                AddMultipleCall(entry, TimeOfDay(*today, entry.GetMultiFirstMinutes()));
            }
            if (callTime && *callTime >= windowStart_ && *callTime < windowEnd_) {
                AddCall(entry, *callTime);
            }
        }
    }
    noCallsToday_ = calls_.empty();
    listHasCalls_ = !calls_.empty();
    cancelled_ = false;
}

void CCallScheduler::AddMultipleCall(const CLogger& entry, std::time_t firstCall) {
    const std::time_t step = std::time_t{entry.GetMultiIntervalMinutes()} * 60;
    std::time_t callTime = firstCall;
    // A list opened after the first call starts at the next slot.
    if (callTime < windowStart_ && step > 0) {
        callTime += (windowStart_ - callTime + step - 1) / step * step;
    }
    if (callTime < windowStart_ || callTime >= windowEnd_) {
        return;
    }
    AddCall(entry, callTime);
    calls_.back()->nextTime = callTime + std::max<std::time_t>(step, 0);
}

void CCallScheduler::AddCall(const CLogger& entry, std::time_t callTime) {
    calls_.push_back(std::make_unique<CCall>(entry, callTime));
}

bool CCallScheduler::IsNewDay(std::time_t now) const {
    const std::optional<std::tm> today = clock_.LocalTime(now);
    const std::optional<std::tm> built = clock_.LocalTime(buildTime_);
    return today && built && !SameDate(*today, *built);
}

CCallScheduler::Action CCallScheduler::Poll() {
    if (!built_ || stopping_ || current_ != nullptr || exportBusy_) {
        return Action::kNothing;
    }
    const std::time_t now = clock_.Now();
    // First, so that a cancelled day or a round left unfinished ends at midnight too.
    if (IsNewDay(now)) {
        return Action::kRebuild;
    }
    if (!listHasCalls_ || roundFinished_) {
        return CheckMultipleCalls(now) ? Action::kMakeCall : Action::kNothing;
    }
    if (cancelled_) {
        return Action::kNothing;
    }
    bool multipleChecked = false;
    for (const std::unique_ptr<CCall>& call : calls_) {
        const bool due = call->state == kCallPending && call->callTime + delay_ <= now &&
                         call->callTime + call->retryOffset <= now;
        if (due && (call->attemptNumber == round_ || call->retryOffset != 0)) {
            MakeCall(*call);
            return Action::kMakeCall;
        }
        if (!due && !multipleChecked) {
            multipleChecked = true;
            if (CheckMultipleCalls(now)) {
                return Action::kMakeCall;
            }
        }
    }
    return Action::kNothing;
}

bool CCallScheduler::CheckMultipleCalls(std::time_t now) {
    if (cancelled_ || exportBusy_) {
        return false;
    }
    for (const std::unique_ptr<CCall>& call : calls_) {
        const std::time_t step = std::time_t{call->intervalMinutes} * 60;
        if (!call->IsMultiple() || call->callTime > now || step <= 0) {
            continue;
        }
        std::time_t slot = call->nextTime;
        if (slot > now) {
            continue;
        }
        const std::time_t missed = (now - slot) / step;
        // One whole interval late is still this slot's call; more, and the slots between are missed.
        if (missed > 1) {
            for (std::time_t i = 0; i < missed; ++i) {
                LogMissedCall(*call, slot);
                ++attempted_;
                ++failed_;
                slot += step;
            }
        }
        call->attemptNumber = 0;
        call->state = kCallPending;
        call->retryOffset = 0;
        call->lastStart = now;
        call->ResetTaskFlags();
        const std::time_t next = now + step;
        call->nextTime = next - next % 60;
        MakeCall(*call);
        return true;
    }
    return false;
}

void CCallScheduler::LogMissedCall(const CCall& call, std::time_t slot) {
    const std::string time = clock_.Format(slot, "%H:%M:%S");
    log_.LogEvent(IDS_TELDRIN_VERBATIM, platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_MISSED_CALL),
                                                                         {call.entry.GetSerial(), time}));
}

bool CCallScheduler::MultipleCallsToCome() const {
    return std::any_of(calls_.begin(), calls_.end(), [this](const std::unique_ptr<CCall>& call) {
        return call->IsMultiple() &&
               (call->state == kCallPending || (call->intervalMinutes > 0 && call->nextTime < windowEnd_));
    });
}

void CCallScheduler::MakeCall(CCall& call) {
    current_ = &call;
}

CCall CCallScheduler::StartCurrentCall() {
    ++attempted_;
    ++current_->attemptNumber;
    return *current_;
}

void CCallScheduler::FinishCurrentCall(const CallOutcome& outcome) {
    CCall& call = *current_;
    if (outcome.connected && outcome.tasksDone) {
        call.state = kCallDone;
    } else {
        const int error = outcome.connected ? kCommTasksFailed : outcome.commError;
        ApplyFailure(call, outcome.connectType, error, clock_.Now());
    }
    log_.LogEvent(IDS_TELDRIN_CALL_STATE,
                  platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CALL_COUNTS),
                                                   {std::to_string(attempted_), std::to_string(failed_)}));
    EndRound(outcome.connectType);
    current_ = nullptr;
    if (!listHasCalls_ && cancelled_) {
        log_.LogEvent(IDS_TELDRIN_CALLS_CANCELLED, "");
    }
}

void CCallScheduler::ApplyFailure(CCall& call, int connectType, int commError, std::time_t now) {
    int limit = 0;
    if (connectType == kConnectModem) {
        limit = kModemAttempts;
    } else if (connectType == kConnectNetwork) {
        limit = kNetworkAttempts;
    } else {
        // A direct link, or a connection type no link has: no retry.
        call.state = kCallDone;
        call.attemptNumber = kModemAttempts;
        ++failed_;
        return;
    }
    if (commError >= 0) {
        if (call.attemptNumber < limit) {
            call.state = kCallPending;
            call.retryOffset = now - call.callTime + kRetryWait;
            ++failed_;
        }
    } else if (call.attemptNumber > 0) {
        call.attemptNumber = limit;
    }
    if (call.attemptNumber >= limit) {
        call.retryOffset = 0;
        if (call.state == kCallPending) {
            call.state = kCallDone;
            ++failed_;
        }
    }
}

void CCallScheduler::EndRound(int connectType) {
    const bool roundLeft =
        std::any_of(calls_.begin(), calls_.end(), [this](const std::unique_ptr<CCall>& call) {
            return call->state == kCallPending && call->attemptNumber <= round_;
        });
    if (!roundLeft) {
        ++round_;
    }
    const bool allDone = std::all_of(calls_.begin(), calls_.end(), [](const std::unique_ptr<CCall>& call) {
        return call->state == kCallDone;
    });
    const bool roundsOver = round_ > 2 && (connectType != kConnectNetwork || round_ >= kNetworkAttempts);
    if (roundsOver || allDone) {
        if (MultipleCallsToCome()) {
            roundFinished_ = true;
        } else {
            listHasCalls_ = false;
        }
    }
}

std::string CCallScheduler::StatusText() const {
    // No list to call from: the next call of the list that was open would never come.
    if (stopping_) {
        return TeldrinText(IDS_TELDRIN_CALLING_STOPPED);
    }
    if (noCallsToday_) {
        return TeldrinText(IDS_TELDRIN_NO_CALLS_TODAY);
    }
    if (listHasCalls_ && cancelled_) {
        const std::time_t now = clock_.Now();
        return platform::FillPrintfPlaceholders(
            TeldrinText(IDS_TELDRIN_CANCELLED_FOR),
            {clock_.Format(now, "%m/%d/%y"), clock_.Format(now, "%H:%M:%S")});
    }
    // The earliest due of the pending calls and of the multiple-interval calls' next slots.
    const CCall* next = nullptr;
    std::time_t due = 0;
    for (const std::unique_ptr<CCall>& call : calls_) {
        std::optional<std::time_t> at;
        if (listHasCalls_ && call->state == kCallPending) {
            at = call->callTime + delay_ + call->retryOffset;
        } else if (call->IsMultiple() && call->intervalMinutes > 0 && call->nextTime < windowEnd_) {
            at = call->nextTime;
        }
        if (at && (next == nullptr || *at < due)) {
            next = call.get();
            due = *at;
        }
    }
    if (next == nullptr) {
        return platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CALLS_DONE),
                                                {std::to_string(attempted_), std::to_string(failed_)});
    }
    return platform::FillPrintfPlaceholders(
        TeldrinText(IDS_TELDRIN_NEXT_CALL),
        {next->entry.GetSerial(),
         clock_.Format(due, "%m/%d/%y") + TeldrinText(IDS_TELDRIN_AT) + clock_.Format(due, "%H:%M:%S")});
}

void CCallScheduler::CancelCalls() {
    cancelled_ = true;
    cancelTime_ = clock_.Now();
}

void CCallScheduler::RepeatCalls() {
    for (const std::unique_ptr<CCall>& call : calls_) {
        call->attemptNumber = 0;
        call->state = kCallPending;
        call->RestoreTaskFlags();
    }
    round_ = 0;
    listHasCalls_ = !calls_.empty();
    failed_ = 0;
}

}  // namespace teldrin
