// The dialog requests of the session's logger settings: each shows what the logger holds and takes the
// user's new value, answered IDOK to write it or IDCANCEL to leave the logger as it is.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "kivo32/session/logger_window_calls.h"
#include "platform/base/message_target.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/wifi_settings.h"

// The two texts that name the connected logger in a settings dialog.
struct LoggerNaming {
    std::string loggerId;
    std::string firmware;
};

// The logger's clock, in and out: the year with two digits.
struct SetTimeRequest {
    static constexpr std::string_view kName = "CSetTimeDlg";
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    LoggerNaming logger;
};

// The link's speed in bits per second, in and out.
struct SetBaudRequest {
    static constexpr std::string_view kName = "CSetBaudDlg";
    int speed = 0;
    LoggerNaming logger;
    bool modem = false;  // over a modem link
};

struct SetDescriptionRequest {
    static constexpr std::string_view kName = "CSetDescriptionDlg";
    std::string description;
    LoggerNaming logger;
};

struct SetModemStringRequest {
    static constexpr std::string_view kName = "CSetModemStringDlg";
    std::string modemString;
    std::string loggerTitle;
};

// The three scalars as texts, in and out.
struct SetScalarsRequest {
    static constexpr std::string_view kName = "CSetScalarsDlg";
    std::string a;
    std::string v;
    std::string r;
    LoggerNaming logger;
};

// The logger's ID and the model part of its firmware text, in and out; the window reads and writes the
// I/O configuration through `ask` while it is open.
struct SetLoggerIdsRequest {
    static constexpr std::string_view kName = "CSetLoggerIDsDlg";
    std::string loggerId;
    std::string model;
    int typeCode = 0;
    std::string loggerTitle;
    std::string firmware;
    LoggerWindowAsk ask = nullptr;
};

// The call schedule read from the logger; the answer either only restarts it or gives the schedule to
// write, whose block holds the calls.
struct CallScheduleRequest {
    static constexpr std::string_view kName = "CDorvaneCallScheduleDlg";
    CallScheduleRecord schedule;
    std::tm loggerTime{};  // the logger's clock when the window opens
    bool restartOnly = false;
};

// A password the logger keeps, out only.
struct WebPasswordRequest {
    static constexpr std::string_view kName = "CWiFiPasswordDlg";
    std::string prompt;
    std::string title;
    int limit = 0;  // the longest password
    std::string password;
};

// The wired network settings, in and out (the MAC address only where `editMac`).
struct SetNetworkInfoRequest {
    static constexpr std::string_view kName = "CSetNetworkInfoDlg";
    LoggerNaming logger;
    NetworkSettings settings;
    bool quarven = false;  // DHCP is offered
    bool editMac = false;
};

// A Wi-Fi module's settings, in and out; `state` says where a module update stands (0 for none asked).
struct SetWiFiInfoRequest {
    static constexpr std::string_view kName = "CSetWiFiInfoDlg";
    LoggerNaming logger;
    WiFiSettings settings;
    int state = 0;
    bool settingsChanged = false;  // after an update: the user changed the settings too
    // Asks the session for a network scan while the dialog is open; the reply goes to the given target
    // (WM_WIFI_SCAN_REPLY). Empty: no scan.
    std::function<void(std::shared_ptr<platform::MessageTarget>)> scan;
};
