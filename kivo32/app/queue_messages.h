// The message numbers each queue of the program receives: the main frame's, the application's and the
// session thread's. Each number is defined once, in the header of the layer that posts or takes it; this
// table gathers them per queue so that the compiler refuses one number standing for two messages of one
// queue. A new message that a queue receives joins its list here.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>

#include "kivo32/app/csv_conversion_thread.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/update/update_ids.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/window_messages.h"
#include "shared/link/link_ids.h"

// CMainFrame::OnMessage.
inline constexpr unsigned kMainFrameMessages[] = {
    WM_CLOSE,           WM_COMMAND,          WM_LINK_OPENING, WM_STATUS_WINDOW_STOP, WM_LINK_STATUS,
    WM_SHOW_DATA_GRAPH, WM_SEND_QUEUED_DATA, WM_LOST_PORT,    WM_USB_DEVICE_ARRIVAL, WM_USB_DEVICE_REMOVAL,
};

// CKivoApp::OnAppMessage: what the main frame passes on, so it shares the main frame's queue.
inline constexpr unsigned kApplicationMessages[] = {
    WM_OPEN_DOWNLOADED_FILE,  WM_END_SESSION,        WM_NEW_FILE_FOR_NEW_DATA, WM_NEW_FILE_FOR_ALL_DATA,
    WM_OPEN_READ_SETUP,       WM_REAL_TIME_WINDOW,   WM_REAL_TIME_VALUES,      WM_WAIT_CURSOR,
    WM_WRITE_CSV_FILE,        WM_CONVERSION_RESULT,  WM_MODULE_UPDATE_NOTICE,  WM_CLOSE_COMMAND,
    WM_MODEM_CALL_CONNECTED,  WM_MODEM_CALL_OFFERED, WM_MODEM_LINE_ERROR,      WM_UNATTENDED_DOWNLOAD_DONE,
    WM_LOGGER_ENERGY_SUMMARY, WM_HARMONICS_WINDOW,
};

// CSession::OnMessage and CSessionEL::OnMessage, on the session thread.
inline constexpr unsigned kSessionMessages[] = {
    WM_CANCEL_COMMAND,
    WM_DROP_LOGGER,
    WM_END_SESSION_THREAD,
    WM_IDLE_ESCAPE,
    WM_MODEM_LINE_EVENT,
    WM_SESSION_CALL_ANSWERED,
    WM_SESSION_SET_TIME,
    WM_SESSION_SYNC_TIME,
    WM_SESSION_SET_BAUD_RATE,
    WM_SESSION_SET_DESCRIPTION,
    WM_SESSION_START_STOP_LOGGING,
    WM_SESSION_CLEAR_MEMORY,
    WM_SESSION_SET_MODEM_STRING,
    WM_SESSION_SET_LOGGER_IDS,
    WM_SESSION_SET_SCALARS,
    WM_SESSION_CAL_AMP_SCALAR,
    WM_SESSION_CAL_VOLT_TEMP_SCALAR,
    WM_SESSION_MEMORY_TEST,
    WM_SESSION_PROGRAM_LOGGER,
    WM_SESSION_READ_SETUP_TABLE,
    WM_SESSION_REAL_TIME_TEXT,
    WM_SESSION_REAL_TIME_GRAPH,
    WM_SESSION_CALL_SCHEDULE,
    WM_SESSION_READ_CALL_SCHEDULE,
    WM_SESSION_READ_ALL_DATA,
    WM_SESSION_READ_NEW_DATA,
    WM_SESSION_HARMONICS,
    WM_SESSION_WF_CAPTURE,
    WM_SESSION_SYNC_BAUD_RATE,
    WM_SESSION_AUTO_CALIBRATION,
    WM_SESSION_TOGGLE_OPTION,
    WM_SESSION_SET_NETWORK_INFO,
    WM_SESSION_CLEAR_PEAK,
    WM_SESSION_CLEAR_TOTALS,
    WM_SESSION_LOGGER_PROPERTIES,
    WM_SESSION_SET_WIFI_INFO,
    WM_SESSION_SET_WEB_PASSWORD,
    WM_SESSION_READ_CLOCK,
    WM_SESSION_READ_VERSIONS,
    WM_SESSION_READ_ENERGY_SUMMARY,
    WM_SESSION_SCAN_WIFI,
    WM_SESSION_TERMINAL,
    WM_SESSION_CALIBRATION_COUNTS,
    WM_SESSION_CALIBRATION_SCALARS,
    WM_SESSION_CALIBRATION_MEASURE,
    WM_SESSION_SETUP_FORM_FACTS,
    WM_SESSION_FIRMWARE_UPDATE,
    WM_SESSION_LOGGER_WINDOW,
};

// True when no number occurs twice in the lists of one queue.
constexpr bool EachMessageNumberOnce(std::initializer_list<std::span<const unsigned>> lists) {
    for (auto list = lists.begin(); list != lists.end(); ++list) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            for (auto other = list; other != lists.end(); ++other) {
                for (std::size_t j = other == list ? i + 1 : 0; j < other->size(); ++j) {
                    if ((*list)[i] == (*other)[j]) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

static_assert(EachMessageNumberOnce({kMainFrameMessages, kApplicationMessages}),
              "one number stands for two messages of the main frame");
static_assert(EachMessageNumberOnce({kSessionMessages}), "one number stands for two messages of the session");
