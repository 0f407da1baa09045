// The raw file of a download.
#include "shared/logger/raw_download_file.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/base/held_file.h"
#include "platform/base/tick_count.h"
#include "shared/datafile/raw_data.h"
#include "shared/logger/download_result.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "$$LogDat";
constexpr std::string_view kSuffix = ".tmp";
// Names tried after the tick count's own before the folder counts as unwritable.
constexpr int kNameAttempts = 1000;

bool IsRawDownloadName(std::string_view name) {
    if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view digits =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

RawDownloadFile::~RawDownloadFile() {
    Remove();
}

int RawDownloadFile::Create(const fs::path& target, const CDataInfo& info, const CSetupTable& setup) {
    Remove();
    const fs::path folder = target.parent_path();
    RemoveRawDownloadLeftovers(folder);
    CDataInfo head = info;
    CSetupTable table = setup;
    CRawData raw;
    if (!raw.Initialize(&head, &table)) {
        return kReadDataRawFileSetupFailed;
    }
    const std::uint32_t tick = platform::TickCount();
    for (std::uint32_t attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path path =
            folder / (std::string(kPrefix) + std::to_string(tick + attempt) + std::string(kSuffix));
        platform::UniqueFd fd = platform::CreateHeldFile(path);
        if (fd.Valid()) {
            file_ = platform::BinaryFile(std::move(fd), path);
            break;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    if (!file_.IsOpen()) {
        return kReadDataRawFileFailed;
    }
    try {
        if (raw.CreateDataFile(file_.Duplicate(), CFileHeader::kKindRawDownload) && raw.CloseDataFile()) {
            return 0;
        }
    } catch (const CPSTFileException&) {
    }
    Remove();
    return kReadDataRawFileFailed;
}

bool RawDownloadFile::Append(std::span<const std::uint8_t> bytes, CPSTFileException& error) {
    try {
        file_.Seek(0, platform::BinaryFile::Origin::End);
        file_.Write(bytes);
        return true;
    } catch (const CPSTFileException& failure) {
        error = failure;
        return false;
    }
}

platform::BinaryFile RawDownloadFile::Reader() const {
    platform::BinaryFile reader = file_.Duplicate();
    reader.Seek(0, platform::BinaryFile::Origin::Begin);
    return reader;
}

void RawDownloadFile::Remove() {
    if (file_.IsOpen()) {
        // Still locked while the name goes, so that no cleaner takes another download's file by mistake.
        std::error_code ignored;
        fs::remove(file_.Path(), ignored);
        file_ = platform::BinaryFile();
    }
}

int RemoveRawDownloadLeftovers(const fs::path& folder) {
    return platform::RemoveUnheldFiles(folder, IsRawDownloadName);
}
