// A modeless notice that stays on screen while the program works on; its text changes as work advances.
#include "kivo32/controls/modeless_message_box.h"

#include <QThread>
#include <QVBoxLayout>

#include "kivo32/controls/controls_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr int kWidth = 400;

}  // namespace

CModelessMessageBox::CModelessMessageBox(QWidget* parent) : QDialog(parent), message_(new QLabel(this)) {
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    platform::SetControlId(message_, IDC_MODELESS_MESSAGE);
    message_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    setFixedWidth(kWidth);
    adjustSize();
    if (parent != nullptr) {
        const QRect owner = parent->frameGeometry();
        move(owner.left() + owner.width() / 2 - width() / 2, owner.top() + owner.height() / 2 - height() / 2);
    }
}

void CModelessMessageBox::ShowMessage(const std::string& caption, const std::string& message) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, caption, message] { ShowMessage(caption, message); }, Qt::QueuedConnection);
        return;
    }
    message_->setText(platform::ToQString(message));
    setWindowTitle(platform::ToQString(caption));
    adjustSize();
    show();
    repaint();
}

void CModelessMessageBox::ShowMessageText(const char* caption, const char* message) {
    ShowMessage(caption != nullptr ? caption : "", message != nullptr ? message : "");
}

void CModelessMessageBox::Hide() {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this] { Hide(); }, Qt::QueuedConnection);
        return;
    }
    hide();
}
