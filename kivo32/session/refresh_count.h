// The real-time refresh count: how many updates a window shows before it holds by itself.
#pragma once

#include <optional>
#include <string_view>

inline constexpr int kRefreshCountNeverEnds = -1;
inline constexpr int kRefreshCountHighest = 1000;
inline constexpr int kDefaultRefreshCount = 5;
// Where the program keeps its default count.
inline constexpr const char* kRefreshCountKey = "RTUpdateThreshold";

// The count typed: a whole number from -1 to 1000, blanks around it allowed; nullopt for anything else.
std::optional<int> ParseRefreshCount(std::string_view text);

// What remains of a refresh count while a window refreshes. A count of -1 never runs out; 0 shows
// the values once and holds.
class RefreshCountdown {
public:
    explicit RefreshCountdown(int count = kDefaultRefreshCount) : count_(count), remaining_(count) {}

    int Count() const { return count_; }
    // A new count takes effect at the next Restart.
    void SetCount(int count) { count_ = count; }
    void Restart() { remaining_ = count_; }
    void Stop() { remaining_ = 0; }
    bool HasUpdatesLeft() const { return remaining_ != 0; }
    int Remaining() const { return remaining_; }
    // One update shown.
    void CountUpdate() {
        if (remaining_ > 0) {
            --remaining_;
        }
    }

private:
    int count_;
    int remaining_;
};
