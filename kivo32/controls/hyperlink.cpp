// CHyperlink: a link text that opens with the desktop's default application.
#include "kivo32/controls/hyperlink.h"

#include <QUrl>

#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"

bool CHyperlink::Open() const {
    if (link_.empty()) {
        return false;
    }
    const QString link = platform::ToQString(link_);
    // A one-letter scheme would be a drive, not an address.
    if (QUrl(link).scheme().size() > 1) {
        return platform::CurrentDesktopServices().OpenUrl(link.toStdString());
    }
    return platform::CurrentDesktopServices().OpenPath(platform::PathFromQString(link));
}
