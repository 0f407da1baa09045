// A day of the week, 1 Sunday to 7 Saturday, as the call schedules use it.
#pragma once

#include <string>

class CDayOfWeek {
public:
    // Valid for 1 to 7.
    explicit CDayOfWeek(int day);
    virtual ~CDayOfWeek() = default;
    CDayOfWeek(const CDayOfWeek&) = default;
    CDayOfWeek& operator=(const CDayOfWeek&) = default;

    // The weekday of an OLE date; an invalid date makes the day invalid.
    void SetFromDate(double date);

    bool IsValid() const { return valid_; }
    // 1 to 7; -1 when invalid.
    int GetDay() const { return day_; }
    // The day's name in the program's language; empty when invalid.
    std::string GetName() const;

    // Moves the day by `days`, forward or back, wrapping round the week. An invalid day stays so.
    void AddDays(int days);
    // Days forward from this day to `other`, 1 to 6; 0 when they are equal or either is invalid.
    int DaysUntil(const CDayOfWeek& other) const;

    bool IsWeekday() const { return valid_ && day_ != 1 && day_ != 7; }
    bool IsWeekend() const { return valid_ && (day_ == 1 || day_ == 7); }

private:
    void SetInvalid();

    bool valid_ = false;
    int day_ = -1;
};
