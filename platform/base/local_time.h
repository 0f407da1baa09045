// The one place where time_t meets broken-down local time (C library, TZ) and OLE dates.
#pragma once

#include <ctime>
#include <optional>

namespace platform {

std::optional<std::tm> ToLocalTime(std::time_t time);
std::optional<std::tm> ToUtcTime(std::time_t time);

// Whether FromLocalTime takes tm_isdst as the caller set it, or lets the zone decide (a tm filled field
// by field usually holds 0 there, which would put summer times an hour off).
enum class DstChoice { FromZone, AsGiven };

// mktime: fields out of range are normalised. nullopt when the time cannot be represented.
std::optional<std::time_t> FromLocalTime(std::tm local, DstChoice dst = DstChoice::FromZone);
// timegm: the fields taken as UTC.
std::optional<std::time_t> FromUtcTime(std::tm utc);

// OLE dates: days since 1899-12-30 00:00; the fraction is the time of day. Before that day the
// integer part counts back and the fraction still counts forward (-1.25 is 1899-12-29 06:00).
// Second resolution, rounded to the nearest second. Fields out of range are normalised.
double ToOleDate(const std::tm& time);
// nullopt for NaN, infinities and dates outside years 100-9999.
std::optional<std::tm> FromOleDate(double oleDate);

// Through local time: the OLE date holds the local wall-clock time.
// NaN when the time has no local time.
double TimeToOleDate(std::time_t time);
std::optional<std::time_t> OleDateToTime(double oleDate);

}  // namespace platform
