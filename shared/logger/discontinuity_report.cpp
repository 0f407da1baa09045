// The time checks of a Quarven record download and the discontinuity report they fill.
#include "shared/logger/discontinuity_report.h"

#include <ctime>
#include <fstream>

#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/date_time_text.h"
#include "shared/logger/record_download_ids.h"

namespace {

constexpr std::int64_t kNoStamp = 0xFFFFFFFF;
constexpr int kFirstPlausibleYear = 2010;
constexpr int kLastPlausibleYear = 2050;
constexpr long kSecondsPerMinute = 60;

std::string Plural(long count) {
    return count == 1 ? "" : "s";
}

int UtcYear(std::int64_t time) {
    const auto seconds = static_cast<std::time_t>(time);
    std::tm fields{};
    return gmtime_r(&seconds, &fields) == nullptr ? 0 : fields.tm_year + 1900;
}

std::string NumberedLine(unsigned textId, long number) {
    return platform::FillPrintfPlaceholders("%s %d...", {LoadText(textId), std::to_string(number)});
}

void AppendList(std::string& text, unsigned headingId, const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return;
    }
    text += LoadText(headingId) + "\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    text += "\n";
}

}  // namespace

std::string RecordTimeText(std::int64_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(static_cast<std::time_t>(time));
    if (!local) {
        return {};
    }
    char text[32];
    std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", &*local);
    return text;
}

std::string ShownRecordTime(std::int64_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(static_cast<std::time_t>(time));
    return local ? FormatShownDate(*local) + " " + FormatShownTime(*local) : std::string();
}

DiscontinuityReport::DiscontinuityReport(long intervalSeconds, long recordBase)
    : interval_(intervalSeconds), record_number_(recordBase) {}

std::vector<std::string> DiscontinuityReport::Check(std::int64_t time) {
    std::vector<std::string> log;
    const int year = UtcYear(time);
    if (time == kNoStamp || year < kFirstPlausibleYear || year > kLastPlausibleYear) {
        log.push_back(NumberedLine(IDS_RECORD_IMPOSSIBLE_TIME, checked_ + 1));
    } else if (const long seconds = static_cast<long>(time % kSecondsPerMinute);
               interval_ > 1 && seconds != 0) {
        // A stamp between two interval marks (a logger that stamps a minute late by one second is right).
        const bool offInterval = interval_ < kSecondsPerMinute ? seconds % interval_ > 1 : seconds != 1;
        if (offInterval) {
            log.push_back(NumberedLine(IDS_RECORD_OFF_INTERVAL, checked_ + 1));
        }
    }
    if (checked_ > 0) {
        const std::int64_t step = time - previous_;
        const std::string listed =
            platform::FormatLoadedText(IDS_RECORD_LISTED, {std::to_string(record_number_ + 1)}) + " " +
            RecordTimeText(time);
        if (step < interval_) {
            ++time_errors_;
            log.push_back(LoadText(IDS_RECORD_TIME_ERROR) + ": " + ShownRecordTime(previous_));
            time_error_lines_.push_back(listed);
        } else if (step > interval_) {
            ++gaps_;
            // A setup without an interval counts each gap, never its records.
            missing_ += interval_ > 0 ? static_cast<long>(step / interval_ - 1) : 0;
            log.push_back(LoadText(IDS_RECORD_GAP) + ": " + ShownRecordTime(time));
            gap_lines_.push_back(listed);
        }
    }
    previous_ = time;
    ++checked_;
    ++record_number_;
    return log;
}

std::string DiscontinuityReport::Text() const {
    std::string text;
    if (gaps_ > 0) {
        text += platform::FormatLoadedText(
            IDS_REPORT_GAP_SUMMARY_LINE,
            {std::to_string(missing_), Plural(missing_), std::to_string(gaps_), Plural(gaps_)});
    }
    if (time_errors_ > 0) {
        text += platform::FormatLoadedText(IDS_REPORT_TIME_ERROR_LINE,
                                           {std::to_string(time_errors_), Plural(time_errors_)});
    }
    text += platform::FillPrintfPlaceholders("\r\n\r\n%s", {LoadText(IDS_DISCONTINUITY_LIST_NOTE)});
    text += "\r\n\r\n";
    AppendList(text, IDS_DISCONTINUITY_GAPS, gap_lines_);
    AppendList(text, IDS_DISCONTINUITY_TIME_ERRORS, time_error_lines_);
    return text;
}

std::optional<std::filesystem::path> DiscontinuityReport::Write(const std::filesystem::path& folder) const {
    const std::filesystem::path path = folder / kFileName;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string text = Text();
    if (!file.write(text.data(), static_cast<std::streamsize>(text.size())) || !(file.close(), file)) {
        return std::nullopt;
    }
    return path;
}
