// CVersionCheck: the version page: reading the local copy into its values and device rows, fetching it,
// and testing a page address that the page itself names.
#include <array>
#include <fstream>

#include "kivo32/update/update_ids.h"
#include "kivo32/update/version_check.h"
#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/tick_count.h"
#include "shared/common/message_box.h"
#include "shared/common/text_helpers.h"

namespace {

constexpr std::string_view kFormat = "Format: ";
// The tags that end an entry.
constexpr std::array<std::string_view, 3> kEntryEnds{"<br>", "<br />", "</p>"};

// The value after `tag`: up to the first CR, LF or "<", without the blanks around it.
std::string ValueAfter(const std::string& entry, std::size_t tagEnd) {
    const std::size_t end = entry.find_first_of("\r\n<", tagEnd);
    return Trimmed(std::string_view(entry).substr(tagEnd, end == std::string::npos ? end : end - tagEnd),
                   " ");
}

}  // namespace

bool CVersionCheck::ParseVersionPage(const std::filesystem::path& path) {
    return ParsePage(path, force_);
}

bool CVersionCheck::ParsePage(const std::filesystem::path& path, bool tell) {
    std::ifstream page(path, std::ios::binary);
    if (!page) {
        if (tell) {
            ShowMessageBoxId(IDS_VC_PAGE_UNREAD, MB_OK | MB_ICONEXCLAMATION, true);
        }
        return false;
    }
    device_cells_.clear();
    bool formatSeen = false;
    for (std::string line; std::getline(page, line);) {
        if (!formatSeen) {
            const std::size_t format = line.find(kFormat);
            if (format == std::string::npos) {
                continue;
            }
            line.erase(0, format);
            formatSeen = true;
        }
        // An entry runs to the end of the first end tag; what follows the last one is dropped.
        for (std::size_t start = 0;;) {
            std::size_t end = std::string::npos;
            for (const std::string_view tag : kEntryEnds) {
                const std::size_t at = line.find(tag, start);
                if (at != std::string::npos && (end == std::string::npos || at + tag.size() < end)) {
                    end = at + tag.size();
                }
            }
            if (end == std::string::npos) {
                break;
            }
            TakeEntry(line.substr(start, end - start));
            start = end;
        }
    }
    if (app_latest_version_.empty() || PageAddress().empty() || downloads_url_.empty()) {
        if (tell) {
            ShowMessageBoxId(IDS_VC_PAGE_UNREAD, MB_OK | MB_ICONEXCLAMATION, true);
        }
        return false;
    }
    return true;
}

void CVersionCheck::TakeEntry(std::string entry) {
    ReplaceAll(entry, "&nbsp;", " ");
    if (entry.find(kFormat) != std::string::npos) {
        return;
    }
    struct Tag {
        std::string_view text;
        std::string CVersionCheck::*value;
    };
    static const std::array<Tag, 6> kTags{{
        {"KIVO15Ver:", &CVersionCheck::app_latest_version_},
        {"AppVerURL:", nullptr},
        {"KIVODownloadsURL:", &CVersionCheck::downloads_url_},
        {"KIVOFileURL:", &CVersionCheck::file_url_},
        {"KIVOFileSize:", &CVersionCheck::file_size_},
        {"KIVOFileName:", &CVersionCheck::file_name_},
    }};
    for (const Tag& tag : kTags) {
        const std::size_t at = entry.find(tag.text);
        if (at == std::string::npos) {
            continue;
        }
        std::string value = ValueAfter(entry, at + tag.text.size());
        if (tag.value != nullptr) {
            this->*tag.value = std::move(value);
            return;
        }
        // The page moved: its new address counts once it leads to a version page.
        const std::string mapped = MapPageAddress(value);
        if (mapped != PageAddress() && IsValidVersionPage(mapped)) {
            std::lock_guard lock(schedule_mutex_);
            schedule_.pageAddress = mapped;
        }
        return;
    }
    const std::size_t device = entry.find("Device");
    if (device == std::string::npos) {
        return;
    }
    for (const char* column : kDeviceColumns) {
        if (entry.find(std::string_view(column).substr(6), device + 6) != std::string::npos) {
            TakeDeviceEntry(entry);
            return;
        }
    }
}

void CVersionCheck::TakeDeviceEntry(const std::string& entry) {
    const std::string trimmed = Trimmed(entry);
    const std::size_t colon = trimmed.find(':');
    if (colon == std::string::npos) {
        return;
    }
    const std::string key = trimmed.substr(0, colon);
    // "Device", then the row number at once: "Devices1Ver" and text before "Device" do not count.
    constexpr std::size_t kRowAt = 6;
    if (key.compare(0, kRowAt, "Device") != 0 || key.size() <= kRowAt || key[kRowAt] < '0' ||
        key[kRowAt] > '9') {
        return;
    }
    long long row = 0;
    for (std::size_t at = kRowAt; at < key.size() && key[at] >= '0' && key[at] <= '9'; ++at) {
        row = row * 10 + (key[at] - '0');
        if (row >= kMaxDeviceRows) {
            return;
        }
    }
    std::string name;
    for (const char letter : key) {
        if (letter < '0' || letter > '9') {
            name += letter;
        }
    }
    std::size_t column = 0;
    while (column < kDeviceColumns.size() && name != kDeviceColumns[column]) {
        ++column;
    }
    if (column == kDeviceColumns.size()) {
        return;
    }
    const std::size_t valueEnd = trimmed.find('<', colon);
    const std::string value = Trimmed(std::string_view(trimmed).substr(
        colon + 1, valueEnd == std::string::npos ? valueEnd : valueEnd - colon - 1));
    const std::size_t cell = static_cast<std::size_t>(row) * kDeviceColumns.size() + column;
    if (device_cells_.size() <= cell) {
        device_cells_.resize((static_cast<std::size_t>(row) + 1) * kDeviceColumns.size());
    }
    device_cells_[cell] = value;
}

bool CVersionCheck::Fetch(const std::string& url, const std::filesystem::path& path,
                          std::string& error) const {
    if (wait_cursor_) {
        wait_cursor_(1);
    }
    const bool fetched = fetcher_(url, path, error);
    if (wait_cursor_) {
        wait_cursor_(-1);
    }
    return fetched;
}

bool CVersionCheck::DownloadVersionPage(const std::filesystem::path& path) {
    const std::string address = MapPageAddress(PageAddress());
    if (address.empty()) {
        // A build without a page address and no "UpdateURL": there is nothing to fetch.
        if (force_) {
            ShowMessageBoxId(IDS_VC_PAGE_UNREAD, MB_OK | MB_ICONEXCLAMATION, true);
        }
        return false;
    }
    // The tick count makes every fetch a new address, which no cache answers.
    const std::string url = address + "?t=" + std::to_string(platform::TickCount());
    try {
        // The fetch lands beside the copy; the copy is replaced only by a whole page.
        platform::TempFileBeside fetched(path);
        std::string error;
        if (!Fetch(url, fetched.Path(), error)) {
            if (force_) {
                if (error.empty()) {
                    ShowMessageBoxId(IDS_VC_PAGE_UNREAD, MB_OK | MB_ICONEXCLAMATION, true);
                } else {
                    ShowMessageBox(error, MB_OK | MB_ICONEXCLAMATION, true);
                }
            }
            return false;
        }
        std::string lines;
        {
            std::ifstream page(fetched.Path(), std::ios::binary);
            for (std::string line; std::getline(page, line);) {
                lines += Trimmed(line) + "\n";
            }
        }
        platform::TempFileBeside copy(path);
        {
            std::ofstream out(copy.Path(), std::ios::binary | std::ios::trunc);
            out << lines;
            out.flush();
            if (!out) {
                return false;
            }
        }
        copy.ReplaceTarget();
        return true;
    } catch (const CPSTFileException&) {
        return false;
    }
}

bool CVersionCheck::IsValidVersionPage(const std::string& address) const {
    if (address.empty() || !IsOnline()) {
        return false;
    }
    const std::filesystem::path folder = folder_();
    if (folder.empty()) {
        return false;
    }
    try {
        platform::TempFileBeside fetched(folder / kPageCopyName);
        std::string error;
        if (!Fetch(address, fetched.Path(), error)) {
            return false;
        }
        std::ifstream page(fetched.Path(), std::ios::binary);
        bool format = false;
        bool pageAddress = false;
        for (std::string line; !(format && pageAddress) && std::getline(page, line);) {
            format = format || line.find("Format:") != std::string::npos;
            pageAddress = pageAddress || line.find("AppVerURL:") != std::string::npos;
        }
        return format && pageAddress;
    } catch (const CPSTFileException&) {
        return false;
    }
}
