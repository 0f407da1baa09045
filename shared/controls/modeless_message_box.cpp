// A modeless notice that stays on screen while the program works on; its text changes as work advances.
#include "shared/controls/modeless_message_box.h"

#include <QThread>
#include <QVBoxLayout>
#include <utility>

#include "platform/base/window_messages.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/window_message_target.h"
#include "shared/controls/controls_ids.h"

namespace {

constexpr int kWidth = 400;

// What another thread posts to the notice.
constexpr unsigned kShowNotice = WM_USER + 1;
constexpr unsigned kHideNotice = WM_USER + 2;

struct NoticeTexts {
    std::string caption;
    std::string message;
};

}  // namespace

CModelessMessageBox::CModelessMessageBox(QWidget* parent)
    : QDialog(parent),
      message_(new QLabel(this)),
      target_(platform::WindowMessageTarget::Create(
          this, [this](platform::Message& message) { OnMessage(message); })) {
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
        target_->PostMessage({kShowNotice, 0, platform::MakePayload(NoticeTexts{caption, message})});
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
        target_->PostMessage({kHideNotice});
        return;
    }
    hide();
}

void CModelessMessageBox::OnMessage(platform::Message& message) {
    if (message.id == kHideNotice) {
        Hide();
    } else if (const auto* texts = platform::PayloadAs<NoticeTexts>(message);
               message.id == kShowNotice && texts) {
        ShowMessage(texts->caption, texts->message);
    }
}
