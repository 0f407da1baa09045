// CCsvConversionThread: a CSV file made into a data file on a worker thread of its own, which reports
// to the main window by posted messages only; and the main window's part of its result.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "kivo32/app/file_worker_thread.h"
#include "platform/base/message.h"
#include "platform/base/message_target.h"
#include "platform/base/window_messages.h"

// The conversion's result to the main window: wParam kConversionResultCode, lParam 1 with the new data
// file's std::filesystem::path as payload, or 0 after a failure.
inline constexpr unsigned WM_CONVERSION_RESULT = WM_APP + 0xEB;
inline constexpr unsigned kConversionResultCode = 0x80EB;

// The two files of a conversion the user chose.
struct CsvConversionPaths {
    std::filesystem::path csv;
    std::filesystem::path data;
};

// Whether a file is open in a window of the program.
using IsFileOpen = std::function<bool(const std::filesystem::path&)>;

// Asks for the CSV file (a name not ending in ".csv" only after a Yes to 9352), then for the data file,
// proposed as the CSV file's name with ".kivo" in place of its extension, or numbered ("-01.kivo" and
// on) when a file of that name exists (a name not ending in ".kivo" only after a Yes to 59518). A data
// file open in a window is refused (the user told) and the name asked again. Both dialogs start in
// `folder`. nullopt when the user stopped.
std::optional<CsvConversionPaths> AskCsvConversionPaths(const std::filesystem::path& folder,
                                                        const IsFileOpen& isOpen);

class CCsvConversionThread {
public:
    // Starts converting the CSV file at `csvPath` into a new data file at `dataPath`; status texts and
    // the result go to `mainWindow`. When the thread cannot be made the user is told and nothing else
    // happens. The object waits for the conversion when it goes.
    CCsvConversionThread(std::filesystem::path csvPath, std::filesystem::path dataPath,
                         std::shared_ptr<platform::MessageTarget> mainWindow);
    bool Finished() const { return worker_.Finished(); }

private:
    void Run(const std::filesystem::path& csvPath, const std::filesystem::path& dataPath);

    std::shared_ptr<platform::MessageTarget> main_window_;
    // Last: the thread ends before the members it uses go.
    CFileWorkerThread worker_;
};

// The main window's handling of WM_CONVERSION_RESULT: a failure shows message 59546, a new data file goes
// to the application to be opened (WM_APP+0xD3 with its path). False for any other message.
bool OnConversionResult(const platform::Message& message, platform::MessageTarget& application);
