// The scripted fake logger on a pseudo-terminal.
#include "tests/shared/link/scripted_logger.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace {

// Generous: a step waits this long for the program on a loaded machine before the script fails.
constexpr int kStepDeadlineMs = 20000;
constexpr auto kTestDeadline = std::chrono::seconds(30);

}  // namespace

ScriptedLogger::ScriptedLogger() {
    termios raw{};
    ::cfmakeraw(&raw);
    char name[128] = {};
    if (::openpty(&master_, &slave_, name, &raw, nullptr) == 0) {
        path_ = name;
    }
    [[maybe_unused]] const int piped = ::pipe2(stop_pipe_, O_CLOEXEC);
}

ScriptedLogger::~ScriptedLogger() {
    if (stop_pipe_[1] >= 0) {
        [[maybe_unused]] const ssize_t put = ::write(stop_pipe_[1], "x", 1);
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    for (const int fd : {master_, slave_, stop_pipe_[0], stop_pipe_[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void ScriptedLogger::Expect(std::string bytes) {
    steps_.push_back({Step::kExpect, std::move(bytes)});
}

void ScriptedLogger::Send(std::string bytes) {
    steps_.push_back({Step::kSend, std::move(bytes)});
}

void ScriptedLogger::EchoEach(const std::string& command) {
    for (const char byte : command) {
        Expect(std::string(1, byte));
        Send(std::string(1, byte));
    }
}

void ScriptedLogger::Mark() {
    steps_.push_back({Step::kMark, {}});
}

void ScriptedLogger::Start() {
    thread_ = std::thread([this] { Run(); });
}

bool ScriptedLogger::WaitForMark() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kTestDeadline, [this] { return marked_ || !ok_; }) && marked_;
}

bool ScriptedLogger::WaitForEnd() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kTestDeadline, [this] { return ended_; }) && ok_;
}

std::string ScriptedLogger::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

bool ScriptedLogger::ReadUntil(const std::string& bytes) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStepDeadlineMs);
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            const std::size_t found = received_.find(bytes, consumed_);
            if (found != std::string::npos) {
                consumed_ = found + bytes.size();
                return true;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watch[2] = {{master_, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
        if (::poll(watch, 2, static_cast<int>(left.count())) <= 0 || (watch[1].revents & POLLIN)) {
            return false;
        }
        char buffer[512];
        const ssize_t got = ::read(master_, buffer, sizeof buffer);
        if (got > 0) {
            std::lock_guard lock(mutex_);
            received_.append(buffer, static_cast<std::size_t>(got));
        }
    }
}

void ScriptedLogger::Run() {
    bool ok = true;
    for (const Step& step : steps_) {
        if (step.kind == Step::kExpect) {
            ok = ReadUntil(step.bytes);
        } else if (step.kind == Step::kSend) {
            ok = ::write(master_, step.bytes.data(), step.bytes.size()) ==
                 static_cast<ssize_t>(step.bytes.size());
        } else {
            std::lock_guard lock(mutex_);
            marked_ = true;
            changed_.notify_all();
        }
        if (!ok) {
            break;
        }
    }
    std::lock_guard lock(mutex_);
    ok_ = ok;
    ended_ = true;
    changed_.notify_all();
}
