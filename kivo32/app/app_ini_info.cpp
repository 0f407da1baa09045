// The settings file "KIVOAppInfo.ini": its keys in file order, reading line by line, writing anew.
#include "kivo32/app/app_ini_info.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <system_error>

#include "kivo32/app/app_ids.h"
#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/number_text.h"
#include "platform/base/string_format.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/common/user_data_folder.h"

namespace {

constexpr const char* kHeader = "# KIVO Initialization Information -";
constexpr const char* kDefaultLineFreq = "60";
constexpr std::string_view kNetAddress = "NetAddress";
constexpr std::string_view kComPortItem = "COMPortItem";

using A = CAppIniInfo;

// A key of the file: reads its value (false when the value is unreadable) and writes it.
struct IniKey {
    std::string_view key;
    std::function<bool(A&, std::string_view)> read;
    std::function<std::string(const A&)> write;
};

IniKey TextKey(std::string_view key, std::string A::*member) {
    return {key,
            [member](A& a, std::string_view value) {
                a.*member = value;
                return true;
            },
            [member](const A& a) { return a.*member; }};
}

IniKey IntKey(std::string_view key, int A::*member) {
    return {key, [member](A& a, std::string_view value) { return ParseInt(value, a.*member); },
            [member](const A& a) { return std::to_string(a.*member); }};
}

// Written with six decimals as "%f" writes them, whatever the program's locale; read back whole.
IniKey AxisKey(std::string_view key, double A::*member) {
    return {key, [member](A& a, std::string_view value) { return ParseDouble(value, a.*member); },
            [member](const A& a) {
                std::array<char, 400> text{};
                const auto result = std::to_chars(text.data(), text.data() + text.size(), a.*member,
                                                  std::chars_format::fixed, 6);
                return std::string(text.data(), result.ptr);
            }};
}

bool ReadHexFlags(std::string_view value, std::uint32_t& flags) {
    value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
    std::uint32_t parsed = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed, 16);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
        return false;
    }
    flags = parsed;
    return true;
}

// In the order of the file.
const std::vector<IniKey>& IniKeys() {
    static const std::vector<IniKey> keys{
        TextKey("ManualDialPhoneNumber", &A::manualDialPhoneNumber),
        {"CreateAsciiFileOnDownload",
         [](A& a, std::string_view value) {
             a.createAsciiFileOnDownload = value == "Yes";
             return true;
         },
         [](const A& a) { return std::string(a.createAsciiFileOnDownload ? "Yes" : "No"); }},
        TextKey("NetworkConnectAddress", &A::networkConnectAddress),
        TextKey("NetworkPortNumber", &A::networkPortNumber),
        TextKey("PreviousLoggerListName", &A::previousLoggerListName),
        {"DefaultSUTLineFreq",
         [](A& a, std::string_view value) {
             a.defaultSUTLineFreq = value.empty() ? kDefaultLineFreq : value;
             return true;
         },
         [](const A& a) { return a.defaultSUTLineFreq; }},
        IntKey("AutoRangeEnabled", &A::autoRangeEnabled),
        AxisKey("MinimumRTGraphYAxisVal", &A::minimumRTGraphYAxisVal),
        AxisKey("MaximumRTGraphYAxisVal", &A::maximumRTGraphYAxisVal),
        AxisKey("MinimumRTGraphXAxisVal", &A::minimumRTGraphXAxisVal),
        AxisKey("MaximumRTGraphXAxisVal", &A::maximumRTGraphXAxisVal),
        TextKey("PEGraphicsExportType", &A::peGraphicsExportType),
        TextKey("PEGraphicsExportSize", &A::peGraphicsExportSize),
        TextKey("PEGraphicsExportDest", &A::peGraphicsExportDest),
        TextKey("PEGraphicsExportWidth", &A::peGraphicsExportWidth),
        TextKey("PEGraphicsExportHeight", &A::peGraphicsExportHeight),
        IntKey("ShowLegacyFeatures", &A::showLegacyFeatures),
        {"HiddenDialogFlags",
         [](A& a, std::string_view value) { return ReadHexFlags(value, a.hiddenDialogFlags); },
         [](const A& a) { return platform::StringPrintf("%04X", a.hiddenDialogFlags); }},
    };
    return keys;
}

// "<prefix><index>: <text>" with an index of the file's lists: the text, its leading blanks dropped,
// goes to that entry, the list growing as needed. False when the index is not one of them.
bool ReadListLine(std::string_view line, std::string_view prefix, std::vector<std::string>& list) {
    line.remove_prefix(prefix.size());
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), index);
    if (error != std::errc() || end == line.data() + line.size() || *end != ':' ||
        index >= CAppIniInfo::kListLength) {
        return false;
    }
    std::string_view text = line.substr(end - line.data() + 1);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (list.size() <= index) {
        list.resize(index + 1);
    }
    list[index] = text;
    return true;
}

void AppendList(std::string& text, std::string_view prefix, const std::vector<std::string>& list) {
    for (std::size_t i = 0; i < std::min(list.size(), CAppIniInfo::kListLength); ++i) {
        text.append(prefix).append(std::to_string(i)).append(": ").append(list[i]).append("\n");
    }
}

std::string PathText(const std::filesystem::path& path) {
    return platform::Utf8ToWindows1252(path.string());
}

}  // namespace

CAppIniInfo::CAppIniInfo() {
    SetDefaults();
}

CAppIniInfo::~CAppIniInfo() = default;

void CAppIniInfo::SetDefaults() {
    hiddenDialogFlags = 0;
    manualDialPhoneNumber.clear();
    createAsciiFileOnDownload = false;
    networkConnectAddress.clear();
    networkPortNumber.clear();
    previousLoggerListName.clear();
    defaultSUTLineFreq = kDefaultLineFreq;
    autoRangeEnabled = 1;
    minimumRTGraphYAxisVal = 0;
    maximumRTGraphYAxisVal = 0;
    minimumRTGraphXAxisVal = 0.0;
    maximumRTGraphXAxisVal = 60.0;
    peGraphicsExportType = "2";
    peGraphicsExportSize = "3";
    peGraphicsExportDest = "0";
    peGraphicsExportWidth = "1000";
    peGraphicsExportHeight = "462";
    showLegacyFeatures = 0;
    recentNetAddresses.clear();
}

bool CAppIniInfo::LoadAppIniInfo() {
    SetDefaults();
    m_strAppIniFileName = UserDataFolder() / kFileName;
    std::vector<std::string> comPortItems;
    std::string unreadLines;

    std::error_code error;
    if (std::filesystem::exists(m_strAppIniFileName, error)) {
        std::string text;
        try {
            platform::BinaryFile file(m_strAppIniFileName, platform::BinaryFile::Mode::Read);
            text.resize(file.Length());
            file.ReadExact(text.data(), text.size());
        } catch (const CPSTFileException&) {
            GetAppContext().SetKnownPorts({});
            ShowMessageBox(
                platform::FormatLoadedText(IDS_APP_INFO_NOT_OPENED, {PathText(m_strAppIniFileName)}),
                MB_OK | MB_ICONEXCLAMATION, true);
            return false;
        }
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end != std::string_view::npos ? end + 1 : rest.size());
            // CR LF line ends read as well.
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            // A last line without its end (a file edited by hand) is read like the others.
            if (!ReadLine(line, comPortItems)) {
                unreadLines.append(line).append("\n");
            }
        }
    }
    GetAppContext().SetKnownPorts(std::move(comPortItems));
    if (!unreadLines.empty()) {
        ShowMessageBox(platform::FormatLoadedText(IDS_APP_INFO_LINES_NOT_READ,
                                                  {PathText(m_strAppIniFileName), unreadLines}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return true;
}

bool CAppIniInfo::ReadLine(std::string_view line, std::vector<std::string>& comPortItems) {
    if (line.starts_with('#')) {
        return true;
    }
    // A key counts only at the start of its line, so that a value holding another key's text stays a
    // value.
    for (const IniKey& key : IniKeys()) {
        if (line.starts_with(key.key) && line.substr(key.key.size()).starts_with(": ")) {
            return key.read(*this, line.substr(key.key.size() + 2));
        }
    }
    if (line.starts_with(kNetAddress)) {
        return ReadListLine(line, kNetAddress, recentNetAddresses);
    }
    if (line.starts_with(kComPortItem)) {
        return ReadListLine(line, kComPortItem, comPortItems);
    }
    // Lines of no key of ours are left alone.
    return true;
}

std::string CAppIniInfo::FileText() const {
    std::string text(kHeader);
    text += '\n';
    for (const IniKey& key : IniKeys()) {
        text.append(key.key).append(": ").append(key.write(*this)).append("\n");
    }
    AppendList(text, kNetAddress, recentNetAddresses);
    AppendList(text, kComPortItem, GetAppContext().GetKnownPorts());
    return text;
}

bool CAppIniInfo::SaveAppIniInfo() const {
    if (m_strAppIniFileName.empty()) {
        ShowMessageBox("SaveAppIniInfo() Error: m_strAppIniFileName.GetLength() == 0", MB_OK, true);
        return false;
    }
    try {
        platform::TempFileBeside temporary(m_strAppIniFileName);
        const std::string text = FileText();
        platform::BinaryFile file(temporary.Path(), platform::BinaryFile::Mode::Create);
        file.Write(text.data(), text.size());
        file.Flush(true);
        file.Close();
        temporary.ReplaceTarget();
    } catch (const CPSTFileException&) {
        ShowMessageBox(platform::FormatLoadedText(IDS_APP_INFO_NOT_WRITTEN, {PathText(m_strAppIniFileName)}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return true;
}

void CAppIniInfo::AddRecentNetAddress(std::string_view address, std::string_view port) {
    std::string entry = std::string(address) + ":" + std::string(port);
    if (!recentNetAddresses.empty() && recentNetAddresses.front() == entry) {
        return;
    }
    std::erase(recentNetAddresses, entry);
    recentNetAddresses.insert(recentNetAddresses.begin(), std::move(entry));
    if (recentNetAddresses.size() > kListLength) {
        recentNetAddresses.resize(kListLength);
    }
}
