// CTeldrinSession: one call of teldrin on its own session thread: it opens the entry's link, identifies
// the logger and runs the call's tasks (set the clock, download all data), then posts the outcome. Its
// log lines and error code go to the main frame as messages; it asks nobody anything.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/base/message_target.h"
#include "shared/link/session.h"
#include "teldrin/core/call.h"
#include "teldrin/core/call_progress.h"
#include "teldrin/core/call_scheduler.h"
#include "teldrin/core/scheduler_clock.h"

class CDataLogger;

namespace teldrin {

// What a call takes of the program's settings.
struct CallSettings {
    std::string dataDir;  // Windows-1252
    int directBaud = 57600;
    int modemBaud = 9600;
    // The clock the link waits by (tests run it fast).
    const LinkClock* linkClock = &RealLinkClock();
    // The scheduler's clock: the call's times and the time a logger's clock is set to.
    const SchedulerClock* clock = &SystemClock();
};

class CTeldrinSession final : public CSession {
public:
    // Starts the call at once; `mainFrame` must outlive the session.
    CTeldrinSession(CAppContext& app, CCall call, CallSettings settings, platform::MessageTarget& mainFrame);
    ~CTeldrinSession() override;

protected:
    void OnStart() override;
    void SayFarewell(int reason) override;
    void OnDropLogger() override;

private:
    bool OpenLink();
    // The code of a modem call that did not connect: why the line ended it.
    int ModemFailureCode();
    // Identifies the logger and makes its object.
    bool StartLoggerTask();
    bool RunTaskList();
    bool SetClockTask();
    bool ReadAllData();
    // Appends to the newest file when it can surely go on from it, else reads all data into a new file.
    bool ReadNewData();
    // Sends the read range of the newest file; false, with the reason logged, when it cannot go on.
    bool PrepareNewDataRead(const std::filesystem::path& path, long& recordCount);
    // Reads into `path` and logs the result with `endText` (the line) and `doneText` (its success form).
    bool RunDownload(const std::filesystem::path& path, bool readAll, long recordCount, unsigned endText,
                     unsigned doneText);
    // The short CSV form of the downloaded file, beside it, once the link is closed.
    void WriteCsvFile(const std::filesystem::path& dataPath) const;
    // Sets the call's error code and tells the main frame; with `log`, the event log says it too, in
    // `text` or else the code's own words.
    void SetCommError(int code, bool log = false, const std::string& text = {});
    void LogEvent(unsigned id, const std::string& argument) const;
    // The text of `id` as a call event: its "%1" says which call and when.
    void LogCallEvent(unsigned id) const;
    // The main frame's status pane, while the call runs.
    void ShowStatus(std::string text) const;
    // "Connected to <model> [<baud> baud]".
    void ShowConnected() const;
    void LogLine(std::string text, unsigned log = 0) const;
    // The entry's serial number, trailing blanks removed.
    std::string EntrySerial() const;
    // The serial number the log lines name the call by: the entry's, or when it has none, the one the
    // logger reported once it has.
    std::string Serial() const;
    // The serial number, and a network link's address and port, as the link's lines name it.
    std::string LinkName() const;
    // What names the call's data files: the serial number the logger reports, the entry's when it
    // reports none.
    std::string FileSerial() const;

    CCall call_;
    CallSettings settings_;
    platform::MessageTarget& main_frame_;
    // Declared before the logger, which reports to it.
    CallProgress progress_{main_frame_};
    std::unique_ptr<CDataLogger> logger_;
    CallOutcome outcome_;
    // The serial number the logger reported, trailing blanks removed.
    std::string logger_serial_;
    // The file the call's download wrote, for its CSV form.
    std::optional<std::filesystem::path> downloaded_;
};

}  // namespace teldrin
