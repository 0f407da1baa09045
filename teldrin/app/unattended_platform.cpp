#include "teldrin/app/unattended_platform.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace teldrin {
namespace {

QtMessageHandler qtHandler = nullptr;

// teldrin says what it has to say on standard error itself: every message through Qt's logging is Qt's.
void DropNoticesKeepFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtHandler(type, context, message);
    }
}

}  // namespace

bool NobodyAtTheScreen() {
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

void KeepPlatformNoticesOffStandardErrorWhenUnattended() {
    if (NobodyAtTheScreen() && qtHandler == nullptr) {
        qtHandler = qInstallMessageHandler(DropNoticesKeepFailures);
    }
}

}  // namespace teldrin
