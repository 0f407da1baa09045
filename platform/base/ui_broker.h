// How code asks the user: message boxes, file names and dialogs run on the user-interface thread.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/message_box_description.h"

namespace platform {

class RequestRef;

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

// The name under which the program's own message dialog runs through RunDialog.
inline constexpr std::string_view kOwnMessageBoxDialog = "CMsgBoxDlg";

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
    // A typed dialog request (dialog_request.h) with the answer the program registered for its type:
    // the answer runs through RunDialog under the request's name; without one the request is traced
    // and answered IDCANCEL.
    virtual int RunRequest(const RequestRef& request, const std::function<int()>& answer);

    // The program-wide box of ShowMessageBoxId and ShowMessageBox: the standard box through
    // MessageBox(), else the own message dialog through RunDialog(kOwnMessageBoxDialog, ...). Answers
    // IDOK, IDYES... for the standard box, IDC_MSGBOX_BUTTON1..3 (plus MSGBOX_CHECKED) for the own one.
    virtual int ShowById(const CMessageBoxIds& box);
    virtual int ShowText(const CMessageBoxTexts& box);

protected:
    // The own message dialog, run on the user-interface thread. A broker without one answers IDCANCEL,
    // so that no question is ever taken as agreed.
    virtual int RunOwnMessageBox(const CMessageBoxIds& box);
    virtual int RunOwnMessageBox(const CMessageBoxTexts& box);
};

// The trace line of a request the program shows no window for.
void TraceMissingWindow(std::string_view requestName);

// The broker of the program: the one installed last, else "no user interface", which shows nothing,
// writes each message-box prompt to the diagnostic trace and answers IDCANCEL, no file name and
// IDCANCEL for a dialog.
UiBroker& CurrentUiBroker();
// The caller keeps `broker` alive while it is installed; nullptr goes back to no user interface.
// Returns the broker installed before (nullptr for none), for the caller to put back.
UiBroker* InstallUiBroker(UiBroker* broker);
// The broker installed now; nullptr for none.
UiBroker* InstalledUiBroker();

}  // namespace platform
