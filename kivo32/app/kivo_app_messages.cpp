// The application's side of the messages posted to the main window: results of the session thread and
// of the workers.
#include "kivo32/app/kivo_app.h"

#include <filesystem>
#include <memory>
#include <string>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/csv_conversion_thread.h"
#include "kivo32/app/energy_summary_window.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/harmonics_window_link.h"
#include "kivo32/session/logger_setup_reading.h"
#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/views/raw_data_template.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "shared/controls/modeless_message_box.h"
#include "shared/datafile/data_info.h"
#include "shared/link/link_ids.h"
#include "shared/setup/setup_table.h"

bool CKivoApp::OnAppMessage(platform::Message& message) {
    switch (message.id) {
        case WM_OPEN_DOWNLOADED_FILE:
            if (const auto* path = platform::PayloadAs<std::filesystem::path>(message)) {
                if (message.wParam == kReloadOpenDownloadedFile) {
                    if (platform::Document* open = GetDocManager().FindDocumentByPath(*path)) {
                        open->ReloadFile();
                    }
                    return true;
                }
                if (platform::DocTemplate* dataTemplate = GetTemplate(kRawDataTemplateId)) {
                    // The download may have written into a file that is open: its grid and graphs show it anew.
                    platform::DocManager::ReopenDocumentWith(*dataTemplate, *path);
                }
                OnDownloadEnded(true);
            }
            return true;
        case WM_END_SESSION:
            // Refused inside another end of a session, which ends this one too.
            Disconnect(static_cast<int>(message.wParam), false);
            return true;
        case WM_NEW_FILE_FOR_NEW_DATA:
        case WM_NEW_FILE_FOR_ALL_DATA:
            Set(Flag::Abort, false);
            download_requested_ = true;
            AskDownloadFile(message.id == WM_NEW_FILE_FOR_ALL_DATA);
            return true;
        case WM_OPEN_READ_SETUP:
            if (auto* setup = platform::PayloadAs<CSetupTable>(message)) {
                const CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
                const auto firmware =
                    static_cast<std::uint16_t>(session != nullptr ? session->GetFirmwareVersion() : 0);
                CSUTDoc::SetLoggerSetup(std::make_unique<CSetupTable>(std::move(*setup)), firmware);
                if (platform::DocTemplate* setupTemplate = GetTemplate(kSetupTableTemplateId)) {
                    setupTemplate->OpenDocumentFile({});
                }
            }
            return true;
        case WM_LOGGER_ENERGY_SUMMARY:
            if (const auto* reading = platform::PayloadAs<LoggerSetupReading>(message)) {
                CDataInfo info;
                info.SetTypeText(reading->firmwareText);
                if (ShowEnergySummary(reading->setup, info, true) == IDC_DISPLAY_REFRESH) {
                    // Read afresh, through the command's own rules.
                    GetMainWindow()->Target()->PostMessage(
                        platform::Message(WM_COMMAND, ID_LOGGER_ENERGY_SUMMARY));
                }
            }
            return true;
        case WM_REAL_TIME_WINDOW:
            if (const auto* link = platform::PayloadAs<std::shared_ptr<CRealTimeWindowLink>>(message);
                link && *link) {
                // The window's close, or no window, ends the session's update loop.
                RealTimeWindowRequest request{.link = *link};
                platform::RunDialogRequest(request);
                (*link)->Close();
            }
            return true;
        case WM_HARMONICS_WINDOW:
            if (const auto* link = platform::PayloadAs<std::shared_ptr<CHarmonicsWindowLink>>(message);
                link && *link) {
                // The window's close, or no window, ends the session's capture loop.
                HarmonicsRequest request{.link = *link};
                platform::RunDialogRequest(request);
                (*link)->Close();
            }
            return true;
        case WM_WAIT_CURSOR: {
            const auto step = static_cast<int>(static_cast<std::intptr_t>(message.wParam));
            DoWaitCursor(step);
            // The end of the download's command, when it delivered no file.
            if (step < 0 && download_requested_) {
                OnDownloadEnded(false);
            }
            return true;
        }
        case WM_WRITE_CSV_FILE:
            if (const auto* path = platform::PayloadAs<std::filesystem::path>(message)) {
                StartTextExport(*path);
            }
            return true;
        case WM_CONVERSION_RESULT:
            return OnConversionResult(message, *GetAppMainWnd());
        case WM_MODULE_UPDATE_NOTICE:
            if (CModelessMessageBox* notice = NoticeWindow()) {
                const auto* text = platform::PayloadAs<std::string>(message);
                if (message.wParam != 0 && text != nullptr) {
                    notice->ShowMessage(kWindowTitle, *text);
                } else {
                    notice->Hide();
                }
            }
            return true;
        case WM_CLOSE_COMMAND:
            if (message.wParam != 0) {
                EnableCloseCommand();
            } else {
                DisableCloseCommand();
            }
            return true;
        default:
            return OnModemMessage(message);
    }
}
