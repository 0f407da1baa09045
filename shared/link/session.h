// CSession: the session thread as the links see it: its send mode, the logger it talks to, and the
// waits that still take a cancel: those of a running command, and those for the user's answer when the
// session asks something through the UiBroker. The session commands build on it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "platform/base/broker_worker_thread.h"
#include "platform/base/message_target.h"

// Send modes (the session's send mode).
inline constexpr int SEND_MODE_LINE = 0;  // command and CR at once, no echo checked
inline constexpr int SEND_MODE_ECHO = 1;  // byte by byte against the logger's echo, then CR

class CSession : public platform::BrokerWorkerThread {
public:
    int GetSendMode() const { return send_mode_.load(); }
    void SetSendMode(int mode) { send_mode_.store(mode); }
    // kNoLogger (-1) until the logger is identified.
    int GetLoggerType() const { return logger_type_.load(); }
    void SetLoggerType(int code) { logger_type_.store(code); }
    // 0 until a logger reports its interface (3: cell modem).
    int GetInterfaceKind() const { return interface_kind_.load(); }
    void SetInterfaceKind(int kind) { interface_kind_.store(kind); }
    // Set once the logger is identified and its object made; the lost-port notice watches it.
    bool IsConnected() const { return connected_.load(); }
    void SetConnected(bool connected) { connected_.store(connected); }
    // The logger's firmware version number, which the logger code's version thresholds read.
    int GetFirmwareVersion() const { return firmware_version_.load(); }
    void SetFirmwareVersion(int version) { firmware_version_.store(version); }
    std::string GetModelName() const;
    void SetModelName(std::string name);
    // Set while the running command reads only the data logged since the last download.
    bool IsNewDataRead() const { return new_data_read_.load(); }
    void SetNewDataRead(bool on) { new_data_read_.store(on); }
    // The minute stamp and seconds value of the last record converted or taken over from a data file
    // (file header offsets 6 and 10): the next download of new data continues from them.
    std::int32_t GetKeptStamp() const { return kept_stamp_.load(); }
    void SetKeptStamp(std::int32_t stamp) { kept_stamp_.store(stamp); }
    int GetKeptSeconds() const { return kept_seconds_.load(); }
    void SetKeptSeconds(int seconds) { kept_seconds_.store(seconds); }

    // Stops the link: ends any wait of the running command and closes the transport; unless
    // `keepLogger`, the logger first hears its farewell with `reason`. A download that gives up on a
    // lost port calls it.
    virtual void Disconnect(int reason, bool keepLogger);

    // Where the status notices go (the main window); nullptr posts nothing.
    void SetStatusWindow(platform::MessageTarget* window) { status_window_.store(window); }
    // Posts WM_LINK_STATUS with `code` and the text of `stringId`; id 0 posts nothing.
    void PostStatusString(unsigned code, unsigned stringId) const;
    // Posts WM_LINK_STATUS with `code` and `value` as it is.
    void PostStatus(unsigned code, std::intptr_t value) const;
    // Posts WM_LINK_STATUS with `code` and an owned copy of `text`.
    void PostStatus(unsigned code, std::string text) const;

    // On the session thread, inside a command: waits until done() or `timeout`, taking a cancel
    // (WM_CANCEL_COMMAND) meanwhile. Other messages wait until the command has ended.
    platform::WaitResult WaitForLink(const std::function<bool()>& done, std::chrono::milliseconds timeout);

protected:
    // A cancel taken inside a wait; the user interface set the abort flag before posting it.
    virtual void OnCancelCommand() {}
    // While the session waits for the user's answer, a cancel is taken at once.
    bool TakeWhileAsking(platform::Message& message) override;

private:
    std::atomic<int> send_mode_{SEND_MODE_ECHO};
    std::atomic<int> logger_type_{-1};
    std::atomic<int> interface_kind_{0};
    std::atomic<bool> connected_{false};
    std::atomic<int> firmware_version_{0};
    std::atomic<bool> new_data_read_{false};
    std::atomic<std::int32_t> kept_stamp_{0};
    std::atomic<int> kept_seconds_{0};
    mutable std::mutex model_name_mutex_;
    std::string model_name_;
    std::atomic<platform::MessageTarget*> status_window_{nullptr};
};
