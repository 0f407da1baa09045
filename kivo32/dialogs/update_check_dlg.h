// CUpdateCheckDlg: the result of the update check when something newer is published: this program's
// version against the published one and the device's firmware against the published one, each with the
// check's finding and a download button. It downloads nothing itself: a button either ends the dialog
// with the download it asks for, or opens the download page in the web browser.
#pragma once

#include <string>

#include "kivo32/controls/tool_tipper.h"
#include "kivo32/update/update_requests.h"
#include "platform/ui/dialog.h"

class CUpdateCheckDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int IDC_UPDATE_THIS_VERSION = 2402;
    static constexpr int IDC_UPDATE_LATEST_APP = 2403;
    static constexpr int IDC_UPDATE_APP_DOWNLOAD = 2404;
    static constexpr int IDC_UPDATE_DEVICE_VERSION = 2405;
    static constexpr int IDC_UPDATE_LATEST_DEVICE = 2406;
    static constexpr int IDC_UPDATE_DEVICE_DOWNLOAD = 2407;
    static constexpr int IDC_UPDATE_APP_MESSAGE = 2408;
    static constexpr int IDC_UPDATE_DEVICE_MESSAGE = 2409;
    static constexpr int IDC_UPDATE_DEVICE_LABEL = 2439;

    // What the check found.
    using Findings = UpdateCheckRequest;

    explicit CUpdateCheckDlg(Findings findings, QWidget* parent = nullptr);

private:
    // 100 for the installer; otherwise the download page opens and the dialog stays.
    void OnAppDownload();
    // 101 for logger firmware, 102 for the module's; otherwise the download page opens.
    void OnDeviceDownload();

    const Findings findings_;
    CToolTipper tool_tips_;
};
