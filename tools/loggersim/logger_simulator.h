// LoggerSimulator: serves a SimulatedLogger on a pseudo-terminal, on a TCP port of 127.0.0.1 or at the
// far end of an in-process pair, on a thread of its own.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/io/byte_transport.h"
#include "platform/io/reader_thread.h"
#include "platform/base/unique_fd.h"
#include "tools/loggersim/simulated_logger.h"

class LoggerSimulator {
public:
    static constexpr int kDefaultTcpPort = 3001;

    explicit LoggerSimulator(const LoggerModel& model, SimulatorFaults faults = {});
    ~LoggerSimulator();
    LoggerSimulator(const LoggerSimulator&) = delete;
    LoggerSimulator& operator=(const LoggerSimulator&) = delete;

    // Opens a pseudo-terminal and serves it: the path a program opens as its port ("/dev/pts/3"),
    // empty on failure. A Quarven served so names its USB port as its interface ("I?I").
    std::string StartPty();
    // Listens on 127.0.0.1:`port` (0: a free port) and serves one connection after another: the
    // port, 0 on failure.
    int StartTcp(int port);
    // Serves one end of an in-process pair: the other end, for a link of this process; nullptr on
    // failure.
    std::unique_ptr<platform::ByteTransport> StartInProcess();
    void Stop();

    // On a pseudo-terminal the logger hears only input sent at `baud`, as the program set the line
    // (0: at any speed, the default), and "I!14" changes that speed after its reply. Input at another
    // speed is lost, as on a real line.
    void SetLineBaud(int baud);
    // Paces what the logger writes to `baud` / 10 bytes a second, as a serial line of that rate sends
    // them (10 bits a byte); 0 writes as fast as the link takes them.
    void SetPacingBaud(int baud) { pacing_baud_.store(baud); }
    // The rate the program set on the pseudo-terminal; 0 on other transports or an unusual rate.
    int LineRate() const;

    SimulatedLogger& Logger() { return logger_; }
    // Time spent between taking received bytes and having written the answer.
    std::chrono::nanoseconds BusyTime() const { return std::chrono::nanoseconds(busy_ns_.load()); }
    std::uint64_t BytesSent() const { return bytes_sent_.load(); }

private:
    // Serves `fd` until the far end goes, the logger drops the link or Stop(); false when the link
    // was dropped or stopped, true when the far end went.
    bool Serve(int fd);
    bool WriteOutput(int fd, const std::string& bytes);
    // Books `count` bytes on the paced line and waits until they would have gone; false when stopped.
    bool WaitForLine(std::size_t count);
    bool HearsProgram();
    void RunTcp(const platform::UniqueFd& listener);

    SimulatedLogger logger_;
    platform::ReaderThread reader_;
    platform::UniqueFd served_;
    platform::UniqueFd slave_;
    std::atomic<std::int64_t> busy_ns_{0};
    std::atomic<std::uint64_t> bytes_sent_{0};
    std::atomic<int> pacing_baud_{0};
    std::chrono::steady_clock::time_point line_free_at_;
};
