// CVersionCheck: the schedule of the fetches, the page address, and the program and device checks.
#include "kivo32/update/version_check.h"

#include <charconv>
#include <cstdio>

#include "kivo32/update/network_state.h"
#include "kivo32/update/update_ids.h"
#include "kivo32/update/version_page_fetcher.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/common/calendar.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"

namespace {

constexpr std::time_t kSecondsPerDay = 86400;
// Below this the Wi-Fi module takes no file from the firmware folder.
constexpr std::int64_t kModuleLocalFileFrom = 4000;

// The leading decimal number of `text` (0 without one).
long long LeadingNumber(std::string_view text) {
    long long number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

}  // namespace

void VCTrace(std::string_view text) {
    Trace(text);
}

CVersionCheck::CVersionCheck()
    : fetcher_(HttpPageFetcher()),
      online_([] { return SystemReportsNetwork(); }),
      now_([] { return std::time(nullptr); }),
      folder_(&UserDataFolder) {}

void CVersionCheck::AddAlias(std::string older, std::string current) {
    aliases_.emplace_back(std::move(older), std::move(current));
}

void CVersionCheck::SetSchedule(Schedule schedule) {
    std::lock_guard lock(schedule_mutex_);
    schedule_ = std::move(schedule);
}

CVersionCheck::Schedule CVersionCheck::GetSchedule() const {
    std::lock_guard lock(schedule_mutex_);
    return schedule_;
}

std::string CVersionCheck::PageAddress() const {
    std::lock_guard lock(schedule_mutex_);
    return schedule_.pageAddress;
}

bool CVersionCheck::IsVersionCheckDue() const {
    const Schedule schedule = GetSchedule();
    if (force_ || schedule.next.empty() || schedule.days.empty()) {
        return true;
    }
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    std::sscanf(schedule.next.c_str(), "%d/%d/%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
    // A date that is no date leaves the check due.
    const std::optional<std::time_t> next = LocalTimeFromFields(year, month, day, hour, minute, second);
    return !next || now_() > *next;
}

void CVersionCheck::SetNextCheckDate() {
    std::lock_guard lock(schedule_mutex_);
    const std::time_t next =
        now_() + static_cast<std::time_t>(LeadingNumber(schedule_.days)) * kSecondsPerDay;
    const std::optional<std::tm> local = platform::ToLocalTime(next);
    if (!local) {
        return;
    }
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &*local);
    schedule_.next = text;
}

std::string CVersionCheck::MapPageAddress(const std::string& address) const {
    const std::string& wanted = address.empty() ? built_in_address_ : address;
    for (const auto& [older, current] : aliases_) {
        if (older == wanted) {
            return current;
        }
    }
    return wanted;
}

std::filesystem::path CVersionCheck::PageCopyPath() const {
    const std::filesystem::path folder = folder_();
    return folder.empty() ? std::filesystem::path() : folder / kPageCopyName;
}

void CVersionCheck::FetchAndParse(const std::filesystem::path& path, bool& parsed) {
    // A fetch that fails tells why itself (when forced).
    if (DownloadVersionPage(path)) {
        SetNextCheckDate();
        parsed = ParseVersionPage(path);
    }
}

int CVersionCheck::CheckAppVersion(bool force, const std::string& thisVersion, std::string& message) {
    force_ = force;
    if (!GetSchedule().enabled && !force) {
        return kNotChecked;
    }
    const std::filesystem::path path = PageCopyPath();
    if (path.empty()) {
        return kNotChecked;
    }
    // The copy is read quietly first: a fetch may still bring a page that reads.
    bool parsed = ParsePage(path, false);
    if (IsVersionCheckDue() || force || !parsed) {
        if (IsOnline()) {
            FetchAndParse(path, parsed);
        } else if (!parsed && force) {
            ShowMessageBoxId(IDS_VC_PAGE_UNREAD, MB_OK | MB_ICONEXCLAMATION, true);
        }
    }
    if (app_latest_version_.empty()) {
        message = LoadText(IDS_VC_NO_VERSION_KNOWN);
        return kNotChecked;
    }
    VCTrace("VC: CheckAppVersion(): strThisAppVersion=" + thisVersion +
            " m_sAppLatestVersion=" + app_latest_version_);
    if (IsVersionOlder(thisVersion, app_latest_version_)) {
        message = LoadText(IDS_VC_NEWER_PUBLISHED);
        return kAppNewer;
    }
    message.clear();
    return kUpToDate;
}

int CVersionCheck::CheckDeviceVersion(bool force, const std::string& model, const std::string& deviceVersion,
                                      std::string& message, std::string& localFile) {
    force_ = force;
    const std::filesystem::path path = PageCopyPath();
    if ((!GetSchedule().enabled && !force) || path.empty()) {
        return kNotChecked;
    }
    // The program check before this one fetched the page when it was due.
    bool parsed = ParsePage(path, false);
    if (!parsed && IsOnline()) {
        FetchAndParse(path, parsed);
    }

    std::int64_t fileVersion = 0;
    std::filesystem::path newestFile;
    if (model == kModuleModel) {
        std::int64_t secondVersion = 0;
        const std::filesystem::path first = FindLatestFile("WiFly1", fileVersion);
        const std::filesystem::path second = FindLatestFile("WiFly2", secondVersion);
        newestFile = secondVersion == 0 ? first : second;
        fileVersion = secondVersion == 0 ? fileVersion : secondVersion;
    } else {
        newestFile = FindLatestFile(model, fileVersion);
    }

    // Only the model's own row counts: without one the latest-device values stay empty.
    last_row_ = {};
    for (std::size_t row = 0; row + kDeviceColumns.size() <= device_cells_.size();
         row += kDeviceColumns.size()) {
        if (device_cells_[row] == model) {
            std::copy_n(device_cells_.begin() + static_cast<std::ptrdiff_t>(row), last_row_.size(),
                        last_row_.begin());
            break;
        }
    }
    if (last_row_[0].empty()) {
        return kUpToDate;
    }
    if (deviceVersion.empty() || deviceVersion == "Device not connected.") {
        message.clear();
        return kUpToDate;
    }
    const std::int64_t latest = VersionThousandths(last_row_[1]);
    const std::int64_t current = VersionThousandths(deviceVersion);
    message.clear();
    const bool outdated = latest > current;
    if (outdated) {
        message = LoadText(IDS_VC_NEWER_PUBLISHED);
    }
    VCTrace("VC: CheckDeviceVersion(): m_sDeviceLatestModel=" + last_row_[0] +
            " sDeviceVer=" + deviceVersion + " m_sDeviceLatestVer=" + last_row_[1]);
    const bool moduleTooOld = last_row_[0] == kModuleModel && current < kModuleLocalFileFrom;
    if (!moduleTooOld && !newestFile.empty() && fileVersion > current && fileVersion >= latest) {
        localFile = newestFile.string();
        const bool accepted =
            ShowMessageBoxId(IDS_VC_USE_LOCAL_FILE, MB_YESNO | MB_ICONQUESTION, true) == IDYES;
        return accepted ? kDeviceNewer : kLocalFileDeclined;
    }
    return outdated ? kDeviceNewer : kUpToDate;
}

bool CVersionCheck::IsVersionOlder(const std::string& a, const std::string& b) {
    std::string_view left = a;
    std::string_view right = b;
    if (!left.empty() && left.front() == 'v') {
        left.remove_prefix(1);
    }
    if (!right.empty() && right.front() == 'v') {
        right.remove_prefix(1);
    }
    while (!left.empty() && !right.empty()) {
        const long long leftNumber = LeadingNumber(left);
        const long long rightNumber = LeadingNumber(right);
        if (leftNumber != rightNumber) {
            return leftNumber < rightNumber;
        }
        const std::size_t leftDot = left.find('.');
        const std::size_t rightDot = right.find('.');
        left = leftDot == std::string_view::npos ? std::string_view() : left.substr(leftDot + 1);
        right = rightDot == std::string_view::npos ? std::string_view() : right.substr(rightDot + 1);
    }
    return false;
}

std::int64_t CVersionCheck::VersionThousandths(std::string_view text) {
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    text.remove_prefix(first);
    std::int64_t whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error != std::errc()) {
        return 0;
    }
    std::int64_t fraction = 0;
    const char* digit = end;
    if (digit != text.data() + text.size() && *digit == '.') {
        ++digit;
        // The first three digits after the point; fewer count as if padded with zeros.
        for (int place = 0; place < 3; ++place) {
            fraction *= 10;
            if (digit != text.data() + text.size() && *digit >= '0' && *digit <= '9') {
                fraction += *digit++ - '0';
            }
        }
    }
    return whole * 1000 + fraction;
}

std::string CVersionCheck::FromFirstDigit(const std::string& text) {
    const std::size_t first = text.find_first_of("0123456789");
    return first == std::string::npos ? text : text.substr(first);
}

std::string CVersionCheck::BuildVersionSummary(
    const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string summary;
    for (std::size_t index = 0; index < pairs.size(); ++index) {
        const auto& [label, value] = pairs[index];
        if (!value.empty()) {
            summary += (index % 2 == 0 ? "\n\n" : "\n") + label + value;
        }
    }
    return summary;
}
