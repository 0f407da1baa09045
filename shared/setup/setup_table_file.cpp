// The setup-table file (.sut): reading with its kind and version checks, and the safe save.
#include "shared/setup/setup_table_file.h"

#include "platform/base/binary_file.h"
#include "platform/base/string_format.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr const char* kNewerVersionMessage =
    "The file being read is from a newer version of KIVO and cannot be opened.";
constexpr long kFastQuarvenIntervalSeconds = 10;

void ShowMessage(const std::string& text) {
    ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, true);
}

// Text `id` with the path in its "%s".
void ShowPathMessage(unsigned id, const std::filesystem::path& path) {
    ShowMessage(platform::FormatLoadedText(id, {platform::PathToWindows1252(path)}));
}

}  // namespace

std::int16_t SetupFileVersionFor(const CSetupTable& table) {
    const bool fastQuarven =
        table.GetIntervalSeconds() == kFastQuarvenIntervalSeconds && UsesQuarvenLayout(table.GetModelCode());
    return fastQuarven ? kSetupFileVersionFastQuarven : kSetupFileVersion;
}

SetupFileResult ReadSetupTableFile(const std::filesystem::path& path, CFileHeader& header, CSetupTable& table,
                                   CPSTFileException& openError) {
    platform::BinaryFile file;
    if (!file.Open(path, platform::BinaryFile::Mode::Read, openError)) {
        return SetupFileResult::kOpenFailed;
    }
    CFileHeader readHeader;
    if (!readHeader.Read(file)) {
        ShowPathMessage(IDS_FILE_UNREADABLE, path);
        return SetupFileResult::kFailed;
    }
    if (readHeader.GetKind() != CFileHeader::kKindSetupTable) {
        ShowPathMessage(IDS_NOT_A_SETUP_FILE, path);
        return SetupFileResult::kFailed;
    }
    const int version = readHeader.GetVersion();
    if (version > kSetupFileVersionFastQuarven) {
        ShowMessage(kNewerVersionMessage);
        return SetupFileResult::kFailed;
    }
    // CSetupTable::Read changes the table only when its whole stream was there.
    if (!table.Read(file, version, version >= kSetupFileFirstVersionWithAlarms,
                    version >= kSetupFileFirstVersionWithExtended, false)) {
        ShowPathMessage(IDS_FILE_UNREADABLE, path);
        return SetupFileResult::kFailed;
    }
    header = readHeader;
    return SetupFileResult::kOk;
}

SetupFileResult WriteSetupTableFile(const std::filesystem::path& path, CFileHeader& header,
                                    const CSetupTable& table, CPSTFileException& openError) {
    platform::TempFileBeside temp;
    platform::BinaryFile file;
    try {
        temp = platform::TempFileBeside(path);
        file.Open(temp.Path(), platform::BinaryFile::Mode::Create);
    } catch (const CPSTFileException& error) {
        openError = error;
        return SetupFileResult::kOpenFailed;
    }
    CFileHeader written = header;
    written.SetVersion(SetupFileVersionFor(table));
    // The header and the table report their own file errors.
    bool ok = written.Write(file) && table.Write(file, true, true);
    if (ok) {
        try {
            file.Flush(true);
            file.Close();
            temp.ReplaceTarget();
        } catch (const CPSTFileException& error) {
            ShowMessage(error.MessageText());
            ok = false;
        }
    }
    if (!ok) {
        file = platform::BinaryFile();
        temp.Remove();
        ShowPathMessage(IDS_SETUP_FILE_NOT_SAVED, path);
        return SetupFileResult::kFailed;
    }
    header = written;
    return SetupFileResult::kOk;
}
