// Programming a setup table into the logger, with its checks and the download it may ask for first,
// and starting a download with its proposed name and the data file the user chooses.
#include <QMdiArea>
#include <chrono>
#include <functional>
#include <memory>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/command_requests.h"
#include "kivo32/app/download_name.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/programming_checks.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/app/worker_status.h"
#include "kivo32/session/logger_clock_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/setup_table.h"

namespace {

// Longer than any clock read of a working link takes.
constexpr std::chrono::seconds kClockReadWait{30};

CSetupTableView* ActiveSetupView() {
    return dynamic_cast<CSetupTableView*>(platform::GetActiveView());
}

// The checks' questions go to the program-wide boxes; the logger's clock is read by the session.
class SessionProgrammingDialogue : public ProgrammingDialogue {
public:
    using Wait = std::function<bool(const std::function<bool()>& done, std::chrono::milliseconds timeout)>;

    SessionProgrammingDialogue(CSessionEL& session, platform::MessageTarget* mainWindow, Wait wait)
        : session_(session), main_window_(mainWindow), wait_(std::move(wait)) {}

    void Tell(unsigned messageId) override { ShowMessageBoxId(messageId, MB_OK, true); }
    bool Confirm(unsigned messageId) override { return ShowMessageBoxId(messageId, MB_OKCANCEL, true) == IDOK; }
    bool ConfirmText(const std::string& text) override {
        return ShowMessageBox(text, MB_OKCANCEL, true) == IDOK;
    }
    // The session reads it on its own thread; the user-interface thread waits, taking its events.
    std::optional<std::int64_t> ReadLoggerClock() override {
        if (main_window_ != nullptr) {
            PostStatusText(*main_window_, LoadText(IDS_READING_CLOCK));
        }
        auto reading = std::make_shared<CLoggerClockReading>();
        session_.Post(platform::Message(WM_SESSION_READ_CLOCK, 0, platform::MakePayload(reading)));
        const bool read = wait_([&reading] { return reading->done.load(); }, kClockReadWait) && reading->time;
        if (!read) {
            if (!GetAppContext().IsSet(CAppContext::Flag::Abort)) {
                ShowMessageBoxId(IDS_READ_CLOCK_FAILED, MB_OK, true);
            }
            return std::nullopt;
        }
        return reading->time;
    }
    void ShowModelMismatch(int loggerTypeCode, int setupModelCode) override {
        CKivoApp::LoggerAndSUTNotCompatibleMsg(loggerTypeCode, setupModelCode);
    }

private:
    CSessionEL& session_;
    platform::MessageTarget* main_window_;
    Wait wait_;
};


}  // namespace

std::unique_ptr<CSetupTable> CKivoApp::SetupToProgram() {
    if (CSetupTableView* view = ActiveSetupView()) {
        CSUTDoc* document = view->GetDocument();
        if (document == nullptr || !document->CheckWiring(true)) {
            return nullptr;
        }
        return std::make_unique<CSetupTable>(document->GetSetupTable());
    }
    platform::DocTemplate* setupTemplate = GetTemplate(kSetupTableTemplateId);
    platform::FileNameRequest request;
    request.title = LoadText(AFX_IDS_OPENFILE);
    request.filters = {{LoadText(IDS_SETUP_FILE_FILTER) + " (*.sut)", {"*.sut"}},
                       {LoadText(IDS_ALL_FILES_FILTER) + " (*.*)", {"*"}}};
    request.defaultExtension = "sut";
    request.flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    request.initialFolder = setupTemplate != nullptr && !setupTemplate->InitialFolder().empty()
                                ? setupTemplate->InitialFolder()
                                : platform::PathFromWindows1252(registry_.setupTableDir);
    const std::optional<std::filesystem::path> path = platform::CurrentUiBroker().PromptFileName(request);
    if (!path) {
        return nullptr;
    }
    if (setupTemplate != nullptr) {
        setupTemplate->SetInitialFolder(path->parent_path());
    }
    CSUTDoc file;
    if (!file.ReadSetupFile(*path)) {
        return nullptr;
    }
    return std::make_unique<CSetupTable>(file.GetSetupTable());
}

void CKivoApp::ProgramLogger() {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        ChooseConnectionKind(ID_SUT_PROGRAM_LOGGER);
        return;
    }
    std::unique_ptr<CSetupTable> setup = SetupToProgram();
    if (setup == nullptr) {
        return;
    }
    const ProgrammedLogger logger{session->GetLoggerType(), session->GetFirmwareVersion(), GetDefaultSUTLineFreq()};
    SessionProgrammingDialogue dialogue(
        *session, GetAppMainWnd(),
        [this](const std::function<bool()>& done, std::chrono::milliseconds timeout) {
            return WaitForSession(done, timeout);
        });
    if (!CheckSetupForProgramming(*setup, logger, dialogue)) {
        return;
    }
    if (program_after_download_) {
        // The download asked for before programming has delivered its file.
        program_after_download_ = false;
    } else {
        const int answer = MessageBoxButton(ShowMessageBoxId(IDS_DOWNLOAD_BEFORE_PROGRAM, MB_ICONEXCLAMATION, false,
                                                             IDS_DOWNLOAD_BEFORE_PROGRAM_TITLE, IDS_PROGRAM_NOW_BUTTON,
                                                             IDS_DOWNLOAD_FIRST_BUTTON, IDS_DONT_PROGRAM_BUTTON));
        if (answer == IDC_MSGBOX_BUTTON2) {
            remembered_setup_view_ = ActiveSetupView();
            program_from_view_ = remembered_setup_view_ != nullptr;
            program_after_download_ = true;
            if (platform::MessageTarget* main = GetAppMainWnd()) {
                main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_DOWNLOAD));
            }
            return;
        }
        if (answer != IDC_MSGBOX_BUTTON1) {
            return;
        }
    }
    Set(Flag::Abort, false);
    session->Post(platform::Message(WM_SESSION_PROGRAM_LOGGER, 1, platform::MakePayload(std::move(*setup))));
}

void CKivoApp::StartDownload() {
    if (sessions_ == nullptr || sessions_->GetActiveSession() == nullptr) {
        ChooseConnectionKind(ID_LOGGER_DOWNLOAD);
        return;
    }
    download_requested_ = true;
    AskDownloadFile(!new_data_only_);
}

void CKivoApp::AskDownloadFile(bool proposeName) {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        return;
    }
    // The session is ready: no command changes the logger's description meanwhile.
    const std::string description = session->GetLogger() != nullptr ? session->GetLogger()->GetDescription() : "";
    const std::filesystem::path folder = platform::PathFromWindows1252(registry_.dataDir);
    DataFileSaveRequest request{
        .path = (proposeName ? ProposeDownloadName(folder, description) : folder / "").string(),
        .titleId = proposeName ? IDS_DOWNLOAD_TITLE_NEW : IDS_DOWNLOAD_TITLE_AGAIN,
        .baseName = FileNameBaseOf(description),
        .addToExisting = new_data_only_,
        .alsoCsv = app_info_.createAsciiFileOnDownload};
    if (platform::RunDialogRequest(request) != IDOK || request.path.empty()) {
        download_requested_ = false;
        program_after_download_ = false;
        return;
    }
    new_data_only_ = request.addToExisting;
    registry_.partialDownloads = new_data_only_ ? 1 : 0;
    app_info_.createAsciiFileOnDownload = request.alsoCsv;
    const DownloadRequest download{request.path, app_info_.createAsciiFileOnDownload};
    // Set again: the end of the command that asked for this file may have come while the dialog showed.
    download_requested_ = true;
    Set(Flag::Abort, false);
    session->Post(platform::Message(new_data_only_ ? WM_SESSION_READ_NEW_DATA : WM_SESSION_READ_ALL_DATA, 1,
                                    platform::MakePayload(download)));
}

void CKivoApp::OnDownloadEnded(bool delivered) {
    download_requested_ = false;
    if (!program_after_download_) {
        return;
    }
    // Programming waits only for a download that delivered its file, and for a setup view only while it
    // is open; after any other end it is asked again from the start.
    if (!delivered || (program_from_view_ && remembered_setup_view_ == nullptr)) {
        program_after_download_ = false;
        return;
    }
    if (remembered_setup_view_ != nullptr) {
        if (auto* frame = qobject_cast<platform::ChildFrame*>(remembered_setup_view_->parentWidget())) {
            if (QMdiArea* area = frame->mdiArea()) {
                area->setActiveSubWindow(frame);
            }
        }
    }
    if (platform::MessageTarget* main = GetAppMainWnd()) {
        main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_PROGRAM));
    }
}
