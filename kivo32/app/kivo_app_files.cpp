// The application's file commands beside the logger: a CSV file made into a data file, a data file
// written out as text (also after a download that asked for it), and the PC setup.
#include "kivo32/app/kivo_app.h"

#include <algorithm>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/csv_conversion_thread.h"
#include "kivo32/app/smart_doc_manager.h"
#include "kivo32/app/text_export_thread.h"
#include "kivo32/dialogs/pc_setup_dlg.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/views/raw_data_template.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/windows1252.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/settings_profile_store.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"

namespace {

// Workers that have ended go; those still running stay until they end or the program does.
template <typename Worker>
void DropFinished(std::vector<std::unique_ptr<Worker>>& workers) {
    workers.erase(std::remove_if(workers.begin(), workers.end(), [](const auto& w) { return w->Finished(); }),
                  workers.end());
}

}  // namespace

void CKivoApp::ConvertCsvFile() {
    const platform::DocTemplate* dataTemplate = GetTemplate(kRawDataTemplateId);
    const std::optional<CsvConversionPaths> paths = AskCsvConversionPaths(
        dataTemplate != nullptr ? dataTemplate->InitialFolder() : std::filesystem::path(),
        [this](const std::filesystem::path& path) {
            return documents_ != nullptr && documents_->FindDocumentByPath(path) != nullptr;
        });
    if (!paths) {
        return;
    }
    DropFinished(conversions_);
    conversions_.push_back(std::make_unique<CCsvConversionThread>(paths->csv, paths->data,
                                                                  GetMainWindow()->Target()));
}

void CKivoApp::ExportDataFileAsText() {
    platform::DocTemplate* dataTemplate = GetTemplate(kRawDataTemplateId);
    if (dataTemplate == nullptr) {
        return;
    }
    // The dialog starts at the active document's file, else in the data files' folder.
    std::filesystem::path proposed;
    std::filesystem::path folder = dataTemplate->InitialFolder();
    if (const platform::View* view = platform::GetActiveView(); view != nullptr && view->GetDocument() != nullptr &&
                                                               !view->GetDocument()->PathName().empty()) {
        proposed = view->GetDocument()->PathName();
        folder = proposed.parent_path();
    }
    if (const std::optional<std::filesystem::path> dataPath = platform::DocManager::PromptFileName(
            proposed.filename(), IDS_EXPORT_OPEN_TITLE, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, true,
            {dataTemplate}, folder)) {
        StartTextExport(*dataPath);
    }
}

void CKivoApp::StartTextExport(const std::filesystem::path& dataPath) {
    const std::optional<std::filesystem::path> csvPath = AskTextExportPath(dataPath);
    if (!csvPath) {
        return;
    }
    DropFinished(exports_);
    exports_.push_back(std::make_unique<CTextExportThread>(dataPath, *csvPath, GetMainWindow()->Target()));
}

void CKivoApp::ShowPCSetup() {
    platform::SettingsProfileStore store;
    CPCSetupDlg::AppLinks links;
    links.olderModels = app_info_.showLegacyFeatures != 0;
    ListModemLines();
    links.modemLines = modem_lines_;
    links.setOlderModels = [this](bool on) {
        app_info_.showLegacyFeatures = on ? 1 : 0;
        UpdateProtocolFlag(kNoLogger);
    };
    CPCSetupDlg dialog(registry_, store, std::move(links), GetMainWindow());
    if (dialog.DoModal() == IDOK) {
        // The file dialogs start in the folders just chosen.
        SetTemplateFolders();
        if (sessions_ != nullptr) {
            sessions_->SetStoredBaud(kLinkDirect, registry_.directBaud);
            sessions_->SetStoredBaud(kLinkModem, registry_.modemBaud);
            sessions_->SetModemLineName(registry_.modemLineName);
        }
    }
    if (CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr) {
        session->Post(platform::Message(WM_SESSION_SYNC_BAUD_RATE));
    }
}
