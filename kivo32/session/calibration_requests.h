// The requests of production calibration: the technician's initials, and the calibration window, which
// asks the session for the logger's A/D counts and for new scalars while it is open.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/message_target.h"

// The technician's initials, asked once per session.
struct TechNameRequest {
    static constexpr std::string_view kName = "CSetTechNameDlg";
    std::string technician;
};

// The scalars the calibration window wants written (payload of WM_SESSION_CALIBRATION_SCALARS).
struct CalibrationScalars {
    float a = 0;
    float v = 0;
    float r = 0;
    std::shared_ptr<platform::MessageTarget> replyTo;
};

// What the calibration window shows of the logger, and its two ways to the logger while it is open:
// each posts a request that the session runs in its wait for the window and answers with
// WM_CALIBRATION_REPLY to the target given (wParam 1 when it went well; the counts read come as a
// std::string payload).
struct AutoCalibrationRequest {
    static constexpr std::string_view kName = "CAutoCalOrnatDlg";
    std::string loggerId;
    std::string description;
    std::string typeName;
    int typeCode = 0;
    int baud = 0;
    bool recording = false;
    float ampScalar = 0;
    float voltScalar = 0;
    float thirdScalar = 0;
    std::string technician;
    std::function<void(std::shared_ptr<platform::MessageTarget>)> readCounts;
    std::function<void(CalibrationScalars)> writeScalars;
    // Samples the channels: the full read before real-time work, then one real-time reading.
    std::function<void(std::shared_ptr<platform::MessageTarget>)> measure;
};
