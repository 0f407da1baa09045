// CTestSocket: connect, "I!F", "OK", on a non-blocking socket and the waits of its caller.
#include "shared/link/discovery_test_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>

#include "shared/link/discovery_datagrams.h"

namespace {

constexpr std::string_view kRequest = "I!F\r";
constexpr std::string_view kEcho = "I!F";
constexpr std::string_view kPassed = "OK";
constexpr std::uint16_t kDefaultPort = 3001;

constexpr std::string_view kBlanks = " \t\r\n";

// The reply after its leading blanks and, when it begins with the echo, after the echo and the
// blanks that follow it.
std::string_view AfterEcho(std::string_view reply) {
    reply.remove_prefix(std::min(reply.find_first_not_of(kBlanks), reply.size()));
    if (reply.starts_with(kEcho)) {
        reply.remove_prefix(kEcho.size());
        reply.remove_prefix(std::min(reply.find_first_not_of(kBlanks), reply.size()));
    }
    return reply;
}

// Whether the answer after the echo has ended with its CR.
bool AnswerComplete(std::string_view reply) {
    return AfterEcho(reply).find('\r') != std::string_view::npos;
}

}  // namespace

CTestSocket::CTestSocket(Waits& waits) : waits_(waits) {}

ConnectionTestOutcome CTestSocket::Run(const std::string& address, std::uint16_t port) {
    return Connect(address, port) ? Exchange() : ConnectionTestOutcome::NoConnection;
}

bool CTestSocket::Connect(const std::string& address, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &target.sin_addr) != 1) {
        return false;
    }
    fd_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd_.Valid()) {
        return false;
    }
    if (::connect(fd_.Get(), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        return true;
    }
    if (errno != EINPROGRESS) {
        fd_.Reset();
        return false;
    }
    waits_.BeginStep(kStepLimit);
    if (!waits_.WaitReady(fd_.Get(), true)) {
        fd_.Reset();
        return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd_.Get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        fd_.Reset();
        return false;
    }
    return true;
}

ConnectionTestOutcome CTestSocket::Exchange() {
    const ssize_t sent = ::send(fd_.Get(), kRequest.data(), kRequest.size(), MSG_NOSIGNAL);
    if (sent != static_cast<ssize_t>(kRequest.size())) {
        fd_.Reset();
        return ConnectionTestOutcome::SendFailed;
    }
    const std::string answer = ReplyAnswer(ReadReply());
    fd_.Reset();
    // The echo alone is no reply.
    if (answer.empty()) {
        return ConnectionTestOutcome::NoReply;
    }
    return answer == kPassed ? ConnectionTestOutcome::Passed : ConnectionTestOutcome::WrongReply;
}

std::string CTestSocket::ReadReply() {
    std::string reply;
    waits_.BeginStep(kStepLimit);
    while (reply.size() < kReplyMax && !AnswerComplete(reply)) {
        char buffer[kReplyMax];
        const ssize_t got = ::recv(fd_.Get(), buffer, kReplyMax - reply.size(), 0);
        if (got > 0) {
            reply.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            break;
        } else if (errno == EAGAIN && !waits_.WaitReady(fd_.Get(), false)) {
            break;
        }
    }
    return reply;
}

std::string CTestSocket::ReplyAnswer(std::string_view reply) {
    std::string_view answer = AfterEcho(reply);
    answer.remove_suffix(answer.size() - std::min(answer.find_last_not_of(kBlanks) + 1, answer.size()));
    return std::string(answer.substr(0, answer.find('\r')));
}

std::uint16_t ConnectionTestPort(const std::string& portText) {
    return ParseTcpPort(portText).value_or(kDefaultPort);
}
