// Control, command and text ids of the logger-list windows; fixed numbers: never renumber.
#pragma once

// The grid's headers and cell captions.
inline constexpr unsigned IDS_LIST_SERIAL = 9229;
inline constexpr unsigned IDS_LIST_DESCRIPTION = 9227;
inline constexpr unsigned IDS_LIST_CONFIGURE = 9342;
// Ours: 9341, the connect caption beside them, is taken by another text in our tables.
inline constexpr unsigned IDS_LIST_CONNECT = 21322;
// The side buttons' captions and tips, in the buttons' order.
inline constexpr unsigned IDS_LIST_ADD = 9343;
inline constexpr unsigned IDS_LIST_DELETE = 9344;
inline constexpr unsigned IDS_LIST_COPY = 59817;
inline constexpr unsigned IDS_LIST_PASTE = 59818;
inline constexpr unsigned IDS_LIST_UP = 59819;
inline constexpr unsigned IDS_LIST_DOWN = 59820;
inline constexpr unsigned IDS_LIST_TIP_ADD = 59821;
// Messages: a session runs already; the list is full.
inline constexpr unsigned IDS_LIST_SESSION_RUNNING = 8246;
inline constexpr unsigned IDS_LIST_FULL = 12428;

// The configuration dialog: the connection tab's caption, the schedule tab's "on" and "off", and the
// connection page's labels. Ours: 9242, 9243 and 9345 are taken by other texts in our tables.
inline constexpr unsigned IDS_LIST_CONNECT_TAB = 59723;
inline constexpr unsigned IDS_LIST_SCHEDULE_ON = 21323;
inline constexpr unsigned IDS_LIST_SCHEDULE_OFF = 21324;
inline constexpr unsigned IDS_LIST_IP_ADDRESS = 21325;
inline constexpr unsigned IDS_LIST_PHONE = 9228;
inline constexpr unsigned IDS_LIST_NET_PORT = 9346;
inline constexpr unsigned IDS_LIST_COM_PORT = 9347;
inline constexpr unsigned IDS_LIST_BROWSE_TITLE = 59439;
inline constexpr unsigned IDS_LIST_NOT_A_FOLDER = 59438;
inline constexpr unsigned IDS_LIST_ERROR = 59408;
// Ours: the labels, buttons and refusals of the dialog that the templates carried.
inline constexpr unsigned IDS_LIST_DIALOG_TEXTS = 21326;
inline constexpr unsigned IDS_LIST_SCHEDULE_TEXTS = 21327;
inline constexpr unsigned IDS_LIST_BAD_TIME = 21328;
inline constexpr unsigned IDS_LIST_BAD_DATE = 21329;
inline constexpr unsigned IDS_LIST_BAD_INTERVAL = 21330;
inline constexpr unsigned IDS_LIST_BAD_NET_PORT = 21331;
// Ours: why a program that only shows lists greys the commands that change them.
inline constexpr unsigned IDS_LIST_SHOWN_ONLY = 21332;

// kivo32's commands of the list's side buttons; the cut command clears the selected entries.
struct LoggerListCommandIds {
    unsigned add = 32836;
    unsigned remove = 32837;
    unsigned copy = 2416;
    unsigned paste = 2417;
    unsigned moveUp = 2051;
    unsigned moveDown = 2259;
    unsigned clear = 57635;

    // Every command but copy changes the list.
    bool Changes(unsigned id) const {
        return id == add || id == remove || id == paste || id == moveUp || id == moveDown || id == clear;
    }
};
// teldrin's.
inline constexpr LoggerListCommandIds kTeldrinListCommands{32786, 32787, 1724, 1725, 1726, 1727, 57635};

// The configuration dialog (kivo32's command ids for next and previous) and its pages' controls.
inline constexpr int IDC_LIST_NEXT = 3;
inline constexpr int IDC_LIST_PREVIOUS = 2418;
inline constexpr int IDC_LIST_TABS = 1707;
inline constexpr int IDC_LIST_TYPE = 1708;
inline constexpr int IDC_LIST_FOLDER = 1709;
inline constexpr int IDC_LIST_BROWSE = 1710;
inline constexpr int IDC_LIST_DIRECT_BAUD = 1711;
inline constexpr int IDC_LIST_MODEM_BAUD = 1712;
inline constexpr int IDC_LIST_FIELD_LABEL = 1715;
inline constexpr int IDC_LIST_FIELD = 1716;
inline constexpr int IDC_LIST_PORT_LABEL = 1717;
inline constexpr int IDC_LIST_PORT = 1718;
inline constexpr int IDC_LIST_BAUD_LABEL = 1720;
inline constexpr int IDC_LIST_SERIAL_TEXT = 1721;
inline constexpr int IDC_LIST_DESCRIPTION_TEXT = 1722;
inline constexpr int IDC_LIST_COM_PORT = 1723;
// The schedule page.
inline constexpr int IDC_SCHED_ON = 1714;
inline constexpr int IDC_SCHED_IMMEDIATE = 1354;
inline constexpr int IDC_SCHED_SINGLE = 1355;
inline constexpr int IDC_SCHED_MULTIPLE = 1385;
inline constexpr int IDC_SCHED_DAILY = 1356;
inline constexpr int IDC_SCHED_WEEKLY = 1357;
inline constexpr int IDC_SCHED_MONTH = 1197;
inline constexpr int IDC_SCHED_DAY = 1198;
inline constexpr int IDC_SCHED_SINGLE_HOUR = 1202;
inline constexpr int IDC_SCHED_SINGLE_MINUTE = 1205;
inline constexpr int IDC_SCHED_DAILY_HOUR = 1210;
inline constexpr int IDC_SCHED_DAILY_MINUTE = 1214;
inline constexpr int IDC_SCHED_SUNDAY = 1358;  // the seven day checks follow, to 1364
inline constexpr int IDC_SCHED_MULTI_HOUR = 1269;
inline constexpr int IDC_SCHED_MULTI_MINUTE = 1270;
inline constexpr int IDC_SCHED_INTERVAL_HOUR = 1219;
inline constexpr int IDC_SCHED_INTERVAL_MINUTE = 1238;
inline constexpr int IDC_SCHED_SET_CLOCK = 1381;
inline constexpr int IDC_SCHED_TRANSFER = 1380;
inline constexpr int IDC_SCHED_ALL_DATA = 1383;
inline constexpr int IDC_SCHED_NEW_DATA = 1382;
inline constexpr int IDC_SCHED_CSV = 1712;
// The weekdays' hour and minute edits, Sunday first.
inline constexpr int kWeekDayHourIds[7] = {1217, 1223, 1229, 1234, 1240, 1245, 1250};
inline constexpr int kWeekDayMinuteIds[7] = {1220, 1225, 1231, 1236, 1242, 1247, 1252};
