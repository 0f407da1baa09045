// A document template: which document, frame and view make one kind of window, and its open documents.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class ChildFrame;
class DocManager;
class Document;
class View;

class DocTemplate {
public:
    // The fields of the template's document strings, in their order in the text.
    enum DocStringIndex {
        windowTitle,
        docName,      // base of a new document's title ("Setup" gives "Setup1")
        fileNewName,  // the name in the list of document kinds
        filterName,   // the file dialog's type entry, "Setup Table File (*.sut)"
        filterExt,    // ".sut"; several as ".kivo;.dat"
        regFileTypeId,
        regFileTypeName,
    };

    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    using FrameFactory = std::function<ChildFrame*()>;
    using ViewFactory = std::function<View*()>;

    // The document strings are text `id` of the program's texts: the fields above separated by "\n".
    DocTemplate(unsigned id, DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView);
    virtual ~DocTemplate();
    DocTemplate(const DocTemplate&) = delete;
    DocTemplate& operator=(const DocTemplate&) = delete;

    unsigned Id() const { return id_; }
    // The field, empty when the text lacks it.
    std::string GetDocString(DocStringIndex index) const;
    // The first extension of filterExt, with its dot; empty when there is none.
    std::string DefaultExtension() const;
    // The extensions of filterExt, each with its dot.
    std::vector<std::string> Extensions() const;

    // The folder where the template's file dialogs open.
    const std::filesystem::path& InitialFolder() const { return initial_folder_; }
    void SetInitialFolder(const std::filesystem::path& folder) { initial_folder_ = folder; }

    DocManager* Manager() const { return manager_; }
    std::vector<Document*> Documents() const;

    // Opens `path` as a new document in a new frame, or makes a new empty document when `path` is
    // empty. nullptr when the document refused (it has told the user why).
    virtual Document* OpenDocumentFile(const std::filesystem::path& path, bool makeVisible = true);
    // A new document of this template, owned by it, with no frame yet.
    Document* CreateNewDocument();
    // A new frame with a new view of `document`, inside the main frame.
    ChildFrame* CreateNewFrame(Document* document);
    // The view's first update, the frame's title, and the frame shown and activated when asked; the last
    // two not when the frame or the document closed during the first update.
    void InitialUpdateFrame(ChildFrame* frame, Document* document, bool makeVisible = true);
    // Destroys a document of this template (its frames must be gone).
    void RemoveDocument(Document* document);

    // How well the template fits `path`: the document already open on it (`match` then points to it),
    // a file of its extensions, or any file.
    enum class Match { Maybe, Extension, AlreadyOpen };
    Match MatchDocType(const std::filesystem::path& path, Document*& match) const;

    bool SaveAllModified();
    void CloseAllDocuments();

private:
    friend class DocManager;

    unsigned id_;
    std::vector<std::string> doc_strings_;
    DocumentFactory make_document_;
    FrameFactory make_frame_;
    ViewFactory make_view_;
    std::filesystem::path initial_folder_;
    DocManager* manager_ = nullptr;
    std::vector<std::unique_ptr<Document>> documents_;
    int untitled_count_ = 0;
};

// The same file, however the two paths are written.
bool SamePath(const std::filesystem::path& first, const std::filesystem::path& second);

}  // namespace platform
