// How code asks the user: message boxes, file names and dialogs run on the user-interface thread.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One entry of a file dialog's type list.
struct FileFilter {
    std::string name;                   // "Setup Table Files (*.sut)"
    std::vector<std::string> patterns;  // "*.sut"
};

// A file dialog to open or save one file. Texts are Windows-1252.
struct FileNameRequest {
    bool open = true;
    std::string title;
    std::vector<FileFilter> filters;
    std::size_t selectedFilter = 0;
    std::filesystem::path initialFolder;
    std::filesystem::path fileName;  // proposed name
    std::string defaultExtension;    // without the dot, added to a name typed without one
    unsigned flags = 0;              // OFN_ flags
};

// Every call may come from any thread and returns once the user has answered. The program's broker runs
// the window on the user-interface thread; a worker thread waits meanwhile and keeps taking its own
// queue (see BrokerWorkerThread). Tests install a broker that answers from a script.
class UiBroker {
public:
    virtual ~UiBroker() = default;

    // The standard message box: `style` holds MB_ flags; returns IDOK, IDYES and the like. An empty
    // caption is the program's title.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> PromptFileName(const FileNameRequest& request) = 0;
    // Runs `dialog` (which shows a window and returns its result) on the user-interface thread. `name`
    // says which dialog it is, for a script to answer instead.
    virtual int RunDialog(std::string_view name, const std::function<int()>& dialog) = 0;
};

// The broker of the program: the one installed last, else one on Qt's user-interface thread.
UiBroker& CurrentUiBroker();
// The caller keeps `broker` alive while it is installed; nullptr goes back to Qt's.
void InstallUiBroker(UiBroker* broker);

}  // namespace platform
