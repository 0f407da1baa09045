// Start and stop times of the setup form.
#include "kivo32/setuprules/setup_times.h"

#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/calendar.h"
#include "shared/setup/firmware_level.h"
#include "shared/setup/sut_header.h"

TimeFields FieldsFromTime(const std::tm& local, bool zeroSeconds) {
    return {local.tm_mon + 1, local.tm_mday, local.tm_year % 100,
            local.tm_hour,    local.tm_min,  zeroSeconds ? 0 : local.tm_sec};
}

std::optional<DateTimeFault> CheckDateTime(const TimeFields& fields) {
    struct Check {
        int value;
        unsigned message;
        unsigned name;
        int low;
        int high;
    };
    const int lastDay = fields.month >= 1 && fields.month <= 12
                            ? DaysInMonth(ExpandTwoDigitYear(fields.year), fields.month)
                            : 31;
    const Check checks[] = {
        {fields.year, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_YEAR, 0, 99},
        {fields.month, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_MONTH, 1, 12},
        {fields.day, IDS_DATE_FIELD_OUT_OF_RANGE, IDS_FIELD_DAY, 1, lastDay},
        {fields.hour, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_HOUR, 0, 23},
        {fields.minute, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_MINUTE, 0, 59},
        {fields.second, IDS_TIME_FIELD_OUT_OF_RANGE, IDS_FIELD_SECOND, 0, 59},
    };
    for (const Check& check : checks) {
        if (check.value < check.low || check.value > check.high) {
            return DateTimeFault{check.message, check.name, check.low, check.high};
        }
    }
    return std::nullopt;
}

std::string DateTimeFaultText(const DateTimeFault& fault, unsigned titleId) {
    return platform::FormatLoadedText(
        fault.messageId, {LoadText(titleId), LoadText(fault.fieldNameId), std::to_string(fault.low),
                          std::to_string(fault.high)});
}

std::optional<std::time_t> TimeFromFields(const TimeFields& fields) {
    if (CheckDateTime(fields)) {
        return std::nullopt;
    }
    return LocalTimeFromFields(ExpandTwoDigitYear(fields.year), fields.month, fields.day, fields.hour,
                               fields.minute, fields.second);
}

DateOrder DateOrderFromFormat(char firstLetter) {
    switch (firstLetter) {
        case 'd':
        case 'D':
            return DateOrder::DayMonthYear;
        case 'y':
        case 'Y':
            return DateOrder::YearMonthDay;
        default:
            return DateOrder::MonthDayYear;
    }
}

std::string DateOrderLabel(DateOrder order) {
    switch (order) {
        case DateOrder::DayMonthYear:
            return LoadText(IDS_DATE_LABEL_DAY_FIRST);
        case DateOrder::YearMonthDay:
            return LoadText(IDS_DATE_LABEL_YEAR_FIRST);
        default:
            return LoadText(IDS_DATE_LABEL_MONTH_FIRST);
    }
}

int StartModeFor(int firmwareLevel, std::uint32_t startTime) {
    return firmwareLevel == kFirmwareLevelOk && startTime != 0 ? 2 : 1;
}

int StopModeFor(int firmwareLevel, std::uint32_t stopTime, std::uint8_t optionByte) {
    if (firmwareLevel == kFirmwareLevelOk && stopTime != 0) {
        return 5;
    }
    return (optionByte & CSUTHeader::kOptionRingMemory) != 0 ? 3 : 4;
}
