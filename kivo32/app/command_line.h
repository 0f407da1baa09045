// The switches of kivo32's command line and what each leaves for the links, downloads, menus and the
// batch export.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shared/common/app_context.h"

struct CommandLine {
    // "/u=", "/s=", "/t=", "/f=", "/l=", "/x=": what the links and downloads obey.
    CCommandLineValues link;
    // "NOPORTSEARCH": the serial-port search stays off.
    bool noPortSearch = false;
    // "/e=1": extended channel counting.
    bool extendedChannels = false;
    // "/fa=", "/fd=", "/fm=": version texts the version check takes instead of the program's own, the
    // logger's firmware and the Wi-Fi module's firmware.
    std::optional<std::string> programVersion;
    std::optional<std::string> loggerFirmwareVersion;
    std::optional<std::string> wifiFirmwareVersion;
    // "/a=": the device name of a direct connection started at once; empty for none.
    std::string autoConnectPort;
    // "/i=" and "/o=": the data file and the CSV file of a batch export; both set or both empty.
    std::filesystem::path exportInput;
    std::filesystem::path exportOutput;
    // 2 for the keyword "DUNTAFQ4", else 1 for "TOBRELN", else 0.
    int calibrationLevel = 0;
    // The other arguments: documents to open at start (data files, setup tables, logger lists, as a file
    // manager's "Open with" names them), each made absolute from the current folder.
    std::vector<std::filesystem::path> documents;

    // Both "/i=" and "/o=" were given: the program exports, hidden, and ends.
    bool IsBatchExport() const { return !exportInput.empty(); }
};

// The values of `arguments` (the program's arguments without its own name, in UTF-8 as the system gives
// them). A switch or keyword counts only at the start of an argument; an unknown switch ("/<letters>=..."
// or "-...") is ignored, any other argument names a document; a number without digits reads 0. The export names stay as typed (the file system's bytes), the other
// texts become the program's 8-bit texts. An export name without a folder is taken in `dataFolder`.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const std::filesystem::path& dataFolder);
