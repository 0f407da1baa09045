// CVersionCheck: what the program knows of the published versions: the version page with its local copy
// "AppVer.html", when to fetch it again, the program and device checks, the firmware files of the
// firmware folder, and the texts of the check's findings.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Writes a "VC: " line of the check into the trace log.
void VCTrace(std::string_view text);

class CVersionCheck {
public:
    // The local copy of the version page, in the user data folder.
    static constexpr const char* kPageCopyName = "AppVer.html";
    // The model name of the logger's Wi-Fi module, on the version page and in the result dialog.
    static constexpr const char* kModuleModel = "WiFly";
    // The device rows of a page beyond this many are not taken.
    static constexpr int kMaxDeviceRows = 1000;
    // The columns of a device row, in the order of their index.
    static constexpr std::array<const char*, 7> kDeviceColumns{
        "DeviceModel",    "DeviceVer",      "DeviceURL",       "DeviceFileURL",
        "DeviceFileSize", "DeviceFileName", "DeviceFWTemplate"};

    // Results of CheckAppVersion and CheckDeviceVersion.
    static constexpr int kNotChecked = 0;
    static constexpr int kAppNewer = 1;
    static constexpr int kDeviceNewer = 2;
    static constexpr int kLocalFileDeclined = 6;
    static constexpr int kUpToDate = 7;

    // Fetches `url` into `path`, which holds the whole answer or is not there; false with the reason
    // in `error` (empty when the server only refused the address).
    using PageFetcher =
        std::function<bool(const std::string& url, const std::filesystem::path& path, std::string& error)>;

    // What the settings hand over at start and take back at exit.
    struct Schedule {
        bool enabled = true;
        std::string days;  // whole days between fetches, as decimal text
        std::string next;  // local time "%Y/%m/%d %H:%M:%S"; empty: due
        std::string pageAddress;
    };

    // With the program's fetcher (HTTP), its "online" test, the present time and the user data folder.
    CVersionCheck();

    // ---- Seams; tests replace them before a check runs.
    void SetFetcher(PageFetcher fetcher) { fetcher_ = std::move(fetcher); }
    void SetOnlineTest(std::function<bool()> online) { online_ = std::move(online); }
    void SetClock(std::function<std::time_t()> now) { now_ = std::move(now); }
    void SetUserDataFolder(std::function<std::filesystem::path()> folder) { folder_ = std::move(folder); }
    // Shows (1) and takes back (-1) the wait cursor around each fetch; nothing until set.
    void SetWaitCursor(std::function<void(int)> waitCursor) { wait_cursor_ = std::move(waitCursor); }
    // The user data folder the check keeps its copy in (empty without one).
    std::filesystem::path DataFolder() const { return folder_(); }
    // Held while a check runs; not owned when another check holds it.
    std::unique_lock<std::mutex> TryLockForCheck() { return std::unique_lock(run_mutex_, std::try_to_lock); }

    // ---- Set up by the settings at start (and read back at exit).
    // The program's own page address (empty when the build names none) and the older addresses that
    // stand for it.
    void SetBuiltInAddress(std::string address) { built_in_address_ = std::move(address); }
    void AddAlias(std::string older, std::string current);
    void SetSchedule(Schedule schedule);
    Schedule GetSchedule() const;

    // ---- The decisions.
    void SetForce(bool force) { force_ = force; }
    // Due when forced, without a date or interval, or once the date has passed.
    bool IsVersionCheckDue() const;
    // The next date: now + the interval in days.
    void SetNextCheckDate();
    // Online unless the system says there is no network.
    bool IsOnline() const { return online_(); }
    // Empty: the built-in address; an older address: its replacement; any other as it stands.
    std::string MapPageAddress(const std::string& address) const;
    // The page at `address` carries "Format:" and "AppVerURL:".
    bool IsValidVersionPage(const std::string& address) const;
    // Reads the local copy; false when it cannot be read or lacks the program version, the page address
    // or the downloads page (a forced check tells the user).
    bool ParseVersionPage(const std::filesystem::path& path);
    // Fetches the page (no cache) into the local copy, each line trimmed; the old copy stays until the
    // new one is complete. A forced check tells the user why it failed.
    bool DownloadVersionPage(const std::filesystem::path& path);

    // kNotChecked, kAppNewer or kUpToDate; `message` is the finding's text.
    int CheckAppVersion(bool force, const std::string& thisVersion, std::string& message);
    // kNotChecked, kDeviceNewer (also a local file accepted: `localFile` then names it),
    // kLocalFileDeclined or kUpToDate.
    int CheckDeviceVersion(bool force, const std::string& model, const std::string& deviceVersion,
                           std::string& message, std::string& localFile);

    // ---- The firmware folder.
    // The newest file of `model` in the firmware folder and its version in thousandths; empty when none.
    std::filesystem::path FindLatestFile(const std::string& model, std::int64_t& thousandths);
    // The file pattern of `model`'s firmware ("NX*.hex"): the page's, else the built-in one; "" for none.
    std::string GetDeviceFWTemplate(const std::string& model) const;
    // The version text of a firmware file's name by its pattern ("NX401005.hex" 401.005, "WiFly3-441.img"
    // 4.41).
    static std::string GetVersionFromFileName(const std::string& name, const std::string& pattern);

    // ---- Version texts.
    // `a` older than `b`, comparing the numbers between the dots ("v15.2" is older than "v15.10").
    static bool IsVersionOlder(const std::string& a, const std::string& b);
    // The version as whole thousandths, read from its first digit ("NX400.224" is 400224); 0 without.
    static std::int64_t VersionThousandths(std::string_view text);
    // The text from its first digit on; the whole text when it has none.
    static std::string FromFirstDigit(const std::string& text);
    // Label and value of each pair whose value is not empty; pairs 1, 3 and 5 start a paragraph.
    static std::string BuildVersionSummary(const std::vector<std::pair<std::string, std::string>>& pairs);

    // ---- What the last page and the last device row said.
    std::string GetAppLatestVersion() const { return app_latest_version_; }
    std::string GetDownloadsUrl() const { return downloads_url_; }
    std::string GetFileUrl() const { return file_url_; }
    std::string GetFileSize() const { return file_size_; }
    std::string GetFileName() const { return file_name_; }
    // The row of the model examined last (all empty when the page has no row for it).
    std::string GetDeviceLatestModel() const { return last_row_[0]; }
    std::string GetDeviceLatestVer() const { return last_row_[1]; }
    std::string GetDeviceUrl() const { return last_row_[2]; }
    std::string GetDeviceFileUrl() const { return last_row_[3]; }
    std::string GetDeviceFileSize() const { return last_row_[4]; }
    std::string GetDeviceFileName() const { return last_row_[5]; }
    // The cells of the device rows, row x 7 + column.
    const std::vector<std::string>& DeviceCells() const { return device_cells_; }

private:
    std::filesystem::path PageCopyPath() const;
    // Reads the local copy; only with `tell` a copy that cannot be read is told.
    bool ParsePage(const std::filesystem::path& path, bool tell);
    // Fetches (the caller found the system online) and, when it worked, moves the next date on and reads
    // the copy again.
    void FetchAndParse(const std::filesystem::path& path, bool& parsed);
    void TakeEntry(std::string entry);
    void TakeDeviceEntry(const std::string& entry);
    // The page address as it stands.
    std::string PageAddress() const;
    // `fetcher_` with the wait cursor shown while it runs.
    bool Fetch(const std::string& url, const std::filesystem::path& path, std::string& error) const;

    PageFetcher fetcher_;
    std::function<bool()> online_;
    std::function<std::time_t()> now_;
    std::function<std::filesystem::path()> folder_;
    std::function<void(int)> wait_cursor_;

    std::string built_in_address_;
    std::vector<std::pair<std::string, std::string>> aliases_;
    bool force_ = false;
    // The schedule is read by the settings on the user-interface thread while a check may run elsewhere.
    mutable std::mutex schedule_mutex_;
    Schedule schedule_;

    std::string app_latest_version_;
    std::string downloads_url_;
    std::string file_url_;
    std::string file_size_;
    std::string file_name_;
    std::vector<std::string> device_cells_;
    std::array<std::string, 7> last_row_;
    std::mutex run_mutex_;
};
