// The texts of setup programming and the program and file transfers.
#pragma once

// Status texts of a setup write, one a block.
inline constexpr unsigned IDS_SENDING_HEADER = 12398;
inline constexpr unsigned IDS_SENDING_CHANNELS = 12399;
inline constexpr unsigned IDS_SENDING_LABELS = 12400;
inline constexpr unsigned IDS_SENDING_NOTES = 12401;
inline constexpr unsigned IDS_STARTING_SETUP = 12402;
inline constexpr unsigned IDS_SENDING_ALARMS = 12436;
inline constexpr unsigned IDS_SENDING_EXTENDED = 12549;

// The program and file transfers.
inline constexpr unsigned IDS_TRANSFER_PROGRESS = 59717;  // %d lines read or blocks sent
inline constexpr unsigned IDS_TRANSFER_CANCELLED = 59718;
inline constexpr unsigned IDP_TRANSFER_OPEN_FAILED = 59719;  // %s the file
// Ours: a firmware file with a damaged record.
inline constexpr unsigned IDP_FIRMWARE_RECORD_BAD = 20790;  // %s the file, %s the line number
