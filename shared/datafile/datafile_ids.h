// Text ids of the data files; fixed numbers: never renumber.
#pragma once

// Opening, preparing and converting data files.
inline constexpr unsigned IDS_DATA_FILE_UNREADABLE = 8193;  // %s: the file name
inline constexpr unsigned IDS_DATA_FILE_NO_RECORDS = 8203;
inline constexpr unsigned IDS_MISSING_RECORDS = 59866;  // %d records, %s plural, %d gaps, %s plural
inline constexpr unsigned IDS_SHORT_INTERVALS = 59867;  // %d short intervals, %s plural
// Ours: %s the file name, %d the records it holds, %d the records it lists.
inline constexpr unsigned IDS_DATA_FILE_TRUNCATED = 59960;
// Ours: %d the logger model code.
inline constexpr unsigned IDS_UNKNOWN_LOGGER_MODEL = 59961;
// Ours: %ld the number of the record (from 1).
inline constexpr unsigned IDS_BAD_RECORD_STAMP = 59962;

// Captions of the date and time columns.
inline constexpr unsigned IDS_DATE_COLUMN = 9200;
inline constexpr unsigned IDS_TIME_COLUMN = 9201;

// Unit words of the logging intervals.
inline constexpr unsigned IDS_UNIT_MINUTE = 59466;
inline constexpr unsigned IDS_UNIT_HOUR = 59636;
inline constexpr unsigned IDS_UNIT_HOURS = 9246;
inline constexpr unsigned IDS_UNIT_MINUTES = 9249;
inline constexpr unsigned IDS_UNIT_SECOND = 9250;
inline constexpr unsigned IDS_UNIT_SECONDS = 9251;
// The whole text of interval code 7.
inline constexpr unsigned IDS_INTERVAL_CODE_7 = 9255;

// Model names of logger type codes 0, 2, 11 and 12; the model text of a file converted from CSV.
inline constexpr unsigned IDS_MODEL_STANDARD = 12500;
inline constexpr unsigned IDS_MODEL_2 = 9027;
inline constexpr unsigned IDS_MODEL_11 = 59760;
inline constexpr unsigned IDS_MODEL_12 = 59761;
inline constexpr unsigned IDS_CSV_MODEL_TEXT = 9028;

// CSV header section: the titles of the settings line, the data marker.
inline constexpr unsigned IDS_CSV_SETUP_NAME = 9214;
inline constexpr unsigned IDS_CSV_MEMORY_MODE = 9215;
inline constexpr unsigned IDS_CSV_LINE_FREQUENCY = 9216;
inline constexpr unsigned IDS_CSV_INTERVAL = 9217;
inline constexpr unsigned IDS_CSV_LOGGER_ID = 9219;
inline constexpr unsigned IDS_CSV_SETUP_LOGGER_ID = 9220;
inline constexpr unsigned IDS_CSV_MODEL = 9221;
inline constexpr unsigned IDS_CSV_FIRMWARE = 9222;
inline constexpr unsigned IDS_CSV_DEMAND_WINDOW = 59459;
inline constexpr unsigned IDS_CSV_DATA_MARKER = 59397;  // must read "DATA"
// The word of a software channel's description line.
inline constexpr unsigned IDS_CSV_SOFTWARE_SUM = 9225;

// CSV title lines: the captions and titles of the record number, date and time columns.
inline constexpr unsigned IDS_CSV_RECORD_CAPTION = 59487;
inline constexpr unsigned IDS_CSV_RECORD_TITLE = 59637;
inline constexpr unsigned IDS_CSV_DATE_TITLE = 59567;
inline constexpr unsigned IDS_CSV_TIME_TITLE = 59658;
// The temperature word, followed by a blank and the unit letter.
inline constexpr unsigned IDS_CSV_TEMPERATURE = 59756;
// A channel word that the caption walk recognises besides "CHAN" and the Quarven and analog words.
inline constexpr unsigned IDS_CSV_CAPTION_WORD = 59639;
// Title words the import reads: the time word, and the pulse words of bits 2 and 4.
inline constexpr unsigned IDS_CSV_TIME_WORD = 59568;
inline constexpr unsigned IDS_CSV_PULSE_BIT2 = 9242;
inline constexpr unsigned IDS_CSV_PULSE_BIT4 = 59759;

// CSV progress and failures.
inline constexpr unsigned IDS_CSV_EXPORT_PROGRESS = 12415;  // %ld the record number
inline constexpr unsigned IDS_CSV_NO_RECORDS = 9356;        // %s the CSV file name
inline constexpr unsigned IDS_CSV_TOO_FEW_LINES = 9357;     // %s the CSV file name
inline constexpr unsigned IDS_CSV_NO_TIME = 9358;           // %s the CSV file name
inline constexpr unsigned IDS_CSV_RECORD_WRITE_FAILED = 59746;
inline constexpr unsigned IDS_CSV_UNKNOWN_TITLE = 59642;  // followed by the word it did not know
// Ours: %s the CSV file name, %ld the seconds between its first two records.
inline constexpr unsigned IDS_CSV_NO_INTERVAL = 59963;
// Ours: %s the CSV file name, %ld the records read before its cut last line.
inline constexpr unsigned IDS_CSV_ENDS_EARLY = 59964;
