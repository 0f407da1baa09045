// The records of a data file a download wrote, for the tests that compare them with the simulator's.
#pragma once

#include <filesystem>

#include "shared/datafile/raw_data.h"

namespace testsupport {

// -1 when the file does not open.
inline int RecordsIn(const std::filesystem::path& path) {
    CRawData file;
    file.Initialize();
    if (!file.OpenDataFile(path)) {
        return -1;
    }
    const int count = file.GetRecordCount();
    file.CloseDataFile();
    return count;
}

}  // namespace testsupport
