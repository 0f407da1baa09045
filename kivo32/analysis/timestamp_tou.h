// CTimestampTOU: one record's date and time as the logger stamped it, on the local wall clock; and
// CTimestampTOUArray, the time stamps of a data file's records in record order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// Seconds counted on the wall clock from 1970-01-01 00:00, with no time zone: every day has 86400
// seconds, so a summer-time change neither moves a stamp nor makes two records share one, and the
// same record gives the same stamp whatever zone the machine is in. Eight bytes, so that a cache of
// millions of stamps stays small.
class CTimestampTOU {
public:
    CTimestampTOU() = default;

    // False, leaving the stamp as it was, for a field out of range (a day beyond its month too).
    bool SetFromFields(int year, int month, int day, int hour, int minute, int second);
    // An OLE date holding the wall-clock time; false for one that is no date (the stamp unchanged).
    bool SetFromOleDate(double oleDate);
    void Set(std::int64_t wallSeconds) { wall_seconds_ = wallSeconds; }
    void Invalidate() { wall_seconds_ = kInvalid; }

    bool IsValid() const { return wall_seconds_ != kInvalid; }
    std::int64_t GetWallSeconds() const { return wall_seconds_; }
    // The OLE date of the same wall-clock time; 0.0 (the zero date) when not valid.
    double GetOleDateTime() const;
    // 0 to 86399.
    int GetSecondOfDay() const;
    // 1 Sunday to 7 Saturday; 0 when not valid.
    int GetDayOfWeek() const;
    // The stamp `seconds` later on the same clock (earlier for a negative count).
    CTimestampTOU MovedBy(std::int64_t seconds) const;

    bool operator==(const CTimestampTOU&) const = default;

private:
    static constexpr std::int64_t kInvalid = std::numeric_limits<std::int64_t>::min();

    std::int64_t wall_seconds_ = kInvalid;
};

class CTimestampTOUArray {
public:
    // Empties the array, then holds `count` stamps that are not valid; false, leaving it empty, when
    // the memory cannot be had.
    bool SetSize(std::size_t count);
    std::size_t GetSize() const { return stamps_.size(); }
    void RemoveAll();

    // Element `index`; false outside the array.
    bool GetAt(std::size_t index, CTimestampTOU& stamp) const;
    bool SetAt(std::size_t index, const CTimestampTOU& stamp);
    const CTimestampTOU& operator[](std::size_t index) const { return stamps_[index]; }

private:
    std::vector<CTimestampTOU> stamps_;
};
