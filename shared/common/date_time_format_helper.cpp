// The user's date and time formats and the order codes derived from them.
#include "shared/common/date_time_format_helper.h"

#include <ctime>
#include <optional>
#include <string_view>

#include "platform/base/local_time.h"
#include "platform/base/string_format.h"
#include "shared/common/text_helpers.h"

namespace {

int FirstPosition(const std::string& format, char letter) {
    const std::size_t position = format.find(letter);
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

// A name of the process locale (day and month names, the AM/PM marker) through strftime.
std::string LocaleText(const char* conversion, const std::tm& time) {
    char buffer[64];
    const std::size_t length = std::strftime(buffer, sizeof buffer, conversion, &time);
    return std::string(buffer, length);
}

std::string Number(int value, int run) {
    return platform::StringPrintf(run >= 2 ? "%02d" : "%d", value);
}

// One run of a picture letter ("dd", "MMM", "yyyy", "HH", "tt"...) of the date or time pictures.
std::string RenderRun(char letter, int run, const std::tm& time) {
    switch (letter) {
        case 'd':
            return run >= 4   ? LocaleText("%A", time)
                   : run == 3 ? LocaleText("%a", time)
                              : Number(time.tm_mday, run);
        case 'M':
            return run >= 4   ? LocaleText("%B", time)
                   : run == 3 ? LocaleText("%b", time)
                              : Number(time.tm_mon + 1, run);
        case 'y':
            return run >= 3 ? platform::StringPrintf("%d", time.tm_year + 1900)
                            : Number((time.tm_year + 1900) % 100, run);
        case 'g':
            return {};  // era: none in the Gregorian calendar
        case 'h':
            return Number(time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12, run);
        case 'H':
            return Number(time.tm_hour, run);
        case 'm':
            return Number(time.tm_min, run);
        case 's':
            return Number(time.tm_sec, run);
        case 't': {
            const std::string marker = LocaleText("%p", time);
            return run >= 2 ? marker : marker.substr(0, 1);
        }
    }
    return {};
}

// Renders a Windows-style picture: runs of `letters` are fields, text in single quotes and any other
// character are copied.
std::string RenderPicture(const std::string& picture, std::string_view letters, const std::tm& time) {
    std::string out;
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            const std::size_t close = picture.find('\'', i + 1);
            const std::size_t end = close == std::string::npos ? picture.size() : close;
            out.append(picture, i + 1, end - i - 1);
            i = end + 1;
        } else if (letters.find(c) != std::string_view::npos) {
            std::size_t run = 1;
            while (i + run < picture.size() && picture[i + run] == c) {
                ++run;
            }
            out += RenderRun(c, static_cast<int>(run), time);
            i += run;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace

CDateTimeFormatHelper::CDateTimeFormatHelper(FormatSource source) : source_(std::move(source)) {}

void CDateTimeFormatHelper::LoadFormats(int force) {
    if (loaded_ && force == 0) {
        return;
    }
    const CRegionalFormats regional = source_ ? source_() : CRegionalFormats{};
    const auto valueOr = [](const std::string& value, const char* fallback) {
        std::string trimmed = Trimmed(value);
        return trimmed.empty() ? std::string(fallback) : trimmed;
    };
    date_separator_ = valueOr(regional.dateSeparator, kDefaultDateSeparator);
    short_date_format_ = valueOr(regional.shortDateFormat, kDefaultShortDateFormat);
    time_separator_ = valueOr(regional.timeSeparator, kDefaultTimeSeparator);
    time_format_ = valueOr(regional.timeFormat, kDefaultTimeFormat);

    date_order_ = OrderCode(FirstPosition(short_date_format_, 'M'), FirstPosition(short_date_format_, 'd'),
                            FirstPosition(short_date_format_, 'y'));
    int hour = FirstPosition(time_format_, 'H');
    if (hour < 0) {
        hour = FirstPosition(time_format_, 'h');
    }
    time_order_ = OrderCode(hour, FirstPosition(time_format_, 'm'), FirstPosition(time_format_, 's'));
    loaded_ = true;
}

int CDateTimeFormatHelper::OrderCode(int first, int second, int third) {
    if (first < second) {
        if (second < third) {
            return 0;
        }
        return first < third ? 1 : 4;
    }
    if (second < third) {
        return first < third ? 2 : 3;
    }
    return 5;
}

int CDateTimeFormatHelper::GetDateOrder() {
    LoadFormats(0);
    return date_order_;
}

int CDateTimeFormatHelper::GetTimeOrder() {
    LoadFormats(0);
    return time_order_;
}

const std::string& CDateTimeFormatHelper::GetShortDateFormat() {
    LoadFormats(0);
    return short_date_format_;
}

const std::string& CDateTimeFormatHelper::GetDateSeparator() {
    LoadFormats(0);
    return date_separator_;
}

const std::string& CDateTimeFormatHelper::GetTimeFormat() {
    LoadFormats(0);
    return time_format_;
}

const std::string& CDateTimeFormatHelper::GetTimeSeparator() {
    LoadFormats(0);
    return time_separator_;
}

int CDateTimeFormatHelper::GetYearDigits() {
    const std::string& format = GetShortDateFormat();
    const std::size_t first = format.find('y');
    if (first == std::string::npos) {
        return 0;
    }
    const std::size_t end = format.find_first_not_of('y', first);
    return static_cast<int>((end == std::string::npos ? format.size() : end) - first);
}

bool CDateTimeFormatHelper::IsHourFirst() {
    const int order = GetTimeOrder();
    return order == kTimeOrderHMS || order == kTimeOrderHSM || order == kTimeOrderSHM;
}

std::string CDateTimeFormatHelper::FormatDate(double date) {
    const std::optional<std::tm> fields = platform::FromOleDate(date);
    return fields ? RenderPicture(GetShortDateFormat(), "dMyg", *fields) : std::string();
}

std::string CDateTimeFormatHelper::FormatTime(double date) {
    const std::optional<std::tm> fields = platform::FromOleDate(date);
    return fields ? RenderPicture(GetTimeFormat(), "hHmst", *fields) : std::string();
}

std::string CDateTimeFormatHelper::FormatDateTime(double date, bool padded) {
    const std::string dateText = FormatDate(date);
    const std::string timeText = FormatTime(date);
    return platform::StringPrintf(padded ? "%14s   %14s" : "%s  %s", dateText.c_str(), timeText.c_str());
}
