// The simulated logger's protocol engine: command lines, control bytes and binary transfer blocks.
#include "tools/loggersim/simulated_logger.h"

#include <algorithm>
#include <cctype>

#include "tools/loggersim/link_commands.h"
#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_commands.h"
#include "tools/loggersim/programming_commands.h"
#include "tools/loggersim/quarven_records.h"

namespace {

constexpr char kNul = 0x00;
constexpr char kDle = 0x10;
constexpr char kEscape = 0x1B;
constexpr const char* kResetCommand = "_!RESET";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

}  // namespace

SimulatedLogger::SimulatedLogger(const LoggerModel& model, SimulatorFaults faults)
    : model_(model), state_(InitialLoggerState(model)), faults_(faults) {}

void SimulatedLogger::ChangeState(const std::function<void(LoggerState&)>& change) {
    std::lock_guard lock(mutex_);
    change(state_);
}

LoggerState SimulatedLogger::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SimulatedLogger::SetFaults(const SimulatorFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
    muted_ = false;
}

SimulatorFaults SimulatedLogger::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void SimulatedLogger::PutToSleep() {
    std::lock_guard lock(mutex_);
    asleep_ = true;
}

bool SimulatedLogger::IsAsleep() const {
    std::lock_guard lock(mutex_);
    return asleep_;
}

bool SimulatedLogger::IsEchoOn() const {
    std::lock_guard lock(mutex_);
    return echo_;
}

int SimulatedLogger::CommandCount() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

std::vector<std::string> SimulatedLogger::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_seen_;
}

int SimulatedLogger::WakeUps() const {
    std::lock_guard lock(mutex_);
    return wake_ups_;
}

int SimulatedLogger::Silences() const {
    std::lock_guard lock(mutex_);
    return silences_;
}

void SimulatedLogger::ApplyIdleSleep() {
    const auto now = std::chrono::steady_clock::now();
    if (faults_.sleepAfterIdleMs > 0 &&
        now - last_input_ > std::chrono::milliseconds(faults_.sleepAfterIdleMs)) {
        asleep_ = true;
    }
    last_input_ = now;
}

SimulatedLogger::Output SimulatedLogger::Receive(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    Output output;
    ApplyIdleSleep();
    for (const char byte : bytes) {
        if (muted_) {
            ++silences_;
            break;
        }
        if (asleep_) {
            // The first byte only wakes the logger up.
            asleep_ = false;
            line_.clear();
            ++wake_ups_;
            continue;
        }
        if (!binary_block_.empty()) {
            // A binary block is taken whole by its length field, whatever bytes it holds.
            binary_block_ += byte;
            if (binary_block_.size() == BinaryBlockLength(state_, binary_block_)) {
                ++commands_;
                // A stalled transfer takes the blocks in and never answers.
                if (faults_.stallAfterBlocks != 0) {
                    faults_.stallAfterBlocks -= faults_.stallAfterBlocks > 0 ? 1 : 0;
                    output.bytes += Frame(ExecuteBinaryBlock(state_, faults_, binary_block_));
                } else {
                    ++silences_;
                }
                binary_block_.clear();
            }
            continue;
        }
        switch (byte) {
            case kNul:
            case '\n':
                break;
            case kEscape:
            case kDle:
                // Either escape ends binary output, which must then be asked for again; DLE is the
                // escape of the loggers that keep line mode.
                EndLine();
                echo_ = byte == kEscape;
                state_.binaryReplies = false;
                break;
            case '\r': {
                const std::string line = line_;
                EndLine();
                ++commands_;
                if (faults_.muteAfter >= 0 && commands_ > faults_.muteAfter) {
                    // Takes the command and says nothing more.
                    muted_ = true;
                    ++silences_;
                    break;
                }
                if (line.empty()) {
                    // A bare CR, unlike the wake-up's blank, is no command.
                    break;
                }
                const std::string command = Upper(Trimmed(line));
                if (command == "S!") {
                    // The farewell goes unanswered.
                    asleep_ = true;
                    ++silences_;
                    break;
                }
                if (faults_.closeAfter >= 0 && commands_ > faults_.closeAfter) {
                    // The logger drops the link instead of answering.
                    output.closeLink = true;
                    return output;
                }
                if (const std::optional<RecordBatch> batch = ServeRecordBatch(state_, faults_, command)) {
                    output.bytes += batch->bytes;
                    output.closeLink = batch->closeLink;
                    silences_ += batch->incomplete ? 1 : 0;
                    if (batch->closeLink) {
                        return output;
                    }
                    break;
                }
                if (const LinkCommandEffect effect = LinkCommandEffectOf(command); effect.known) {
                    output.bytes += effect.reply ? Frame(*effect.reply) : std::string();
                    output.closeLink = effect.dropsLink;
                    if (effect.dropsLink) {
                        return output;
                    }
                    break;
                }
                commands_seen_.push_back(command);
                output.bytes += Execute(line);
                break;
            }
            default:
                if (line_.size() < 2 && StartsBinaryBlock(state_, line_ + byte)) {
                    // Held without an echo until the next byte tells whether a binary block opens.
                    line_ += byte;
                    if (line_.size() == 2) {
                        binary_block_ = line_;
                        line_.clear();
                    }
                    break;
                }
                if (line_.size() == 1 && StartsBinaryBlock(state_, line_) && echo_) {
                    output.bytes += line_;
                }
                // A line past the limit is refused whole; holding one byte more than the limit tells it.
                if (static_cast<int>(line_.size()) <= model_.commandLimit) {
                    line_ += byte;
                }
                if (echo_) {
                    // Garbling from the second byte on makes the echo check fail at once.
                    const bool garble = faults_.garbleEchoes > 0 && line_.size() > 1;
                    garbling_ = garbling_ || garble;
                    output.bytes += garble ? '#' : byte;
                }
                if (state_.typeCode < kModelQuarvenRS && Upper(line_) == kResetCommand) {
                    // The logger restarts as soon as the reset is typed, without waiting for its CR,
                    // and drops the link.
                    commands_seen_.push_back(kResetCommand);
                    output.closeLink = true;
                    return output;
                }
                break;
        }
    }
    return output;
}

void SimulatedLogger::EndLine() {
    line_.clear();
    if (garbling_) {
        --faults_.garbleEchoes;
        garbling_ = false;
    }
}

std::string SimulatedLogger::Execute(const std::string& line) {
    const std::string command = Upper(Trimmed(line));
    if (command.empty()) {
        return "\r\n>";
    }
    if (static_cast<int>(line.size()) > model_.commandLimit) {
        return Frame("ERROR");
    }
    if (!faults_.silentCommand.empty() && command == faults_.silentCommand) {
        ++silences_;
        return {};
    }
    if (command == "R!E") {
        echo_ = true;
        return Frame("OK");
    }
    if (command == "R!F") {
        echo_ = false;
        return Frame("OK");
    }
    const std::optional<std::string> reply = ExecuteLoggerCommand(state_, faults_, command);
    return Frame(reply.value_or("ERROR"));
}

std::string SimulatedLogger::Frame(const std::string& text) {
    std::string reply = text;
    if (faults_.corruptReplies > 0 && commands_ > faults_.corruptAfter && !reply.empty()) {
        --faults_.corruptReplies;
        reply[0] = reply[0] == 'X' ? 'Y' : 'X';
    }
    std::string framed = "\r\n" + reply + "\r\n";
    if (faults_.dropPrompts > 0) {
        --faults_.dropPrompts;
        ++silences_;
        return framed;
    }
    return framed + ">";
}
