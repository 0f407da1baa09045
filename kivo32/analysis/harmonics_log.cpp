// The harmonics logs.
#include "kivo32/analysis/harmonics_log.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "kivo32/analysis/harmonics_analysis.h"
#include "kivo32/analysis/harmonics_log_ids.h"
#include "platform/base/file_exception.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"

namespace {

// The harmonics each line of the log holds: DC, the fundamental and harmonics 2 to 31.
constexpr int kLoggedHarmonics = 32;

const char* const kRawHeader = ",,VOLTAGE,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,CURRENT\n";

// Every line feed as CR LF.
std::string CrLf(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') {
            lines += '\r';
        }
        lines += c;
    }
    return lines;
}

std::string LocalText(std::time_t time, const char* format) {
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    char text[32] = {};
    if (local) {
        std::strftime(text, sizeof text, format, &*local);
    }
    return text;
}

// "2nd", "3rd", "21st", "22nd", "23rd", "31st"; "%dth" for the others from 2 to 31.
std::string Ordinal(int k) {
    switch (k) {
        case 2:
        case 22:
            return std::to_string(k) + "nd";
        case 3:
        case 23:
            return std::to_string(k) + "rd";
        case 21:
        case 31:
            return std::to_string(k) + "st";
        default:
            return platform::StringPrintf("%dth", k);
    }
}

std::string RawColumns() {
    std::string quantity;
    for (int k = 2; k < kLoggedHarmonics; ++k) {
        quantity += "," + Ordinal(k) + " Harmonic";
    }
    return "Date,Time,Volts DC,Fundamental" + quantity + ",Amps DC,Fundamental" + quantity + "\n";
}

std::filesystem::path LogPath(const std::filesystem::path& folder, const std::string& id, int channel,
                              int run, const char* suffix) {
    return folder / platform::PathFromWindows1252(platform::StringPrintf("Harmonics Log %s Ch%d-%02d%s",
                                                                         id.c_str(), channel, run, suffix));
}

// The file error of the last failed operation on `path`, as the program shows file errors.
void ReportFileError(const std::filesystem::path& path) {
    ShowMessageBox(CPSTFileException::FromErrno(errno != 0 ? errno : EIO, path).MessageText(),
                   MB_OK | MB_ICONEXCLAMATION, true);
}

bool Flushed(std::ofstream& file) {
    errno = 0;
    file.flush();
    return file.good();
}

}  // namespace

CHarmonicsLog::CHarmonicsLog(const CHarmonicsAnalysis& analysis, std::filesystem::path dataFolder,
                             std::string loggerId, Clock clock)
    : analysis_(analysis),
      data_folder_(std::move(dataFolder)),
      logger_id_(IdForFileName(loggerId)),
      clock_(std::move(clock)) {}

std::string CHarmonicsLog::IdForFileName(const std::string& loggerId) {
    std::string id = loggerId.substr(0, loggerId.find('\0'));
    std::replace_if(
        id.begin(), id.end(),
        [](char c) {
            return static_cast<unsigned char>(c) < 0x20 ||
                   std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        },
        '_');
    while (!id.empty() && (id.back() == ' ' || id.back() == '.')) {
        id.pop_back();
    }
    return id;
}

std::filesystem::path CHarmonicsLog::FirstRunPath(const std::filesystem::path& dataFolder,
                                                  const std::string& loggerId, int channelNumber) {
    return LogPath(dataFolder, IdForFileName(loggerId), channelNumber, 1, ".csv");
}

void CHarmonicsLog::OpenForWriting(std::ofstream& file, const std::filesystem::path& path) {
    file.open(path, std::ios::binary | std::ios::trunc);
}

void CHarmonicsLog::Start(HarmonicLogOptions options) {
    options_ = options;
    on_ = true;
}

bool CHarmonicsLog::OpenFiles(int channelNumber) {
    int run = 1;
    std::error_code error;
    // Past 99 the numbers simply grow ("-100"): an existing log is never written over.
    while (std::filesystem::exists(LogPath(data_folder_, logger_id_, channelNumber, run, ".csv"), error)) {
        ++run;
    }
    const std::filesystem::path csvPath = LogPath(data_folder_, logger_id_, channelNumber, run, ".csv");
    errno = 0;
    OpenForWriting(csv_, csvPath);
    if (!csv_.is_open()) {
        ReportFileError(csvPath);
        return false;
    }
    if (options_.rawData) {
        const std::filesystem::path rawPath =
            LogPath(data_folder_, logger_id_, channelNumber, run, " Raw Data.txt");
        errno = 0;
        OpenForWriting(raw_, rawPath);
        if (!raw_.is_open()) {
            ReportFileError(rawPath);
            csv_.close();
            std::filesystem::remove(csvPath, error);
            return false;
        }
        raw_path_ = rawPath;
    }
    csv_path_ = csvPath;
    channel_number_ = channelNumber;
    start_ = clock_();
    return true;
}

void CHarmonicsLog::AddCapture(int channelNumber) {
    if (!on_ || (!csv_.is_open() && !OpenFiles(channelNumber))) {
        return;
    }
    if (raw_.is_open()) {
        raw_ << CrLf(RawLine());
        if (!Flushed(raw_)) {
            ReportFileError(raw_path_);
            raw_.clear();
        }
    }
}

void CHarmonicsLog::Stop() {
    bool allCopied = true;
    if (csv_.is_open()) {
        allCopied = WriteSummary() && CopyRawLines();
        csv_.close();
    }
    if (raw_.is_open()) {
        raw_.close();
    }
    if (!raw_path_.empty() && allCopied) {
        std::error_code error;
        std::filesystem::remove(raw_path_, error);
    }
    raw_path_.clear();
    on_ = false;
}

bool CHarmonicsLog::WriteSummary() {
    const CHarmonicsStatistics& statistics = analysis_.Statistics();
    const std::time_t end = clock_();
    const long long seconds = std::max<long long>(0, static_cast<long long>(end - start_));
    // The duration counts all its hours, a run over a day included.
    const std::string duration =
        platform::StringPrintf("%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);

    std::string text = platform::FormatLoadedText(IDS_HLOG_TITLE, {std::to_string(channel_number_)});
    text += LoadText(IDS_HLOG_RUN_HEAD_1) + LoadText(IDS_HLOG_RUN_HEAD_2);
    text += platform::StringPrintf("%s,%s,%s,%s,%s,%d\n\n", LocalText(start_, "%m/%d/%y").c_str(),
                                   LocalText(start_, "%H:%M:%S").c_str(), LocalText(end, "%m/%d/%y").c_str(),
                                   LocalText(end, "%H:%M:%S").c_str(), duration.c_str(),
                                   std::max(statistics.captures, 1));
    if (options_.summary) {
        const auto pair = [](const std::array<CRunningSum, 2>& sums) {
            return platform::StringPrintf("%.1f,%.2f\n\n", sums[kVoltage].Mean(), sums[kCurrent].Mean());
        };
        const std::string columns = LoadText(IDS_HLOG_COLUMNS);
        text += LoadText(IDS_HLOG_RMS) + columns + pair(statistics.rms);
        const bool ofFundamental = analysis_.Mode() == HarmonicsMode::PercentOfFundamental;
        text += LoadText(IDS_HLOG_THD) +
                (ofFundamental ? LoadText(IDS_HLOG_FUNDAMENTAL) : std::string("RMS")) + " -\n" + columns +
                pair(statistics.thd);
        text += LoadText(IDS_HLOG_PEAK) + columns + pair(statistics.peak);
        text += LoadText(IDS_HLOG_CREST) + columns + pair(statistics.crest);
        text += platform::StringPrintf("%s Hz -,%.2f\n\n", LoadText(IDS_HLOG_LINE_FREQUENCY).c_str(),
                                       statistics.frequency.Mean());
        text += platform::StringPrintf("K-Factor -,%.2f\n\n", statistics.kFactor.Mean());
        text += LoadText(IDS_HLOG_HARMONICS) + "\"\"," + columns;
        for (int k = 0; k < kLoggedHarmonics; ++k) {
            const std::string label = k == 0   ? std::string("DC")
                                      : k == 1 ? LoadText(IDS_HLOG_FUNDAMENTAL)
                                               : Ordinal(k) + " Harmonic";
            text += platform::StringPrintf("%s,%.1f,%.2f\n", label.c_str(),
                                           statistics.MeanHarmonicRms(kVoltage, k),
                                           statistics.MeanHarmonicRms(kCurrent, k));
        }
        text += "\n";
    } else {
        text += LoadText(IDS_HLOG_NO_SUMMARY);
    }
    text += options_.rawData ? LoadText(IDS_HLOG_RAW) + kRawHeader + RawColumns() : LoadText(IDS_HLOG_NO_RAW);
    csv_ << CrLf(text);
    if (!Flushed(csv_)) {
        ReportFileError(csv_path_);
        return false;
    }
    return true;
}

bool CHarmonicsLog::CopyRawLines() {
    if (!options_.rawData || raw_path_.empty()) {
        return true;
    }
    raw_.close();
    std::ifstream lines(raw_path_, std::ios::binary);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        csv_ << CrLf(line + "\n");
    }
    // One report for the copy: a full disk would fail every line alike.
    if (!lines.eof() || !Flushed(csv_)) {
        ReportFileError(csv_path_);
        return false;
    }
    return true;
}

std::string CHarmonicsLog::RawLine() const {
    const std::time_t now = clock_();
    std::string line = LocalText(now, "%m/%d/%y,") + LocalText(now, "%H:%M:%S,");
    const CaptureFigures* figures = analysis_.LastCapture();
    for (int k = 0; k < kLoggedHarmonics; ++k) {
        line += platform::StringPrintf("%.1f,", figures ? figures->quantity[kVoltage].HarmonicRms(k) : 0.0f);
    }
    for (int k = 0; k < kLoggedHarmonics; ++k) {
        line += platform::StringPrintf(k == 0 ? "%.2f" : ",%.2f",
                                       figures ? figures->quantity[kCurrent].HarmonicRms(k) : 0.0f);
    }
    return line + "\n";
}
