// Conversions between the program's 8-bit texts and paths and Qt's strings.
#include "platform/ui/qt_text.h"

#include "platform/base/windows1252.h"

namespace platform {

QString ToQString(std::string_view text) {
    return QString::fromStdString(Windows1252ToUtf8(text));
}

std::string FromQString(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

QString PathToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path PathFromQString(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace platform
