// StreamTransport: a ByteTransport over a connected stream descriptor, and the in-process pair that
// puts a program and a simulated logger at the two ends of one connection without a port or network.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <utility>

#include "platform/io/byte_transport.h"
#include "platform/io/reader_thread.h"
#include "platform/base/unique_fd.h"

namespace platform {

class StreamTransport : public ByteTransport {
public:
    explicit StreamTransport(UniqueFd fd);
    ~StreamTransport() override;

    std::size_t Write(const std::uint8_t* data, std::size_t n) override;
    bool StartReading(ByteReceiver& receiver) override;
    bool StopReading() override;
    bool Close() override;

private:
    void ReadUntilStopped(ByteReceiver& receiver);

    UniqueFd fd_;
    ReaderThread reader_;
};

// Two connected ends: the first for the program's link, the second, a non-blocking descriptor, for
// whatever plays the logger. Both invalid when the system refuses.
std::pair<UniqueFd, UniqueFd> MakeInProcessPair();

// write(2) to whatever serves a link: a terminal, a TCP socket or an in-process end. A socket whose far
// end has gone fails with EPIPE instead of raising SIGPIPE, which would end the whole process.
ssize_t WriteToLink(int fd, const void* data, std::size_t size);

}  // namespace platform
