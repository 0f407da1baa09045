// CheckVersions: the whole version check: the program, the connected logger's firmware and its Wi-Fi
// module, and what follows from them: the result dialog and its downloads (update_requests.h), the firmware
// update command, the module update over FTP, or the summary. Its boxes and dialogs go through the UiBroker,
// so that it runs on any thread.
#pragma once

class CVersionCheck;
class CVersionCheckHost;

// One check at a time: a check asked for while another runs is left out. False when it was left out.
bool CheckVersions(CVersionCheck& check, CVersionCheckHost& host, bool forceCheck, bool showMessages,
                   bool checkApp);
