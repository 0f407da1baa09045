// SimulatedLogger: a logger of one model speaking the protocol's framing: wake-up, echo and line
// mode, the prompt, ESC and DLE, the farewell, data-memory reads and the commands of its state (see
// logger_commands.h), and an error reply for any other command; with the faults asked of it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/simulator_faults.h"

class SimulatedLogger {
public:
    struct Output {
        std::string bytes;
        bool closeLink = false;
    };

    explicit SimulatedLogger(const LoggerModel& model, SimulatorFaults faults = {});

    // Takes received bytes; returns what the logger sends back and whether it then drops the link.
    Output Receive(std::string_view bytes);

    void SetFaults(const SimulatorFaults& faults);
    SimulatorFaults Faults() const;
    // As if the logger had been idle long enough to fall asleep: the next byte only wakes it.
    void PutToSleep();
    bool IsAsleep() const;
    bool IsEchoOn() const;
    int CommandCount() const;
    // The commands answered or dropped so far, upper case and trimmed, in their order.
    std::vector<std::string> Commands() const;
    int WakeUps() const;
    // How often the logger left the link waiting for an answer it will not give: taken while muted, the
    // farewell, a silent or unanswered command, a reply without its prompt, a stalled block, a silent or
    // short batch.
    int Silences() const;
    const LoggerModel& Model() const { return model_; }
    // The state behind the replies: changed in place under the logger's lock, or copied out.
    void ChangeState(const std::function<void(LoggerState&)>& change);
    LoggerState State() const;

private:
    std::string Execute(const std::string& line);
    std::string Frame(const std::string& text);
    void ApplyIdleSleep();
    void EndLine();

    const LoggerModel model_;
    mutable std::mutex mutex_;
    LoggerState state_;
    SimulatorFaults faults_;
    std::string line_;
    // A binary block ("P!", "O!") while it arrives.
    std::string binary_block_;
    bool garbling_ = false;
    bool echo_ = true;
    bool asleep_ = false;
    bool muted_ = false;
    int commands_ = 0;
    std::vector<std::string> commands_seen_;
    int wake_ups_ = 0;
    int silences_ = 0;
    std::chrono::steady_clock::time_point last_input_ = std::chrono::steady_clock::now();
};
