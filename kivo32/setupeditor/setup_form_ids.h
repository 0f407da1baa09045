// Control and text ids of the setup form (fixed numbers: never renumber); the captions are ours.
#pragma once

// General page.
inline constexpr int IDC_FORM_SETUP_NAME = 1010;
inline constexpr int IDC_FORM_TITLE = 1014;
inline constexpr int IDC_FORM_LINE_FREQUENCY = 1016;
inline constexpr int IDC_FORM_INTERVAL = 1017;
inline constexpr int IDC_FORM_INTERVAL_STANDARD = 1018;  // model 0's interval list
inline constexpr int IDC_FORM_MEMORY_TIME = 1022;
inline constexpr int IDC_FORM_MEMORY_TIME_LARGE = 1023;
inline constexpr int IDC_FORM_DEMAND_MINUTES = 2250;
inline constexpr int IDC_FORM_ALL_AVERAGES = 59840;  // averages of every power and sum channel
inline constexpr int IDC_FORM_START_AT_ONCE = 1724;
inline constexpr int IDC_FORM_START_AT_TIME = 1725;
inline constexpr int IDC_FORM_STOP_RING = 1728;
inline constexpr int IDC_FORM_STOP_LINEAR = 1729;
inline constexpr int IDC_FORM_STOP_AT_TIME = 1730;
inline constexpr int IDC_FORM_START_DATE_LABEL = 1759;
inline constexpr int IDC_FORM_STOP_DATE_LABEL = 1758;
// The buttons of the default setups 1P2W, 1P3W, 3P3W, 3P4W.
inline constexpr int kDefaultSetupButtonIds[4] = {2043, 2045, 2047, 2049};
// The wiring picture of the default setup loaded last (its button shows after the first).
inline constexpr int ID_SUT_WIRING_PICTURE = 32925;
// Month, day, year, hour, minute, second of the start and of the stop time.
inline constexpr int kStartFieldIds[6] = {1761, 1763, 1764, 1765, 1766, 1767};
inline constexpr int kStopFieldIds[6] = {1770, 1771, 1772, 1773, 1774, 1775};
// The up-down controls of the start and of the stop time: one for the date fields, one for the time.
inline constexpr int kStartSpinIds[2] = {1746, 1267};
inline constexpr int kStopSpinIds[2] = {1272, 1273};
// Channel type lists of channels 1-6.
inline constexpr int kTypeListIds[6] = {1029, 1041, 1053, 1065, 1077, 1083};
// Model 13's pulse inputs 1 and 2: on/off, label, related channel, kind, scale.
inline constexpr int kPulseOnIds[2] = {1887, 1895};
inline constexpr int kPulseLabelIds[2] = {2101, 2102};
inline constexpr int kPulseChannelIds[2] = {1904, 1906};
inline constexpr int kPulseKindIds[2] = {2104, 2105};
inline constexpr int kPulseScaleIds[2] = {1893, 1901};
// Model 14's analog inputs: the range list, then label, F1-F4, unit and option edits of input 1; each
// further input's ids are 17 higher.
inline constexpr int kAnalogRangeIds[4] = {2290, 2307, 2324, 2341};
inline constexpr int IDC_ANALOG_ROW_STEP = 17;
inline constexpr int IDC_ANALOG_LABEL = 2292;
inline constexpr int IDC_ANALOG_F1 = 2294;
inline constexpr int IDC_ANALOG_F2 = 2299;
inline constexpr int IDC_ANALOG_F3 = 2296;
inline constexpr int IDC_ANALOG_F4 = 2301;
inline constexpr int IDC_ANALOG_UNIT = 2303;
inline constexpr int IDC_ANALOG_OPTIONS = 2305;
// The fields of analog input 1 in the order of its row.
inline constexpr int kAnalogFieldIds[] = {IDC_ANALOG_LABEL, IDC_ANALOG_F1,   IDC_ANALOG_F2,     IDC_ANALOG_F3,
                                          IDC_ANALOG_F4,    IDC_ANALOG_UNIT, IDC_ANALOG_OPTIONS};
// Section headings: general settings, hardware channels, software channels, pulse and analog inputs.
inline constexpr int IDC_HEADING_GENERAL = 2224;
inline constexpr int IDC_HEADING_CHANNELS = 2226;
inline constexpr int IDC_HEADING_SOFTWARE = 2227;
inline constexpr int IDC_HEADING_PULSE = 2202;
inline constexpr int IDC_HEADING_ANALOG = 2288;

// The setup view's own messages: prepare a channel section (lParam the section code); recompute the
// memory time; name the frame (the session's WM_SETUP_LOGGER_FACTS comes too).
inline constexpr unsigned WM_PREPARE_CHANNEL_SECTION = 0x8000 + 0xCA;
inline constexpr unsigned WM_UPDATE_MEMORY_TIME = 0x8000 + 0xCB;
inline constexpr unsigned WM_SETUP_CAPTION = 0x8000 + 0x241;

// The main frame's toolbar while a setup view is active, and the normal one.
inline constexpr int ID_SETUP_TOOLBAR = 15;
inline constexpr int ID_MAIN_TOOLBAR = 10;

// The caption "%s %s: %s" takes the title, this word and the model name.
inline constexpr unsigned IDS_FORM_CAPTION_WORD = 59580;

// Ours: headings and captions of the form.
inline constexpr unsigned IDS_FORM_GENERAL = 22710;
inline constexpr unsigned IDS_FORM_CHANNEL = 22711;  // "%d" the channel
inline constexpr unsigned IDS_FORM_TITLE = 22712;
inline constexpr unsigned IDS_FORM_SETUP_NAME = 22713;
inline constexpr unsigned IDS_FORM_LINE_FREQUENCY = 22714;
inline constexpr unsigned IDS_FORM_INTERVAL = 22715;
inline constexpr unsigned IDS_FORM_DEMAND_MINUTES = 22716;
inline constexpr unsigned IDS_FORM_START = 22717;
inline constexpr unsigned IDS_FORM_START_AT_ONCE = 22718;
inline constexpr unsigned IDS_FORM_START_AT_TIME = 22719;
inline constexpr unsigned IDS_FORM_STOP = 22720;
inline constexpr unsigned IDS_FORM_STOP_RING = 22721;
inline constexpr unsigned IDS_FORM_STOP_LINEAR = 22722;
inline constexpr unsigned IDS_FORM_STOP_AT_TIME = 22723;
inline constexpr unsigned IDS_FORM_TIME_LABEL = 22724;
inline constexpr unsigned IDS_FORM_MEMORY = 22725;
inline constexpr unsigned IDS_FORM_TYPE = 22726;
inline constexpr unsigned IDS_FORM_PULSE_INPUT = 22727;   // "%d" the input
inline constexpr unsigned IDS_FORM_ANALOG_INPUT = 22728;  // "%d" the input
inline constexpr unsigned IDS_FORM_ON = 22729;
inline constexpr unsigned IDS_FORM_PULSE_KINDS = 22730;  // 22730-22732: kWh, kVARh, kVAh
inline constexpr unsigned IDS_FORM_ALL_AVERAGES = 22784;
inline constexpr unsigned IDS_FORM_ANALOG_INPUTS = 22785;
inline constexpr unsigned IDS_FORM_PULSE_INPUTS = 22786;
inline constexpr unsigned IDS_FORM_DEFAULT_SETUPS = 22790;
inline constexpr unsigned IDS_FORM_WIRING_PICTURE = 22793;
inline constexpr unsigned IDS_FORM_PROGRAM_LOGGER = 22796;
inline constexpr unsigned IDS_FORM_SECOND_VALUE_TIP = 59621;
inline constexpr unsigned IDS_FORM_ALL_AVERAGES_TIP = 59842;
// Field captions by column (22740 + column) and the captions that differ by type.
inline constexpr unsigned IDS_FORM_COLUMN_FIRST = 22740;
inline constexpr unsigned IDS_FORM_RANGE = 22760;
inline constexpr unsigned IDS_FORM_UNIT = 22761;
inline constexpr unsigned IDS_FORM_SCALE = 22762;
inline constexpr unsigned IDS_FORM_PULSE_SCALE = 22763;
inline constexpr unsigned IDS_FORM_OFFSET = 22764;
// The one option box of a single-value channel; the power channel a pulse input counts for.
inline constexpr unsigned IDS_FORM_RECORDED_VALUES = 22759;
inline constexpr unsigned IDS_FORM_PULSE_POWER_CHANNEL = 22772;
inline constexpr unsigned IDS_FORM_ANALOG_FIELDS = 22765;  // 22765-22771: label, F1-F4, unit, options

// CLoggerAlarmsDlg: high and low alarm checks, limit edits (the high edit takes the count in count
// mode), the labels of the low and high limit and of the count.
inline constexpr int IDC_ALARM_HIGH_ON = 1475;
inline constexpr int IDC_ALARM_LOW_ON = 1472;
inline constexpr int IDC_ALARM_LOW = 1473;
inline constexpr int IDC_ALARM_HIGH = 1474;
inline constexpr int IDC_ALARM_LOW_LABEL = 1431;
inline constexpr int IDC_ALARM_HIGH_LABEL = 1433;
inline constexpr int IDC_ALARM_COUNT_LABEL = 1434;
inline constexpr unsigned IDS_ALARM_HIGH_ON = 22733;
inline constexpr unsigned IDS_ALARM_LOW_ON = 22734;
inline constexpr unsigned IDS_ALARM_LOW_LIMIT = 22735;
inline constexpr unsigned IDS_ALARM_HIGH_LIMIT = 22736;
inline constexpr unsigned IDS_ALARM_COUNT = 22737;

// CPeakKWWindowDlg: off, channel 5, channel 6; the window length list and its label; the option's two
// radios; the prompt.
inline constexpr int IDC_PEAK_OFF = 1817;
inline constexpr int IDC_PEAK_CHANNEL5 = 1818;
inline constexpr int IDC_PEAK_CHANNEL6 = 1819;
inline constexpr int IDC_PEAK_LENGTH = 1797;
inline constexpr int IDC_PEAK_LENGTH_LABEL = 1792;
inline constexpr int IDC_PEAK_OPTION_OFF = 1794;
inline constexpr int IDC_PEAK_OPTION_ON = 1796;
inline constexpr int IDC_PEAK_PROMPT = 1815;
inline constexpr unsigned IDS_PEAK_OFF = 22780;
inline constexpr unsigned IDS_PEAK_LENGTH_LABEL = 22781;
inline constexpr unsigned IDS_PEAK_OPTION_OFF = 22782;
inline constexpr unsigned IDS_PEAK_OPTION_ON = 22783;
