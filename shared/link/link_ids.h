// The numbers of the logger links: posted messages, status notice codes and text ids.
#pragma once

#include "platform/base/window_messages.h"

// Messages to the main window.
inline constexpr unsigned WM_LINK_STATUS = WM_APP + 0xD0;  // wParam a notice code, payload its text
inline constexpr unsigned WM_LINK_OPENING = WM_APP + 0xCE;
inline constexpr unsigned WM_USB_DEVICE_ARRIVAL = WM_APP + 0xF2;  // payload the device name text
inline constexpr unsigned WM_USB_DEVICE_REMOVAL = WM_APP + 0xF3;
inline constexpr unsigned WM_SEND_QUEUED_DATA = WM_APP + 0xED;
// Ours: the wait cursor (wParam 1 show, -1 restore) and the close command (wParam 0 grey, 1 enable),
// which the session asks of the user-interface thread.
inline constexpr unsigned WM_WAIT_CURSOR = WM_APP + 0x1E0;
inline constexpr unsigned WM_CLOSE_COMMAND = WM_APP + 0x1E1;
// Message to the application: end the session (wParam the reason: 2 after a network restart).
inline constexpr unsigned WM_END_SESSION = WM_APP + 0xD6;
// Thread messages of every session: cancel the running command (the abort flag is set first), drop
// the logger object, end the session (wParam the reason, lParam 1 to keep the logger: no farewell).
inline constexpr unsigned WM_CANCEL_COMMAND = WM_APP + 0x12D;
inline constexpr unsigned WM_DROP_LOGGER = WM_APP + 0x12E;
inline constexpr unsigned WM_END_SESSION_THREAD = WM_APP + 0x12F;
// Ours, to the session: the watch of an idle wireless or network link; the session sends the logger an
// escape when the link has been idle long enough, and posts WM_COMMAND with wParam to the main window when
// the link cannot take it.
inline constexpr unsigned WM_IDLE_ESCAPE = WM_APP + 0x1EA;

// The modem line's posts to the application: a call answered and connected, an incoming call being
// answered (both in answer mode only), and a failed modem request (wParam 0).
inline constexpr unsigned WM_MODEM_CALL_CONNECTED = WM_APP + 0xDA;
inline constexpr unsigned WM_MODEM_CALL_OFFERED = WM_APP + 0xDE;
inline constexpr unsigned WM_MODEM_LINE_ERROR = WM_APP + 0xE1;
// Ours, to the session thread: the modem's reader has result lines waiting; the session runs the
// message's payload (a std::function<void()>), which hands them to the line.
inline constexpr unsigned WM_MODEM_LINE_EVENT = WM_APP + 0x1EC;

// Status notice codes (wParam of WM_LINK_STATUS).
inline constexpr unsigned STATUS_CONNECTION_LABEL = 1148;
inline constexpr unsigned STATUS_TEXT = 1172;
inline constexpr unsigned STATUS_COMMAND_DONE = 1173;  // lParam a percent, 0 when finished
inline constexpr unsigned STATUS_BYTES_SENT = 1176;
inline constexpr unsigned STATUS_BYTES_RECEIVED = 1177;
inline constexpr unsigned STATUS_TIMEOUT = 1178;
inline constexpr unsigned STATUS_PORT_NAME = 1179;
inline constexpr unsigned STATUS_LINK_SPEED = 1212;
inline constexpr unsigned STATUS_MODEL_NAME = 1175;  // value 0: the session's displayed model name
// Ours: the link is gone, so what it last told of the logger's state no longer holds.
inline constexpr unsigned STATUS_LINK_LOST = 1990;

// Message boxes.
inline constexpr unsigned IDS_MODEM_HANDLE_FAILED = 8196;
inline constexpr unsigned IDS_PORT_SETUP_FAILED = 8197;
inline constexpr unsigned IDS_MODEM_ESTABLISH_FAILED = 8198;
inline constexpr unsigned IDS_IDENTIFY_FAILED = 8200;
inline constexpr unsigned IDS_MODEL_NOT_UNDERSTOOD = 8199;
inline constexpr unsigned IDS_UNKNOWN_MODEL = 12502;
inline constexpr unsigned IDS_COMMAND_CANCELLED = 12338;
inline constexpr unsigned IDS_NETWORK_SOCKET_FAILED = 8235;
inline constexpr unsigned IDS_PORT_OPEN_FAILED = 59743;  // %s port name
inline constexpr unsigned IDS_PORT_OPEN_FAILED_TITLE = 59744;
// Ours: a command longer than the logger takes, refused before it is sent.
inline constexpr unsigned IDS_LOGGER_COMMAND_TOO_LONG = 21950;

// Status texts.
inline constexpr unsigned IDS_WAKE_FAILED = 9349;
inline constexpr unsigned IDS_WAKE_ATTEMPT = 12321;  // %d attempt
inline constexpr unsigned IDS_PORT_OPENED = 12323;
inline constexpr unsigned IDS_CONNECTED = 12575;
inline constexpr unsigned IDS_CONNECTING = 8501;  // %s
inline constexpr unsigned IDS_CONNECTING_TO = 59665;
inline constexpr unsigned IDS_NETWORK_CONNECTED = 12524;    // %s address
inline constexpr unsigned IDS_CHECKING_PORT = 59664;        // %s port
inline constexpr unsigned IDS_CHECKING_OTHER_PORT = 59663;  // %s current port, %s this port

// Network link errors.
inline constexpr unsigned IDS_CONNECTION_ABORTED = 8231;
inline constexpr unsigned IDS_NETWORK_READ_FAILED = 8242;   // %s address, %ld code
inline constexpr unsigned IDS_NETWORK_WRITE_FAILED = 8244;  // %s address, %ld code
inline constexpr unsigned IDS_ERROR_CODE = 9341;
inline constexpr unsigned IDS_BAD_ADDRESS = 12531;
inline constexpr unsigned IDS_ERROR = 59408;
inline constexpr unsigned IDS_LOCAL_HOST_FAILED = 59645;
inline constexpr unsigned IDS_LOCAL_HOST_UNUSABLE = 59647;
inline constexpr unsigned IDS_SOCKET_FAILED = 59656;
inline constexpr unsigned IDS_CONNECT_FAILED = 59657;
inline constexpr unsigned IDS_RECEIVE_OVERFLOW_HELP = 59660;
inline constexpr unsigned IDS_RECEIVE_OVERFLOW = 59661;
inline constexpr unsigned IDS_NETWORK_LINK_LOST = 59662;
// Ours: a link lost under the session: the connection field's word, the line of a link that is not a
// network one, and the line's form (%s that line, %s the error's text).
inline constexpr unsigned IDS_LINK_LOST_STATE = 21150;
inline constexpr unsigned IDS_LINK_LOST = 21151;
inline constexpr unsigned IDS_LINK_LOST_LINE = 21152;

// Port choice and lost-port notice.
inline constexpr unsigned IDS_PORT_PREFS_HELP = 59510;
inline constexpr unsigned IDS_LOST_PORT_ACTION = 59527;
inline constexpr unsigned IDS_LOST_PORT_REMOVED = 59528;
inline constexpr unsigned IDS_LOST_PORT_MISSING = 59529;
inline constexpr unsigned IDS_LOST_PORT_BACK = 59530;
// Tool tips of the port preferences.
inline constexpr unsigned IDS_PORT_PREFS_TIP_HELP = 59598;
inline constexpr unsigned IDS_PORT_PREFS_TIP_OK = 59599;
inline constexpr unsigned IDS_PORT_PREFS_TIP_CANCEL = 59600;
inline constexpr unsigned IDS_PORT_PREFS_TIP_UP = 59601;
inline constexpr unsigned IDS_PORT_PREFS_TIP_DOWN = 59602;
inline constexpr unsigned IDS_PORT_PREFS_TIP_REMOVE = 59603;
inline constexpr unsigned IDS_PORT_PREFS_TIP_LIST = 59604;
// Ours: the titles and button labels of the port preferences and the lost-port notice.
inline constexpr unsigned IDS_PORT_PREFS_TITLE = 20500;
inline constexpr unsigned IDS_PORT_PREFS_UP = 20501;
inline constexpr unsigned IDS_PORT_PREFS_DOWN = 20502;
inline constexpr unsigned IDS_PORT_PREFS_REMOVE = 20503;
inline constexpr unsigned IDS_PORT_PREFS_HELP_BUTTON = 20504;
inline constexpr unsigned IDS_PORT_PREFS_ADD = 20506;
inline constexpr unsigned IDS_PORT_PREFS_PATH_LABEL = 20507;
inline constexpr unsigned IDS_PORT_PREFS_TIP_PATH = 21111;
inline constexpr unsigned IDS_LOST_PORT_TITLE = 20505;

// The modem line: errors (with the caption IDS_MODEM_ERROR_CAPTION, ours), call states and why a call
// ended.
inline constexpr unsigned IDS_MODEM_ERROR_CAPTION = 21952;
inline constexpr unsigned IDS_MODEM_NO_LINE = 8224;
inline constexpr unsigned IDS_MODEM_LINE_IN_USE = 8225;
inline constexpr unsigned IDS_MODEM_NOT_DATA_MODEM = 8227;
inline constexpr unsigned IDS_MODEM_LINE_HELD = 8228;
inline constexpr unsigned IDS_MODEM_CALL_FAILED = 8230;  // %s why the call ended
inline constexpr unsigned IDS_MODEM_DIALING = 8451;      // %s number
inline constexpr unsigned IDS_MODEM_BUSY = 8452;
inline constexpr unsigned IDS_MODEM_CALL_ENDED = 8453;  // %s why
inline constexpr unsigned IDS_MODEM_FAR_END_HUNG_UP = 8454;
inline constexpr unsigned IDS_MODEM_UNKNOWN_END = 8455;
inline constexpr unsigned IDS_MODEM_NO_ANSWER = 8459;
inline constexpr unsigned IDS_MODEM_NO_DIALTONE = 8465;
inline constexpr unsigned IDS_MODEM_CALL_NOT_COMPLETED = 8466;
inline constexpr unsigned IDS_MODEM_CONNECTED = 8467;
inline constexpr unsigned IDS_MODEM_WRONG_RATE = 12490;  // %d connected, %d wanted, %d connected
