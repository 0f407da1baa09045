// The scripted fake logger on a pseudo-terminal, a TCP port of 127.0.0.1 or an in-process pair.
#include "tests/shared/link/scripted_logger.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/io/pseudo_terminal.h"
#include "platform/io/stream_transport.h"

namespace {

// Generous: a step waits this long for the program on a loaded machine before the script fails.
constexpr int kStepDeadlineMs = 20000;
constexpr auto kTestDeadline = std::chrono::seconds(30);

using Wait = platform::ReaderThread::Wait;

int MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

ScriptedLogger::ScriptedLogger(Kind kind) {
    switch (kind) {
        case Kind::Pty: {
            platform::RawPseudoTerminal terminal = platform::OpenRawPseudoTerminal();
            served_ = std::move(terminal.master);
            slave_ = std::move(terminal.slave);
            path_ = std::move(terminal.path);
            break;
        }
        case Kind::Tcp: {
            listener_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t length = sizeof address;
            if (::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(listener_.Get(), 1) == 0 &&
                ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) == 0) {
                port_ = ntohs(address.sin_port);
            }
            break;
        }
        case Kind::InProcess: {
            auto [program, logger] = platform::MakeInProcessPair();
            program_end_ = std::move(program);
            served_ = std::move(logger);
            break;
        }
    }
}

ScriptedLogger::~ScriptedLogger() {
    thread_.Stop();
}

std::unique_ptr<platform::ByteTransport> ScriptedLogger::TakeProgramEnd() {
    return std::make_unique<platform::StreamTransport>(std::move(program_end_));
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

void ScriptedLogger::ExpectSilence(std::chrono::milliseconds quiet) {
    steps_.push_back({Step::kSilence, {}, quiet});
}

void ScriptedLogger::Mark() {
    steps_.push_back({Step::kMark, {}});
}

void ScriptedLogger::Start() {
    thread_.Start([this] { Run(); });
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

bool ScriptedLogger::Accept() {
    if (!listener_.Valid()) {
        return served_.Valid();
    }
    if (thread_.WaitReadable(listener_.Get(), kStepDeadlineMs) != Wait::Readable) {
        return false;
    }
    served_.Reset(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    const int on = 1;
    ::setsockopt(served_.Get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return served_.Valid();
}

bool ScriptedLogger::ReadSome(int timeoutMs) {
    if (thread_.WaitReadable(served_.Get(), timeoutMs) != Wait::Readable) {
        return false;
    }
    char buffer[512];
    const ssize_t got = ::read(served_.Get(), buffer, sizeof buffer);
    if (got <= 0) {
        return false;
    }
    std::lock_guard lock(mutex_);
    received_.append(buffer, static_cast<std::size_t>(got));
    return true;
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
        const int left = MillisecondsLeft(deadline);
        if (left == 0 || !ReadSome(left)) {
            return false;
        }
    }
}

bool ScriptedLogger::StaysSilent(std::chrono::milliseconds quiet) {
    const std::size_t before = Received().size();
    const auto deadline = std::chrono::steady_clock::now() + quiet;
    while (MillisecondsLeft(deadline) > 0 && !thread_.StopRequested()) {
        ReadSome(MillisecondsLeft(deadline));
    }
    return Received().size() == before;
}

bool ScriptedLogger::WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = platform::WriteToLink(served_.Get(), bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
        } else if (put < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd watch{served_.Get(), POLLOUT, 0};
            if (::poll(&watch, 1, kStepDeadlineMs) <= 0) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

void ScriptedLogger::Run() {
    bool ok = Accept();
    for (const Step& step : steps_) {
        if (!ok) {
            break;
        }
        switch (step.kind) {
            case Step::kExpect:
                ok = ReadUntil(step.bytes);
                break;
            case Step::kSend:
                ok = WriteAll(step.bytes);
                break;
            case Step::kSilence:
                ok = StaysSilent(step.quiet);
                break;
            case Step::kMark: {
                std::lock_guard lock(mutex_);
                marked_ = true;
                changed_.notify_all();
                break;
            }
        }
    }
    std::lock_guard lock(mutex_);
    ok_ = ok;
    ended_ = true;
    changed_.notify_all();
}
