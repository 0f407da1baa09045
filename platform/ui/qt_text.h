// Conversions between the program's 8-bit texts and paths and Qt's strings.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// A Windows-1252 text of the program as Qt shows it.
QString ToQString(std::string_view text);
// What the user typed, as a Windows-1252 text ('?' for characters it lacks).
std::string FromQString(const QString& text);

QString PathToQString(const std::filesystem::path& path);
std::filesystem::path PathFromQString(const QString& path);

}  // namespace platform
