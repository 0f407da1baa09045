// A fake logger in process for link tests: on a pseudo-terminal, it waits for the bytes its script
// expects and answers with the bytes it says, each answer in one write, so a test fixes exactly how
// the replies arrive.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScriptedLogger {
public:
    ScriptedLogger();
    ~ScriptedLogger();
    ScriptedLogger(const ScriptedLogger&) = delete;
    ScriptedLogger& operator=(const ScriptedLogger&) = delete;

    // The path the connection opens.
    const std::string& Path() const { return path_; }

    // Script steps, run in order once Start() was called.
    void Expect(std::string bytes);
    void Send(std::string bytes);
    // Echoes each byte of `command` as it arrives, one write per byte.
    void EchoEach(const std::string& command);
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
        enum Kind { kExpect, kSend, kMark } kind;
        std::string bytes;
    };

    void Run();
    bool ReadUntil(const std::string& bytes);

    std::string path_;
    int master_ = -1;
    int slave_ = -1;
    std::vector<Step> steps_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string received_;
    std::size_t consumed_ = 0;
    bool marked_ = false;
    bool ended_ = false;
    bool ok_ = true;
    int stop_pipe_[2] = {-1, -1};
};
