// The program's session: the logger command handlers. Each runs between one BeginCommand and one
// EndCommand, whatever path it takes.
#include <string>
#include <vector>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/setup_table.h"

namespace {

// A command that asks once and runs one logger operation.
struct SimpleCommand {
    unsigned messageId;
    unsigned promptId;
    unsigned buttonId;
    unsigned runningStatusId;  // 0: none
    unsigned doneStatusId;
    unsigned failureId;
    bool failureAlsoWhenAborted;
    // Only the second button declines (a box closed without a choice goes on).
    bool onlySecondButtonDeclines;
    int (*operation)(CDataLogger&);
};

constexpr SimpleCommand kSimpleCommands[] = {
    {WM_SESSION_CLEAR_MEMORY, IDS_CONFIRM_CLEAR_MEMORY, IDS_CLEAR_MEMORY_BUTTON, 0, IDS_MEMORY_CLEARED,
     IDS_CLEAR_MEMORY_FAILED, false, false, [](CDataLogger& logger) { return logger.ClearMemory(false); }},
    {WM_SESSION_CLEAR_PEAK, IDS_CONFIRM_CLEAR_PEAK, IDS_CLEAR_PEAK_BUTTON, 0, IDS_PEAK_CLEARED,
     IDS_CLEAR_PEAK_FAILED, false, false, [](CDataLogger& logger) { return logger.ClearPeak(); }},
    {WM_SESSION_CLEAR_TOTALS, IDS_CONFIRM_CLEAR_TOTALS, IDS_CLEAR_TOTALS_BUTTON, 0, IDS_TOTALS_CLEARED,
     IDS_CLEAR_TOTALS_FAILED, false, false, [](CDataLogger& logger) { return logger.ClearTotals(); }},
    {WM_SESSION_MEMORY_TEST, IDS_CONFIRM_MEMORY_TEST, IDS_MEMORY_TEST_BUTTON, IDS_MEMORY_TEST,
     IDS_MEMORY_TEST_PASSED, IDS_MEMORY_TEST, true, true,
     [](CDataLogger& logger) { return logger.TestRam(); }},
};

}  // namespace

std::string CSessionEL::JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void CSessionEL::ShowFailure(unsigned messageId) const {
    if (!IsAborted()) {
        ShowMessageBoxId(messageId, MB_OK, true);
    }
}

int CSessionEL::Ask(unsigned promptId, unsigned titleId, unsigned button1Id, unsigned button2Id) const {
    // The title goes into the box's title bar, not under the question.
    return MessageBoxButton(ShowMessageBoxId({.promptId = promptId,
                                              .type = MB_ICONQUESTION,
                                              .useStandardBox = false,
                                              .buttonIds = {button1Id, button2Id, 0},
                                              .captionId = titleId}));
}

void CSessionEL::PostBlankStatus() const {
    PostStatus(STATUS_TEXT, std::string(" "));
}

void CSessionEL::WaitLinkTime(std::uint32_t ms) {
    WaitForLink([this] { return IsAborted() || StopRequested(); }, GetConnection()->Clock().RealDuration(ms));
}

void CSessionEL::RunSimpleCommandFor(unsigned messageId) {
    for (const SimpleCommand& command : kSimpleCommands) {
        if (command.messageId != messageId) {
            continue;
        }
        const CommandScope scope(*this);
        const int answer = Ask(command.promptId, 0, command.buttonId, IDS_CANCEL_BUTTON);
        const bool goOn =
            command.onlySecondButtonDeclines ? answer != IDC_MSGBOX_BUTTON2 : answer == IDC_MSGBOX_BUTTON1;
        if (goOn && logger_) {
            PostStatusString(STATUS_TEXT, command.runningStatusId);
            if (command.operation(*logger_)) {
                PostStatusString(STATUS_TEXT, command.doneStatusId);
            } else if (command.failureAlsoWhenAborted) {
                ShowMessageBoxId(command.failureId, MB_OK, true);
            } else {
                ShowFailure(command.failureId);
            }
        }
        return;
    }
}

void CSessionEL::OnStartStopLogging() {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_RECORDING_STATE);
    if (!logger_ || !logger_->ReadInfoRecord()) {
        ShowMessageBoxId(IDS_RECORDING_STATE_FAILED, MB_OK, true);
        return;
    }
    PostBlankStatus();
    const bool recording = logger_->IsRecording();
    bool confirmed = false;
    if (recording) {
        const bool feature = logger_->HasModelFeature();
        PostStatusString(STATUS_RECORDING, feature ? IDS_RECORDING_ON_FAST : IDS_RECORDING_ON);
        confirmed = Ask(feature ? IDS_CONFIRM_STOP_FEATURE : IDS_CONFIRM_STOP,
                        feature ? IDS_CONFIRM_STOP_FEATURE_TITLE : IDS_CONFIRM_STOP_TITLE, IDS_STOP_BUTTON,
                        feature ? IDS_KEEP_FEATURE_BUTTON : IDS_KEEP_RECORDING_BUTTON) == IDC_MSGBOX_BUTTON1;
    } else {
        PostStatusString(STATUS_RECORDING, IDS_RECORDING_OFF);
        confirmed = Ask(IDS_CONFIRM_START, IDS_CONFIRM_START_TITLE, IDS_START_BUTTON,
                        IDS_KEEP_STOPPED_BUTTON) == IDC_MSGBOX_BUTTON1;
    }
    if (confirmed) {
        PostStatusString(STATUS_TEXT, IDS_CHANGING_RECORDING);
        if (recording ? logger_->StopRecording() : logger_->StartRecording()) {
            PostStatusString(STATUS_TEXT, IDS_RECORDING_CHANGED);
        } else if (!IsAborted()) {
            ShowMessageBoxId(recording ? IDS_STOP_FAILED : IDS_START_FAILED, MB_OK, true);
        } else if (!App().IsSet(CAppContext::Flag::Closing)) {
            // The user stopped it halfway: put the logger back as it was.
            App().Set(CAppContext::Flag::Abort, false);
            if (!(recording ? logger_->StartRecording() : logger_->StopRecording())) {
                ShowMessageBoxId(recording ? IDS_RESTART_FAILED : IDS_RESTOP_FAILED, MB_OK, true);
            }
        }
    }
}

void CSessionEL::OnToggleOption() {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_OPTION);
    int value = 0;
    if (!logger_ || !logger_->ReadOptionByte(value)) {
        ShowFailure(IDS_READ_OPTION_FAILED);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_OPTION_READ);
    const bool set = value != 0;
    const int newValue = set ? 0 : 255;
    CMessageBoxTexts box;
    box.prompt = platform::FormatLoadedText(
        IDS_CONFIRM_OPTION, {LoadText(set ? IDS_OPTION_ON : IDS_OPTION_OFF), std::to_string(set ? 1 : 0),
                             LoadText(set ? IDS_OPTION_OFF : IDS_OPTION_ON), std::to_string(newValue)});
    box.type = MB_YESNOCANCEL | MB_ICONQUESTION;
    box.caption = LoadText(IDS_OPTION_TITLE);
    if (ShowMessageBox(box) == IDYES) {
        PostStatusString(STATUS_TEXT, IDS_WRITING_OPTION);
        if (!logger_->WriteOptionByte(newValue)) {
            ShowFailure(IDS_WRITE_OPTION_FAILED);
        }
    }
}

void CSessionEL::OnLoggerProperties() {
    LoggerPropertiesRequest request;
    for (;;) {
        DoWaitCursor(1);
        std::vector<std::string> lines;
        if (const CommandScope scope(*this); logger_) {
            logger_->BuildStatusReport(lines);
        }
        request.report = JoinLines(lines);
        DoWaitCursor(-1);
        const int result = RunDialog(request);
        // Any other button asks for a fresh report.
        if (result == IDOK || result == IDCANCEL || StopRequested()) {
            return;
        }
    }
}

bool CSessionEL::ListSetups(std::vector<std::string>& setups) {
    PostStatusString(STATUS_TEXT, IDS_LISTING_SETUPS);
    if (!logger_ || !logger_->ListStoredSetups(setups)) {
        ShowFailure(IDS_LIST_SETUPS_FAILED);
        return false;
    }
    PostStatusString(STATUS_TEXT, IDS_SETUPS_LISTED);
    return true;
}

