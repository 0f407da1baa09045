// The base of the program's dialogs: modal runs with a result id, data exchange with checks, posted messages.
#include "platform/ui/dialog.h"

#include <QLineEdit>

#include "platform/base/message_box_flags.h"
#include "platform/base/window_messages.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/window_message_target.h"

namespace platform {

Dialog::Dialog(QWidget* parent)
    : QDialog(parent),
      target_(WindowMessageTarget::Create(this, [this](Message& message) { OnMessage(message); })) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    initialised_ = false;
    ended_ = false;
    Initialise();
    if (!ended_) {
        exec();
    }
    return result();
}

void Dialog::EndDialog(int result) {
    ended_ = true;
    done(result);
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange exchange(saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.failed();
}

std::shared_ptr<MessageTarget> Dialog::Target() const {
    return target_;
}

void Dialog::OnMessage(Message& message) {
    if (message.id == WM_CLOSE) {
        OnCancel();
    } else if (message.id == WM_COMMAND) {
        OnCommand(static_cast<unsigned>(message.wParam & 0xFFFF));
    }
}

bool Dialog::OnCommand(unsigned id) {
    if (id == static_cast<unsigned>(IDOK)) {
        OnOK();
    } else if (id == static_cast<unsigned>(IDCANCEL)) {
        OnCancel();
    } else {
        return false;
    }
    return true;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::accept() {
    OnOK();
}

void Dialog::reject() {
    OnCancel();
}

void Dialog::showEvent(QShowEvent* event) {
    Initialise();
    QDialog::showEvent(event);
    SelectInitialEdit();
}

// Typing into the edit that has the focus when the dialog opens replaces its value rather than
// joining onto it, as after a refused value.
void Dialog::SelectInitialEdit() {
    QWidget* initial = focusWidget();
    for (QWidget* next = nextInFocusChain(); initial == nullptr && next != this;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled() && next->isVisibleTo(this)) {
            initial = next;
        }
    }
    if (auto* edit = qobject_cast<QLineEdit*>(initial)) {
        edit->selectAll();
    }
}

void Dialog::Initialise() {
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
}

}  // namespace platform
