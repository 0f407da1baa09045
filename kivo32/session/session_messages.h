// The thread messages of the program's session: one per logger command of the user interface. The
// three that every session takes (cancel, drop the logger, end) are in shared/link/link_ids.h.
#pragma once

#include <cstdint>

#include "kivo32/update/update_ids.h"
#include "platform/base/window_messages.h"

inline constexpr unsigned WM_SESSION_CALL_ANSWERED = WM_APP + 0xDA;
inline constexpr unsigned WM_SESSION_SET_TIME = WM_APP + 0x130;
inline constexpr unsigned WM_SESSION_SYNC_TIME = WM_APP + 0x131;
inline constexpr unsigned WM_SESSION_SET_BAUD_RATE = WM_APP + 0x132;
inline constexpr unsigned WM_SESSION_SET_DESCRIPTION = WM_APP + 0x133;
inline constexpr unsigned WM_SESSION_START_STOP_LOGGING = WM_APP + 0x134;
inline constexpr unsigned WM_SESSION_CLEAR_MEMORY = WM_APP + 0x135;
inline constexpr unsigned WM_SESSION_SET_MODEM_STRING = WM_APP + 0x136;
inline constexpr unsigned WM_SESSION_SET_LOGGER_IDS = WM_APP + 0x137;
inline constexpr unsigned WM_SESSION_SET_SCALARS = WM_APP + 0x138;
inline constexpr unsigned WM_SESSION_CAL_AMP_SCALAR = WM_APP + 0x139;
inline constexpr unsigned WM_SESSION_CAL_VOLT_TEMP_SCALAR = WM_APP + 0x13A;
inline constexpr unsigned WM_SESSION_MEMORY_TEST = WM_APP + 0x13B;
inline constexpr unsigned WM_SESSION_PROGRAM_LOGGER = WM_APP + 0x13C;
inline constexpr unsigned WM_SESSION_READ_SETUP_TABLE = WM_APP + 0x13D;
inline constexpr unsigned WM_SESSION_REAL_TIME_TEXT = WM_APP + 0x13F;
inline constexpr unsigned WM_SESSION_REAL_TIME_GRAPH = WM_APP + 0x140;
inline constexpr unsigned WM_SESSION_CALL_SCHEDULE = WM_APP + 0x142;
inline constexpr unsigned WM_SESSION_READ_CALL_SCHEDULE = WM_APP + 0x143;
inline constexpr unsigned WM_SESSION_READ_ALL_DATA = WM_APP + 0x145;
inline constexpr unsigned WM_SESSION_READ_NEW_DATA = WM_APP + 0x146;
inline constexpr unsigned WM_SESSION_HARMONICS = WM_APP + 0x148;
inline constexpr unsigned WM_SESSION_WF_CAPTURE = WM_APP + 0x149;
inline constexpr unsigned WM_SESSION_SYNC_BAUD_RATE = WM_APP + 0x14A;
inline constexpr unsigned WM_SESSION_AUTO_CALIBRATION = WM_APP + 0x14B;
inline constexpr unsigned WM_SESSION_TOGGLE_OPTION = WM_APP + 0x14C;
inline constexpr unsigned WM_SESSION_SET_NETWORK_INFO = WM_APP + 0x14E;
inline constexpr unsigned WM_SESSION_CLEAR_PEAK = WM_APP + 0x14F;
inline constexpr unsigned WM_SESSION_CLEAR_TOTALS = WM_APP + 0x150;
inline constexpr unsigned WM_SESSION_LOGGER_PROPERTIES = WM_APP + 0x151;
// WM_APP + 0x152, defined with the update check, which posts it and sits below the program's headers.
inline constexpr unsigned WM_SESSION_SET_WIFI_INFO = WM_VC_MODULE_UPDATE;
inline constexpr unsigned WM_SESSION_SET_WEB_PASSWORD = WM_APP + 0x154;
// The unattended download's end, to the main window.
inline constexpr unsigned WM_UNATTENDED_DOWNLOAD_DONE = WM_APP + 0xF0;

// To the main window after a download (payload the data file's std::filesystem::path): open it as a data
// document, write its CSV form; and the answers to a new-data read that cannot go on: a new file for a
// read of new data from now on, or for a read of all data.
inline constexpr unsigned WM_OPEN_DOWNLOADED_FILE = WM_APP + 0xD3;
// WM_OPEN_DOWNLOADED_FILE's wParam after a download the user gave up: only a document already open on the
// file reads it anew (the disk holds the records received), nothing opens.
inline constexpr std::uintptr_t kReloadOpenDownloadedFile = 1;
inline constexpr unsigned WM_NEW_FILE_FOR_NEW_DATA = WM_APP + 0xDB;
inline constexpr unsigned WM_NEW_FILE_FOR_ALL_DATA = WM_APP + 0xDC;
inline constexpr unsigned WM_WRITE_CSV_FILE = WM_APP + 0xEA;

// Ours, to the main window: open the setup read from the logger as a new setup document (payload a
// CSetupTable).
inline constexpr unsigned WM_OPEN_READ_SETUP = WM_APP + 0x1E4;

// Ours, to the main window: open a real-time values window (payload a
// std::shared_ptr<CRealTimeWindowLink>); to that window: the reading of one update (payload a
// RealTimeRecord, real_time_record.h) and a waveform capture it asked for (payload a WaveformCapture).
inline constexpr unsigned WM_REAL_TIME_WINDOW = WM_APP + 0x1E2;
inline constexpr unsigned WM_REAL_TIME_VALUES = WM_APP + 0x1E3;
inline constexpr unsigned WM_REAL_TIME_CAPTURE = WM_APP + 0x220;

// Ours, to the main window: show (wParam 1, payload the text as a std::string) or hide (wParam 0) the
// notice that stays while the Wi-Fi module fetches its new firmware.
inline constexpr unsigned WM_MODULE_UPDATE_NOTICE = WM_APP + 0x1E6;
// Ours, to the session: read the logger's clock for a check of the user-interface thread (payload a
// std::shared_ptr<CLoggerClockReading>, logger_clock_reading.h).
inline constexpr unsigned WM_SESSION_READ_CLOCK = WM_APP + 0x1E7;
// Ours, to the session: read what the version check needs of the logger for a check that runs on another
// thread (payload a std::shared_ptr<CLoggerVersionReading>, logger_version_reading.h).
inline constexpr unsigned WM_SESSION_READ_VERSIONS = WM_APP + 0x1EE;
// Ours, to the session: read the logger's setup for its energy summary; and to the main window, what it
// read (payload a LoggerSetupReading, logger_setup_reading.h).
inline constexpr unsigned WM_SESSION_READ_ENERGY_SUMMARY = WM_APP + 0x1F8;
inline constexpr unsigned WM_LOGGER_ENERGY_SUMMARY = WM_APP + 0x1F9;
// Ours, to the session while the Wi-Fi settings dialog is open: scan for networks (payload the
// std::shared_ptr<platform::MessageTarget> the reply goes to); the reply, to that dialog: wParam 1 when
// the module answered, payload its reply text (std::string).
inline constexpr unsigned WM_SESSION_SCAN_WIFI = WM_APP + 0x1FA;
inline constexpr unsigned WM_WIFI_SCAN_REPLY = WM_APP + 0x1FB;
// Ours, to the session: a raw command of the terminal window (payload the command as a std::string), or,
// without a payload, wake the logger as the window opens.
inline constexpr unsigned WM_SESSION_TERMINAL = WM_APP + 0x200;
// Ours, to the session while the calibration window is open: read the A/D counts (payload the
// std::shared_ptr<platform::MessageTarget> the reply goes to), write new scalars (payload
// CalibrationScalars, calibration_requests.h); and the reply to that window.
inline constexpr unsigned WM_SESSION_CALIBRATION_COUNTS = WM_APP + 0x201;
inline constexpr unsigned WM_SESSION_CALIBRATION_SCALARS = WM_APP + 0x202;
inline constexpr unsigned WM_CALIBRATION_REPLY = WM_APP + 0x203;
// Ours, to the session while the calibration window is open: sample the logger's channels (payload the
// reply target); the reply's payload is the std::vector<RealTimeValue> read.
inline constexpr unsigned WM_SESSION_CALIBRATION_MEASURE = WM_APP + 0x204;
// Ours, to the session: read the logger's clock and firmware version for a setup form (payload the
// std::shared_ptr<platform::MessageTarget> the reply goes to; the reply is WM_SETUP_LOGGER_FACTS,
// kivo32/setuprules/setup_logger_facts.h).
inline constexpr unsigned WM_SESSION_SETUP_FORM_FACTS = WM_APP + 0x242;
// Ours, to the session while the firmware update window is open: send a firmware file or a module
// image (payload a FirmwareTransferRequest, firmware_requests.h); and the result, to that window.
inline constexpr unsigned WM_SESSION_FIRMWARE_UPDATE = WM_APP + 0x205;
inline constexpr unsigned WM_FIRMWARE_RESULT = WM_APP + 0x206;
// The main window's version check, posted as WM_COMMAND after a module update.
inline constexpr unsigned ID_SESSION_VERSION_CHECK = 32958;
// The main window's direct connect over the last port, posted as WM_COMMAND after a firmware update.
inline constexpr unsigned ID_SESSION_CONNECT_DIRECT = 32785;
// The main window's disconnect command, posted as WM_COMMAND after the terminal restarted the logger.
inline constexpr unsigned ID_SESSION_DISCONNECT = 32789;

// Ours, to the session while a scalar, calibration or logger-ID window is open: its question to the
// logger (payload a LoggerWindowQuestion, logger_window_calls.h); and the answer, to that window
// (payload a LoggerWindowAnswer).
inline constexpr unsigned WM_SESSION_LOGGER_WINDOW = WM_APP + 0x270;
inline constexpr unsigned WM_LOGGER_WINDOW_ANSWER = WM_APP + 0x271;

// Ours, to the main window: open the harmonics window (payload a std::shared_ptr<CHarmonicsWindowLink>);
// the session's capture loop runs until it closes.
inline constexpr unsigned WM_HARMONICS_WINDOW = WM_APP + 0x230;
