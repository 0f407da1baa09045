// Marks a data file as the CSV import leaves it: no logger memory position to go on from.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "tests/support/whole_file.h"

namespace testsupport {

// Marks the data file at `path` as converted from CSV: its information record's ID text (tag 4, 42 bytes)
// becomes the converter's, and its logger memory position (tag 5) is forgotten.
inline void MarkConvertedFromCsv(const std::filesystem::path& path) {
    std::string bytes = ReadWholeFile(path);
    const std::string idEntry("\x04\x00\x2a\x00", 4);
    const std::size_t at = bytes.find(idEntry);
    ASSERT_NE(at, std::string::npos);
    std::string id(CDataInfo::kIdTextSize, '\0');
    id.replace(0, std::string(kConvertedMarker).size(), kConvertedMarker);
    bytes.replace(at + 4, id.size(), id);
    const std::size_t position = at + 4 + id.size();
    ASSERT_EQ(bytes.substr(position, 4), std::string("\x05\x00\x04\x00", 4));
    bytes.replace(position + 4, 4, std::string(4, '\0'));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    CRawData file;
    file.Initialize();
    ASSERT_TRUE(file.OpenDataFile(path));
    ASSERT_EQ(file.GetDataInfo()->GetIdText(), kConvertedMarker);
}

}  // namespace testsupport
