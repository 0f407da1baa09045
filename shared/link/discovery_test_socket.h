// CTestSocket: the scan's connection test. It connects to a logger's TCP port, sends "I!F" and
// expects "OK", each step waiting at most 10 seconds.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/unique_fd.h"

enum class ConnectionTestOutcome { Passed, NoConnection, SendFailed, NoReply, WrongReply };

class CTestSocket {
public:
    static constexpr std::chrono::milliseconds kStepLimit{10'000};
    static constexpr std::size_t kReplyMax = 128;

    // The waits of the test's steps; the programs keep their window working while they wait.
    class Waits {
    public:
        virtual ~Waits() = default;
        // A step begins that may wait `limit` in all.
        virtual void BeginStep(std::chrono::milliseconds limit) = 0;
        // Waits until `fd` can be written (`forWriting`) or read; false once the step's limit passed.
        virtual bool WaitReady(int fd, bool forWriting) = 0;
    };

    // `waits` outlives the test socket.
    explicit CTestSocket(Waits& waits);

    // The whole test against the numeric IPv4 `address`.
    ConnectionTestOutcome Run(const std::string& address, std::uint16_t port);
    // Its steps: connect, then send and judge the reply.
    bool Connect(const std::string& address, std::uint16_t port);
    ConnectionTestOutcome Exchange();
    int Descriptor() const { return fd_.Get(); }

    // The reply's answer: trimmed, without the echo "I!F", trimmed again and cut at its first CR.
    static std::string ReplyAnswer(std::string_view reply);

private:
    // Reads until a CR follows the echo or the limit passed; what came.
    std::string ReadReply();

    Waits& waits_;
    platform::UniqueFd fd_;
};

// The port of a scan row's text: its number, or 3001 when it is 0 or none.
std::uint16_t ConnectionTestPort(const std::string& portText);
