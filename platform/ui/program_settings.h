// The program's settings file: ~/.config/TARV/<program>.ini, in place of the registry key "TARV".
#pragma once

#include <QSettings>
#include <memory>

namespace platform {

// The settings of the running program (its application name is the file's name).
std::unique_ptr<QSettings> OpenProgramSettings();

}  // namespace platform
