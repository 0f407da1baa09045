// DiscontinuityReport: the time checks of a Quarven record download (impossible stamps, stamps off the
// interval, gaps and time errors between consecutive records) and the text file that lists what they
// found.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class DiscontinuityReport {
public:
    static constexpr const char* kFileName = "Discontinuities.txt";

    // `recordBase` numbers the listed records (the first checked is recordBase + 1).
    DiscontinuityReport(long intervalSeconds, long recordBase);

    // Checks the stamp of the next record written; returns the download log lines it gives.
    std::vector<std::string> Check(std::int64_t time);

    long Gaps() const { return gaps_; }
    long MissingRecords() const { return missing_; }
    long TimeErrors() const { return time_errors_; }
    bool IsEmpty() const { return gaps_ == 0 && time_errors_ == 0; }
    // The file's text: the summary, then the gap and time-error lists.
    std::string Text() const;
    // Writes the file into `folder`: its path, nullopt when it could not be written.
    std::optional<std::filesystem::path> Write(const std::filesystem::path& folder) const;

private:
    const long interval_;
    long record_number_;
    long checked_ = 0;
    std::int64_t previous_ = 0;
    long gaps_ = 0;
    long missing_ = 0;
    long time_errors_ = 0;
    std::vector<std::string> gap_lines_;
    std::vector<std::string> time_error_lines_;
};

// A record stamp as the lists of the file show it: "%m/%d/%y %H:%M:%S" in local time.
std::string RecordTimeText(std::int64_t time);
// A record stamp as the download's log shows it: its local date and time as every date is shown.
std::string ShownRecordTime(std::int64_t time);
