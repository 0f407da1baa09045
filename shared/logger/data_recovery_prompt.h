// The recovery question after a download broke part-way: keep the whole records received, try again
// for the rest, or give up. The question is the dialog request DataRecoveryRequest.
#pragma once

#include <string>
#include <string_view>

// The window answers IDC_RECOVERY_TRY_AGAIN, IDCANCEL to give up, or IDOK to keep what was read.
struct DataRecoveryRequest {
    static constexpr std::string_view kName = "CDataRecoveryDlg";
    int recordsReceived = 0;
    bool portLost = false;  // the serial port of the link disappeared
    std::string extraText;  // what the message puts first: the lost port, or nothing
};

// Asks the user through DataRecoveryRequest; the answer is kReadDataKept, kReadDataTryAgain or
// kReadDataRecoveryCancelled.
int AskDataRecovery(int recordsReceived, bool portLost);
