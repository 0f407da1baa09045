// The texts of the failing download results.
#include "kivo32/session/download_failure_text.h"

#include "kivo32/session/session_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/logger/download_result.h"

std::optional<DownloadFailureText> DownloadFailureTextFor(int result, bool newDataRead) {
    switch (result) {
        case kReadDataDone:
        case kReadDataKept:
        case kReadDataTryAgain:
            return std::nullopt;
        case kReadDataRecoveryCancelled:
            return DownloadFailureText{IDS_DOWNLOAD_NOT_KEPT, false};
        case kReadDataCancelled:
            return DownloadFailureText{IDS_DOWNLOAD_NOT_STARTED};
        case kReadDataNothingToRead:
            return DownloadFailureText{newDataRead ? IDS_NOTHING_NEW : IDS_LOGGER_HOLDS_NO_DATA};
        case kReadDataSetupBlocksFailed:
            return DownloadFailureText{IDS_DOWNLOAD_SETUP_BLOCKS_FAILED};
        case kReadDataSetupHeaderFailed:
            return DownloadFailureText{IDS_DOWNLOAD_SETUP_HEADER_FAILED};
        case kReadDataStatusFailed:
            return DownloadFailureText{IDS_DOWNLOAD_STATUS_FAILED};
        case kReadDataSizeUnknown:
            return DownloadFailureText{IDS_DOWNLOAD_SIZE_UNKNOWN};
        case kReadDataNoRecordSize:
            return DownloadFailureText{IDS_DOWNLOAD_NO_RECORD_SIZE};
        case kReadDataRawFileFailed:
            return DownloadFailureText{IDS_DOWNLOAD_RAW_FILE_FAILED};
        case kReadDataRawFileSetupFailed:
            return DownloadFailureText{IDS_DOWNLOAD_RAW_FILE_SETUP_FAILED};
        case kReadDataNothingReceived:
            return DownloadFailureText{IDS_DOWNLOAD_NOTHING_RECEIVED};
        case kReadDataAssemblyFailed:
            return DownloadFailureText{IDS_DOWNLOAD_ASSEMBLY_FAILED};
        default:
            return DownloadFailureText{IDS_DATA_READ_FAILED};
    }
}

std::string BrokenDownloadText(const DownloadOutcome& outcome) {
    if (!outcome.file) {
        return LoadText(IDS_DOWNLOAD_NOT_KEPT);
    }
    const BuiltDataFile& file = *outcome.file;
    std::string text =
        platform::FormatLoadedText(outcome.GaveUp() ? IDS_DOWNLOAD_STOPPED_KEPT : IDS_DOWNLOAD_BROKEN_KEPT,
                                   {std::to_string(file.recordsAdded), file.path.string()});
    if (file.previous) {
        text += ' ';
        text += platform::FormatLoadedText(IDS_DOWNLOAD_PREVIOUS_FILE, {file.previous->string()});
    }
    return text;
}
