#include "teldrin/app/teldrin_list_host.h"

#include "platform/ui/desktop_services.h"
#include "teldrin/core/registry_values.h"

namespace teldrin {

LoggerDefaults CTeldrinListHost::EntryDefaults() const {
    return {settings_.directBaud, kConnectModem};
}

std::string CTeldrinListHost::DataFolder() const {
    return settings_.dataDir;
}

std::string CTeldrinListHost::CurrentComPort() const {
    return settings_.directPort;
}

void CTeldrinListHost::ConnectDirect(const std::string&, int) {
    platform::CurrentDesktopServices().Beep();
}

void CTeldrinListHost::ConnectModem(const std::string&, int) {
    platform::CurrentDesktopServices().Beep();
}

void CTeldrinListHost::ConnectNetwork(const std::string&, const std::string&) {
    platform::CurrentDesktopServices().Beep();
}

}  // namespace teldrin
