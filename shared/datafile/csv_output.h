// CsvOutput: a CSV file written through a buffer under a temporary name, which takes its own name only
// when it is complete.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/base/binary_file.h"
#include "platform/base/temp_file_beside.h"

class CsvOutput {
public:
    CsvOutput() = default;
    // Discards a file that was not committed.
    ~CsvOutput();
    CsvOutput(const CsvOutput&) = delete;
    CsvOutput& operator=(const CsvOutput&) = delete;

    // Creates the temporary file beside `path`; throws CPSTFileException.
    void Create(const std::filesystem::path& path);
    // The text waiting to be written; append to it, then call WriteIfFull.
    std::string& Text() { return text_; }
    // Writes the waiting text once enough of it has gathered; throws CPSTFileException.
    void WriteIfFull();
    // Writes the waiting text, then `more` as it is, without copying it first; throws CPSTFileException.
    void WriteAfter(std::string_view more);
    // Writes the rest, puts the file on disk and gives it its name; throws CPSTFileException.
    void Commit();
    // Removes the temporary file.
    void Discard();

private:
    void Write();

    platform::TempFileBeside temp_;
    platform::BinaryFile file_;
    std::string text_;
};
