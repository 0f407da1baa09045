// The recovery question after a download broke part-way: keep the whole records received, try again
// for the rest, or give up. The question is the dialog request "CDataRecoveryDlg".
#pragma once

// Asks the user through the dialog request "CDataRecoveryDlg" with the values "records", "portLost"
// ("1" or "0") and "extraText" (what the message puts first: the lost port, or nothing).
int AskDataRecovery(int recordsReceived, bool portLost);
