// FakeModem: an AT modem on a pseudo-terminal for tests and kivo-loggersim's modem mode. It answers
// the setup commands with "OK", answers "ATD<number>" after a ring delay with the outcome asked of it,
// and once connected bridges the call's bytes to a logger simulator, so that a whole session runs
// across the call. A test rings it (an incoming call) or hangs up at the far end.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/unique_fd.h"
#include "platform/io/byte_transport.h"
#include "platform/io/reader_thread.h"
#include "tools/loggersim/logger_simulator.h"

// What a dialled call ends in.
enum class FakeModemOutcome { Connect, Busy, NoDialtone, NoAnswer, NoCarrier, Error, Silence };

struct FakeModemOptions {
    FakeModemOutcome outcome = FakeModemOutcome::Connect;
    int connectRate = 9600;  // the rate of "CONNECT n"; 0 sends a bare "CONNECT"
    std::chrono::milliseconds ringDelay{0};
    bool ignoresDtr = false;  // as a modem set with "AT&D0": only "+++" and "ATH0" end a call
};

class FakeModem : private platform::ByteReceiver {
public:
    using DialOutcome = FakeModemOutcome;
    using Options = FakeModemOptions;

    // `logger` is the far end of a connected call; it must outlive the modem.
    explicit FakeModem(LoggerSimulator& logger, Options options = {});
    ~FakeModem() override;
    FakeModem(const FakeModem&) = delete;
    FakeModem& operator=(const FakeModem&) = delete;

    // Opens a pseudo-terminal and serves it: the device path a program opens, empty on failure.
    std::string Start();
    void Stop();
    void SetOptions(const Options& options);

    // An incoming call: "RING" until the program answers with "ATA" (or the call is given up).
    void Ring();
    // The far end hangs up: "NO CARRIER", and the modem takes commands again.
    void HangUpFarEnd();

    bool InCall() const { return in_call_.load(); }
    // The command lines heard in command mode, in their order ("ATE0V1", "ATDT5551234", "ATH0").
    std::vector<std::string> Commands() const;
    // Calls ended by the program: DTR dropped, "ATH0" after the escape, or a key while dialling.
    int HangUps() const { return hang_ups_.load(); }

private:
    enum class State { Command, Dialling, Ringing, InCall, Escaped };

    void Serve();
    // Takes what the program sent, in command or data mode.
    void TakeInput(std::string_view bytes);
    void RunCommand(const std::string& line);
    // Timed events: the dialled call's outcome, the next ring, a DTR drop.
    void Tick();
    // The call connected (mutex_ held): its "CONNECT" result.
    std::string ConnectCall();
    void SendResult(std::string_view text);
    void WriteToProgram(std::string_view bytes);
    bool DtrLow() const;
    std::size_t ReceiveRoom() override;
    bool OnBytes(std::span<const std::uint8_t> bytes) override;
    void OnReaderEnded(int) override {}

    LoggerSimulator& logger_;
    mutable std::mutex mutex_;  // the state below, shared with the test's thread and the far end's
    Options options_;
    std::vector<std::string> commands_;
    State state_ = State::Command;
    bool echo_ = true;
    bool ring_requested_ = false;
    bool far_end_hang_up_requested_ = false;
    std::chrono::steady_clock::time_point event_at_;
    std::string line_;
    std::atomic<bool> in_call_{false};
    std::atomic<int> hang_ups_{0};
    std::mutex write_mutex_;
    platform::ReaderThread reader_;
    platform::UniqueFd master_;
    platform::UniqueFd slave_;
    std::unique_ptr<platform::ByteTransport> far_end_;
};
