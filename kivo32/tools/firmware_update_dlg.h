// CFirmwareUpdateDlg: the choice of a logger firmware file or a Wi-Fi module image, checked against the
// logger's model and installed versions and the stepping-stone rule, and the transfer's progress.
#pragma once

#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "kivo32/session/firmware_requests.h"
#include "kivo32/tools/firmware_rules.h"
#include "platform/ui/dialog.h"

class CAppContext;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

class CFirmwareUpdateDlg : public platform::Dialog {
    Q_OBJECT

public:
    // What the window needs of the program; the session does the transfer.
    struct Links {
        // Where the stepping-stone files lie.
        std::filesystem::path firmwareFolder;
        // The version check's file-name pattern of a module image kind ("" when unknown).
        std::function<std::string(FirmwareFileKind)> modulePattern;
        // Hands the request to the session; false without one.
        std::function<bool(FirmwareTransferRequest)> startTransfer;
        // The session's link kind (kLinkDirect...); 0 without a session.
        std::function<int()> linkKind;
        // Stops the session's command, as the cancel command does; the abort flag is set before.
        std::function<void()> cancelCommand;
        // After an update: a command for the main window (connect again, check versions), and the
        // reconnect over the last link.
        std::function<void(unsigned command)> postCommand;
        std::function<void()> reconnect;
        // Ends the session quietly once the logger restarted with its new firmware.
        std::function<void()> endSession;
        // What the next update check looks at: the module no more when the file needs no stepping
        // stone, the versions once more after a stepping stone.
        std::function<void()> stopModuleCheck;
        std::function<void()> checkVersionAgain;
        // Holds the wait cursor while a sent logger firmware installs (true), and gives it back (false).
        std::function<void(bool hold)> holdWaitCursor;
        // The firmware file the window offers the next time.
        std::function<void(const std::string& path)> setPresetPath;
        // Seconds on a steady clock.
        std::function<std::int64_t()> now;
    };

    CFirmwareUpdateDlg(CAppContext& app, Links links, QWidget* parent);
    ~CFirmwareUpdateDlg() override;

    void SetInfo(const std::string& presetPath, const std::string& loggerVersionText,
                 const std::string& modelName, const std::string& moduleVersionText,
                 const std::string& moduleName);
    bool NeedsSteppingStone() const;
    // At open: a file that needs the stepping stone first is replaced by the stepping-stone file.
    void CheckSteppingStone();
    // One tick of the timer: the transfer's progress, or the countdown to the closing step.
    void OnTimer();
    // The session's result: the line tells what became of the file. A failed transfer stops the timer
    // and leaves only Cancel; a lost link ends the window; a sent file counts down to the closing step
    // (`installation` is the module's installation result after an image, 0 complete).
    void TransferFinished(int result, int installation = 0);

protected:
    bool OnInitDialog() override;
    void OnMessage(platform::Message& message) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnBrowse();
    void OnFileChanged();
    void ShowVersionNote();
    void EnableControls(bool enableOk, bool enableEdit);
    std::string TargetName() const;
    void SetPresetPath(const std::string& path);
    // Once the countdown after a sent file ran out: the program connects again and checks versions.
    void RunClosingStep();
    std::int64_t InstalledVersion() const;
    void HoldWaitCursor(bool hold);

    CAppContext& app_;
    Links links_;
    std::int64_t installed_logger_ = 0;
    std::int64_t installed_module_ = 0;
    std::string preset_path_;
    std::string model_name_;
    std::string logger_version_text_;
    std::string module_name_;
    std::string module_version_text_;
    FirmwareFileKind file_kind_ = FirmwareFileKind::kHex;
    FirmwareTarget target_ = FirmwareTarget::kNone;
    FirmwareFileFinding finding_;
    std::int64_t transfer_start_ = -1;
    // Seconds left before the closing step; 0 while not counting.
    int countdown_ = 0;
    int link_kind_ = 0;
    // The wait cursor is held from a sent logger firmware to the closing step.
    bool wait_cursor_held_ = false;
    // The transfer's size as last seen, for the line once the session set the total back.
    std::uint64_t last_total_ = 0;
    std::shared_ptr<TransferCounters> counters_ = std::make_shared<TransferCounters>();

    QLineEdit* path_;
    QPushButton* browse_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QLabel* file_version_;
    QLabel* installed_version_;
    QLabel* target_name_;
    QLabel* note_;
    QProgressBar* progress_;
    QTimer* timer_;
};
