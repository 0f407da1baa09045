// What the scalar, calibration and logger-ID windows ask of the logger while they are open. The window
// posts a question (WM_SESSION_LOGGER_WINDOW); the session, waiting for the window's answer, runs it on
// its own thread and posts the answer back (WM_LOGGER_WINDOW_ANSWER) to the target the question names.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/base/message_target.h"

enum class LoggerWindowCall {
    kReadCounts,     // the A/D counts as text
    kReadReference,  // the calibration reference: voltage and current
    kWake,
    kSendScalars,
    kReadIoConfig,
    kWriteIoConfig,
};

struct LoggerWindowQuestion {
    LoggerWindowCall call = LoggerWindowCall::kWake;
    float a = 0;  // kSendScalars: the three scalars, and the status text shown first
    float v = 0;
    float r = 0;
    unsigned statusId = 0;
    int configuration = 0;  // kWriteIoConfig
    std::shared_ptr<platform::MessageTarget> replyTo = nullptr;
};

struct LoggerWindowAnswer {
    bool done = false;
    std::string counts{};
    float voltage = 0;
    float current = 0;
    int configuration = -1;
};

// Posts a question to the session that opened the window.
using LoggerWindowAsk = std::function<void(LoggerWindowQuestion)>;

// What a calibration window shows of the logger, and its way to it.
struct ScalarCalibrationFacts {
    int typeCode = 0;
    std::string loggerId;
    std::string firmware;
    float a = 0;
    float v = 0;
    float r = 0;
    LoggerWindowAsk ask = nullptr;
};
