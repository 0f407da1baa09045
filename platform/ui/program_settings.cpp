// The program's settings file: ~/.config/TARV/<program>.ini, in place of the registry key "TARV".
#include "platform/ui/program_settings.h"

#include <QCoreApplication>

namespace platform {

std::unique_ptr<QSettings> OpenProgramSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "TARV",
                                       QCoreApplication::applicationName());
}

}  // namespace platform
