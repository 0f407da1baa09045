// DownloadRequest: what the main window hands a download command after its file dialog.
#pragma once

#include <filesystem>

struct DownloadRequest {
    // The data file the download writes (or, for new data, extends).
    std::filesystem::path path;
    // The user asked for the CSV form of the file as well.
    bool writeCsv = false;
};
