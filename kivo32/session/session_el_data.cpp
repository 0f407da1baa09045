// The program's session: the handlers that move data between the logger and files: reading all or only
// the new data into a data file, reading a stored setup into a new document, programming a setup.
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/session/download_failure_text.h"
#include "kivo32/session/download_progress_link.h"
#include "kivo32/session/logger_setup_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/dialog_request.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/download_result.h"
#include "shared/logger/new_data_plan.h"
#include "shared/logger/user_download_policy.h"
#include "shared/setup/setup_table.h"
#include "shared/setup/sut_info.h"

namespace {

// ReadNewData's result when it ended before the read, having told the user why.
constexpr int kReadDataNoPreparation = 1;
// How long the notice of a setup programmed without a start time stays.
constexpr int kProgrammedNoticeMs = 2500;
// How long the notices of a download that nobody watches stay.
constexpr int kUnattendedNoticeMs = 5000;

// A download that ended before the logger was asked for data.
DownloadOutcome EndedWith(int result) {
    DownloadOutcome outcome;
    outcome.result = result;
    return outcome;
}

// The progress window of a read-data handler: shown as the download starts, gone before the handler
// hands the file on.
class DownloadWindowScope {
public:
    DownloadWindowScope(const CSessionOwner& owner, CDataLogger* logger) : logger_(logger) {
        if (logger_ != nullptr) {
            window_ = owner.OpenDownloadWindow();
            logger_->SetProgressSink(window_.get());
        }
    }
    ~DownloadWindowScope() {
        if (logger_ != nullptr) {
            logger_->SetProgressSink(nullptr);
        }
        CloseDownloadDialog(window_);
    }
    DownloadWindowScope(const DownloadWindowScope&) = delete;
    DownloadWindowScope& operator=(const DownloadWindowScope&) = delete;

private:
    CDataLogger* const logger_;
    std::shared_ptr<CDownloadProgressLink> window_;
};

}  // namespace

void CSessionEL::ShowTimedNotice(const std::string& text, int milliseconds) {
    TimedNoticeRequest request{.caption = "KIVO", .text = text, .milliseconds = milliseconds};
    RunDialog(request);
}

void CSessionEL::OnReadAllData(bool openFile, DownloadRequest request) {
    const CommandScope scope(*this);
    SetNewDataRead(false);
    Trace("OnReadAllData()\n");
    DownloadOutcome outcome = EndedWith(kReadDataCancelled);
    {
        const DownloadWindowScope window(owner_, logger_.get());
        if (logger_) {
            outcome = logger_->Download(request.path, true, 0, UserDownloadPolicy());
        }
        if (outcome.result == kReadDataTryAgain && !IsAborted()) {
            outcome = ReadNewData(request.path, std::move(outcome));
        }
    }
    FinishDownload(outcome, openFile, std::move(request));
}

void CSessionEL::OnReadNewData(bool openFile, DownloadRequest request) {
    Trace("OnReadNewData()\n");
    std::error_code error;
    if (!std::filesystem::is_regular_file(request.path, error)) {
        const std::string prompt =
            platform::FormatLoadedText(IDS_FILE_MISSING_READ_ALL, {request.path.string()});
        if (ShowMessageBox(prompt, MB_YESNOCANCEL, true) == IDYES) {
            OnReadAllData(openFile, std::move(request));
        }
        return;
    }
    const CommandScope scope(*this);
    DownloadOutcome outcome;
    {
        const DownloadWindowScope window(owner_, logger_.get());
        outcome = ReadNewData(request.path);
    }
    FinishDownload(outcome, openFile, std::move(request));
}

DownloadOutcome CSessionEL::ReadNewData(const std::filesystem::path& path,
                                        std::optional<DownloadOutcome> brokenTry) {
    // "Try again" after a broken read keeps what came and reads the rest as new data, until the user
    // lets it be.
    for (;;) {
        SetNewDataRead(true);
        long recordCount = 0;
        if (!logger_ || !PrepareNewDataRead(path, recordCount)) {
            if (brokenTry) {
                // The retry could not even start (a link that is gone): the download ends as Keep ends,
                // with what the broken try kept on the disk.
                brokenTry->result = kReadDataKept;
                return std::move(*brokenTry);
            }
            return EndedWith(kReadDataNoPreparation);
        }
        DownloadOutcome outcome = logger_->Download(path, false, recordCount, UserDownloadPolicy(),
                                                    brokenTry ? brokenTry->file : std::nullopt);
        if (outcome.result != kReadDataTryAgain || IsAborted()) {
            return outcome;
        }
        brokenTry = std::move(outcome);
    }
}

bool CSessionEL::PrepareNewDataRead(const std::filesystem::path& path, long& recordCount) {
    std::optional<NewDataFile> file = ReadNewDataFile(*logger_, path);
    if (!file) {
        ShowFailure(IDS_DATA_READ_FAILED);
        return false;
    }
    NewDataPlan plan = PlanNewDataRead(*file);
    if (plan.question == NewDataQuestion::ConvertedFile) {
        if (ShowMessageBoxId(IDS_CONFIRM_CSV_CONVERTED, MB_YESNOCANCEL | MB_ICONQUESTION, true) != IDYES) {
            return false;
        }
        if (!FindConvertedFileEnd(*logger_, *file)) {
            ShowFailure(IDS_DATA_READ_FAILED);
            return false;
        }
        plan = PlanNewDataRead(*file);
    }
    if (plan.question == NewDataQuestion::SetupMismatch) {
        AskAfterSetupMismatch();
        return false;
    }
    SetKeptSeconds(file->lastRecordSeconds);
    SetKeptStamp(static_cast<std::int32_t>(file->lastRecordStamp));
    recordCount = file->recordCount;
    logger_->SetStoredContinuation(file->position, file->timeMark, file->flags);
    if (plan.question == NewDataQuestion::NoPointToGoOn) {
        if (Ask(IDS_NO_POINT_TO_GO_ON, 0, IDS_NEW_FILE_ALL_DATA_BUTTON, IDS_CANCEL_BUTTON) ==
            IDC_MSGBOX_BUTTON1) {
            PostToMainWindow(platform::Message(WM_NEW_FILE_FOR_ALL_DATA));
        }
        return false;
    }
    if (!logger_->SendReadRange(plan.position, plan.timeMark)) {
        ShowFailure(IDS_DATA_READ_FAILED);
        return false;
    }
    return true;
}

void CSessionEL::AskAfterSetupMismatch() {
    const int answer = MessageBoxButton(ShowMessageBoxId(IDS_SETUP_MISMATCH, MB_ICONQUESTION, false, 0,
                                                         IDS_NEW_FILE_NEW_DATA_BUTTON,
                                                         IDS_NEW_FILE_ALL_DATA_BUTTON, IDS_CANCEL_BUTTON));
    if (answer == IDC_MSGBOX_BUTTON1) {
        PostToMainWindow(platform::Message(WM_NEW_FILE_FOR_NEW_DATA));
    } else if (answer == IDC_MSGBOX_BUTTON2) {
        PostToMainWindow(platform::Message(WM_NEW_FILE_FOR_ALL_DATA));
    }
}

void CSessionEL::FinishDownload(const DownloadOutcome& outcome, bool openFile, DownloadRequest request) {
    // Whatever the end, the next download is the user's own again.
    const bool unattended = owner_.IsUnattendedDownload();
    owner_.SetUnattendedDownload(false);
    const int result = outcome.result;
    if (result == kReadDataNoPreparation) {
        return;
    }
    if (!outcome.recoveries.empty() && result != kReadDataDone) {
        // After the recovery question the user learns what the disk now holds, whatever was answered (a
        // try again that went through ends as any download that did): in a box, since the status line
        // cuts the paths and is emptied after a few seconds.
        const std::string kept = BrokenDownloadText(outcome);
        PostStatus(STATUS_TEXT, kept);
        ShowMessageBox(kept, MB_OK | MB_ICONINFORMATION, true);
        if (outcome.GaveUp()) {
            if (outcome.file) {
                PostToMainWindow(platform::Message(WM_OPEN_DOWNLOADED_FILE, kReloadOpenDownloadedFile,
                                                   platform::MakePayload(outcome.file->path)));
            }
            return;
        }
    }
    const bool aborted = IsAborted();
    if (result != kReadDataDone && result != kReadDataKept && !aborted) {
        if (const std::optional<DownloadFailureText> failure =
                DownloadFailureTextFor(result, IsNewDataRead())) {
            PostStatusString(STATUS_TEXT, failure->textId);
            if (failure->asMessage) {
                ShowFailure(failure->textId);
            }
        }
        return;
    }
    // Done, also after an abort: the CSV form still follows, the document opens only when not aborted.
    if (request.writeCsv) {
        PostToMainWindow(platform::Message(WM_WRITE_CSV_FILE, 0, platform::MakePayload(request.path)));
    }
    if (!aborted && openFile) {
        PostToMainWindow(platform::Message(WM_OPEN_DOWNLOADED_FILE, 0, platform::MakePayload(request.path)));
    }
    if (unattended) {
        ShowTimedNotice(LoadText(IDS_UNATTENDED_DOWNLOAD_DONE), kUnattendedNoticeMs);
        PostToMainWindow(platform::Message(WM_UNATTENDED_DOWNLOAD_DONE));
    }
}

void CSessionEL::OnReadSetupTable() {
    const CommandScope scope(*this);
    std::vector<std::string> setups;
    if (!ListSetups(setups)) {
        return;
    }
    int choice = 1;
    if (setups.size() >= 2) {
        LoggerSetupListRequest request{.setups = setups};
        if (RunDialog(request) != IDOK) {
            return;
        }
        choice = request.selection + 1;
    }
    const CSUTInfo* chosen = nullptr;
    if (logger_->ReadSetupHeader(choice) && logger_->ReadSetupBlocks(choice)) {
        chosen = logger_->GetSUTInfo(choice);
    }
    if (chosen == nullptr || !chosen->setupTable) {
        ShowFailure(IDS_LIST_SETUPS_FAILED);
        return;
    }
    PostToMainWindow(
        platform::Message(WM_OPEN_READ_SETUP, 0, platform::MakePayload(CSetupTable(*chosen->setupTable))));
}

void CSessionEL::OnReadEnergySummary() {
    const CommandScope scope(*this);
    CSUTInfo* active = logger_ ? logger_->GetSUTInfo(1) : nullptr;
    if (active == nullptr) {
        ShowFailure(IDS_LIST_SETUPS_FAILED);
        return;
    }
    // The registers change while the logger records: never the copy of an earlier read.
    active->channelsValid = false;
    active->extendedValid = false;
    if (!logger_->ReadSetupHeader(1) || !logger_->ReadSetupBlocks(1) || !active->setupTable) {
        ShowFailure(IDS_LIST_SETUPS_FAILED);
        return;
    }
    PostToMainWindow(platform::Message(
        WM_LOGGER_ENERGY_SUMMARY, 0,
        platform::MakePayload(LoggerSetupReading{*active->setupTable, logger_->GetFirmwareText()})));
}

void CSessionEL::OnProgramLogger(const CSetupTable& setup) {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_PROGRAMMING);
    if (!logger_) {
        ShowFailure(IDS_PROGRAM_FAILED);
        return;
    }
    const std::uint32_t startTime = setup.GetExtendedData().GetStartTime();
    const bool timed = startTime != 0 || setup.GetExtendedData().GetStopTime() != 0;
    // A start time takes effect only on a logger that is not recording.
    if (startTime != 0 && !logger_->StopRecording()) {
        ShowMessageBoxId(IDS_STOP_FAILED, MB_OK, true);
        return;
    }
    if (!logger_->WriteSetup(&setup, 1, timed)) {
        ShowFailure(IDS_PROGRAM_FAILED);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_PROGRAMMED);
    if (startTime == 0) {
        ShowTimedNotice(LoadText(IDS_PROGRAMMED_NOTICE), kProgrammedNoticeMs);
        return;
    }
    const std::optional<std::tm> start = platform::ToLocalTime(static_cast<std::time_t>(startTime));
    if (start) {
        ShowMessageBox(platform::FormatLoadedText(
                           IDS_PROGRAMMED_START,
                           {FormatDateText(start->tm_year + 1900, start->tm_mon + 1, start->tm_mday, true),
                            FormatTimeText(start->tm_hour, start->tm_min, start->tm_sec)}),
                       MB_OK | MB_ICONINFORMATION, true);
    }
}
