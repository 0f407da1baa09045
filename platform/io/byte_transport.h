// ByteTransport: the one interface through which a link moves bytes, whatever carries them (a serial
// port, a TCP connection, an in-process pair).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace platform {

// What a transport's reader hands its bytes to; every call comes on the reader thread.
class ByteReceiver {
public:
    virtual ~ByteReceiver() = default;
    // The most bytes the next read may take. 0 takes a piece all the same, for OnBytes to drop or
    // refuse: what the receiver cannot hold never waits in the transport.
    virtual std::size_t ReceiveRoom() = 0;
    // Each piece read; false ends the reader.
    virtual bool OnBytes(std::span<const std::uint8_t> bytes) = 0;
    // The reader ended by itself: the far end went away or reading failed. `error` is the errno (0:
    // closed in order). Not called after a stop or after OnBytes refused.
    virtual void OnReaderEnded(int error) = 0;
};

class ByteTransport {
public:
    // What is read when the receiver has no room: taken and handed over to be dropped.
    static constexpr std::size_t kDiscardPiece = 128;

    virtual ~ByteTransport() = default;

    // Bytes written before a time-out or an error: all of `n` when it went well.
    virtual std::size_t Write(const std::uint8_t* data, std::size_t n) = 0;
    // Starts the one reader of the transport, which hands what it reads to `receiver` until stopped;
    // false when the transport is not open, a reader runs already, or no thread could be made.
    virtual bool StartReading(ByteReceiver& receiver) = 0;
    // Stops the reader and waits a bounded time for it to end. False when it did not end: it is left
    // running, and the transport must be kept alive as long as the program runs.
    virtual bool StopReading() = 0;
    // Drops what is received and not yet read, and what is written and not yet sent.
    virtual void Purge() {}
    // The line speed where the transport has a line: 1 when set, 0 otherwise.
    virtual int SetBaud(int) { return 0; }
    // Stops the reader and closes the transport. False when the reader did not end (see StopReading):
    // the transport is then left open.
    virtual bool Close() = 0;
};

// Takes a transport whose reader did not end when it was closed, and keeps it for the rest of the
// program: destroying it would wait for that reader without limit or pull its state from under it.
void KeepWhileItsReaderRuns(std::unique_ptr<ByteTransport> transport);

}  // namespace platform
