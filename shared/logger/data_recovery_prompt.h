// The recovery question after a download broke part-way: keep the whole records received, try again
// for the rest, or give up. The question is the dialog request "CDataRecoveryDlg".
#pragma once

#include <functional>

// The question as a logger object asks it: the records received and whether the serial port of the
// link disappeared; the answer is kReadDataKept, kReadDataTryAgain or kReadDataRecoveryCancelled.
using DataRecoveryPrompt = std::function<int(int recordsReceived, bool portLost)>;

// Asks the user through the dialog request "CDataRecoveryDlg" with the values "records", "portLost"
// ("1" or "0") and "extraText" (what the message puts first: the lost port, or nothing).
int AskDataRecovery(int recordsReceived, bool portLost);
