// The port preferences list.
#include "shared/link/com_port_prefs.h"

#include <algorithm>

#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"

namespace {

std::string ItemText(const std::string& entry) {
    const std::string device = TrimAtFirstSpace(entry);
    std::string text = entry.substr(0, entry.find(" (" + device));
    return " " + text;
}

std::string NameOf(const std::string& itemText) {
    const std::size_t first = itemText.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : TrimAtFirstSpace(itemText.substr(first));
}

}  // namespace

void CCOMPortPrefs::Fill(const std::vector<std::string>& knownPorts,
                         const std::vector<std::string>& enumeratedPorts) {
    items_.clear();
    // Every known entry counts here, not only the ten the recent list keeps.
    for (const std::string& text : knownPorts) {
        const CRecentPortList::Entry known = CRecentPortList::ParseEntry(text);
        std::string entry = known.name;
        for (const std::string& port : enumeratedPorts) {
            if (TrimAtFirstSpace(port) == TrimAtFirstSpace(known.name)) {
                entry = port;
                break;
            }
        }
        items_.push_back({ItemText(entry), known.flag != CRecentPortList::kHidden});
    }
    for (const std::string& port : enumeratedPorts) {
        const bool listed = std::any_of(items_.begin(), items_.end(), [&](const Item& item) {
            return NameOf(item.text) == TrimAtFirstSpace(port);
        });
        if (!listed) {
            items_.push_back({ItemText(port), true});
        }
    }
}

void CCOMPortPrefs::MoveUp(int index) {
    if (IsValid(index) && index > 0) {
        std::swap(items_[static_cast<std::size_t>(index)], items_[static_cast<std::size_t>(index - 1)]);
    }
}

void CCOMPortPrefs::MoveDown(int index) {
    if (IsValid(index) && index + 1 < static_cast<int>(items_.size())) {
        std::swap(items_[static_cast<std::size_t>(index)], items_[static_cast<std::size_t>(index + 1)]);
    }
}

int CCOMPortPrefs::Remove(int index) {
    if (IsValid(index)) {
        items_.erase(items_.begin() + index);
    }
    if (items_.empty()) {
        return -1;
    }
    return std::min(index, static_cast<int>(items_.size()) - 1);
}

void CCOMPortPrefs::SetShown(int index, bool shown) {
    if (IsValid(index)) {
        items_[static_cast<std::size_t>(index)].shown = shown;
    }
}

int CCOMPortPrefs::AddDevicePath(std::string_view path) {
    const std::string port = ExtractPortName(path);
    if (!IsDevicePath(port)) {
        return -1;
    }
    const auto listed = std::find_if(items_.begin(), items_.end(),
                                     [&](const Item& item) { return NameOf(item.text) == port; });
    if (listed != items_.end()) {
        listed->shown = true;
        return static_cast<int>(listed - items_.begin());
    }
    items_.push_back({" " + port, true});
    return static_cast<int>(items_.size()) - 1;
}

bool CCOMPortPrefs::CanMoveUp(int selection) const {
    return !items_.empty() && selection > 0;
}

bool CCOMPortPrefs::CanMoveDown(int selection) const {
    return selection >= 0 && selection + 1 < static_cast<int>(items_.size());
}

std::vector<std::string> CCOMPortPrefs::KnownPorts() const {
    std::vector<std::string> known;
    for (const Item& item : items_) {
        if (item.shown) {
            known.push_back("," + NameOf(item.text));
        }
    }
    for (const Item& item : items_) {
        if (!item.shown) {
            known.push_back("X," + NameOf(item.text));
        }
    }
    return known;
}
