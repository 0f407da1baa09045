// The base of every document: its file, title and modified flag, its views, and new, open, save and close.
#include "platform/ui/document.h"

#include <algorithm>
#include <system_error>

#include "platform/base/binary_file.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"

namespace platform {

Document::Document() = default;

Document::~Document() {
    for (View* view : views_) {
        view->document_ = nullptr;
    }
}

void Document::SetPathName(const std::filesystem::path& path, bool addToRecent) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    path_ = (error ? path : absolute).lexically_normal();
    SetTitle(Utf8ToWindows1252(path_.filename().string()));
    if (addToRecent && template_ != nullptr && template_->Manager() != nullptr) {
        template_->Manager()->AddToRecentFileList(path_);
    }
}

void Document::SetTitle(const std::string& title) {
    title_ = title;
    UpdateFrameTitles();
}

void Document::SetModifiedFlag(bool modified) {
    modified_ = modified;
}

std::vector<ChildFrame*> Document::Frames() const {
    std::vector<ChildFrame*> frames;
    for (View* view : views_) {
        ChildFrame* frame = view->ParentFrame();
        if (frame != nullptr && std::find(frames.begin(), frames.end(), frame) == frames.end()) {
            frames.push_back(frame);
        }
    }
    return frames;
}

void Document::UpdateAllViews(View* sender, long hint) {
    for (View* view : views_) {
        if (view != sender) {
            view->OnUpdate(sender, hint);
        }
    }
}

void Document::UpdateFrameTitles() {
    const auto frames = Frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i]->SetFrameTitle(frames.size() == 1 ? title_ : title_ + ":" + std::to_string(i + 1));
    }
}

bool Document::OnNewDocument() {
    DeleteContents();
    path_.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::filesystem::path& path) {
    BinaryFile file;
    CPSTFileException openError;
    if (!file.Open(path, BinaryFile::Mode::Read, openError)) {
        ReportSaveLoadException(path, &openError, AFX_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    DeleteContents();
    try {
        Serialize(file, false);
        file.Close();
    } catch (const std::exception& error) {
        DeleteContents();
        ReportSaveLoadException(path, &error, AFX_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const std::filesystem::path& path) {
    try {
        TempFileBeside temp(path);
        BinaryFile file(temp.Path(), BinaryFile::Mode::Create);
        Serialize(file, true);
        file.Flush(true);
        file.Close();
        temp.ReplaceTarget();
    } catch (const std::exception& error) {
        ReportSaveLoadException(path, &error, AFX_IDP_FAILED_TO_SAVE_DOC);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool Document::ReloadFile() {
    const std::filesystem::path path = PathName();
    DeleteContents();
    if (!OnOpenDocument(path)) {
        OnCloseDocument();
        return false;
    }
    UpdateAllViews(nullptr, kHintFileReloaded);
    return true;
}

void Document::OnCloseDocument() {
    const auto frames = Frames();
    // The views leave first, so that none reaches back into a document that is gone.
    for (View* view : views_) {
        view->document_ = nullptr;
    }
    views_.clear();
    for (ChildFrame* frame : frames) {
        frame->DestroyFrame();
    }
    DeleteContents();
    if (template_ != nullptr) {
        template_->RemoveDocument(this);
    }
}

void Document::DeleteContents() {}

void Document::Serialize(BinaryFile&, bool) {}

bool Document::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    const std::string prompt = FillNumberedPlaceholders(LoadText(AFX_IDP_ASK_TO_SAVE), {PromptName()});
    switch (CurrentUiBroker().MessageBox(prompt, {}, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
            return DoFileSave();
        case IDNO:
            return true;
        default:
            return false;
    }
}

bool Document::CanCloseFrame(ChildFrame* frame) {
    const auto frames = Frames();
    const bool othersRemain =
        std::any_of(frames.begin(), frames.end(), [frame](ChildFrame* other) { return other != frame; });
    return othersRemain || SaveModified();
}

bool Document::DoFileSave() {
    return DoSave(path_);
}

bool Document::DoSave(const std::filesystem::path& path, bool replace) {
    std::filesystem::path target = path;
    if (target.empty()) {
        std::filesystem::path proposed = path_;
        if (proposed.empty()) {
            std::string name = title_;
            std::replace(name.begin(), name.end(), '/', '_');
            proposed = Windows1252ToUtf8(name);
            if (template_ != nullptr && !proposed.has_extension()) {
                proposed += template_->DefaultExtension();
            }
        }
        DocManager* manager = template_ != nullptr ? template_->Manager() : nullptr;
        const auto chosen =
            manager != nullptr
                ? manager->DoPromptFileName(proposed, AFX_IDS_SAVEFILE, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                                            false, template_)
                : DocManager::PromptFileName(proposed, AFX_IDS_SAVEFILE, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                                             false, {});
        if (!chosen) {
            return false;
        }
        target = *chosen;
    }
    if (!OnSaveDocument(target)) {
        return false;
    }
    if (replace) {
        SetPathName(target);
    }
    return true;
}

bool Document::OnUpdateCommand(CommandState& state) {
    return state.id == ID_FILE_SAVE || state.id == ID_FILE_SAVE_AS || state.id == ID_FILE_CLOSE;
}

bool Document::OnCommand(unsigned id) {
    switch (id) {
        case ID_FILE_SAVE:
            DoFileSave();
            return true;
        case ID_FILE_SAVE_AS:
            DoSave({});
            return true;
        case ID_FILE_CLOSE:
            if (SaveModified()) {
                OnCloseDocument();
            }
            return true;
        default:
            return false;
    }
}

void Document::ReportSaveLoadException(const std::filesystem::path& path, const std::exception* error,
                                       unsigned promptId) {
    // The file exception names the file itself; otherwise the path follows the prompt.
    const bool described = error != nullptr && *error->what() != '\0';
    const std::string detail = described ? Utf8ToWindows1252(error->what()) : PathToWindows1252(path);
    CurrentUiBroker().MessageBox(LoadText(promptId) + "\n\n" + detail, {}, MB_OK | MB_ICONEXCLAMATION);
}

void Document::AddView(View* view) {
    views_.push_back(view);
    UpdateFrameTitles();
}

void Document::RemoveView(View* view) {
    std::erase(views_, view);
    UpdateFrameTitles();
    if (views_.empty() && auto_delete_) {
        OnCloseDocument();
    }
}

std::string Document::PromptName() const {
    if (!path_.empty()) {
        return Utf8ToWindows1252(path_.filename().string());
    }
    return title_.empty() ? LoadText(AFX_IDS_UNTITLED) : title_;
}

}  // namespace platform
