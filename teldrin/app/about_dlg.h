// CAboutDlg of teldrin: the program's name and version, the maker's web address, the machine's total and
// available memory and the free space where the data go.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ui/dialog.h"

namespace teldrin {

class CAboutDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr const char* kMakerWebAddress = "https://www.tarv.example";
    // The texts' control ids: total memory, available memory, free space, name and version.
    enum : int {
        kTotalMemory = 1000,
        kAvailableMemory = 1001,
        kFreeSpace = 1002,
        kProgramVersion = 1003,
        kWebLink = 1031
    };

    // `dataFolder`: the folder whose free space is shown.
    explicit CAboutDlg(const std::filesystem::path& dataFolder, QWidget* parent = nullptr);

    // The free-space line: whole kilobytes of `freeBytes` on `folder`, or 8196 when it could not be read.
    static std::string FreeSpaceText(std::optional<std::uintmax_t> freeBytes,
                                     const std::filesystem::path& folder);
};

}  // namespace teldrin
