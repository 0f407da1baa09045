// The harmonics logs: one CSV file per logging run ("Harmonics Log <ID> Ch<n>-<run>.csv" in the data
// folder) with the run's averaged summary and, when asked for, one line of harmonic RMS values per
// capture. The raw lines go to a raw-data file during the run and are copied into the CSV file when the
// run ends; the raw-data file goes only once its lines are there. Line ends are CR LF.
#pragma once

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

class CHarmonicsAnalysis;

struct HarmonicLogOptions {
    bool summary = true;
    bool rawData = false;
};

class CHarmonicsLog {
public:
    using Clock = std::function<std::time_t()>;

    // The log of `analysis` (its statistics, last capture and mode) for the logger `loggerId`.
    CHarmonicsLog(const CHarmonicsAnalysis& analysis, std::filesystem::path dataFolder, std::string loggerId,
                  Clock clock);
    virtual ~CHarmonicsLog() = default;
    CHarmonicsLog(const CHarmonicsLog&) = delete;
    CHarmonicsLog& operator=(const CHarmonicsLog&) = delete;

    // Logging on with these options; the files open with the first capture that follows.
    void Start(HarmonicLogOptions options);
    bool IsOn() const { return on_; }

    // After a capture analysed on channel `channelNumber` (1-4): opens the files on first use (the error
    // is shown and the next capture tries again) and writes the raw-data line.
    void AddCapture(int channelNumber);
    // Logging off: finishes the CSV log (summary, then the raw lines) and closes it; the raw-data file
    // is deleted once all its lines reached the CSV log, and kept otherwise.
    void Stop();

    // The CSV log of the current or last run; empty before the first.
    const std::filesystem::path& CsvPath() const { return csv_path_; }
    // The CSV log of run 1 of a logger and channel.
    static std::filesystem::path FirstRunPath(const std::filesystem::path& dataFolder,
                                              const std::string& loggerId, int channelNumber);
    // The logger ID as a file name can hold it: no path separators or characters other systems refuse.
    static std::string IdForFileName(const std::string& loggerId);

protected:
    // Opens `path` for writing from its start; a test may open another file in its place.
    virtual void OpenForWriting(std::ofstream& file, const std::filesystem::path& path);

private:
    bool OpenFiles(int channelNumber);
    // Items 1-6 of the CSV log; false after a write error (shown).
    bool WriteSummary();
    // Copies the raw lines into the CSV log; false after a write error (shown).
    bool CopyRawLines();
    std::string RawLine() const;

    const CHarmonicsAnalysis& analysis_;
    std::filesystem::path data_folder_;
    std::string logger_id_;
    Clock clock_;
    HarmonicLogOptions options_;
    bool on_ = false;
    int channel_number_ = 0;
    std::ofstream csv_;
    std::ofstream raw_;
    std::filesystem::path csv_path_;
    std::filesystem::path raw_path_;
    std::time_t start_ = 0;
};
