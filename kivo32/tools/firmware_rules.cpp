// The firmware update window's rules: file kinds, stepping stones, file versions and progress texts.
#include "kivo32/tools/firmware_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>

#include "kivo32/tools/firmware_ids.h"
#include "kivo32/update/version_check.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/text_helpers.h"

namespace {

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

std::string Plural(std::int64_t count) {
    return count == 1 ? "" : "s";
}

constexpr std::string_view kVersionLine = ";VERSION=";

}  // namespace

FirmwareFileKind FirmwareFileKindOf(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos) {
        return FirmwareFileKind::kNone;
    }
    const std::string extension = Lowered(path.substr(dot));
    if (extension == ".hex") {
        return FirmwareFileKind::kHex;
    }
    if (extension == ".exe") {
        return FirmwareFileKind::kExe;
    }
    if (extension == ".img") {
        return FirmwareFileKind::kImg;
    }
    return extension == ".mif" ? FirmwareFileKind::kMif : FirmwareFileKind::kNone;
}

bool IsModuleImage(FirmwareFileKind kind) {
    return kind == FirmwareFileKind::kImg || kind == FirmwareFileKind::kMif;
}

FirmwareTarget FirmwareTargetOf(FirmwareFileKind kind) {
    if (kind == FirmwareFileKind::kHex) {
        return FirmwareTarget::kLogger;
    }
    return IsModuleImage(kind) ? FirmwareTarget::kModule : FirmwareTarget::kNone;
}

std::int64_t FirmwareThousandths(std::string_view versionText) {
    return CVersionCheck::VersionThousandths(versionText);
}

std::int64_t SteppingStoneVersion(FirmwareTarget target) {
    return target == FirmwareTarget::kLogger ? kLoggerSteppingStone : kModuleSteppingStone;
}

std::string SteppingStoneVersionText(FirmwareTarget target) {
    return target == FirmwareTarget::kLogger ? "400.213" : "4.000";
}

bool NeedsSteppingStone(FirmwareFileKind kind, std::int64_t installedLogger, std::int64_t installedModule) {
    if (kind == FirmwareFileKind::kHex) {
        return installedLogger < kLoggerSteppingStone;
    }
    if (IsModuleImage(kind)) {
        return installedModule < kModuleSteppingStone;
    }
    return true;
}

std::filesystem::path FindSteppingStoneFile(const std::filesystem::path& folder, FirmwareTarget target) {
    const std::string name = target == FirmwareTarget::kLogger ? "NX400213.hex" : "WiFly3-400.img";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (Lowered(entry.path().filename().string()) == Lowered(name)) {
            return entry.path();
        }
    }
    return folder / name;
}

HexFileFinding CheckHexFile(const std::string& modelName, const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) {
        return {HexFileCheck::kUnreadable, {}};
    }
    const bool onlyStepModels = modelName == "Quarven RS" || modelName == "Quarven KX";
    std::string line;
    while (std::getline(file, line)) {
        if (!StartsWith(line, kVersionLine)) {
            continue;
        }
        std::string version = Trimmed(std::string_view(line).substr(kVersionLine.size()));
        if (onlyStepModels && !StartsWith(version, "NX400.")) {
            break;
        }
        return {HexFileCheck::kAccepted, std::move(version)};
    }
    return {HexFileCheck::kWrongVersion, {}};
}

std::optional<std::string> ModuleImageVersion(const std::string& pattern, const std::filesystem::path& path) {
    if (pattern.empty()) {
        return std::string();
    }
    const std::string name = Lowered(path.filename().string());
    const std::string lowered = Lowered(pattern);
    const std::size_t star = lowered.find('*');
    const std::string prefix = lowered.substr(0, star);
    const std::string suffix = star == std::string::npos ? std::string() : lowered.substr(star + 1);
    const bool fits = name.size() >= prefix.size() + suffix.size() && StartsWith(name, prefix) &&
                      name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (!fits) {
        return std::nullopt;
    }
    // The version check's parser takes the pattern's own spelling around the version.
    const std::string fileName = path.filename().string();
    const std::string spelled =
        pattern.substr(0, prefix.size()) +
        fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size()) +
        (star == std::string::npos ? std::string() : pattern.substr(star + 1));
    std::string version = CVersionCheck::GetVersionFromFileName(spelled, pattern);
    if (version.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    return version;
}

FirmwareFileFinding ValidateFirmwareFile(const std::filesystem::path& path, FirmwareTarget target,
                                         const std::string& modelName, const std::string& modulePattern) {
    FirmwareFileFinding finding;
    finding.versionText = LoadText(IDS_FW_UNKNOWN_VERSION);
    const FirmwareFileKind kind = FirmwareFileKindOf(path.string());
    if (FirmwareTargetOf(kind) != target || target == FirmwareTarget::kNone) {
        return finding;
    }
    if (kind == FirmwareFileKind::kHex) {
        HexFileFinding hex = CheckHexFile(modelName, path);
        finding.check = static_cast<FirmwareFileCheck>(hex.check);
        if (hex.check != HexFileCheck::kAccepted) {
            return finding;
        }
        finding.versionText = std::move(hex.version);
    } else {
        std::optional<std::string> version = ModuleImageVersion(modulePattern, path);
        if (!version) {
            finding.check = FirmwareFileCheck::kWrongVersion;
            return finding;
        }
        if (!version->empty()) {
            finding.versionText = std::move(*version);
        }
    }
    finding.check = FirmwareFileCheck::kValid;
    if (finding.versionText.find_first_of("0123456789") != std::string::npos) {
        finding.fileVersion = FirmwareThousandths(finding.versionText);
    }
    return finding;
}

bool FirmwareFileAcceptable(const FirmwareFileFinding& finding, FirmwareTarget target,
                            bool needsSteppingStone) {
    return finding.check == FirmwareFileCheck::kValid &&
           (!needsSteppingStone || finding.fileVersion == SteppingStoneVersion(target));
}

std::string FirmwareVersionNote(std::int64_t installed, std::int64_t fileVersion, bool needsSteppingStone,
                                FirmwareTarget target, const std::string& targetName) {
    if (installed == fileVersion) {
        return LoadText(IDS_FW_SAME_VERSION);
    }
    if (needsSteppingStone && fileVersion != SteppingStoneVersion(target)) {
        return platform::FormatLoadedText(IDS_FW_STEPPING_STONE,
                                          {targetName, SteppingStoneVersionText(target)});
    }
    return LoadText(IDS_FW_NEWER_VERSION);
}

std::string TimeLeftRemark(std::int64_t remaining) {
    const std::int64_t hours = remaining / 3600;
    const std::int64_t minutes = remaining / 60 % 60;
    const std::int64_t seconds = remaining % 60;
    const std::string about = LoadText(IDS_FW_ABOUT);
    const std::string left = LoadText(IDS_FW_REMAINING);
    const auto part = [](std::int64_t count, unsigned unit) {
        return std::to_string(count) + " " + LoadText(unit) + Plural(count);
    };
    if (hours > 0) {
        return " (" + part(hours, IDS_FW_HOURS) + ", " + part(minutes, IDS_FW_MINUTES) + ")";
    }
    if (minutes > 0) {
        return " (" + about + " " + part(minutes, IDS_FW_MINUTES) + ", " + part(seconds, IDS_FW_SECONDS) +
               " " + left + ")";
    }
    return " (" + about + " " + part(seconds, IDS_FW_SECONDS) + " " + left + ")";
}

std::string TransferProgressLine(std::uint64_t total, std::uint64_t done, std::int64_t elapsedSeconds) {
    const std::uint64_t percent = total == 0 ? 0 : done * 100 / total;
    std::string remark;
    // No estimate before a byte has moved: the rate would be nought.
    if (percent < 100 && elapsedSeconds > 10 && done > 0 && done < total) {
        const auto elapsed = static_cast<std::uint64_t>(elapsedSeconds);
        remark = TimeLeftRemark(static_cast<std::int64_t>((total - done) * elapsed / done));
    }
    return platform::FormatLoadedText(IDS_FW_TRANSFER_PROGRESS, {std::to_string(percent), remark});
}

std::string DescribeTransferResult(int result, FirmwareFileKind kind, const std::string& targetName) {
    if (result == 0) {
        return targetName + LoadText(kind == FirmwareFileKind::kHex ? IDS_FW_SENT : IDS_FW_IMAGE_SENT);
    }
    // The reasons of results 1 to 8, in order.
    constexpr std::array<unsigned, 8> kReasons = {
        IDS_FW_REASON_NO_ANSWER,   IDS_FW_REASON_FILE_REFUSED,    IDS_FW_REASON_LINK_LOST,
        IDS_FW_REASON_SEND_FAILED, IDS_FW_REASON_BLOCK_REFUSED,   IDS_FW_REASON_TOO_LONG,
        IDS_FW_REASON_CANCELLED,   IDS_FW_REASON_RESENT_TOO_OFTEN};
    const std::string reason = result >= 1 && result <= 8 ? LoadText(kReasons[result - 1]) : std::string();
    return targetName + platform::FormatLoadedText(IDS_FW_NOT_SENT, {reason});
}
