// StreamTransport over a connected descriptor, and the in-process pair (a local socket pair).
#include "platform/io/stream_transport.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace platform {
namespace {

constexpr std::size_t kReadPiece = 4096;
constexpr int kWriteWaitMs = 1000;
constexpr auto kReaderStopWait = std::chrono::milliseconds(1000);

}  // namespace

StreamTransport::StreamTransport(UniqueFd fd) : fd_(std::move(fd)) {}

StreamTransport::~StreamTransport() {
    Close();
}

std::size_t StreamTransport::Write(const std::uint8_t* data, std::size_t n) {
    std::size_t total = 0;
    while (fd_.Valid() && total < n) {
        const ssize_t put = ::send(fd_.Get(), data + total, n - total, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (put > 0) {
            total += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            break;
        }
        pollfd watch{fd_.Get(), POLLOUT, 0};
        if (::poll(&watch, 1, kWriteWaitMs) <= 0 || (watch.revents & (POLLERR | POLLHUP))) {
            break;
        }
    }
    return total;
}

bool StreamTransport::StartReading(ByteReceiver& receiver) {
    return fd_.Valid() && reader_.Start([this, &receiver] { ReadUntilStopped(receiver); });
}

void StreamTransport::ReadUntilStopped(ByteReceiver& receiver) {
    std::array<std::uint8_t, kReadPiece> piece;
    while (reader_.WaitReadable(fd_.Get()) != ReaderThread::Wait::Stopped) {
        const std::size_t room = receiver.ReceiveRoom();
        const std::size_t wanted = room == 0 ? kDiscardPiece : std::min(room, piece.size());
        const ssize_t got = ::recv(fd_.Get(), piece.data(), wanted, MSG_DONTWAIT);
        if (got > 0) {
            if (reader_.StopRequested() || !receiver.OnBytes(std::span<const std::uint8_t>(piece.data(), static_cast<std::size_t>(got)))) {
                return;
            }
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            if (!reader_.StopRequested()) {
                receiver.OnReaderEnded(got == 0 ? 0 : errno);
            }
            return;
        }
    }
}

bool StreamTransport::StopReading() {
    return reader_.StopWithin(kReaderStopWait);
}

bool StreamTransport::Close() {
    if (!StopReading()) {
        return false;
    }
    fd_.Reset();
    return true;
}

std::pair<UniqueFd, UniqueFd> MakeInProcessPair() {
    int ends[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return {};
    }
    UniqueFd program(ends[0]);
    UniqueFd logger(ends[1]);
    const int flags = ::fcntl(logger.Get(), F_GETFL);
    ::fcntl(logger.Get(), F_SETFL, flags | O_NONBLOCK);
    return {std::move(program), std::move(logger)};
}

ssize_t WriteToLink(int fd, const void* data, std::size_t size) {
    const ssize_t put = ::send(fd, data, size, MSG_NOSIGNAL);
    return put < 0 && errno == ENOTSOCK ? ::write(fd, data, size) : put;
}

}  // namespace platform
