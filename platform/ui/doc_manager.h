// The document manager: the templates, File New and File Open, the recent-file list, and finding a
// document by its file.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/recent_file_list.h"

namespace platform {

class DocTemplate;
class Document;
class MainFrame;

class DocManager {
public:
    DocManager();
    virtual ~DocManager();
    DocManager(const DocManager&) = delete;
    DocManager& operator=(const DocManager&) = delete;

    // Templates in the order added, which is the order every list of document kinds shows.
    DocTemplate* AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    std::vector<DocTemplate*> Templates() const;

    // The window that new child frames go into.
    void SetMainFrame(MainFrame* frame) { main_frame_ = frame; }
    MainFrame* GetMainFrame() const { return main_frame_; }

    RecentFileList& RecentFiles() { return recent_files_; }
    void AddToRecentFileList(const std::filesystem::path& path) { recent_files_.Add(path); }

    // Opens `path` with the template that fits it best; a document already open on it is activated
    // instead. nullptr when no template or the document refused.
    virtual Document* OpenDocumentFile(const std::filesystem::path& path);
    // Opens `path` with `docTemplate`; a document of it already open on the file is activated instead.
    static Document* OpenDocumentWith(DocTemplate& docTemplate, const std::filesystem::path& path);
    // Opens `path` afresh with `docTemplate`: a document already open on the file reads it anew in its
    // windows (Document::ReloadFile), so that they show what the file holds now (after the program wrote
    // to it); null when it no longer opens.
    static Document* ReopenDocumentWith(DocTemplate& docTemplate, const std::filesystem::path& path);
    // Opens entry `index` of the recent-file list; an entry that cannot be opened leaves the list.
    Document* OpenRecentFile(std::size_t index);
    // The open document of `path`, of any template, or nullptr.
    Document* FindDocumentByPath(const std::filesystem::path& path) const;
    std::size_t DocumentCount() const;

    // File New: a new document of the only template (the first, with several). Without templates the
    // framework's message.
    virtual void OnFileNew();
    // File Open: asks for a file and opens it. Without templates the framework's message.
    virtual void OnFileOpen();

    // The file dialog of File Open and of every Save As: title text `titleId`, the template's type
    // entry (every template's when null) and "all files", starting in the template's folder. The chosen
    // path, or nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> DoPromptFileName(const std::filesystem::path& proposed,
                                                                  unsigned titleId, unsigned flags, bool open,
                                                                  DocTemplate* docTemplate);
    // The same dialog with the type entries of the given templates.
    static std::optional<std::filesystem::path> PromptFileName(
        const std::filesystem::path& proposed, unsigned titleId, unsigned flags, bool open,
        const std::vector<DocTemplate*>& templates, const std::filesystem::path& initialFolder = {});

    // Asks every modified document; false as soon as one says Cancel.
    bool SaveAllModified();
    void CloseAllDocuments();
    // Closes every document, each after its save question (whatever its frame's own Close does); false
    // when one is answered Cancel, which keeps it and the documents after it open.
    bool SaveAndCloseAllDocuments();

private:
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    MainFrame* main_frame_ = nullptr;
    RecentFileList recent_files_{4};
};

}  // namespace platform
