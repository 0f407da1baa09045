// CTextExportThread: a data file written out as a CSV file on a worker thread of its own; the questions
// before it, asked on the user-interface thread; and the same export run unattended for a batch run.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "kivo32/app/file_worker_thread.h"
#include "platform/base/message_target.h"

class CTextExportThread {
public:
    // Starts writing the data file at `dataPath` as the CSV file `csvPath`; progress goes to the status
    // line of `mainWindow`, and the result is told in the program-wide box. When the thread cannot be made
    // the user is told and nothing else happens. The object waits for the export when it goes.
    CTextExportThread(std::filesystem::path dataPath, std::filesystem::path csvPath,
                      std::shared_ptr<platform::MessageTarget> mainWindow);

    bool Finished() const { return worker_.Finished(); }

private:
    void Run(const std::filesystem::path& dataPath, const std::filesystem::path& csvPath);

    std::shared_ptr<platform::MessageTarget> main_window_;
    // Last: the thread ends before the members it uses go.
    CFileWorkerThread worker_;
};

// On the user-interface thread, before the export starts: the save dialog proposes the data file's name
// with the extension ".csv"; a name with another extension must be confirmed (9352). nullopt when the
// user cancelled or did not confirm.
std::optional<std::filesystem::path> AskTextExportPath(const std::filesystem::path& dataPath);

// The export of a batch run: no window, no question. A failure writes what the window would have shown
// to `errors`, in one line. The exit code of the program: 0 when the CSV file was written, 1 otherwise.
int RunBatchExport(const std::filesystem::path& input, const std::filesystem::path& output,
                   std::ostream& errors);

// The path as the result box shows it: one longer than 50 characters is broken after its last "/"
// within the first 51.
std::string BreakLongPath(const std::string& path);
