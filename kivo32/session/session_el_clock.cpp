// The program's session: the clock handlers (set the logger's clock to a chosen time or to the computer's)
// and the call schedule, which the logger's date anchors.
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "kivo32/session/logger_clock_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/dialog_request.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"

namespace {

// The clock text "hh:mm:ss MM/DD/YY": each of its six fields two digits in its place.
std::optional<std::tm> ParseClockText(const std::string& text) {
    int fields[6] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t at = i * 3;
        if (text.size() < at + 2 || !std::isdigit(static_cast<unsigned char>(text[at])) ||
            !std::isdigit(static_cast<unsigned char>(text[at + 1]))) {
            return std::nullopt;
        }
        fields[i] = (text[at] - '0') * 10 + (text[at + 1] - '0');
    }
    std::tm time{};
    time.tm_hour = fields[0];
    time.tm_min = fields[1];
    time.tm_sec = fields[2];
    time.tm_mon = fields[3] - 1;
    time.tm_mday = fields[4];
    time.tm_year = fields[5] < 70 ? fields[5] + 100 : fields[5];
    // The weekday, which the call schedule counts from, follows from the date.
    const std::optional<std::time_t> wall = platform::FromUtcTime(time);
    return wall ? platform::ToUtcTime(*wall) : std::nullopt;
}

// "%H:%M:%S", whatever the user's time format.
std::string ClockTimeText(const std::tm& time) {
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &time);
    return text;
}

}  // namespace

bool CSessionEL::AskBeforeClockCommand() {
    if (owner_.IsClockQuestionOff()) {
        return true;
    }
    const int result = ShowMessageBoxId(IDS_CONFIRM_CLOCK, MB_ICONQUESTION, false, 0, IDS_YES_BUTTON,
                                        IDS_NO_BUTTON, 0, IDS_DO_NOT_ASK_AGAIN);
    if (MessageBoxButton(result) != IDC_MSGBOX_BUTTON1) {
        return false;
    }
    if (MessageBoxChecked(result)) {
        owner_.SetClockQuestionOff(true);
    }
    return true;
}

bool CSessionEL::SetClockTo(std::time_t time) {
    PostStatusString(STATUS_TEXT, IDS_SETTING_CLOCK);
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (!logger_ || !local || !logger_->SetLoggerClock(time)) {
        ShowFailure(IDS_SET_CLOCK_FAILED);
        return false;
    }
    PostStatus(
        STATUS_TEXT,
        platform::FormatLoadedText(
            IDS_CLOCK_SET, {FormatDateText(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, true),
                            ClockTimeText(*local)}));
    return true;
}

void CSessionEL::OnSetTime() {
    if (!AskBeforeClockCommand()) {
        return;
    }
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_CLOCK);
    std::string clockText;
    if (!logger_ || !logger_->ReadClock(clockText)) {
        ShowFailure(IDS_READ_CLOCK_FAILED);
        return;
    }
    // A clock text out of its shape would give the dialog and the setting back a wrong time.
    const std::optional<std::tm> read = ParseClockText(clockText);
    const std::optional<std::time_t> readTime = read ? platform::FromLocalTime(*read) : std::nullopt;
    if (!readTime) {
        ShowFailure(IDS_READ_CLOCK_FAILED);
        return;
    }
    SetTimeRequest request{.year = read->tm_year % 100,
                           .month = read->tm_mon + 1,
                           .day = read->tm_mday,
                           .hour = read->tm_hour,
                           .minute = read->tm_min,
                           .second = read->tm_sec,
                           .logger = NamingOfLogger()};
    PostBlankStatus();
    if (RunDialog(request) != IDOK) {
        return;
    }
    std::tm chosen{};
    const int year = request.year;
    chosen.tm_year = year < 70 ? year + 100 : year < 100 ? year : year - 1900;
    chosen.tm_mon = request.month - 1;
    chosen.tm_mday = request.day;
    chosen.tm_hour = request.hour;
    chosen.tm_min = request.minute;
    chosen.tm_sec = request.second;
    const std::optional<std::time_t> chosenTime = platform::FromLocalTime(chosen);
    if (chosenTime ? SetClockTo(*chosenTime) : (ShowFailure(IDS_SET_CLOCK_FAILED), false)) {
        return;
    }
    SecondTryAfterAbort([&] { return logger_->SetLoggerClock(*readTime); }, IDS_CLOCK_RESTORE_FAILED);
}

void CSessionEL::OnSyncTime() {
    if (!AskBeforeClockCommand()) {
        return;
    }
    const CommandScope scope(*this);
    SetClockTo(std::time(nullptr));
}

void CSessionEL::OnReadCallSchedule() {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_CLOCK);
    std::string clockText;
    std::optional<std::tm> today;
    if (logger_ && logger_->ReadClock(clockText)) {
        today = ParseClockText(clockText);
    }
    if (!today) {
        ShowFailure(IDS_READ_CLOCK_FAILED);
        return;
    }
    // The schedule's weekdays count from the logger's own date.
    PostStatusString(STATUS_TEXT, IDS_READING_CALL_SCHEDULE);
    CallScheduleRecord schedule;
    if (!logger_->ReadCallSchedule(schedule, *today)) {
        ShowFailure(IDS_READ_CALL_SCHEDULE_FAILED);
        return;
    }
    PostBlankStatus();
    call_schedule_ = schedule;
    Post(platform::Message(WM_SESSION_CALL_SCHEDULE));
}

void CSessionEL::OnCallSchedule() {
    const CommandScope scope(*this);
    if (!logger_) {
        return;
    }
    // The window places the calls from the logger's own clock.
    PostStatusString(STATUS_TEXT, IDS_READING_CLOCK);
    std::string clockText;
    const std::optional<std::tm> loggerTime =
        logger_->ReadClock(clockText) ? ParseClockText(clockText) : std::nullopt;
    if (!loggerTime) {
        ShowFailure(IDS_READ_CLOCK_FAILED);
        return;
    }
    PostBlankStatus();
    CallScheduleRequest request{.schedule = call_schedule_, .loggerTime = *loggerTime, .restartOnly = false};
    if (RunDialog(request) != IDOK) {
        return;
    }
    if (request.restartOnly) {
        PostStatusString(STATUS_TEXT, IDS_RESTARTING_SCHEDULE);
        if (logger_->SendScheduleRCommand()) {
            // The logger that called in has its schedule back: its end needs no question any more.
            owner_.SetCalledIn(false);
            PostStatusString(STATUS_TEXT, IDS_SCHEDULE_RESTARTED);
        } else {
            ShowFailure(IDS_WRITE_CALL_SCHEDULE_FAILED);
        }
        return;
    }
    // The logger restarts its schedule before it takes the new one; the block write waits for that.
    PostStatusString(STATUS_TEXT, IDS_WRITING_CALL_SCHEDULE);
    bool written = logger_->ClearCallSchedule() && logger_->SendScheduleRCommand() &&
                   logger_->WriteCallSchedule(request.schedule.block);
    for (const std::string& time : ScheduledCallTimes(request.schedule)) {
        written = written && GetConnection()->DoCommand("SCHEDULE /S " + time + " 00", 12000);
    }
    if (written) {
        call_schedule_ = request.schedule;
        PostStatusString(STATUS_TEXT, IDS_CALL_SCHEDULE_WRITTEN);
    } else {
        ShowFailure(IDS_WRITE_CALL_SCHEDULE_FAILED);
    }
}

void CSessionEL::ReadClockFor(CLoggerClockReading& reading) {
    std::string text;
    if (logger_ != nullptr && logger_->ReadClock(text)) {
        const std::array<int, 6>& read = logger_->GetClock();
        // The logger's clock has no century.
        if (const std::optional<std::time_t> time = LocalTimeFromFields(ExpandTwoDigitYear(read[0]), read[1],
                                                                        read[2], read[3], read[4], read[5])) {
            reading.time = static_cast<std::int64_t>(*time);
        }
    }
    reading.done.store(true);
}
