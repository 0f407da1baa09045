// The dialog requests of the session's logger windows: reports, setup lists, calibration, real-time
// values and the timed notice.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kivo32/session/logger_window_calls.h"

class CHarmonicsWindowLink;
class CRealTimeWindowLink;

// The logger's status report; any button but IDOK and IDCANCEL asks for a fresh one.
struct LoggerPropertiesRequest {
    static constexpr std::string_view kName = "CLoggerPropertiesDlg";
    std::string report;
};

// Which of the logger's stored setups to read; `selection` counts from 0.
struct LoggerSetupListRequest {
    static constexpr std::string_view kName = "CLoggerSUTListDlg";
    std::vector<std::string> setups;
    int selection = 0;
};

// The harmonics window the link names; it shows on the user-interface thread while the session's capture
// loop hands it each capture, and its close ends the loop.
struct HarmonicsRequest {
    static constexpr std::string_view kName = "CHarmonicsDlg";
    std::shared_ptr<CHarmonicsWindowLink> link;
};

// The calibration of the current scalar; the window asks the logger through `ask` while it is open.
struct CalAmpScalarRequest : ScalarCalibrationFacts {
    static constexpr std::string_view kName = "CCalAmpScalarDlg";
};

// The calibration of the voltage and temperature scalars.
struct CalVoltTempScalarRequest : ScalarCalibrationFacts {
    static constexpr std::string_view kName = "CCalVoltTempScalarDlg";
};

// The channels a real-time graph shows: seven selection words out.
struct RealTimeSelectionRequest {
    static constexpr std::string_view kName = "CRTValsSelectData";
    int typeCode = 0;
    // In: the channel types 1-6 of the setup, and whether the setup is known. Out: channels 1-6
    // selected (0 or 1), then the value choice.
    std::array<int, 6> channelTypes{};
    bool setupKnown = false;
    std::vector<int> selection;
};

// The real-time values window the link names; it shows on the user-interface thread while the
// session's loop posts the values, and its close ends the loop.
struct RealTimeWindowRequest {
    static constexpr std::string_view kName = "CRealTimeValuesDlg";
    std::shared_ptr<CRealTimeWindowLink> link;
};

// A notice that closes itself after `milliseconds`.
struct TimedNoticeRequest {
    static constexpr std::string_view kName = "CMsgBox";
    std::string caption;
    std::string text;
    int milliseconds = 0;
};
