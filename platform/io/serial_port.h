// CSerialPort: one serial or USB-serial port on a POSIX terminal device, with its read thread; the
// transport of direct links.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/io/byte_transport.h"
#include "platform/io/comm_constants.h"
#include "platform/io/reader_thread.h"
#include "platform/base/unique_fd.h"

class CSerialPort : public platform::ByteTransport {
public:
    using TraceFn = std::function<void(const std::string&)>;

    // `trace` receives the port's diagnostic lines (the link layer passes the trace log).
    explicit CSerialPort(TraceFn trace = {});
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens /dev/<portName> (or an absolute path) for this program alone, with the driver's
    // low-latency flag where it has one, and applies the defaults: 19200 baud, 8N1, no flow control,
    // reads that return at once, writes that give up after 1000 ms. 0 on failure; LastError() holds
    // the errno (ENOENT: no such port). Only terminal devices open.
    int Open(const std::string& portName);
    // Takes `fd` as the port (a descriptor opened elsewhere) when it is not -1, then purges the port.
    int Attach(int fd = -1);

    int GetBaud() const;
    int SetByteFormat(int parity, int dataBits, int stopBits);
    int SetFlowControl(int flags, int xonLimit, int xoffLimit, char xonChar, char xoffChar);
    // With a mask of 0 GetEventResult reports nothing.
    int SetEventMask(std::uint32_t mask);
    int SetReadTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant);
    int SetWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant);
    int Purge(std::uint32_t flags);
    // DTR low: the line's output speed set to 0, which a serial driver turns into the signal (and which
    // a pseudo-terminal shows in its settings). 0 under hardware flow control.
    int ClearDtr();
    // DTR high again: the rate last given to SetBaud put back. 0 under hardware flow control or when
    // no rate was set.
    int SetDtr();

    // Bytes read: with waitAll clear at most what is queued, at once; else up to n within the read
    // time-outs.
    std::size_t Read(void* buffer, std::size_t n, bool waitAll);
    // Bytes written before the write time-out or an error.
    std::size_t Write(const std::uint8_t* data, std::size_t n) override;

    int WaitEvent();
    // The events that arrived (EV_RXCHAR); 0 when the wait was stopped, when nothing came
    // without waiting, or when the device went away (LastError() then holds the errno).
    std::uint32_t GetEventResult(bool wait);

    // Runs `procedure` on the port's read thread; 0 when the port is not open or the thread failed.
    int StartReadThread(std::function<void()> procedure);
    // 1 when the running thread was stopped, 0 when none ran, -1 when it did not end within its time:
    // it is then left running, and the port must be kept.
    int StopReadThread();
    int ClosePort();
    // False when the read thread did not end: the port is then left open.
    bool StopAndClose();

    // The transport: a read thread that hands each piece received on, and ends by itself when the
    // device goes away.
    bool StartReading(platform::ByteReceiver& receiver) override;
    bool StopReading() override { return StopReadThread() >= 0; }
    void Purge() override { Purge(PURGE_TXCLEAR | PURGE_RXCLEAR); }
    int SetBaud(int baud) override;
    bool Close() override { return StopAndClose(); }

    bool IsOpen() const { return port_.Valid(); }
    // The open device's descriptor (-1 when closed), for a modem line that hands its device over.
    int Descriptor() const { return port_.Get(); }
    int LastError() const { return last_error_.load(); }
    bool StopRequested() const { return reader_.StopRequested(); }

private:
    bool ApplyDefaults();
    void SetLastError(int error) { last_error_.store(error); }
    void Trace(const std::string& line) const;
    int fd() const { return port_.Get(); }
    void ReadUntilStopped(platform::ByteReceiver& receiver);

    TraceFn trace_;
    platform::UniqueFd port_;
    std::atomic<int> last_error_{0};
    std::atomic<std::uint32_t> event_mask_{0};
    std::uint32_t read_interval_ = MAXDWORD;
    std::uint32_t read_multiplier_ = 0;
    std::uint32_t read_constant_ = 0;
    std::uint32_t write_multiplier_ = 0;
    std::uint32_t write_constant_ = 1000;
    int set_baud_ = 0;  // the rate last given to SetBaud, for SetDtr
    platform::ReaderThread reader_;
};

// The speed of terminal `fd`'s line settings in baud (for a pseudo-terminal master: what its slave was
// set to); 0 when `fd` is no terminal or the speed is none of the standard ones.
int TerminalBaud(int fd);
