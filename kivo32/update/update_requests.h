// The dialog requests of the version check: its result and the download of one published file.
#pragma once

#include <string>
#include <string_view>

// The check's result when something newer is published. The addresses are the files themselves when
// their flag is set, else their download pages. Answered by IDC_VC_DOWNLOAD_INSTALLER,
// IDC_VC_DOWNLOAD_LOGGER_FIRMWARE, IDC_VC_DOWNLOAD_MODULE_FIRMWARE or IDOK.
struct UpdateCheckRequest {
    static constexpr std::string_view kName = "CUpdateCheckDlg";
    bool appNewer = false;
    std::string appMessage;
    std::string thisVersion;
    std::string latestApp;
    std::string appAddress;
    bool appFile = false;
    bool deviceNewer = false;
    std::string deviceMessage;
    std::string deviceVersion;
    std::string latestDevice;
    std::string deviceAddress;
    // "WiFly" for the Wi-Fi module, "Quarven RS / KX" for a logger, empty without a device.
    std::string deviceLabel;
    bool deviceFile = false;
};

// The download of one file from `address` to `path` (Windows-1252); with IDOK `path` is where it was
// saved.
struct GetWebFileRequest {
    static constexpr std::string_view kName = "CGetWebFileDlg";
    std::string path;
    std::string address;
    long long size = 0;  // as published, for the progress
    int fileType = 0;    // 1 logger firmware, 2 installer, 3 module image, 4 module .mif
};
