// The known-port list.
#include "shared/link/recent_port_list.h"

#include <algorithm>

#include "shared/common/app_context.h"

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CRecentPortList::Entry CRecentPortList::ParseEntry(std::string_view entry) {
    std::string_view name = Trim(entry);
    int flag = kShown;
    if (name.substr(0, 2) == "X,") {
        flag = kHidden;
        name.remove_prefix(2);
    } else if (name.substr(0, 1) == ",") {
        name.remove_prefix(1);
    }
    name = Trim(name);
    if (name.substr(0, 1) == "\"") {
        name.remove_prefix(1);
    }
    if (!name.empty() && name.back() == '"') {
        name.remove_suffix(1);
    }
    return {std::string(name), flag};
}

bool CRecentPortList::Load(const std::vector<std::string>& knownPorts) {
    names_.clear();
    flags_.clear();
    max_entries_ = 10;
    for (const std::string& text : knownPorts) {
        if (GetCount() >= max_entries_) {
            break;
        }
        Entry entry = ParseEntry(text);
        names_.push_back(std::move(entry.name));
        flags_.push_back(static_cast<std::uint8_t>(entry.flag));
    }
    return true;
}

bool CRecentPortList::Load() {
    return Load(GetAppContext().GetKnownPorts());
}

bool CRecentPortList::Save(std::vector<std::string>& knownPorts) const {
    knownPorts.clear();
    for (int i = 0; i < std::min(GetCount(), 10); ++i) {
        knownPorts.push_back((flags_[i] == kHidden ? "X," : ",") + names_[i]);
    }
    return true;
}

bool CRecentPortList::Save() const {
    std::vector<std::string> knownPorts;
    Save(knownPorts);
    GetAppContext().SetKnownPorts(std::move(knownPorts));
    return true;
}

void CRecentPortList::AddToTop(const std::string& name, int flag) {
    if (!names_.empty() && names_.front() == name) {
        return;
    }
    if (const int index = Find(name); index >= 0) {
        names_.erase(names_.begin() + index);
        flags_.erase(flags_.begin() + index);
    }
    names_.insert(names_.begin(), name);
    flags_.insert(flags_.begin(), static_cast<std::uint8_t>(flag));
    if (GetCount() > max_entries_) {
        names_.resize(static_cast<std::size_t>(max_entries_));
        flags_.resize(static_cast<std::size_t>(max_entries_));
    }
}

int CRecentPortList::Find(std::string_view name) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

int CRecentPortList::GetFlag(int index) const {
    return index >= 0 && index < GetCount() ? flags_[static_cast<std::size_t>(index)] : 2;
}

void CRecentPortList::OrderPorts(std::vector<std::string>& ports,
                                 const std::function<bool(std::string_view, std::string_view)>& same) const {
    std::size_t position = 0;
    for (int i = 0; i < GetCount(); ++i) {
        for (std::size_t p = 0; p < ports.size();) {
            if (!same(names_[static_cast<std::size_t>(i)], ports[p])) {
                ++p;
                continue;
            }
            if (flags_[static_cast<std::size_t>(i)] == kHidden) {
                if (p < position) {
                    --position;
                }
                ports.erase(ports.begin() + static_cast<std::ptrdiff_t>(p));
                continue;
            }
            if (p > position) {
                std::rotate(ports.begin() + static_cast<std::ptrdiff_t>(position),
                            ports.begin() + static_cast<std::ptrdiff_t>(p),
                            ports.begin() + static_cast<std::ptrdiff_t>(p) + 1);
            }
            if (p >= position) {
                ++position;
            }
            ++p;
        }
    }
}
