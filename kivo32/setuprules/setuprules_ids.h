// Text ids of the setup form's rules (fixed numbers: never renumber).
#pragma once

// Interval units: "1 %s" day, hour(s), minute(s), second(s).
inline constexpr unsigned IDS_INTERVAL_DAY = 59477;
inline constexpr unsigned IDS_INTERVAL_HOUR = 59478;
inline constexpr unsigned IDS_INTERVAL_HOURS = 59629;
inline constexpr unsigned IDS_INTERVAL_MINUTE = 59479;
inline constexpr unsigned IDS_INTERVAL_MINUTES = 59628;
inline constexpr unsigned IDS_INTERVAL_SECOND = 59480;
inline constexpr unsigned IDS_INTERVAL_SECONDS = 22700;  // ours: the plural

// The date-time check: "%s" the title, "%s" the field, "%d" lowest and highest.
inline constexpr unsigned IDS_DATE_FIELD_OUT_OF_RANGE = 12546;
inline constexpr unsigned IDS_TIME_FIELD_OUT_OF_RANGE = 12547;
inline constexpr unsigned IDS_FIELD_YEAR = 59475;
inline constexpr unsigned IDS_FIELD_MONTH = 59476;
inline constexpr unsigned IDS_FIELD_DAY = 59477;
inline constexpr unsigned IDS_FIELD_HOUR = 59478;
inline constexpr unsigned IDS_FIELD_MINUTE = 59479;
inline constexpr unsigned IDS_FIELD_SECOND = 59480;
inline constexpr unsigned IDS_START_TIME_TITLE = 59481;
inline constexpr unsigned IDS_STOP_TIME_TITLE = 59482;
// The date label by the order of the fields (the logger clock dialog's texts).
inline constexpr unsigned IDS_DATE_LABEL_MONTH_FIRST = 21731;
inline constexpr unsigned IDS_DATE_LABEL_DAY_FIRST = 21732;
inline constexpr unsigned IDS_DATE_LABEL_YEAR_FIRST = 21733;

// Memory time: days and hours; days only.
inline constexpr unsigned IDS_MEMORY_DAYS_HOURS = 12294;
inline constexpr unsigned IDS_MEMORY_DAYS = 12330;

// Model names and channel types.
inline constexpr unsigned IDS_MODEL_STANDARD = 12500;
inline constexpr unsigned IDS_TYPE_OFF = 9243;
inline constexpr unsigned IDS_TYPE_POWER = 9204;
inline constexpr unsigned IDS_TYPE_TEMPERATURE = 9205;
inline constexpr unsigned IDS_TYPE_RESISTANCE = 9206;
inline constexpr unsigned IDS_TYPE_RESISTANCE_OFF = 9207;
inline constexpr unsigned IDS_TYPE_CURRENT = 9208;
inline constexpr unsigned IDS_TYPE_TEMPERATURE_OFF = 9224;
inline constexpr unsigned IDS_TYPE_SUM = 9225;
inline constexpr unsigned IDS_SHORT_UNIT_DEFAULT = 9315;

// Section lists: temperature ranges (type 2); CT kinds (models 13-14).
inline constexpr unsigned IDS_RANGE_FIRST = 59575;  // 59575-59578
inline constexpr unsigned IDS_CT_KIND_CATALOGUE = 59863;
inline constexpr unsigned IDS_CT_KIND_MILLIVOLT = 59579;

// Alarm dialog titles ("%d" the channel): single value, temperature, pulse count; option columns 6-1.
inline constexpr unsigned IDS_ALARM_TITLE_SINGLE = 9232;
inline constexpr unsigned IDS_ALARM_TITLE_TEMPERATURE = 9233;
inline constexpr unsigned IDS_ALARM_TITLE_COUNT = 9234;
inline constexpr unsigned IDS_ALARM_TITLE_COLUMN6 = 9235;
inline constexpr unsigned IDS_ALARM_TITLE_COLUMN1 = 9240;  // columns 1-6: 9240 down to 9235

// The peak-demand window: caption ("%d" channel), "%s" unit word of the list and of the typed text,
// prompts (none; "%d" the channel in use), too long, not a window length, caption of both, the logger's
// firmware too old, the channel's kW option empty ("%d").
inline constexpr unsigned IDS_PEAK_CAPTION = 9350;
inline constexpr unsigned IDS_PEAK_LIST_UNIT = 9249;
inline constexpr unsigned IDS_PEAK_TYPED_UNIT = 59631;
inline constexpr unsigned IDS_PEAK_PROMPT_OFF = 59531;
inline constexpr unsigned IDS_PEAK_PROMPT_CHANNEL = 59532;
inline constexpr unsigned IDS_PEAK_TOO_LONG = 59533;
inline constexpr unsigned IDS_PEAK_NOT_A_LENGTH = 59534;
inline constexpr unsigned IDS_PEAK_MESSAGE_CAPTION = 59485;
inline constexpr unsigned IDS_PEAK_FIRMWARE_TOO_OLD = 9360;
inline constexpr unsigned IDS_PEAK_OPTION_EMPTY = 59484;
