#include "shared/loggerlist/logger_list_io.h"

#include <cstdint>
#include <vector>

#include "platform/base/binary_file.h"
#include "platform/base/dialog_request.h"
#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/windows1252.h"
#include "shared/loggerlist/logger_list_file.h"
#include "shared/loggerlist/logger_list_lock.h"
#include "shared/loggerlist/loggerlist_ids.h"

namespace {

// No list is this long: 65535 entries of the largest record with their tags.
constexpr std::uintmax_t kLargestList = 64u * 1024 * 1024;

int Tell(unsigned messageId, const std::filesystem::path& path, std::string detail = {}) {
    LoggerListMessageRequest request{messageId, platform::PathToWindows1252(path), std::move(detail)};
    return platform::RunDialogRequest(request);
}

}  // namespace

LoggerListOpened OpenLoggerList(const std::filesystem::path& path, CLoggerList& list,
                                std::string_view comPort) {
    std::vector<std::uint8_t> bytes;
    try {
        platform::BinaryFile file(path, platform::BinaryFile::Mode::Read);
        const std::uint64_t size = file.Seek(0, platform::BinaryFile::Origin::End);
        if (size > kLargestList) {
            Tell(IDS_LIST_DAMAGED, path);
            return {};
        }
        file.Seek(0, platform::BinaryFile::Origin::Begin);
        bytes.resize(static_cast<std::size_t>(size));
        bytes.resize(file.Read(bytes));
    } catch (const CPSTFileException& error) {
        Tell(IDS_LIST_FILE_ERROR, path, error.MessageText());
        return {};
    }

    LoggerListContent content;
    switch (ReadLoggerList(bytes, list.Defaults(), content)) {
        case LoggerListRead::kNotAList:
            Tell(IDS_LIST_NOT_A_LIST, path);
            return {};
        case LoggerListRead::kDamaged:
            Tell(IDS_LIST_DAMAGED, path);
            return {};
        case LoggerListRead::kOk:
            break;
    }
    CLoggerList opened(list.Defaults());
    opened.Assign(content.header, std::move(content.entries));
    const std::int16_t version = opened.Header().GetVersion();
    if (version < kLoggerListFirstTypedVersion) {
        if (Tell(IDS_LIST_CONVERT_OLD, path) != IDYES) {
            return {};
        }
        opened.ConvertOldList(comPort);
    }
    if (version < kLoggerListVersion) {
        opened.Header().SetVersion(kLoggerListVersion);
        opened.SetModified();
    }
    LoggerListOpened result{true, false};
    if (!LockLoggerListForWriting(path).granted) {
        Tell(IDS_LIST_READ_ONLY, path);
        result.readOnly = true;
    }
    list = std::move(opened);
    return result;
}

bool SaveLoggerList(const std::filesystem::path& path, CLoggerList& list) {
    const LoggerListWriteLock lock = LockLoggerListForWriting(path);
    if (!lock.granted) {
        Tell(IDS_LIST_READ_ONLY, path);
        return false;
    }
    try {
        platform::TempFileBeside temp(path);
        platform::BinaryFile output(temp.Path(), platform::BinaryFile::Mode::Create);
        output.Write(WriteLoggerList(list.Header(), list.Entries()));
        output.Flush(true);
        output.Close();
        temp.ReplaceTarget();
    } catch (const CPSTFileException& error) {
        Tell(IDS_LIST_FILE_ERROR, path, error.MessageText());
        return false;
    }
    list.SetModified(false);
    return true;
}
