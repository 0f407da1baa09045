// CSessionEL: the program's session thread. It opens and identifies its link when it starts (with the
// search of the serial ports when a direct link does not answer), owns the logger object made for the
// model it found, and runs the logger commands of the user interface, one message each.
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/session/download_request.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/setting_requests.h"
#include "shared/link/session.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/download_policy.h"

class CDataLogger;
class CRealTimeWindowLink;
struct WaveformCapture;
class CSetupTable;
struct WiFiSettings;

struct CLoggerClockReading;
struct CLoggerVersionReading;
struct FirmwareTransferRequest;
class CSessionEL : public CSession {
public:
    // The speeds the port search tries on each port, in order.
    static constexpr int kSearchSpeeds[] = {57600, 2400};

    // `owner` must outlive the session; `settings` are the link it opens.
    CSessionEL(CSessionOwner& owner, CAppContext& app, CLinkSettings settings);
    ~CSessionEL() override;

    // The logger object; only the session thread uses it.
    CDataLogger* GetLogger() const { return logger_.get(); }

    int LoggerHasWiFi() const override;
    // Writes the calibration scalars, telling the user how it went; the logger object keeps them. A
    // write the user aborted puts the old ones back. 1 success.
    int SetLoggerScalars(float a, float v, float r);
    int LoggerHasWebLogin() const override;

    // Establish, identify, decide the model, make the logger object and start its session. 1 or 0;
    // the connect stage tells how far it got.
    int ConnectLogger();
    // Tries the serial ports with the search speeds, skipping the pair that failed already; with
    // `connectToo` a port only counts when a logger is identified on it. 1 when one was found.
    int FindLoggerPort(const std::string& triedPort, int triedSpeed, bool connectToo);
    // Offers to keep `speed` as the default of the link kind.
    void OfferSaveBaud(int speed);
    // What the version check needs of the logger (session thread; session_el_version.cpp).
    void ReadForVersionCheck(CLoggerVersionReading& reading);

    // ---- The modem (session_el_modem.cpp).
    // A modem connection that dials the session's number, or that waits for a call when the session
    // answers. Result 1.
    int NewModemConnection();
    // The call the modem line answered: attaches it, identifies the logger behind it and completes the
    // session that waited; a failure is told and ends the session.
    void OnCallAnswered();
    // Set while the session waits for a logger to call in.
    bool IsWaitingForCall() const { return waiting_for_call_.load(); }

protected:
    // The thread start: opens the link and identifies the logger (InitInstance).
    void OnStart() override;
    void OnCommand(platform::Message& message) override;
    void OnDropLogger() override;
    // A cancel also ends the wait for a call.
    void OnCancelCommand() override;
    // While a dialog is open, its Wi-Fi scan is taken too.
    bool TakeWhileAsking(platform::Message& message) override;
    // After the modem line's results: Close comes back when they left the session waiting without a call.
    void OnMessage(platform::Message& message) override;
    void SayFarewell(int reason) override;
    std::string LoggerText() const override;

private:
    void InitInstance();
    bool CreateConnection();
    // The logger object of the session's type code with the model text of its memory size; false when
    // the type code has none.
    bool MakeLoggerObject();
    void ShowConnectFailure() const;

    // ---- Command handlers (session_el_handlers.cpp).
    // Clear memory, clear peak, clear totals and the memory test: a confirmation, one operation.
    void RunSimpleCommandFor(unsigned messageId);
    void OnStartStopLogging();
    void OnLoggerProperties();
    void OnToggleOption();
    // The real-time values window of the logger's kind, with its update loop.
    void OnRealTimeValues(bool graph);
    void RunRealTimeLoop(CRealTimeWindowLink& window, bool graph);
    // The waveform capture window and its loop: captures asked for, and the continuous capture.
    void OnWaveformCapture();
    void RunCaptureLoop(CRealTimeWindowLink& window);
    WaveformCapture CaptureWaveform(int channel, int sampleCount);
    // Waits until the window shows; false when it closed first or the session ends.
    bool WaitForWindowOpen(const CRealTimeWindowLink& window);
    bool RealTimeEnded(const CRealTimeWindowLink& window);
    // The setups stored in the logger, with the status texts of their listing; a failure is told.
    bool ListSetups(std::vector<std::string>& setups);
    // Harmonics (session_el_harmonics.cpp): the stored setups and the active setup's channels checked, the
    // window opened with a copy of what it shows of the logger, then its capture loop until it closes.
    void OnHarmonics();
    // ---- Data handlers (session_el_data.cpp).
    // Reads every record into the request's file; `openFile` opens it as a document afterwards.
    void OnReadAllData(bool openFile, DownloadRequest request);
    // Reads the records logged since the existing file's last; offers a full read without a file.
    void OnReadNewData(bool openFile, DownloadRequest request);
    // The new-data read inside a running command, again as long as the user wants to try again;
    // `brokenTry`: an earlier download of the command that broke and was answered Try again.
    DownloadOutcome ReadNewData(const std::filesystem::path& path,
                                std::optional<DownloadOutcome> brokenTry = std::nullopt);
    // Checks the file against the logger's setup and tells the logger where the file ended; false when
    // the read cannot go on (the user was told or asked).
    bool PrepareNewDataRead(const std::filesystem::path& path, long& recordCount);
    // The question after the logger was found recording otherwise than the file: a new file for the new
    // data or for all data; nothing is programmed after the download either way.
    void AskAfterSetupMismatch();
    // Tells the download's failure, or hands the file on to the main window; after the recovery question,
    // tells what the disk holds.
    void FinishDownload(const DownloadOutcome& outcome, bool openFile, DownloadRequest request);
    void OnReadSetupTable();
    // The active setup read afresh, its extended data (the energy registers) too, for the energy summary.
    void OnReadEnergySummary();
    void OnProgramLogger(const CSetupTable& setup);
    // A notice that closes itself after `milliseconds`.
    void ShowTimedNotice(const std::string& text, int milliseconds);

    // ---- Speed handlers (session_el_speed.cpp).
    // False, and told, when the logger's firmware cannot run at `speed`.
    bool SpeedAllowed(int speed) const;
    // Sets the logger and the link to `speed` with their status texts; a failure is told.
    bool ChangeSpeed(int speed);
    void OnSetBaudRate();
    // Offers to bring the link to the stored default speed.
    void OnSyncBaudRate();

    // ---- Setting handlers: the clock and the call schedule (session_el_clock.cpp), the others
    // (session_el_settings.cpp).
    // The connected logger's ID and firmware text, as the settings dialogs show them.
    LoggerNaming NamingOfLogger() const;
    // The question before a clock command, unless the user turned it off; true to go on.
    bool AskBeforeClockCommand();
    // Sets the logger clock to `time` with its status texts; tells a failure.
    bool SetClockTo(std::time_t time);
    // After a change the user aborted (and the program is not closing): clears the abort and runs
    // `operation` once more, showing `failureId` when it fails too. True when the second try succeeded.
    bool SecondTryAfterAbort(const std::function<int()>& operation, unsigned failureId);
    void OnSetTime();
    void OnSyncTime();
    // The logger's clock for a check of the user-interface thread, which waits for `reading`.
    void ReadClockFor(CLoggerClockReading& reading);
    // Reads the clock and tells the setup form that asked (WM_SESSION_SETUP_FORM_FACTS) with its firmware.
    void ReadSetupFormFacts(const platform::Message& message);
    // Reads the logger's call schedule, then opens it for editing (OnCallSchedule).
    void OnReadCallSchedule();
    void OnCallSchedule();
    void OnSetDescription();
    void OnSetModemString();
    // The terminal window's raw command, its traffic traced for the window, or without one the wake-up
    // as the window opens (session_el_terminal.cpp).
    void OnTerminal(const std::string* command);
    void OnSetScalars();
    // The calibration window of `Request`, for a logger whose firmware can be calibrated, after its
    // scalars were read.
    template <class Request>
    void OnCalibrationDialog();
    void OnSetNetworkInfo();
    void OnSetWebPassword();
    // Restarts the logger with its new settings, which ends the session.
    void RestartLogger();
    // The status and message of network or Wi-Fi settings not written, unless the user aborted.
    void ShowNetworkWriteFailure() const;
    // ---- The logger IDs (session_el_ids.cpp) and the Wi-Fi module (session_el_wifi.cpp).
    void OnSetLoggerIDs();
    void OnSetWiFiInfo();
    // The Wi-Fi settings dialog with `settings` at its module-update step `state` (0 none).
    SetWiFiInfoRequest WiFiRequest(const WiFiSettings& settings, int state);
    // The open Wi-Fi dialog's scan: the module's reply posted to the target the message carries.
    void ScanWiFiFor(const platform::Message& message);
    // Production calibration: the technician's initials once, then the calibration window.
    void OnAutoCalibration();
    // Runs the calibration window's A/D read or scalar write and answers it; false for other messages.
    bool TakeCalibrationRequest(const platform::Message& message);
    // ---- The questions of an open scalar, calibration or logger-ID window (session_el_logger_window.cpp).
    // Posts a window's question to this session.
    LoggerWindowAsk LoggerWindowAsker();
    // Runs the question WM_SESSION_LOGGER_WINDOW carries and posts the answer; false for other messages.
    bool TakeLoggerWindowQuestion(const platform::Message& message);
    LoggerWindowAnswer AnswerLoggerWindow(const LoggerWindowQuestion& question);
    // Takes the settings the dialog answered into `settings` and writes them; a failure is told.
    bool WriteWiFiAnswer(const SetWiFiInfoRequest& answer, WiFiSettings& settings);
    // Has the module fetch its new firmware and waits for it, then shows the dialog again with
    // `settings` and asks the main window for another version check.
    void UpdateWiFiModule(WiFiSettings settings);
    // `text` as the connection's status text and on the status line.
    void PostConnectionStatus(std::string text);
    // The firmware update window's file sent, a module image's installation followed, the result
    // posted back (session_el_firmware.cpp).
    void OnFirmwareUpdate(const FirmwareTransferRequest& request);
    // The module's status words polled until its installation ends: 0 complete, else the failure.
    int WaitForModuleInstallation();

    // The lines of `lines`, each ended by CR LF.
    static std::string JoinLines(const std::vector<std::string>& lines);
    // Shows `messageId` in the standard box unless the user aborted.
    void ShowFailure(unsigned messageId) const;
    // A question in the program's own box: the button that answered it (IDC_MSGBOX_BUTTON1...).
    int Ask(unsigned promptId, unsigned titleId, unsigned button1Id, unsigned button2Id) const;
    // The blank status line.
    void PostBlankStatus() const;
    // Lets `ms` of link time pass, taking a cancel meanwhile; an abort or the end of the thread ends it
    // early.
    void WaitLinkTime(std::uint32_t ms);

    CSessionOwner& owner_;
    const CLinkSettings settings_;
    std::unique_ptr<CDataLogger> logger_;
    // The call schedule last read, which the schedule dialog shows.
    CallScheduleRecord call_schedule_;
    // The session's command stays in progress while it waits for a call.
    std::atomic<bool> waiting_for_call_{false};
    // Set during the Wi-Fi scan's command (session thread only).
    bool scanning_ = false;
    // The technician's initials for calibration records, asked once per session (upper-cased).
    std::string technician_;
};
