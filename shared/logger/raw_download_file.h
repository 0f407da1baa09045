// The raw file of a download: named after the moment, beside the data file it becomes, holding a
// data-file head (header, information record, setup table) before the logger's raw records. It is this
// download's alone from its creation to its removal: created only under a name no file had, and held
// open and locked throughout, so that downloads into one folder never share one and the files of killed
// downloads can be told apart and removed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "shared/datafile/data_info.h"

class CSetupTable;

class RawDownloadFile {
public:
    RawDownloadFile() = default;
    // A file still held is removed.
    ~RawDownloadFile();
    RawDownloadFile(const RawDownloadFile&) = delete;
    RawDownloadFile& operator=(const RawDownloadFile&) = delete;

    // Removes the raw files that killed downloads left in the folder of `target`, then creates
    // "$$LogDat<tick count>.tmp" there (a later count when the name is taken) with its head: 0 success,
    // kReadDataRawFileSetupFailed when the head could not be set up, kReadDataRawFileFailed when the file
    // could not be made or written.
    int Create(const std::filesystem::path& target, const CDataInfo& info, const CSetupTable& setup);

    // Appends `bytes` at the end of the file; false with `error` filled when the write failed.
    bool Append(std::span<const std::uint8_t> bytes, CPSTFileException& error);
    // The file for reading from its start (the assembly into the data file); throws CPSTFileException.
    platform::BinaryFile Reader() const;
    // Removes the file: the download is done with it.
    void Remove();

    bool IsHeld() const { return file_.IsOpen(); }
    const std::filesystem::path& Path() const { return file_.Path(); }

private:
    // The held descriptor: its lock marks the file as this running download's.
    platform::BinaryFile file_;
};

// Removes the raw download files in `folder` that no running download holds. Returns how many went.
int RemoveRawDownloadLeftovers(const std::filesystem::path& folder);
