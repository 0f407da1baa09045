// Text ids of the analysis of a data file; fixed numbers: never renumber.
#pragma once

// The label of a report's title.
inline constexpr unsigned IDS_REPORT_FILE_LABEL = 9211;
// The data-error report's entries ("%s" the date and the time cells) and its summaries.
inline constexpr unsigned IDS_REPORT_NOT_ON_MINUTE = 59451;
inline constexpr unsigned IDS_REPORT_NOT_ON_INTERVAL = 59452;
inline constexpr unsigned IDS_REPORT_SHORT_INTERVAL = 59453;
inline constexpr unsigned IDS_REPORT_GAP = 59454;
inline constexpr unsigned IDS_REPORT_GAP_SUMMARY = 59455;
inline constexpr unsigned IDS_REPORT_SHORT_SUMMARY = 59456;
inline constexpr unsigned IDS_REPORT_NO_ERRORS = 59457;

// The channel statistics: the column heads (channel, average, maximum, minimum, date, time, total),
// the words of the statistic labels and their two quantity words, and a grid without values.
inline constexpr unsigned IDS_STAT_CHANNEL = 59570;
inline constexpr unsigned IDS_STAT_AVERAGE = 9295;
inline constexpr unsigned IDS_STAT_MINIMUM = 9296;
inline constexpr unsigned IDS_STAT_MAXIMUM = 9297;
inline constexpr unsigned IDS_STAT_TOTAL = 9298;
inline constexpr unsigned IDS_STAT_DATE = 59567;
inline constexpr unsigned IDS_STAT_TIME = 59568;
inline constexpr unsigned IDS_STAT_WORD_INSTANT = 59630;
inline constexpr unsigned IDS_STAT_WORD_MINIMUM = 59809;
inline constexpr unsigned IDS_STAT_WORD_MAXIMUM = 59632;
inline constexpr unsigned IDS_STAT_WORD_AVERAGE = 59633;
inline constexpr unsigned IDS_STAT_QUANTITY_VOLTS = 59571;
inline constexpr unsigned IDS_STAT_QUANTITY_AMPS = 59572;
inline constexpr unsigned IDS_STAT_NO_VALUES = 59465;

// The energy summary: demand window and its minutes, no peak of a channel, the energy registers; the
// peak demand not recorded; firmware too old and its advice; energy totals, and none recorded.
inline constexpr unsigned IDS_ENERGY_DEMAND_WINDOW = 59459;
inline constexpr unsigned IDS_ENERGY_DEMAND_MINUTES = 59784;
inline constexpr unsigned IDS_ENERGY_NO_PEAK = 9243;
inline constexpr unsigned IDS_ENERGY_REGISTERS = 59768;
inline constexpr unsigned IDS_ENERGY_NO_PEAK_DEMAND = 59460;
inline constexpr unsigned IDS_ENERGY_OLD_FIRMWARE = 59461;
inline constexpr unsigned IDS_ENERGY_UPDATE_FIRMWARE = 59462;
inline constexpr unsigned IDS_ENERGY_TOTALS = 59464;
inline constexpr unsigned IDS_ENERGY_NO_TOTALS = 9351;
// Ours: the energy summary window of a logger that keeps no registers.
inline constexpr unsigned IDS_ENERGY_NO_DATA = 20480;

// The summary report: its title; first and last record ("%s %s" date and time); duration in days; the
// setup and file headings and their fields; the channel labels; a value a converted file does not hold.
inline constexpr unsigned IDS_SUMMARY_TITLE = 9210;
inline constexpr unsigned IDS_SUMMARY_FIRST_RECORD = 9202;
inline constexpr unsigned IDS_SUMMARY_LAST_RECORD = 9203;
inline constexpr unsigned IDS_SUMMARY_DURATION = 9212;
inline constexpr unsigned IDS_SUMMARY_DAYS = 59626;
inline constexpr unsigned IDS_SUMMARY_SETUP = 9213;
inline constexpr unsigned IDS_SUMMARY_SETUP_NAME = 9214;
inline constexpr unsigned IDS_SUMMARY_MEMORY_MODE = 9215;
inline constexpr unsigned IDS_SUMMARY_RING = 9273;
inline constexpr unsigned IDS_SUMMARY_FILL = 9274;
inline constexpr unsigned IDS_SUMMARY_LINE_FREQUENCY = 9216;
inline constexpr unsigned IDS_SUMMARY_AUTO_FREQUENCY = 59586;
inline constexpr unsigned IDS_SUMMARY_INTERVAL = 9217;
inline constexpr unsigned IDS_SUMMARY_FILE = 9218;
inline constexpr unsigned IDS_SUMMARY_LOGGER_ID = 9219;
inline constexpr unsigned IDS_SUMMARY_SETUP_ID = 9220;
inline constexpr unsigned IDS_SUMMARY_MODEL = 9221;
inline constexpr unsigned IDS_SUMMARY_FIRMWARE = 9222;
inline constexpr unsigned IDS_SUMMARY_POWER = 9204;
inline constexpr unsigned IDS_SUMMARY_TEMPERATURE = 9205;
inline constexpr unsigned IDS_SUMMARY_RNDC = 9206;
inline constexpr unsigned IDS_SUMMARY_CURRENT = 9208;
inline constexpr unsigned IDS_SUMMARY_SOFTWARE = 9225;
inline constexpr unsigned IDS_SUMMARY_VOLTS = 59623;
inline constexpr unsigned IDS_SUMMARY_SCALE = 59785;
inline constexpr unsigned IDS_SUMMARY_OFFSET = 9292;
inline constexpr unsigned IDS_SUMMARY_MULTIPLIER = 9290;
inline constexpr unsigned IDS_SUMMARY_NOT_IN_FILE = 9028;
// The summary's peak-demand window of models 1 and 2 ("%d" its minutes, "%s" its kind); ours: the two
// kinds, by the window's option bit.
inline constexpr unsigned IDS_SUMMARY_DEMAND_WINDOW = 59463;
inline constexpr unsigned IDS_SUMMARY_MOVING_WINDOW = 21170;
inline constexpr unsigned IDS_SUMMARY_BLOCK_WINDOW = 21171;
