// CVersionCheck: the firmware files of the firmware folder, their patterns and the versions in their names.
#include <algorithm>
#include <array>
#include <system_error>

#include "kivo32/update/version_check.h"
#include "shared/common/text_helpers.h"

namespace {

// The patterns of the models the page gives none for.
struct BuiltInPattern {
    const char* model;
    const char* pattern;
};
constexpr std::array<BuiltInPattern, 5> kBuiltInPatterns{{
    {"Quarven KX / RS", "NX*.hex"},
    {"Quarven RS", "NX*.hex"},
    {"Quarven KX", "NX*.hex"},
    {"WiFly1", "WiFly*.img"},
    {"WiFly2", "WiFly*.mif"},
}};

// `name` matches `pattern` of one "*".
bool Matches(const std::string& name, const std::string& pattern) {
    const std::size_t star = pattern.find('*');
    if (star == std::string::npos) {
        return name == pattern;
    }
    const std::string prefix = pattern.substr(0, star);
    const std::string suffix = pattern.substr(star + 1);
    return name.size() >= prefix.size() + suffix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string CVersionCheck::GetDeviceFWTemplate(const std::string& model) const {
    for (std::size_t row = 0; row + kDeviceColumns.size() <= device_cells_.size();
         row += kDeviceColumns.size()) {
        // A row without a pattern leaves the built-in one.
        if (device_cells_[row] == model && !device_cells_[row + 6].empty()) {
            return device_cells_[row + 6];
        }
    }
    for (const BuiltInPattern& builtIn : kBuiltInPatterns) {
        if (model == builtIn.model) {
            return builtIn.pattern;
        }
    }
    return {};
}

std::string CVersionCheck::GetVersionFromFileName(const std::string& name, const std::string& pattern) {
    const bool hex = name.find(".hex") != std::string::npos;
    std::string text =
        name.substr(name.find_last_of("/\\") == std::string::npos ? 0 : name.find_last_of("/\\") + 1);
    const std::size_t star = pattern.find('*');
    const std::string prefix = pattern.substr(0, star);
    const std::string suffix = star == std::string::npos ? std::string() : pattern.substr(star + 1);
    text.erase(0, std::min(prefix.size(), text.size()));
    ReplaceAll(text, suffix, "");
    std::replace(text.begin(), text.end(), '_', '.');
    std::replace(text.begin(), text.end(), '-', '.');
    if (!hex) {
        // Module images carry their version after the generation: "WiFly3-441.img" is 4.41.
        ReplaceAll(text, "3.4", "4.");
        return text;
    }
    // A logger's firmware: the digits in thousandths, padded to six ("NX4003.hex" is 400.300).
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return text;
    }
    if (text.size() < 6) {
        text.append(6 - text.size(), '0');
    }
    return text.insert(text.size() - 3, ".");
}

std::filesystem::path CVersionCheck::FindLatestFile(const std::string& model, std::int64_t& thousandths) {
    thousandths = 0;
    const std::string pattern = GetDeviceFWTemplate(model);
    const std::filesystem::path root = folder_();
    if (pattern.empty() || root.empty()) {
        return {};
    }
    const std::filesystem::path folder = root / "Firmware";
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        const std::string name = entry->path().filename().string();
        if (!entry->is_directory(typeError) && Matches(name, pattern)) {
            names.push_back(name);
        }
    }
    // The file system's order is no order: of equal versions the first by name is kept.
    std::sort(names.begin(), names.end());
    std::filesystem::path latest;
    for (const std::string& name : names) {
        const std::int64_t version = VersionThousandths(GetVersionFromFileName(name, pattern));
        if (version > thousandths) {
            thousandths = version;
            latest = folder / name;
        }
    }
    VCTrace("VC: FindLatestFile(): sModel=" + model + " strLastFile=" + latest.string());
    return latest;
}
