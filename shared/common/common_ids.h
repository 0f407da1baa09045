// Text ids of the program-wide helpers; fixed numbers: never renumber.
#pragma once

// Day names, Sunday first (CDayOfWeek::GetName).
inline constexpr unsigned IDS_DAY_SUNDAY = 9020;
inline constexpr unsigned IDS_DAY_MONDAY = 9021;
inline constexpr unsigned IDS_DAY_TUESDAY = 9022;
inline constexpr unsigned IDS_DAY_WEDNESDAY = 9023;
inline constexpr unsigned IDS_DAY_THURSDAY = 9024;
inline constexpr unsigned IDS_DAY_FRIDAY = 9025;
inline constexpr unsigned IDS_DAY_SATURDAY = 9026;

// Results of the ASCII export (ExportStatusText).
inline constexpr unsigned IDS_EXPORT_OK = 59730;
inline constexpr unsigned IDS_EXPORT_OPEN_FAILED = 59731;
inline constexpr unsigned IDS_EXPORT_NO_DATA = 59732;
inline constexpr unsigned IDS_EXPORT_NO_MEMORY = 59733;
inline constexpr unsigned IDS_EXPORT_HEADER_WRITE_FAILED = 59734;
inline constexpr unsigned IDS_EXPORT_DATA_READ_FAILED = 59735;
inline constexpr unsigned IDS_EXPORT_RECORD_WRITE_FAILED = 59736;
// The word that "InitFieldArray() %s" is filled with.
inline constexpr unsigned IDS_EXPORT_FIELD_ERROR = 59737;
