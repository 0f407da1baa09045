// The decisions of the firmware update window without its widgets: what kind of file was chosen and
// what it updates, whether the logger must first pass through a stepping-stone version, what a firmware
// file and a module image say of their version, and the texts that follow a transfer and the module's
// installation.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

enum class FirmwareFileKind { kNone = 0, kHex = 1, kExe = 2, kImg = 3, kMif = 4 };
enum class FirmwareTarget { kNone = 0, kLogger = 1, kModule = 2 };

// By the text after the path's last ".", ignoring case.
FirmwareFileKind FirmwareFileKindOf(std::string_view path);
// What a file of this kind updates: ".hex" the logger, an image the Wi-Fi module, anything else nothing.
FirmwareTarget FirmwareTargetOf(FirmwareFileKind kind);
bool IsModuleImage(FirmwareFileKind kind);

// Version texts in whole thousandths, read from the first digit ("NX400.213" is 400213, "4.004" 4004).
std::int64_t FirmwareThousandths(std::string_view versionText);

// The versions every older logger or module must be brought to before any newer one.
inline constexpr std::int64_t kLoggerSteppingStone = 400213;
inline constexpr std::int64_t kModuleSteppingStone = 4000;
std::int64_t SteppingStoneVersion(FirmwareTarget target);
std::string SteppingStoneVersionText(FirmwareTarget target);
// True while the installed version of the file kind's target lies below its stepping stone, and for a
// kind that updates nothing.
bool NeedsSteppingStone(FirmwareFileKind kind, std::int64_t installedLogger, std::int64_t installedModule);
// The stepping-stone file of `target` in `folder`, its name matched ignoring case; the file's usual name
// there when the folder holds no such file.
std::filesystem::path FindSteppingStoneFile(const std::filesystem::path& folder, FirmwareTarget target);

// What a logger firmware file says of itself.
enum class HexFileCheck { kAccepted = 0, kUnreadable = 1, kWrongVersion = 2 };
struct HexFileFinding {
    HexFileCheck check = HexFileCheck::kAccepted;
    std::string version;  // the text after ";VERSION=" when accepted
};
// Reads the file's lines up to its ";VERSION=" line. A file without one is refused like a wrong version;
// the models that take only the "NX400." line refuse every other.
HexFileFinding CheckHexFile(const std::string& modelName, const std::filesystem::path& path);

// A module image's version by the module's file-name pattern ("WiFly3-*.img"). With no pattern known
// every name is taken and the version is unknown (empty); with one, a name that does not fit it or
// yields no version gives nothing.
std::optional<std::string> ModuleImageVersion(const std::string& pattern, const std::filesystem::path& path);

// The result of checking a chosen file.
enum class FirmwareFileCheck { kValid = 0, kUnreadable = 1, kWrongVersion = 2, kWrongKind = 4 };
struct FirmwareFileFinding {
    FirmwareFileCheck check = FirmwareFileCheck::kWrongKind;
    std::string versionText;        // what the window shows as the file's version
    std::int64_t fileVersion = -1;  // thousandths; -1 unless valid with a known version
};
// `modulePattern` is the version check's file-name pattern of the image's module ("" when unknown).
FirmwareFileFinding ValidateFirmwareFile(const std::filesystem::path& path, FirmwareTarget target,
                                         const std::string& modelName, const std::string& modulePattern);
// OK takes a valid file unless a stepping stone is needed and the file is not that stone.
bool FirmwareFileAcceptable(const FirmwareFileFinding& finding, FirmwareTarget target,
                            bool needsSteppingStone);
// The note under the file: the same version, the stepping stone required, or a version that can go in.
std::string FirmwareVersionNote(std::int64_t installed, std::int64_t fileVersion, bool needsSteppingStone,
                                FirmwareTarget target, const std::string& targetName);

// The transfer line: percent sent and, once bytes have moved for more than 10 s, the time left.
std::string TransferProgressLine(std::uint64_t total, std::uint64_t done, std::int64_t elapsedSeconds);
// The time-left remark of the transfer line for `remaining` seconds (" (1 hour, 1 minute)").
std::string TimeLeftRemark(std::int64_t remaining);

// The line after a transfer: the target's name and what became of the file; `result` is the logger's
// transfer result (0 sent, 1-8 the reasons it was not).
std::string DescribeTransferResult(int result, FirmwareFileKind kind, const std::string& targetName);
