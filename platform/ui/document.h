// The base of every document: its file, title and modified flag, its views, and new, open, save and close.
#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct CommandState;

class BinaryFile;
class ChildFrame;
class DocTemplate;
class View;

class Document {
public:
    // The UpdateAllViews hint after the document read its file anew (ReloadFile).
    static constexpr long kHintFileReloaded = 1;

    Document();
    virtual ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The file; empty for a document that was never saved.
    const std::filesystem::path& PathName() const { return path_; }
    // Takes the path and makes its file name the title; the path joins the recent-file list when asked.
    virtual void SetPathName(const std::filesystem::path& path, bool addToRecent = true);
    // The name shown in frames and prompts (Windows-1252).
    const std::string& Title() const { return title_; }
    virtual void SetTitle(const std::string& title);

    bool IsModified() const { return modified_; }
    virtual void SetModifiedFlag(bool modified = true);

    DocTemplate* Template() const { return template_; }
    const std::vector<View*>& Views() const { return views_; }
    // The frames of the views, each once, in the order of the views.
    std::vector<ChildFrame*> Frames() const;
    // With auto-delete on (the default) the document closes when its last view goes.
    void SetAutoDelete(bool autoDelete) { auto_delete_ = autoDelete; }
    bool AutoDelete() const { return auto_delete_; }
    // Tells every view but `sender` to show the document's new state.
    void UpdateAllViews(View* sender, long hint = 0);
    // Refreshes the titles of the document's frames ("title", or "title:n" with several frames).
    void UpdateFrameTitles();

    // The steps of the document's life; each result true on success.
    // A new, empty document: DeleteContents, no path, not modified.
    virtual bool OnNewDocument();
    // Opens `path` read-only, DeleteContents, then Serialize(loading); failures are reported to the user.
    virtual bool OnOpenDocument(const std::filesystem::path& path);
    // Serialize(storing) into a file beside `path` that replaces it once complete; clears the modified
    // flag. Failures are reported to the user, and the old file stays as it was.
    virtual bool OnSaveDocument(const std::filesystem::path& path);
    // Reads the document's file anew, after the program wrote to it, and tells every view
    // (kHintFileReloaded). A file that no longer opens closes the document; false then.
    bool ReloadFile();
    // Closes every frame of the document and destroys it: the last call made on a document.
    virtual void OnCloseDocument();
    // Frees what the document holds, before it is filled anew or destroyed.
    virtual void DeleteContents();
    // Reads or writes the document's file. The base does nothing.
    virtual void Serialize(BinaryFile& file, bool storing);

    // Before the document's last frame closes: asks "Save changes to %1?" when it is modified. True when
    // the document may close (No, or Yes and the save succeeded); false on Cancel or a failed save.
    virtual bool SaveModified();
    // True when `frame` may close: the other frames remain, or the document may close.
    virtual bool CanCloseFrame(ChildFrame* frame);

    // File Save: saves to the document's path, asking for one when it has none.
    bool DoFileSave();
    // Saves to `path`, or asks for a path when it is empty; with `replace` the document takes the path.
    bool DoSave(const std::filesystem::path& path, bool replace = true);

    // Commands routed to the document (File Save, File Save As, File Close); true when handled.
    virtual bool OnCommand(unsigned id);
    // The state of a command this document carries; true when it carries it (the base: File Save,
    // File Save As, File Close).
    virtual bool OnUpdateCommand(CommandState& state);

    // Shows the framework's report of a failed open or save: text `promptId`, then what went wrong
    // (which names the file), or the path when that is not known.
    static void ReportSaveLoadException(const std::filesystem::path& path, const std::exception* error,
                                        unsigned promptId);

private:
    friend class DocTemplate;
    friend class View;

    void AddView(View* view);
    void RemoveView(View* view);
    // The name used in prompts: the file's name, else the title, else the framework's untitled text.
    std::string PromptName() const;

    std::filesystem::path path_;
    std::string title_;
    bool modified_ = false;
    bool auto_delete_ = true;
    DocTemplate* template_ = nullptr;
    std::vector<View*> views_;
};

}  // namespace platform
