#include "kivo32/app/kivo_list_host.h"

#include "kivo32/app/kivo_app.h"
#include "kivo32/views/view_toolbar.h"
#include "platform/base/windows1252.h"

LoggerDefaults CKivoListHost::EntryDefaults() const {
    return {app_.Registry().directBaud, kConnectModem};
}

std::string CKivoListHost::DataFolder() const {
    return app_.Registry().dataDir;
}

std::string CKivoListHost::CurrentComPort() const {
    return app_.Registry().directPort;
}

bool CKivoListHost::SessionRunning() const {
    return app_.GetCommandRuleState().session;
}

void CKivoListHost::ConnectDirect(const std::string& port, int baudRate) {
    app_.ConnectDirect(port, baudRate);
}

void CKivoListHost::ConnectModem(const std::string& phone, int baudRate) {
    app_.ConnectModem(phone, baudRate);
}

void CKivoListHost::ConnectNetwork(const std::string& address, const std::string& port) {
    app_.ConnectNetwork(address, port);
}

void CKivoListHost::ShowListToolbar(bool listActive) {
    app_.FollowActiveView(kLoggerListToolBar, listActive);
}

void CKivoListHost::RememberListPath(const std::filesystem::path& path) {
    app_.AppInfo().previousLoggerListName = platform::PathToWindows1252(path);
}
