// The trace log: time-stamped diagnostic lines in "ODSLogFile.txt" of the user data folder.
#include "shared/common/trace_log.h"

#include <chrono>
#include <cstdarg>
#include <ctime>

#include "platform/base/local_time.h"
#include "platform/base/string_format.h"
#include "shared/common/user_data_folder.h"

namespace {

constexpr const char* kTraceFileName = "ODSLogFile.txt";

// "HH:MM:SS:mmm", the milliseconds right-aligned in three places, all from one clock reading so that
// the stamps of successive lines keep their order.
std::string TimeStamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::optional<std::tm> local = platform::ToLocalTime(seconds);
    if (!local) {
        return platform::StringPrintf("??:??:??:%3d", static_cast<int>(millis));
    }
    return platform::StringPrintf("%02d:%02d:%02d:%3d", local->tm_hour, local->tm_min, local->tm_sec,
                                  static_cast<int>(millis));
}

}  // namespace

CTraceLog::CTraceLog(std::string programName, std::function<std::filesystem::path()> folder)
    : folder_(std::move(folder)), program_name_(std::move(programName)) {}

void CTraceLog::SetProgramName(std::string programName) {
    std::lock_guard lock(mutex_);
    program_name_ = std::move(programName);
}

void CTraceLog::WriteLine(std::string_view message, bool force) {
    if (!IsOn() && !force) {
        return;
    }
    if (message.size() > kMaxMessage) {
        message = message.substr(0, kMaxMessage);
    }
    std::lock_guard lock(mutex_);
    const std::string line = program_name_ + "(" + TimeStamp() + ") " + std::string(message);
    if (!sink_.IsOpen()) {
        if (path_.empty()) {
            const std::filesystem::path folder = folder_();
            if (folder.empty()) {
                return;
            }
            path_ = folder / kTraceFileName;
        }
        if (!sink_.Open(path_, start_afresh_)) {
            return;
        }
        start_afresh_ = false;
    }
    sink_.WriteLine(line);
}

void CTraceLog::Close() {
    std::lock_guard lock(mutex_);
    sink_.Close();
}

std::filesystem::path CTraceLog::Path() const {
    std::lock_guard lock(mutex_);
    return path_;
}

bool CTraceLog::OpenFile(const std::function<bool(const std::filesystem::path&)>& openWithDesktop) const {
    const std::filesystem::path path = Path();
    return !path.empty() && openWithDesktop(path);
}

CTraceLog& ProgramTraceLog() {
    static CTraceLog log("Kivo", [] { return UserDataFolder(); });
    return log;
}

void SetTraceProgramName(std::string programName) {
    ProgramTraceLog().SetProgramName(std::move(programName));
}

void WriteTraceLine(const char* format, int force, ...) {
    if (!IsTraceOn() && force == 0) {
        return;
    }
    va_list args;
    va_start(args, force);
    const std::string message = platform::StringPrintfV(format, args);
    va_end(args);
    ProgramTraceLog().WriteLine(message, force != 0);
}

void Trace(std::string_view text) {
    ProgramTraceLog().WriteLine(text, false);
}

void TraceString(const std::string& text) {
    Trace(text);
}

void TraceFormat(const char* format, ...) {
    if (!IsTraceOn()) {
        return;
    }
    va_list args;
    va_start(args, format);
    const std::string message = platform::StringPrintfV(format, args);
    va_end(args);
    Trace(message);
}

bool IsTraceOn() {
    return ProgramTraceLog().IsOn();
}

void SetTraceOn(bool on) {
    ProgramTraceLog().SetOn(on);
}

bool OpenTraceFile(const std::function<bool(const std::filesystem::path&)>& openWithDesktop) {
    return ProgramTraceLog().OpenFile(openWithDesktop);
}

void CloseTraceFile() {
    ProgramTraceLog().Close();
}
