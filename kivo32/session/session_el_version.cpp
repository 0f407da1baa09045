// The program's session: what the version check reads of the logger and its Wi-Fi module.
#include "kivo32/session/logger_version_reading.h"
#include "kivo32/session/session_el.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/wifi_settings.h"

namespace {

// The logger's interface kind when it is linked through its Wi-Fi module.
constexpr int kInterfaceWiFi = 5;
// The configuration bit of a logger that carries a Wi-Fi module.
constexpr int kConfigurationWiFiModule = 0x4;

}  // namespace

void CSessionEL::ReadForVersionCheck(CLoggerVersionReading& reading) {
    if (logger_ != nullptr) {
        reading.typeCode = GetLoggerType();
        reading.firmwareText = logger_->GetFirmwareText();
        reading.linkedThroughWiFi = GetInterfaceKind() == kInterfaceWiFi;
        if (reading.readModule) {
            const int configuration = logger_->ReadConfiguration();
            WiFiSettings settings;
            if (configuration != -1 && (configuration & kConfigurationWiFiModule) != 0 &&
                logger_->ReadWiFiSettings(settings)) {
                reading.moduleFirmware = settings.moduleFirmware;
                reading.moduleName = settings.moduleName;
            }
        }
    }
    reading.MarkDone();
}
