// The user's date and time formats and the order codes derived from them.
#pragma once

#include <functional>
#include <string>

inline constexpr const char* kDefaultDateSeparator = "/";
inline constexpr const char* kDefaultShortDateFormat = "MM/dd/yy";
inline constexpr const char* kDefaultTimeSeparator = ":";
// Minutes are "mm": "MM" would be the month.
inline constexpr const char* kDefaultTimeFormat = "HH:mm:ss";

// Date-order codes: the order of month, day and year in the short date format.
inline constexpr int kDateOrderMDY = 0;
inline constexpr int kDateOrderMYD = 1;
inline constexpr int kDateOrderDMY = 2;
inline constexpr int kDateOrderDYM = 3;
inline constexpr int kDateOrderYMD = 4;
inline constexpr int kDateOrderYDM = 5;

// Time-order codes: the order of hours, minutes and seconds in the time format.
inline constexpr int kTimeOrderHMS = 0;
inline constexpr int kTimeOrderHSM = 1;
inline constexpr int kTimeOrderMHS = 2;
inline constexpr int kTimeOrderMSH = 3;
inline constexpr int kTimeOrderSHM = 4;
inline constexpr int kTimeOrderSMH = 5;

// The regional values as the program's settings or the system locale give them ("sDate",
// "sShortDate", "sTime", "sTimeFormat"); an empty value is not set.
struct CRegionalFormats {
    std::string dateSeparator;
    std::string shortDateFormat;
    std::string timeSeparator;
    std::string timeFormat;
};

class CDateTimeFormatHelper {
public:
    using FormatSource = std::function<CRegionalFormats()>;

    // Without a source every format keeps its default.
    explicit CDateTimeFormatHelper(FormatSource source = {});
    virtual ~CDateTimeFormatHelper() = default;

    // Reads the formats (trimmed, defaults where unset) and derives the order codes; once loaded, only
    // a non-zero `force` reads them again.
    void LoadFormats(int force);

    int GetDateOrder();
    int GetTimeOrder();
    const std::string& GetShortDateFormat();
    const std::string& GetDateSeparator();
    const std::string& GetTimeFormat();
    const std::string& GetTimeSeparator();
    // The run of "y" from the first "y" of the short date format (0 without one).
    int GetYearDigits();
    // True when the hour comes before the minutes.
    bool IsHourFirst();

    // An OLE date through the short date format / the time format; empty for an invalid date.
    std::string FormatDate(double date);
    std::string FormatTime(double date);
    // Date and time as two right-aligned columns of 14 ("%14s   %14s") or "%s  %s".
    std::string FormatDateTime(double date, bool padded);

    // The order code of three fields from the positions of their first letters (-1 when missing):
    // date (month, day, year) or time (hour, minute, second).
    static int OrderCode(int first, int second, int third);

private:
    FormatSource source_;
    bool loaded_ = false;
    int date_order_ = kDateOrderMDY;
    int time_order_ = kTimeOrderHMS;
    std::string short_date_format_ = kDefaultShortDateFormat;
    std::string date_separator_ = kDefaultDateSeparator;
    std::string time_format_ = kDefaultTimeFormat;
    std::string time_separator_ = kDefaultTimeSeparator;
};
