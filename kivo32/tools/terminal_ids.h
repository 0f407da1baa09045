// The terminal window: control ids and text ids.
#pragma once

inline constexpr int IDC_TERMINAL_COMMAND = 1686;
inline constexpr int IDC_TERMINAL_TEXT = 1688;
inline constexpr int IDC_TERMINAL_SEND = 1689;
inline constexpr int IDC_TERMINAL_CLEAR = 1690;
inline constexpr int IDC_TERMINAL_TRACE = 1691;
inline constexpr int IDC_TERMINAL_TRACE_NOTE = 1692;
inline constexpr int IDC_TERMINAL_RAW_NOTE = 1693;
inline constexpr int IDC_TERMINAL_CLOSE = 1694;

inline constexpr unsigned IDS_TERMINAL_NO_SESSION = 59555;
inline constexpr unsigned IDS_TERMINAL_CLOSE_TRACING = 59557;
inline constexpr unsigned IDS_TERMINAL_TRACE_ON = 59573;
inline constexpr unsigned IDS_TERMINAL_TRACE_OFF = 59574;
inline constexpr unsigned IDS_TERMINAL_TITLE = 21420;
inline constexpr unsigned IDS_TERMINAL_SEND = 21421;
inline constexpr unsigned IDS_TERMINAL_CLEAR = 21422;
inline constexpr unsigned IDS_TERMINAL_TRACE_NOTE = 21423;
inline constexpr unsigned IDS_TERMINAL_RAW_NOTE = 21424;
inline constexpr unsigned IDS_TERMINAL_CLOSE = 21425;
