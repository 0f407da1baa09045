// CCOMPortPrefs: the port preferences as a list the user reorders, hides and prunes; its dialog
// shows the items and calls these operations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CCOMPortPrefs {
public:
    struct Item {
        std::string text;  // a blank, then the port's entry without its " (<device>)"
        bool shown = true;
    };

    // Known ports first (hidden ones unchecked), each with its enumerated description when present,
    // then the enumerated ports not yet listed.
    void Fill(const std::vector<std::string>& knownPorts, const std::vector<std::string>& enumeratedPorts);

    void MoveUp(int index);
    void MoveDown(int index);
    // Returns the index to select afterwards (the item now at its place, or the last), -1 when empty.
    int Remove(int index);
    void SetShown(int index, bool shown);
    // Lists the typed device `path` (see IsDevicePath), shown, at the end unless it is listed already.
    // The index of its item; -1, with nothing added, for a text that is no device path.
    int AddDevicePath(std::string_view path);

    bool CanMoveUp(int selection) const;
    bool CanMoveDown(int selection) const;
    bool CanRemove() const { return !items_.empty(); }

    // The known-port array the dialog's OK writes: shown items in order, then the hidden ones.
    std::vector<std::string> KnownPorts() const;

    const std::vector<Item>& Items() const { return items_; }

private:
    bool IsValid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }

    std::vector<Item> items_;
};
