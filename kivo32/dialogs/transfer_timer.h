// CTransferTimer: the rate and time left of a transfer from its start time and total; and the text of
// the time left that the download dialog shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CTransferTimer {
public:
    // Times are milliseconds of one clock (the user interface's).
    void Start(std::int64_t totalBytes, std::int64_t nowMs);

    // Bytes per second since the start; 0 before any time passed.
    double GetRate(std::int64_t bytesDone, std::int64_t nowMs) const;
    // The seconds the rest takes at that rate; nullopt before the first second, before any byte, or
    // without a total: there is nothing to estimate from yet.
    std::optional<int> GetSecondsLeft(std::int64_t bytesDone, std::int64_t nowMs) const;

    std::int64_t Total() const { return total_; }

private:
    std::int64_t start_ms_ = 0;
    std::int64_t total_ = 0;
};

// "HH hours, MM minutes remaining", "MM minutes, SS seconds remaining" or "SS seconds remaining", in the
// user's language, counts right-aligned in two places; whole days are left out.
std::string FormatTimeRemaining(int seconds);
