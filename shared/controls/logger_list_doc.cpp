#include "shared/controls/logger_list_doc.h"

#include "shared/loggerlist/logger_list_io.h"

CLoggerListDoc::CLoggerListDoc(LoggerListHost& host) : host_(host), list_(host.EntryDefaults()) {}

bool CLoggerListDoc::OnNewDocument() {
    if (!platform::Document::OnNewDocument()) {
        return false;
    }
    list_.NewList(host_.DataFolder());
    return true;
}

bool CLoggerListDoc::OnOpenDocument(const std::filesystem::path& path) {
    const LoggerListOpened opened = OpenLoggerList(path, list_, host_.CurrentComPort());
    if (!opened.opened) {
        return false;
    }
    platform::Document::SetModifiedFlag(list_.IsModified());
    host_.RememberListPath(path);
    return true;
}

bool CLoggerListDoc::OnSaveDocument(const std::filesystem::path& path) {
    // A cell being edited goes into its entry first.
    UpdateAllViews(nullptr, kHintStoreListEdits);
    if (!SaveLoggerList(path, list_)) {
        return false;
    }
    platform::Document::SetModifiedFlag(false);
    return true;
}

bool CLoggerListDoc::CanCloseFrame(platform::ChildFrame* frame) {
    UpdateAllViews(nullptr, kHintStoreListEdits);
    return platform::Document::CanCloseFrame(frame);
}

void CLoggerListDoc::DeleteContents() {
    list_ = CLoggerList(list_.Defaults());
}

void CLoggerListDoc::SetModifiedFlag(bool modified) {
    list_.SetModified(modified);
    platform::Document::SetModifiedFlag(modified);
}

CLogger& CLoggerListDoc::InsertNewLogger(int index) {
    CLogger& entry = list_.InsertNewLogger(index, host_.DataFolder());
    SetModifiedFlag();
    return entry;
}

void CLoggerListDoc::RemoveAt(std::size_t index) {
    list_.RemoveAt(index);
    SetModifiedFlag();
}
