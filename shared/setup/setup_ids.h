// Text ids of the setup tables; fixed numbers: never renumber.
#pragma once

// Channel caption words: ordinary channels, Quarven channels, Quarven KX analog channels.
inline constexpr unsigned IDS_CHANNEL_WORD = 59570;
inline constexpr unsigned IDS_QUARVEN_CHANNEL_WORD = 9204;
inline constexpr unsigned IDS_ANALOG_CHANNEL_WORD = 59814;

// Quantity words of data-file columns.
inline constexpr unsigned IDS_QUANTITY_VOLTS = 59571;
inline constexpr unsigned IDS_QUANTITY_AMPS = 59572;
inline constexpr unsigned IDS_QUANTITY_UNUSED_GROUP = 59755;

// Value words of data-file columns by recording-option bit: 0x08, 0x02, 0x04, 0x01.
inline constexpr unsigned IDS_VALUE_BIT8 = 59630;
inline constexpr unsigned IDS_VALUE_MINIMUM = 59809;
inline constexpr unsigned IDS_VALUE_MAXIMUM = 59632;
inline constexpr unsigned IDS_VALUE_AVERAGE = 59633;
// The time columns after a minimum and a maximum.
inline constexpr unsigned IDS_TIME_OF_MINIMUM = 59643;
inline constexpr unsigned IDS_TIME_OF_MAXIMUM = 59644;

// Value words of an R,N,D,C channel (type 4), by letter.
inline constexpr unsigned IDS_RNDC_VALUE_C = 9321;
inline constexpr unsigned IDS_RNDC_VALUE_R = 59640;
inline constexpr unsigned IDS_RNDC_VALUE_N = 59659;
inline constexpr unsigned IDS_RNDC_VALUE_D = 59641;

// The setup-table file; "%s" is the file's path. 8193 is shared with the data files.
inline constexpr unsigned IDS_FILE_UNREADABLE = 8193;
inline constexpr unsigned IDS_SETUP_FILE_NOT_SAVED = 8195;
inline constexpr unsigned IDS_NOT_A_SETUP_FILE = 12297;
