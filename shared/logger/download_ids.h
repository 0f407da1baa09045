// The numbers of the logger downloads: text ids and the recovery question's button.
#pragma once

// The recovery question's third button: try again for the records not yet read.
inline constexpr unsigned IDC_RECOVERY_TRY_AGAIN = 1884;

inline constexpr unsigned IDS_NOT_RECORDING = 12355;
// Status texts of a download.
inline constexpr unsigned IDS_SHORT_INTERVAL_STOP = 12409;
inline constexpr unsigned IDS_FINDING_RECORDS = 12410;
inline constexpr unsigned IDS_PREPARING_DOWNLOAD = 12411;
inline constexpr unsigned IDS_DOWNLOADING_TO = 12412;  // %s the data file
inline constexpr unsigned IDS_DOWNLOAD_DONE = 12413;
// Log lines of a download.
inline constexpr unsigned IDS_PORT_LOST = 59679;
inline constexpr unsigned IDS_READING_MEMORY = 59680;
inline constexpr unsigned IDS_BUILDING_DATA_FILE = 59681;
inline constexpr unsigned IDS_DOWNLOAD_COMPLETE = 59682;
inline constexpr unsigned IDS_DOWNLOAD_FAILED = 59683;
