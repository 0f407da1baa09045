// CSerialPort: one serial or USB-serial port on a POSIX terminal device, with its read thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/io/comm_constants.h"
#include "platform/io/wake_event.h"

class CSerialPort {
public:
    using TraceFn = std::function<void(const std::string&)>;

    // `trace` receives the port's diagnostic lines (the link layer passes the trace log).
    explicit CSerialPort(TraceFn trace = {});
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens /dev/<portName> (or an absolute path) for this program alone, with the driver's
    // low-latency flag where it has one, and applies the defaults: 19200 baud, 8N1, no flow control,
    // reads that return at once, writes that give up after 1000 ms. 0 on failure; LastError() holds
    // the errno (ENOENT: no such port). Only terminal devices open.
    int Open(const std::string& portName);
    // Takes `fd` as the port (a descriptor opened elsewhere) when it is not -1, then purges the port.
    int Attach(int fd = -1);

    int SetBaud(int baud);
    int GetBaud() const;
    int SetByteFormat(int parity, int dataBits, int stopBits);
    int SetFlowControl(int flags, int xonLimit, int xoffLimit, char xonChar, char xoffChar);
    // The driver's queues have a fixed size here; the sizes are kept for what they document.
    int SetBufferSizes(int inQueue, int outQueue);
    // A mask of 0 ends a pending GetEventResult with 0 (the stop of the read loop).
    int SetEventMask(std::uint32_t mask);
    int SetReadTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant);
    int SetWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant);
    int Purge(std::uint32_t flags);
    int ClearDtr();
    int SetDtr();

    // Bytes read: with waitAll clear at most what is queued, at once; else up to n within the read
    // time-outs.
    std::size_t Read(void* buffer, std::size_t n, bool waitAll);
    // Bytes written before the write time-out or an error.
    std::size_t Write(const void* buffer, std::size_t n);

    int WaitEvent();
    // The events that arrived (EV_RXCHAR, EV_ERR); 0 when the wait was stopped, when nothing came
    // without waiting, or when the device went away (LastError() then holds the errno).
    std::uint32_t GetEventResult(bool wait);

    // Runs `procedure` on the port's read thread; 0 when the port is not open or the thread failed.
    int StartReadThread(std::function<void()> procedure);
    int StopReadThread();
    int ClosePort();
    void StopAndClose();

    bool IsOpen() const { return fd_ >= 0; }
    int LastError() const { return last_error_.load(); }
    bool StopRequested() const { return stop_requested_.load(); }

private:
    bool ApplyDefaults();
    void SetLastError(int error) { last_error_.store(error); }
    void Trace(const std::string& line) const;

    TraceFn trace_;
    int fd_ = -1;
    std::atomic<int> last_error_{0};
    std::atomic<std::uint32_t> event_mask_{0};
    std::atomic<bool> stop_requested_{false};
    platform::WakeEvent wake_;
    std::uint32_t read_interval_ = MAXDWORD;
    std::uint32_t read_multiplier_ = 0;
    std::uint32_t read_constant_ = 0;
    std::uint32_t write_multiplier_ = 0;
    std::uint32_t write_constant_ = 1000;
    int in_queue_size_ = 0;
    int out_queue_size_ = 0;

    std::thread read_thread_;
    std::mutex thread_mutex_;
    std::condition_variable thread_ended_changed_;
    bool thread_ended_ = false;
};
