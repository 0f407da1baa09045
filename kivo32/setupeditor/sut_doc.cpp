// CSUTDoc: the setup-table document: new, open, save, the save check and the modified prompt.
#include "kivo32/setupeditor/sut_doc.h"

#include "kivo32/setupeditor/get_sut_type_dlg.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/window_messages.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table_file.h"

namespace {

// The setup read from a logger that waits for its new document.
struct LoggerSetup {
    std::unique_ptr<CSetupTable> table;
    std::uint16_t firmwareVersion = 0;
};

LoggerSetup& PendingLoggerSetup() {
    static LoggerSetup pending;
    return pending;
}

bool IsSetupModel(int code) {
    return (code >= kModelStandard && code <= kModelBrelanLast) || code == kModelQuarvenRS ||
           code == kModelQuarvenKX;
}

// The model of a new setup: the connected logger's, else the user's choice (kNoModelChosen on Cancel).
int ChooseNewModel() {
    const int logger = GetAppContext().GetLoggerType();
    if (IsSetupModel(logger)) {
        return logger;
    }
    return platform::CurrentUiBroker().RunDialog("CGetSUTTypeDlg", [] {
        CGetSUTTypeDlg dialog(platform::DefaultOwnerWindow());
        return dialog.DoModal() == IDOK ? dialog.GetModelCode() : CSUTDoc::kNoModelChosen;
    });
}

}  // namespace

void CSUTDoc::SetLoggerSetup(std::unique_ptr<CSetupTable> table, std::uint16_t firmwareVersion) {
    PendingLoggerSetup() = {std::move(table), firmwareVersion};
}

bool CSUTDoc::HasLoggerSetup() {
    return PendingLoggerSetup().table != nullptr;
}

bool CSUTDoc::OnNewDocument() {
    if (!platform::Document::OnNewDocument()) {
        return false;
    }
    header_ = CFileHeader();
    header_.SetKind(CFileHeader::kKindSetupTable);
    LoggerSetup& pending = PendingLoggerSetup();
    const bool readFromLogger = pending.table != nullptr;
    if (readFromLogger) {
        // The logger's own start and stop times and time-block byte come with the copy.
        table_ = *pending.table;
        table_.GetHeader().SetFirmwareVersion(pending.firmwareVersion);
        pending = {};
    } else {
        table_ = CSetupTable();
        table_.GetExtendedData().SetStartTime(0);
        table_.GetExtendedData().SetStopTime(0);
        table_.GetExtendedData().SetTimeBlockByte2(0);
        header_.SetVersion(kNewDocumentVersion);
    }
    const int model = ChooseNewModel();
    if (model == kNoModelChosen) {
        return false;
    }
    table_.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    // What the logger holds is not a change: closing it unedited asks nothing.
    SetModifiedFlag(!readFromLogger);
    return true;
}

bool CSUTDoc::OnOpenDocument(const std::filesystem::path& path) {
    return platform::Document::OnOpenDocument(path) && ReadSetupFile(path);
}

bool CSUTDoc::OnSaveDocument(const std::filesystem::path& path) {
    return WriteSetupFile(path);
}

bool CSUTDoc::ReadSetupFile(const std::filesystem::path& path) {
    CPSTFileException openError;
    const SetupFileResult result = ReadSetupTableFile(path, header_, table_, openError);
    if (result == SetupFileResult::kOpenFailed) {
        ReportSaveLoadException(path, &openError, AFX_IDP_FAILED_TO_OPEN_DOC);
    }
    return result == SetupFileResult::kOk;
}

bool CSUTDoc::WriteSetupFile(const std::filesystem::path& path) {
    CPSTFileException openError;
    const SetupFileResult result = WriteSetupTableFile(path, header_, table_, openError);
    if (result == SetupFileResult::kOpenFailed) {
        ReportSaveLoadException(path, &openError, AFX_IDP_FAILED_TO_SAVE_DOC);
    }
    if (result != SetupFileResult::kOk) {
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CSUTDoc::CheckWiring(bool markModified) {
    return ValidateWiring(markModified);
}

bool CSUTDoc::ValidateWiring(bool markModified) {
    CSetupTableView* view = FindSetupView();
    if (view == nullptr) {
        return false;
    }
    if (view->ValidateSetup(markModified, true)) {
        return true;
    }
    if (platform::ChildFrame* frame = view->ParentFrame()) {
        frame->Target()->PostMessage(platform::Message{WM_COMMAND, ID_SETUP_WIRING_FAILED});
    }
    return false;
}

bool CSUTDoc::SaveCheck() {
    if (!CheckWiring(true)) {
        return false;
    }
    return table_.HasActiveChannel(false) ||
           ShowMessageBoxId(IDS_NO_CHANNEL_IN_USE, MB_YESNO | MB_ICONQUESTION, true) == IDYES;
}

void CSUTDoc::CommitPendingEdits() {
    if (CSetupTableView* view = FindSetupView()) {
        view->CommitTimeFields();
    }
}

bool CSUTDoc::SaveModified() {
    CommitPendingEdits();
    if (!IsModified()) {
        return true;
    }
    const std::string prompt = platform::FormatLoadedText(IDS_SAVE_SETUP_CHANGES, {PromptName()});
    switch (ShowMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION, true)) {
        case IDYES:
            return SaveCheck() && DoFileSave();
        case IDNO:
            return true;
        default:
            return false;
    }
}

bool CSUTDoc::OnCommand(unsigned id) {
    switch (id) {
        case ID_FILE_SAVE:
            CommitPendingEdits();
            if (IsModified() && SaveCheck()) {
                DoFileSave();
            }
            return true;
        case ID_FILE_SAVE_AS:
            CommitPendingEdits();
            if (SaveCheck()) {
                DoSave({});
            }
            return true;
        default:
            return platform::Document::OnCommand(id);
    }
}

CSetupTableView* CSUTDoc::FindSetupView() const {
    for (platform::View* view : Views()) {
        if (auto* setupView = dynamic_cast<CSetupTableView*>(view)) {
            return setupView;
        }
    }
    return nullptr;
}

std::string CSUTDoc::PromptName() const {
    if (!PathName().empty()) {
        return platform::Utf8ToWindows1252(PathName().filename().string());
    }
    return Title().empty() ? LoadText(AFX_IDS_UNTITLED) : Title();
}
