// The numbers of the logger objects: status notice codes and text ids.
#pragma once

#include "shared/link/link_ids.h"

// Status notice codes (wParam of WM_LINK_STATUS) beside those of the links.
inline constexpr unsigned STATUS_LOGGER_TITLE = 1174;
inline constexpr unsigned STATUS_RECORDING = 1181;
inline constexpr unsigned STATUS_DESCRIPTION = 1881;

// Status texts of the session start and the setup reads.
inline constexpr unsigned IDS_CHECKING_LOGGER = 12326;
inline constexpr unsigned IDS_READING_ROM_TABLE = 12327;
inline constexpr unsigned IDS_READING_HEADER_WORDS = 12328;
inline constexpr unsigned IDS_READING_STATUS = 12329;
inline constexpr unsigned IDS_READING_SCALARS = 12331;
inline constexpr unsigned IDS_READING_CLOCK = 12332;
inline constexpr unsigned IDS_READING_SETUPS = 12385;
inline constexpr unsigned IDS_READING_SAVED_SETUP = 12386;
inline constexpr unsigned IDS_READING_ROM_SETUP = 12387;  // %d ROM setup number
inline constexpr unsigned IDS_SETUPS_READ = 12388;
inline constexpr unsigned IDS_READING_CHANNELS = 12389;
inline constexpr unsigned IDS_READING_LABELS = 12390;
inline constexpr unsigned IDS_READING_NOTES = 12391;
inline constexpr unsigned IDS_READING_REAL_TIME = 12418;
inline constexpr unsigned IDS_READING_SUPPLY = 12419;
inline constexpr unsigned IDS_READING_SETUP_HEADER = 12426;
inline constexpr unsigned IDS_READING_ALARMS = 12437;
inline constexpr unsigned IDS_NO_ACTIVE_CHANNEL = 12447;
inline constexpr unsigned IDS_READING_EXTENDED = 12548;
inline constexpr unsigned IDS_NO_ACTIVE_ANALOG_CHANNEL = 12579;

// Recording state notices.
// Ours: 9242, the number beside its pair, is taken by another text in our tables.
inline constexpr unsigned IDS_RECORDING_ON = 20700;
inline constexpr unsigned IDS_RECORDING_OFF = 9243;
inline constexpr unsigned IDS_RECORDING_ON_FAST = 9362;

// Status report.
inline constexpr unsigned IDS_REPORT_NO_SESSION = 59666;
inline constexpr unsigned IDS_REPORT_FIRMWARE = 59667;
inline constexpr unsigned IDS_REPORT_DESCRIPTION = 59668;
inline constexpr unsigned IDS_REPORT_LOGGER_ID = 59669;
inline constexpr unsigned IDS_REPORT_ACTIVE_SETUP = 59670;
inline constexpr unsigned IDS_REPORT_NETWORK = 59671;
inline constexpr unsigned IDS_REPORT_NO_MODULE = 59672;
inline constexpr unsigned IDS_REPORT_BLUETOOTH = 59673;
inline constexpr unsigned IDS_REPORT_CELL = 59674;
inline constexpr unsigned IDS_REPORT_WIFI = 59675;
inline constexpr unsigned IDS_REPORT_RECORDS = 59726;  // %ld records, %ld capacity
inline constexpr unsigned IDS_REPORT_CLOCK = 59850;

// Messages.
inline constexpr unsigned IDS_COMMAND_TOO_LONG = 59676;
inline constexpr unsigned IDS_FACTORY_SETUP = 59677;
inline constexpr unsigned IDS_RECORD_READ_FAILED = 59678;
inline constexpr unsigned IDS_OLD_FIRMWARE = 59687;
inline constexpr unsigned IDS_VERSION_REFUSED = 59688;
inline constexpr unsigned IDS_VERSION_UNKNOWN_REPLY = 59689;
