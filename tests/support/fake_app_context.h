// A settable application context for tests; it is the process's context while it exists.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "shared/common/app_context.h"
#include "shared/common/date_time_format_helper.h"

namespace testsupport {

class FakeAppContext : public CAppContext {
public:
    FakeAppContext() { SetAppContext(this); }
    ~FakeAppContext() override { SetAppContext(nullptr); }
    FakeAppContext(const FakeAppContext&) = delete;
    FakeAppContext& operator=(const FakeAppContext&) = delete;

    // Set these before the code under test runs.
    std::string portName;
    std::string modemLineName = "None";
    std::string defaultSUTLineFreq;
    std::string shortDateFormat = kDefaultShortDateFormat;
    int dateOrder = kDateOrderMDY;
    std::string timeFormat = kDefaultTimeFormat;
    CCommandLineValues commandLine;

    std::string GetPortName() const override { return portName; }
    std::string GetModemLineName() const override { return modemLineName; }
    std::string GetDefaultSUTLineFreq() const override { return defaultSUTLineFreq; }
    std::string GetShortDateFormat() const override { return shortDateFormat; }
    int GetDateOrder() const override { return dateOrder; }
    std::string GetTimeFormat() const override { return timeFormat; }
    CCommandLineValues GetCommandLineValues() const override { return commandLine; }

    void CommTrace(std::string_view text) override {
        std::lock_guard lock(mutex_);
        comm_trace_.emplace_back(text);
    }
    void SendTerminalText(std::string_view bytes) override {
        std::lock_guard lock(mutex_);
        terminal_text_.append(bytes);
    }

    std::vector<std::string> CommTraceLines() const {
        std::lock_guard lock(mutex_);
        return comm_trace_;
    }
    std::string TerminalText() const {
        std::lock_guard lock(mutex_);
        return terminal_text_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> comm_trace_;
    std::string terminal_text_;
};

}  // namespace testsupport
