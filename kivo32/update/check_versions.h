// CheckVersions: the whole version check: the program, the connected logger's firmware and its Wi-Fi
// module, and what follows from them: the result dialog and its downloads, the firmware update command,
// the module update over FTP, or the summary. Its boxes and dialogs go through the UiBroker, so that it
// runs on any thread.
#pragma once

class CVersionCheck;
class CVersionCheckHost;

// The named dialogs the check asks for: the result dialog (its findings in, 100-102 or OK out) and the
// download of one file ("path", "address", "size", "fileType" in; the "path" saved to out, with OK).
inline constexpr const char* kUpdateCheckRequest = "CUpdateCheckDlg";
inline constexpr const char* kGetWebFileRequest = "CGetWebFileDlg";

// One check at a time: a check asked for while another runs is left out. False when it was left out.
bool CheckVersions(CVersionCheck& check, CVersionCheckHost& host, bool forceCheck, bool showMessages,
                   bool checkApp);
