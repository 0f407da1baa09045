// CGetWebFileDlg: downloads one file from a web address into a local file that the user may change, with
// a progress bar, a progress text with the time left, and a status box.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <string_view>

#include "kivo32/controls/static_web_link.h"
#include "kivo32/controls/tool_tipper.h"
#include "kivo32/dialogs/transfer_timer.h"
#include "platform/base/job_thread.h"
#include "platform/io/http_download.h"
#include "platform/ui/dialog.h"

class CRegistryValues;

// The kinds of file the dialog saves, by the index its callers pass: each gives the save dialog's type
// name, filter and default extension.
enum WebFileType : int {
    kWebFileUnknown = 0,
    kWebFileFirmware = 1,
    kWebFileInstaller = 2,
    kWebFileModuleImage = 3,  // module firmware, ".img"
    kWebFileModuleMif = 4,    // module firmware, ".mif"
};

// The address as the dialog shows it: without a leading "http://"; when the rest is longer than 73
// characters, the start shortened by as much and the last part (from the last "\", else the last "/"),
// with "..." between.
std::string ShortenedAddress(std::string_view address);

class CGetWebFileDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `localPath` (Windows-1252) is proposed and the user may change it; `expectedSize` is in bytes (0:
    // unknown; otherwise the file must have exactly that size); `fileType` is a WebFileType. A firmware
    // file (logger or module) that arrived whole becomes `registry`'s "FirmwareFile"; other types leave it.
    CGetWebFileDlg(CRegistryValues& registry, std::string localPath, std::string address,
                   std::int64_t expectedSize, int fileType, QWidget* parent = nullptr);
    // Stops a transfer still running and waits for its thread.
    ~CGetWebFileDlg() override;

    // DoModal gives IDOK when the whole file arrived, IDCANCEL otherwise (failed, cancelled or closed).
    // The path the file was saved under, read after IDOK.
    const std::string& GetLocalPath() const { return local_path_; }

    // The transfer's messages, taken on the user-interface thread.
    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    // Start: the transfer runs on a thread of its own and reports by posted messages.
    void OnOK() override;
    // Cancel and the close box stop a running transfer; its partial file goes.
    void OnCancel() override;
    void hideEvent(QHideEvent* event) override;

private:
    void Browse();
    void SetStatus(const std::string& text);
    void OnTransferStarted(std::int64_t total);
    void OnBlockWritten(std::int64_t bytesDone);
    void OnTransferFinished(int result);
    // The status text `status`, the failure box, and the dialog ends with IDCANCEL.
    void EndFailed(const std::string& status);
    // Stops a running transfer and waits for its thread; its result is then ignored.
    void StopTransfer();

    CRegistryValues& registry_;
    std::string address_;
    std::string local_path_;
    const std::int64_t expected_size_;
    int file_type_;
    CTransferTimer timer_;
    CHTTPDownload download_;
    platform::JobThread transfer_;
    // The clock's second of the last progress text, so that the text changes at most once a second.
    std::int64_t shown_second_ = -1;
    CToolTipper tool_tips_;

    CStaticWebLink* address_link_;
    QLineEdit* path_edit_;
    QPushButton* browse_;
    QProgressBar* progress_;
    QPlainTextEdit* status_;
    QPushButton* start_;
    QPushButton* cancel_;
};
