// Serial dates of the graph's X axis (OLE dates: days since 1899-12-30) to and from their parts.
#pragma once

namespace platform {

struct SerialDateParts {
    int month = 1;
    int day = 1;
    int yearsSince1900 = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const SerialDateParts&) const = default;
};

// 0.0 when a part is out of its range (month 1-12, a day of that month, years 100-9999, hour 0-23,
// minute and second 0-59): no part is carried into the next.
double CreateSerialDate(const SerialDateParts& parts);
// False for a value that is no date.
bool SerialDateToParts(double serialDate, SerialDateParts& parts);

}  // namespace platform
