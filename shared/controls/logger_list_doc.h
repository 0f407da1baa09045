// CLoggerListDoc: the document of a logger list (.lst), over the list and its file without windows.
#pragma once

#include "platform/ui/document.h"
#include "shared/controls/logger_list_host.h"
#include "shared/loggerlist/logger_list.h"

// The update hint that makes the list's views store the cell being edited (before a save or a close).
inline constexpr long kHintStoreListEdits = 24;

class CLoggerListDoc : public platform::Document {
public:
    // `host` outlives the document.
    explicit CLoggerListDoc(LoggerListHost& host);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::filesystem::path& path) override;
    bool OnSaveDocument(const std::filesystem::path& path) override;
    void DeleteContents() override;
    void SetModifiedFlag(bool modified = true) override;
    // The cell being edited is stored first, so that closing asks about it too.
    bool CanCloseFrame(platform::ChildFrame* frame) override;

    CLoggerList& List() { return list_; }
    std::size_t GetCount() const { return list_.GetCount(); }
    CLogger& GetLogger(std::size_t index) { return list_.GetLogger(index); }
    // A new entry before `index` (-1: at the end); marks the document modified.
    CLogger& InsertNewLogger(int index);
    void RemoveAt(std::size_t index);
    LoggerListHost& Host() const { return host_; }

private:
    LoggerListHost& host_;
    CLoggerList list_;
};
