// A standard modal message box that closes itself after a given time, so that a step never waits for
// the user.
#include "shared/controls/msg_box.h"

#include <QTimer>

#include "platform/base/ui_broker.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_clock.h"

CMsgBox::CMsgBox(QWidget* parent) : parent_(parent) {}

void CMsgBox::MessageBox(const std::string& text, const std::string& caption, int milliseconds,
                         unsigned type) {
    caption_ = caption;
    platform::CurrentUiBroker().RunDialog("CMsgBox", [&] {
        platform::StandardMessageBox box(parent_, text, caption, type);
        // The timer belongs to this box: a late tick dies with it and cannot reach another window.
        QTimer closing;
        closing.setSingleShot(true);
        QObject::connect(&closing, &QTimer::timeout, &box, [&box] { box.close(); });
        if (milliseconds != 0) {
            platform::CurrentUiClock().StartTimer(closing, milliseconds);
        }
        return box.Run();
    });
}
