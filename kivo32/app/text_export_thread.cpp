// CTextExportThread: a data file written out as a CSV file on a worker thread.
#include "kivo32/app/text_export_thread.h"

#include <algorithm>
#include <ostream>
#include <system_error>
#include <vector>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/file_name_questions.h"
#include "kivo32/app/worker_status.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/error_texts.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/datafile/csv_export.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"

namespace {

constexpr std::size_t kLongPath = 50;

// What the data-file model has to say in a batch run: kept for the line that tells why it failed.
class CollectingSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// `text` on one line: its line breaks become blanks.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// The export with its header section; CCsvExport's result code. The CSV file never takes the place of
// the data file it is made from, whatever path or link names it.
int ExportDataFile(const std::filesystem::path& dataPath, const std::filesystem::path& csvPath,
                   CMessageSink& messages, const CRawData::ProgressSink& progress) {
    std::error_code ignored;
    if (std::filesystem::equivalent(dataPath, csvPath, ignored)) {
        messages.ShowMessage(
            platform::FormatLoadedText(IDS_EXPORT_ONTO_DATA_FILE, {platform::PathToWindows1252(csvPath)}));
        return CCsvExport::kCannotCreate;
    }
    CRawData data;
    data.SetMessageSink(messages);
    if (!data.Initialize() || !data.OpenDataFile(dataPath)) {
        return CCsvExport::kFileError;
    }
    return data.ExportCSV(csvPath, progress, true);
}

}  // namespace

CTextExportThread::CTextExportThread(std::filesystem::path dataPath, std::filesystem::path csvPath,
                                     std::shared_ptr<platform::MessageTarget> mainWindow)
    : main_window_(std::move(mainWindow)),
      worker_([this, data = std::move(dataPath), csv = std::move(csvPath)] { Run(data, csv); },
              IDS_EXPORT_THREAD_FAILED) {}

void CTextExportThread::Run(const std::filesystem::path& dataPath, const std::filesystem::path& csvPath) {
    const int result = ExportDataFile(dataPath, csvPath, MessageBoxSink(), [this](const std::string& text) {
        PostStatusText(*main_window_, text);
    });
    PostStatusText(*main_window_, LoadText(IDS_STATUS_READY));
    CMessageBoxTexts box;
    box.caption = LoadText(IDS_EXPORT_DONE_CAPTION);
    if (result == CCsvExport::kWritten) {
        box.prompt = platform::FormatLoadedText(IDS_EXPORT_DONE,
                                                {BreakLongPath(platform::PathToWindows1252(csvPath))});
        box.type = MB_OK | MB_ICONINFORMATION;
    } else {
        box.prompt = platform::FormatLoadedText(IDS_EXPORT_FAILED, {ExportStatusText(result)});
        box.type = MB_OK | MB_ICONEXCLAMATION;
    }
    // The box runs on the user-interface thread; this thread only waits for it.
    ShowMessageBox(box);
}

std::optional<std::filesystem::path> AskTextExportPath(const std::filesystem::path& dataPath) {
    platform::FileNameRequest request;
    request.open = false;
    request.fileName = std::filesystem::path(dataPath).replace_extension(".csv");
    request.defaultExtension = "csv";
    request.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    request.filters = {{LoadText(IDS_CSV_FILES_FILTER) + " (*.csv)", {"*.csv"}},
                       {LoadText(IDS_ALL_FILES_FILTER) + " (*.*)", {"*.*"}}};
    std::optional<std::filesystem::path> chosen = platform::CurrentUiBroker().PromptFileName(request);
    if (chosen && !ConfirmExtension(*chosen, ".csv", IDS_NOT_A_CSV_NAME)) {
        return std::nullopt;
    }
    return chosen;
}

int RunBatchExport(const std::filesystem::path& input, const std::filesystem::path& output,
                   std::ostream& errors) {
    CollectingSink sink;
    const int result = ExportDataFile(input, output, sink, {});
    if (result == CCsvExport::kWritten) {
        return 0;
    }
    // What the window would show, the boxes before the result box first.
    std::string line;
    for (const std::string& message : sink.messages) {
        line += message + " ";
    }
    line += platform::FormatLoadedText(IDS_EXPORT_FAILED, {ExportStatusText(result)});
    Trace("Batch export of " + platform::PathToWindows1252(input) + ": " + line);
    errors << platform::Windows1252ToUtf8(OneLine(line)) << std::endl;
    return 1;
}

std::string BreakLongPath(const std::string& path) {
    if (path.size() <= kLongPath) {
        return path;
    }
    const std::size_t slash = path.rfind('/', kLongPath);
    if (slash == std::string::npos) {
        return path;
    }
    return path.substr(0, slash + 1) + "...\n     " + path.substr(slash + 1);
}
