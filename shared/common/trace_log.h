// The trace log: time-stamped diagnostic lines in "ODSLogFile.txt" of the user data folder, written
// from any thread while the user has tracing switched on.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/base/trace_sink.h"

class CTraceLog {
public:
    // The longest message a line keeps; longer ones are cut after their values are filled in.
    static constexpr std::size_t kMaxMessage = 259;

    // `programName` begins every line ("Kivo", "Teldrin"); `folder` tells where the file goes when the
    // first line is written.
    CTraceLog(std::string programName, std::function<std::filesystem::path()> folder);

    void SetOn(bool on) { on_.store(on); }
    bool IsOn() const { return on_.load(); }
    void SetProgramName(std::string programName);

    // Writes "<program>(HH:MM:SS:mmm) <message>" when tracing is on or `force` is set. The first line
    // of the log starts the file afresh, later ones are appended; a file that cannot be opened loses
    // the line.
    void WriteLine(std::string_view message, bool force);
    void Close();
    // Empty until the first line was written.
    std::filesystem::path Path() const;
    // Hands the file to `openWithDesktop`; false when no line has been written yet or it failed.
    bool OpenFile(const std::function<bool(const std::filesystem::path&)>& openWithDesktop) const;

private:
    std::atomic<bool> on_{false};
    std::function<std::filesystem::path()> folder_;
    mutable std::mutex mutex_;
    std::string program_name_;
    std::filesystem::path path_;
    bool start_afresh_ = true;
    platform::TraceSink sink_;
};

// The program's trace log (its name "Kivo" until SetTraceProgramName is called).
CTraceLog& ProgramTraceLog();
void SetTraceProgramName(std::string programName);

// Fills the printf-style `format` with the values, then writes the line when tracing is on or `force`
// is non-zero.
void WriteTraceLine(const char* format, int force, ...) __attribute__((format(printf, 1, 3)));
// Writes the text as it stands: a "%" in a logger reply or a path is no placeholder.
void Trace(std::string_view text);
void TraceString(const std::string& text);
// printf-style formatting, then Trace.
void TraceFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool IsTraceOn();
void SetTraceOn(bool on);

// Hands the trace file to `openWithDesktop` (the desktop's default application). False when no line
// has been written yet or it could not be opened: the caller then tells the user.
bool OpenTraceFile(const std::function<bool(const std::filesystem::path&)>& openWithDesktop);
void CloseTraceFile();
