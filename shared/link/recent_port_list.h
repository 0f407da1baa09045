// CRecentPortList: the ports that worked recently, first first, each shown or hidden.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CRecentPortList {
public:
    static constexpr int kShown = 0;
    static constexpr int kHidden = 1;

    struct Entry {
        std::string name;
        int flag = kShown;
    };
    // One entry of the known-port array: "X," hides the port, "," shows it; blanks and one pair of
    // double quotes around the name are dropped.
    static Entry ParseEntry(std::string_view entry);

    // Refills from the known-port array (at most the first 10 usable entries).
    bool Load(const std::vector<std::string>& knownPorts);
    // From the application's known-port array.
    bool Load();
    // Writes the first 10 names back with their prefixes.
    bool Save(std::vector<std::string>& knownPorts) const;
    // Into the application's known-port array.
    bool Save() const;
    // Moves or inserts `name` at the top; nothing changes when it is first already.
    void AddToTop(const std::string& name, int flag);
    // Index of exactly `name`, or -1.
    int Find(std::string_view name) const;
    // 0 shown, 1 hidden, 2 for an index out of range.
    int GetFlag(int index) const;
    // Puts the enumerated ports in the list's order and drops the ones it hides.
    void OrderPorts(std::vector<std::string>& ports,
                    const std::function<bool(std::string_view, std::string_view)>& same) const;

    const std::vector<std::string>& Names() const { return names_; }
    int GetCount() const { return static_cast<int>(names_.size()); }

private:
    std::vector<std::string> names_;
    std::vector<std::uint8_t> flags_;
    int max_entries_ = 10;
};
