// Opening files, folders and web pages with the desktop's default application, and the beeps;
// replaceable in tests.
#include "platform/ui/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <atomic>

#include "platform/ui/qt_text.h"

namespace platform {
namespace {

class QtDesktopServices : public DesktopServices {
public:
    bool OpenPath(const std::filesystem::path& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(path)));
    }
    bool OpenUrl(const std::string& url) override {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    }
};

std::atomic<DesktopServices*> g_installed{nullptr};

}  // namespace

void DesktopServices::Beep(BeepKind) {
    // The desktop offers one sound for every kind.
    QApplication::beep();
}

DesktopServices& CurrentDesktopServices() {
    static QtDesktopServices desktop;
    DesktopServices* installed = g_installed.load();
    return installed != nullptr ? *installed : desktop;
}

void InstallDesktopServices(DesktopServices* services) {
    g_installed.store(services);
}

}  // namespace platform
