// A fake logger in process for link tests: on a pseudo-terminal, a TCP port of 127.0.0.1 or an
// in-process pair, it waits for the bytes its script expects and answers with the bytes it says, each
// answer in one write, so a test fixes exactly how the replies arrive.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/io/byte_transport.h"
#include "platform/io/reader_thread.h"
#include "platform/base/unique_fd.h"

class ScriptedLogger {
public:
    enum class Kind { Pty, Tcp, InProcess };

    explicit ScriptedLogger(Kind kind = Kind::Pty);
    ~ScriptedLogger();
    ScriptedLogger(const ScriptedLogger&) = delete;
    ScriptedLogger& operator=(const ScriptedLogger&) = delete;

    // Pty: the path the connection opens.
    const std::string& Path() const { return path_; }
    // Tcp: the port of 127.0.0.1 it listens on (it serves the first connection).
    int Port() const { return port_; }
    // InProcess: the program's end, once.
    std::unique_ptr<platform::ByteTransport> TakeProgramEnd();

    // Script steps, run in order once Start() was called.
    void Expect(std::string bytes);
    void Send(std::string bytes);
    // Echoes each byte of `command` as it arrives, one write per byte.
    void EchoEach(const std::string& command);
    // Fails the script when any byte arrives within `quiet`.
    void ExpectSilence(std::chrono::milliseconds quiet);
    // Marks the point that WaitForMark() waits for.
    void Mark();

    void Start();
    // True once the script has passed its Mark() (false after the deadline).
    bool WaitForMark();
    // True when every step ran (false after the deadline or on a failed expectation).
    bool WaitForEnd();
    std::string Received() const;

private:
    struct Step {
        enum Kind { kExpect, kSend, kSilence, kMark } kind;
        std::string bytes;
        std::chrono::milliseconds quiet{0};
    };

    void Run();
    bool Accept();
    bool ReadUntil(const std::string& bytes);
    bool StaysSilent(std::chrono::milliseconds quiet);
    // Reads what is there into received_; false when the far end went or the wait failed.
    bool ReadSome(int timeoutMs);
    bool WriteAll(const std::string& bytes);

    std::string path_;
    int port_ = 0;
    platform::UniqueFd listener_;
    platform::UniqueFd served_;
    platform::UniqueFd slave_;
    platform::UniqueFd program_end_;
    std::vector<Step> steps_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string received_;
    std::size_t consumed_ = 0;
    bool marked_ = false;
    bool ended_ = false;
    bool ok_ = true;
    platform::ReaderThread thread_;
};
