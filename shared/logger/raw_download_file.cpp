// The raw file of a download.
#include "shared/logger/raw_download_file.h"

#include <string>

#include "platform/base/tick_count.h"
#include "shared/datafile/raw_data.h"
#include "shared/logger/download_result.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

std::filesystem::path RawDownloadPathBeside(const std::filesystem::path& target) {
    return target.parent_path() / ("$$LogDat" + std::to_string(platform::TickCount()) + ".tmp");
}

int CreateRawDownloadFile(const std::filesystem::path& path, const CDataInfo& info,
                          const CSetupTable& setup) {
    CDataInfo head = info;
    CSetupTable table = setup;
    CRawData raw;
    if (!raw.Initialize(&head, &table)) {
        return kReadDataRawFileSetupFailed;
    }
    if (!raw.CreateDataFile(path, CFileHeader::kKindRawDownload) || !raw.CloseDataFile()) {
        return kReadDataRawFileFailed;
    }
    return 0;
}
