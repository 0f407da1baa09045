// The fake AT modem: command mode, the dialled and the incoming call, and the bridge to the logger.
#include "tools/loggersim/fake_modem.h"

#include <errno.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "platform/io/pseudo_terminal.h"

namespace {

constexpr std::size_t kReadChunk = 4096;
// How often the modem looks at DTR and its timed events.
constexpr int kTickMs = 2;
constexpr std::chrono::milliseconds kRingInterval{1000};

std::string UpperTrimmed(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\n') {
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
    }
    return out;
}

}  // namespace

FakeModem::FakeModem(LoggerSimulator& logger, Options options) : logger_(logger), options_(options) {}

FakeModem::~FakeModem() {
    Stop();
}

std::string FakeModem::Start() {
    if (reader_.Running()) {
        return {};
    }
    far_end_ = logger_.StartInProcess();
    if (far_end_ == nullptr || !far_end_->StartReading(*this)) {
        return {};
    }
    // A speed of 0 would be DTR low: a program that never sets one finds the line up.
    platform::RawPseudoTerminal terminal =
        platform::OpenRawPseudoTerminal({.speed = B9600, .closeOnExec = true, .nonBlockingMaster = true});
    if (terminal.path.empty()) {
        return {};
    }
    master_ = std::move(terminal.master);
    // Kept open: the master never sees a hang-up between programs, and DTR is read from its settings.
    slave_ = std::move(terminal.slave);
    if (!reader_.Start([this] { Serve(); })) {
        return {};
    }
    return terminal.path;
}

void FakeModem::Stop() {
    reader_.Stop();
    if (far_end_ != nullptr) {
        far_end_->Close();
        far_end_.reset();
    }
    master_.Reset();
    slave_.Reset();
}

void FakeModem::SetOptions(const Options& options) {
    std::lock_guard lock(mutex_);
    options_ = options;
}

void FakeModem::Ring() {
    std::lock_guard lock(mutex_);
    ring_requested_ = true;
}

void FakeModem::HangUpFarEnd() {
    std::lock_guard lock(mutex_);
    far_end_hang_up_requested_ = true;
}

std::vector<std::string> FakeModem::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void FakeModem::Serve() {
    char buffer[kReadChunk];
    for (;;) {
        switch (reader_.WaitReadable(master_.Get(), kTickMs)) {
            case platform::ReaderThread::Wait::Stopped:
            case platform::ReaderThread::Wait::Failed:
                return;
            case platform::ReaderThread::Wait::TimedOut:
                Tick();
                continue;
            case platform::ReaderThread::Wait::Readable:
                break;
        }
        const ssize_t got = ::read(master_.Get(), buffer, sizeof buffer);
        if (got > 0) {
            TakeInput(std::string_view(buffer, static_cast<std::size_t>(got)));
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            return;
        }
        Tick();
    }
}

void FakeModem::TakeInput(std::string_view bytes) {
    std::unique_lock lock(mutex_);
    if (state_ == State::InCall) {
        // The escape: "+++" alone, in a write of its own.
        if (bytes == "+++") {
            state_ = State::Escaped;
            lock.unlock();
            SendResult("OK");
            return;
        }
        lock.unlock();
        far_end_->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        return;
    }
    if (state_ == State::Dialling) {
        // As on a real modem, anything typed while it dials gives the call up.
        state_ = State::Command;
        ++hang_ups_;
        lock.unlock();
        SendResult("NO CARRIER");
        return;
    }
    const bool echo = echo_;
    lock.unlock();
    if (echo) {
        WriteToProgram(bytes);
    }
    for (const char c : bytes) {
        if (c == '\r') {
            const std::string command = UpperTrimmed(line_);
            line_.clear();
            if (!command.empty()) {
                RunCommand(command);
            }
        } else if (line_.size() < kReadChunk) {
            line_.push_back(c);
        }
    }
}

void FakeModem::RunCommand(const std::string& command) {
    std::unique_lock lock(mutex_);
    commands_.push_back(command);
    if (command.rfind("AT", 0) != 0) {
        lock.unlock();
        SendResult("ERROR");
        return;
    }
    const std::string rest = command.substr(2);
    if (rest.rfind('D', 0) == 0) {
        if (options_.outcome == DialOutcome::Error) {
            lock.unlock();
            SendResult("ERROR");
            return;
        }
        state_ = State::Dialling;
        event_at_ = std::chrono::steady_clock::now() + options_.ringDelay;
        return;
    }
    if (rest == "A") {
        if (state_ != State::Ringing) {
            lock.unlock();
            SendResult("NO CARRIER");
            return;
        }
        const std::string connect = ConnectCall();
        lock.unlock();
        SendResult(connect);
        return;
    }
    if (rest == "H" || rest == "H0") {
        if (state_ == State::Escaped || state_ == State::InCall) {
            ++hang_ups_;
        }
        state_ = State::Command;
        in_call_ = false;
    } else if (rest == "O" && state_ == State::Escaped) {
        state_ = State::InCall;
        lock.unlock();
        SendResult("CONNECT");
        return;
    }
    // Setup commands ("ATE0V1", "ATZ", "AT&F"): only the echo is obeyed.
    if (rest.find("E0") != std::string::npos) {
        echo_ = false;
    } else if (rest.find("E1") != std::string::npos) {
        echo_ = true;
    }
    lock.unlock();
    SendResult("OK");
}

void FakeModem::Tick() {
    std::unique_lock lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    const bool inCall = state_ == State::InCall || state_ == State::Escaped;
    if ((inCall || state_ == State::Dialling) && !options_.ignoresDtr && DtrLow()) {
        ++hang_ups_;
        state_ = State::Command;
        in_call_ = false;
        lock.unlock();
        SendResult("NO CARRIER");
        return;
    }
    if (far_end_hang_up_requested_) {
        far_end_hang_up_requested_ = false;
        if (inCall) {
            state_ = State::Command;
            in_call_ = false;
            lock.unlock();
            SendResult("NO CARRIER");
            return;
        }
    }
    if (ring_requested_ && state_ == State::Command) {
        ring_requested_ = false;
        state_ = State::Ringing;
        event_at_ = now;
    }
    if (state_ == State::Ringing && now >= event_at_) {
        event_at_ = now + kRingInterval;
        lock.unlock();
        SendResult("RING");
        return;
    }
    if (state_ != State::Dialling || now < event_at_) {
        return;
    }
    static constexpr std::pair<DialOutcome, const char*> kEndings[] = {
        {DialOutcome::Busy, "BUSY"},
        {DialOutcome::NoDialtone, "NO DIALTONE"},
        {DialOutcome::NoAnswer, "NO ANSWER"},
        {DialOutcome::NoCarrier, "NO CARRIER"},
    };
    switch (options_.outcome) {
        case DialOutcome::Silence:
            return;  // stays dialling until DTR drops
        case DialOutcome::Connect: {
            const std::string connect = ConnectCall();
            lock.unlock();
            SendResult(connect);
            return;
        }
        default:
            break;
    }
    state_ = State::Command;
    const DialOutcome outcome = options_.outcome;
    lock.unlock();
    for (const auto& [ending, text] : kEndings) {
        if (ending == outcome) {
            SendResult(text);
        }
    }
}

std::string FakeModem::ConnectCall() {
    state_ = State::InCall;
    in_call_ = true;
    return options_.connectRate > 0 ? "CONNECT " + std::to_string(options_.connectRate) : "CONNECT";
}

bool FakeModem::DtrLow() const {
    termios settings{};
    return ::tcgetattr(slave_.Get(), &settings) == 0 && ::cfgetospeed(&settings) == B0;
}

void FakeModem::SendResult(std::string_view text) {
    WriteToProgram("\r\n" + std::string(text) + "\r\n");
}

void FakeModem::WriteToProgram(std::string_view bytes) {
    std::lock_guard lock(write_mutex_);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(master_.Get(), bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
        } else if (put < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd watch{master_.Get(), POLLOUT, 0};
            ::poll(&watch, 1, 100);
        } else {
            return;
        }
    }
}

std::size_t FakeModem::ReceiveRoom() {
    return kReadChunk;
}

bool FakeModem::OnBytes(std::span<const std::uint8_t> bytes) {
    // The logger's bytes reach the program only across a connected call.
    if (in_call_.load()) {
        WriteToProgram(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return true;
}
