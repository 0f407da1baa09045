// CRawDataDoc: the data-file document: open, Save As, range saves and closing extracted ranges.
#include "kivo32/views/raw_data_doc.h"

#include <cerrno>

#include "kivo32/views/extracted_range_save_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "shared/common/message_box.h"
#include "shared/datafile/copy_file_over.h"
#include "shared/datafile/data_file_names.h"
#include "shared/datafile/data_grid_rows.h"
#include "shared/datafile/delete_file_with_retries.h"
#include "shared/datafile/message_sink.h"

namespace {

std::filesystem::path& WorkFolder() {
    static std::filesystem::path folder = std::filesystem::temp_directory_path();
    return folder;
}

std::string ShownPath(const std::filesystem::path& path) {
    return platform::PathToWindows1252(path);
}

// Text `id` with `path` in its "%s", asked with Yes and No.
bool AskAboutPath(unsigned id, const std::filesystem::path& path) {
    const std::string prompt = platform::FormatLoadedText(id, {ShownPath(path)});
    return ShowMessageBox(prompt, MB_YESNO | MB_ICONQUESTION, true) == IDYES;
}

void ShowFileError(const CPSTFileException& error) {
    ShowMessageBox(error.MessageText(), MB_OK | MB_ICONEXCLAMATION, true);
}

const char* Plural(int count) {
    return count == 1 ? "" : "s";
}

// Keeps the model's messages and shows them only when asked.
class HeldMessages : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    void ShowAll() const {
        for (const std::string& text : messages_) {
            MessageBoxSink().ShowMessage(text);
        }
    }

private:
    std::vector<std::string> messages_;
};

}  // namespace

void CRawDataDoc::SetWorkFolder(const std::filesystem::path& folder) {
    WorkFolder() = folder;
}

std::filesystem::path CRawDataDoc::GetWorkFolder() {
    return WorkFolder();
}

bool CRawDataDoc::OnNewDocument() {
    return false;
}

bool CRawDataDoc::OnOpenDocument(const std::filesystem::path& path) {
    if (FindDocumentByPath(path) != nullptr) {
        const CPSTFileException inUse(CPSTFileException::sharingViolation, EBUSY, path);
        ReportSaveLoadException(path, &inUse, AFX_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    if (!OpenModel(path)) {
        return false;
    }
    original_path_ = path;
    SetModifiedFlag(false);
    return true;
}

bool CRawDataDoc::OpenModel(const std::filesystem::path& path, bool quiet) {
    HeldMessages held;
    time_check_.reset();
    raw_data_.CloseDataFile();
    raw_data_.SetMessageSink(quiet ? static_cast<CMessageSink&>(held) : MessageBoxSink());
    // The record times are checked after the grid shows, so that opening never walks the records.
    const bool opened =
        raw_data_.Initialize() && raw_data_.OpenDataFile(path) && raw_data_.InitRecordAccess(false);
    raw_data_.SetMessageSink(MessageBoxSink());
    if (!opened) {
        held.ShowAll();
        raw_data_.CloseDataFile();
    } else if (!quiet) {
        time_check_ = std::make_unique<CRecordTimeCheck>(path);
    }
    return opened;
}

bool CRawDataDoc::OnSaveDocument(const std::filesystem::path& path) {
    return SaveCopyAs(path);
}

bool CRawDataDoc::SaveModified() {
    while (extracted_) {
        const int choice = platform::CurrentUiBroker().RunDialog("CExtractedRangeSaveDlg", [this] {
            CExtractedRangeSaveDlg dialog(extracted_name_, platform::DefaultOwnerWindow());
            return dialog.DoModal() == IDOK ? dialog.GetChoice() : 0;
        });
        if (choice == CExtractedRangeSaveDlg::kChoiceClose) {
            return true;
        }
        if (choice != CExtractedRangeSaveDlg::kChoiceSave) {
            return false;
        }
        // A cancelled or failed Save As asks again.
        SaveAs();
    }
    return true;
}

void CRawDataDoc::OnCloseDocument() {
    time_check_.reset();
    if (temporary_) {
        raw_data_.CloseDataFile();
        DeleteFileWithRetries(PathName());
    }
    platform::Document::OnCloseDocument();
}

void CRawDataDoc::DeleteContents() {
    time_check_.reset();
    profile_cache_.reset();
    raw_data_.CloseDataFile();
}

bool CRawDataDoc::OnCommand(unsigned id) {
    switch (id) {
        case ID_FILE_SAVE:
            if (temporary_) {
                SaveAs();
            }
            return true;
        case ID_FILE_SAVE_AS:
            SaveAs();
            return true;
        default:
            return platform::Document::OnCommand(id);
    }
}

bool CRawDataDoc::SaveAs() {
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(AFX_IDS_SAVEFILE);
    request.filters = {{platform::StringPrintf("%s (*.kivo; *.dat)", LoadText(IDS_DATA_FILE_FILTER).c_str()),
                        {"*.kivo", "*.dat"}}};
    request.initialFolder = original_path_.parent_path();
    request.defaultExtension = "kivo";
    request.flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const auto path = platform::CurrentUiBroker().PromptFileName(request);
    return path && SaveCopyAs(*path);
}

bool CRawDataDoc::SaveCopyAs(const std::filesystem::path& path) {
    if (platform::SamePath(path, PathName())) {
        return true;
    }
    CRawDataDoc* other = FindDocumentByPath(path);
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (other != nullptr ? !AskAboutPath(IDS_REPLACE_OPEN_FILE, path)
                         : exists && !AskAboutPath(IDS_REPLACE_FILE, path)) {
        return false;
    }
    if (other != nullptr) {
        other->OnCloseDocument();
    }
    const std::filesystem::path working = PathName();
    try {
        CopyFileOver(working, path);
    } catch (const CPSTFileException& failure) {
        ShowFileError(failure);
        return false;
    }
    const std::string title = Title();
    SetPathName(path);
    if (!OpenModel(path, true)) {
        // The copy is there, but the document stays on the file it could read.
        SetPathName(working, false);
        SetTitle(title);
        OpenModel(working);
        return false;
    }
    if (temporary_) {
        DeleteFileWithRetries(working);
    }
    original_path_ = PathName();
    extracted_ = false;
    temporary_ = false;
    UpdateFrameTitles();
    return true;
}

CRawDataDoc* CRawDataDoc::SaveRecordRange(int first, int last, bool fromGrid, bool zeroForEmpty) {
    platform::DocTemplate* docTemplate = Template();
    const auto temp = MakeTempFileName(original_path_, GetWorkFolder());
    const CDataGridRows* rows = fromGrid ? FindGridRows() : nullptr;
    if (docTemplate == nullptr || !temp || (fromGrid && rows == nullptr)) {
        ShowMessageBox(LoadText(AFX_IDP_FAILED_TO_CREATE_DOC), MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }
    RangeSaveCounts counts;
    const bool saved = fromGrid
                           ? SaveGridRowsFile(
                                 raw_data_, *rows, *temp, first, last, zeroForEmpty,
                                 [this](int row, long missing) { return AskAboutGap(row, missing); }, counts)
                           : SaveRecordRangeFile(raw_data_, *temp, first, last, counts);
    if (!saved) {
        return nullptr;
    }
    if (counts.written == 0) {
        ShowMessageBoxId(IDS_RANGE_EMPTY, MB_OK | MB_ICONEXCLAMATION, true);
        return nullptr;
    }

    auto* extract = static_cast<CRawDataDoc*>(docTemplate->CreateNewDocument());
    platform::ChildFrame* frame = docTemplate->CreateNewFrame(extract);
    if (!extract->OnOpenDocument(*temp)) {
        extract->OnCloseDocument();
        DeleteFileWithRetries(*temp);
        return nullptr;
    }
    extract->SetPathName(*temp, false);
    extract->SetTitle(platform::FormatLoadedText(IDS_EXTRACTED_TITLE, {Title()}));
    extract->extracted_ = true;
    extract->temporary_ = true;
    extract->extracted_name_ = extracted_ ? extracted_name_ : Title();
    extract->original_path_ = original_path_;
    docTemplate->InitialUpdateFrame(frame, extract);

    const std::string report = platform::FormatLoadedText(
        IDS_RANGE_SAVED, {std::to_string(counts.written), Plural(counts.written),
                          std::to_string(counts.inserted), Plural(counts.inserted)});
    ShowMessageBox(report + "\n\n" + LoadText(IDS_RANGE_SAVED_NEXT), MB_OK | MB_ICONINFORMATION, true);
    return extract;
}

CRawDataDoc* CRawDataDoc::FindDocumentByPath(const std::filesystem::path& path) const {
    if (Template() == nullptr) {
        return nullptr;
    }
    CRawDataDoc* found = nullptr;
    for (platform::Document* document : Template()->Documents()) {
        auto* data = dynamic_cast<CRawDataDoc*>(document);
        if (data != nullptr && data != this && platform::SamePath(data->PathName(), path)) {
            found = data;
        }
    }
    return found;
}

const CDataGridRows* CRawDataDoc::FindGridRows() const {
    for (platform::View* view : Views()) {
        if (const auto* rows = dynamic_cast<const CDataGridRows*>(view)) {
            return rows;
        }
    }
    return nullptr;
}

GapAnswer CRawDataDoc::AskAboutGap(int row, long missing) const {
    const std::string prompt =
        platform::FormatLoadedText(IDS_FILL_LONG_GAP, {std::to_string(missing), std::to_string(row)});
    switch (ShowMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION, true)) {
        case IDYES:
            return GapAnswer::kFill;
        case IDNO:
            return GapAnswer::kSkip;
        default:
            return GapAnswer::kCancel;
    }
}
