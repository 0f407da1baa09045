// CFirmwareUpdateDlg: the choice of a logger firmware file or a Wi-Fi module image, checked against the
// logger's model and installed versions and the stepping-stone rule, and the transfer's progress.
#pragma once

#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

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
    // The transfer's counters, read while it runs.
    struct TransferCounters {
        std::uint64_t total = 0;
        std::uint64_t done = 0;
    };
    // What the window needs of the program; the session does the transfer.
    struct Links {
        // Where the stepping-stone files lie.
        std::filesystem::path firmwareFolder;
        // The version check's file-name pattern of a module image kind ("" when unknown).
        std::function<std::string(FirmwareFileKind)> modulePattern;
        // Hands the file to the session; false without one.
        std::function<bool(const std::string& path)> startTransfer;
        std::function<TransferCounters()> counters;
        std::function<void()> cancelTransfer;
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
    // One tick of the transfer's progress.
    void OnTimer();
    // The session's transfer result: the timer stops and the line tells what became of the file; a
    // failed transfer leaves only Cancel.
    void TransferFinished(int result);

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
    std::int64_t InstalledVersion() const;

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

    QLineEdit* path_;
    QPushButton* browse_;
    QPushButton* ok_;
    QLabel* file_version_;
    QLabel* installed_version_;
    QLabel* target_name_;
    QLabel* note_;
    QProgressBar* progress_;
    QTimer* timer_;
};
