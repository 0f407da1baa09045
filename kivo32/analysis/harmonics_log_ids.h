// Text ids of the harmonics logs; fixed numbers: never renumber. Each text is written as it stands, with
// the line feeds its wording holds.
#pragma once

inline constexpr unsigned IDS_HLOG_TITLE = 59413;  // %d the channel number
inline constexpr unsigned IDS_HLOG_RUN_HEAD_1 = 59414;
inline constexpr unsigned IDS_HLOG_RUN_HEAD_2 = 59415;
inline constexpr unsigned IDS_HLOG_RMS = 59416;
inline constexpr unsigned IDS_HLOG_COLUMNS = 59417;
inline constexpr unsigned IDS_HLOG_THD = 59418;  // followed by the reference ("Fundamental" or "RMS")
inline constexpr unsigned IDS_HLOG_PEAK = 59421;
inline constexpr unsigned IDS_HLOG_CREST = 59422;
inline constexpr unsigned IDS_HLOG_FUNDAMENTAL = 59423;
inline constexpr unsigned IDS_HLOG_HARMONICS = 59424;
inline constexpr unsigned IDS_HLOG_NO_SUMMARY = 59425;
inline constexpr unsigned IDS_HLOG_RAW = 59426;
inline constexpr unsigned IDS_HLOG_NO_RAW = 59427;
inline constexpr unsigned IDS_HLOG_LINE_FREQUENCY = 9216;

// The harmonics window's messages that its loop shows: a failed capture; the question before a run that
// logs is stopped, with its caption.
inline constexpr unsigned IDS_HARMONICS_CAPTURE_FAILED = 12472;
inline constexpr unsigned IDS_HARMONICS_STOP_LOGGING = 59430;
inline constexpr unsigned IDS_HARMONICS_LOG_CAPTION = 59431;
