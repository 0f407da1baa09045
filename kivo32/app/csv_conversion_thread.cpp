// CCsvConversionThread: a CSV file made into a data file on a worker thread.
#include "kivo32/app/csv_conversion_thread.h"

#include "kivo32/app/app_ids.h"
#include "kivo32/app/file_name_questions.h"
#include "kivo32/app/worker_status.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/base_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/data_file_names.h"
#include "shared/datafile/message_sink.h"

CCsvConversionThread::CCsvConversionThread(std::filesystem::path csvPath, std::filesystem::path dataPath,
                                           std::shared_ptr<platform::MessageTarget> mainWindow)
    : main_window_(std::move(mainWindow)),
      worker_([this, csv = std::move(csvPath), data = std::move(dataPath)] { Run(csv, data); },
              IDS_CONVERSION_THREAD_FAILED) {}

void CCsvConversionThread::Run(const std::filesystem::path& csvPath, const std::filesystem::path& dataPath) {
    PostStatusText(*main_window_, LoadText(IDS_CONVERTING_CSV));
    // The conversion writes under a name of its own beside the target and names it only when complete.
    const bool converted = ConvertCSVToDataFile(csvPath, dataPath, MessageBoxSink());
    PostStatusText(*main_window_, LoadText(IDS_STATUS_READY));
    main_window_->PostMessage(platform::Message(WM_CONVERSION_RESULT, kConversionResultCode,
                                                converted ? platform::MakePayload(dataPath) : nullptr,
                                                converted ? 1 : 0));
}

bool OnConversionResult(const platform::Message& message, platform::MessageTarget& application) {
    if (message.id != WM_CONVERSION_RESULT) {
        return false;
    }
    if (message.wParam != kConversionResultCode) {
        return true;
    }
    const auto* path = platform::PayloadAs<std::filesystem::path>(message);
    if (message.lParam == 0 || path == nullptr) {
        ShowMessageBoxId(IDS_UNKNOWN_ERROR, MB_OK | MB_ICONEXCLAMATION, true);
    } else {
        application.PostMessage(platform::Message(WM_OPEN_DOWNLOADED_FILE, 0, platform::MakePayload(*path)));
    }
    return true;
}

namespace {

// The CSV file's name with ".kivo" in place of its extension (a "." in a folder name stays), numbered
// when a file of that name exists: that is most often the download the CSV file was written from.
std::filesystem::path ProposedDataFileName(const std::filesystem::path& csv) {
    const std::filesystem::path beside = std::filesystem::path(csv).replace_extension(".kivo");
    std::error_code error;
    if (!std::filesystem::exists(beside, error)) {
        return beside;
    }
    return MakeNumberedFileName(csv.parent_path(), csv.stem().string());
}

}  // namespace

std::optional<CsvConversionPaths> AskCsvConversionPaths(const std::filesystem::path& folder,
                                                        const IsFileOpen& isOpen) {
    const platform::FileFilter allFiles{LoadText(IDS_ALL_FILES_FILTER) + " (*.*)", {"*.*"}};
    platform::FileNameRequest open;
    open.open = true;
    open.initialFolder = folder;
    open.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    open.filters = {{LoadText(IDS_CSV_FILES_FILTER) + " (*.csv)", {"*.csv"}}, allFiles};
    std::optional<std::filesystem::path> csv = platform::CurrentUiBroker().PromptFileName(open);
    if (!csv || !ConfirmExtension(*csv, ".csv", IDS_NOT_A_CSV_NAME)) {
        return std::nullopt;
    }
    platform::FileNameRequest save;
    save.open = false;
    save.initialFolder = csv->parent_path();
    save.defaultExtension = "kivo";
    save.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    save.filters = {{LoadText(IDS_DATA_FILE_FILTER) + " (*.kivo)", {"*.kivo"}}, allFiles};
    for (;;) {
        save.fileName = ProposedDataFileName(*csv);
        std::optional<std::filesystem::path> data = platform::CurrentUiBroker().PromptFileName(save);
        if (!data || !ConfirmExtension(*data, ".kivo", IDS_NOT_A_DATA_FILE_NAME)) {
            return std::nullopt;
        }
        // A file open in one window is never overwritten from another.
        if (!isOpen(*data)) {
            return CsvConversionPaths{*csv, *data};
        }
        ShowMessageBox(
            platform::FormatLoadedText(IDS_CONVERSION_ONTO_OPEN_FILE, {platform::PathToWindows1252(*data)}),
            MB_OK | MB_ICONEXCLAMATION, true);
    }
}
