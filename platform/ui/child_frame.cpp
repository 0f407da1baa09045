// The base of every MDI child frame: the window around a view inside the main frame.
#include "platform/ui/child_frame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "platform/base/window_messages.h"
#include "platform/ui/command_state.h"
#include "platform/ui/document.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/view.h"
#include "platform/ui/window_message_target.h"

namespace platform {

ChildFrame::ChildFrame(QWidget* parent)
    : QMdiSubWindow(parent),
      target_(WindowMessageTarget::Create(this, [this](Message& message) { OnMessage(message); })) {
    setAttribute(Qt::WA_DeleteOnClose);
}

ChildFrame::~ChildFrame() = default;

void ChildFrame::SetView(View* view) {
    View* old = view_;
    view_ = view;
    setWidget(view);
    delete old;
}

Document* ChildFrame::ActiveDocument() const {
    return view_ != nullptr ? view_->GetDocument() : nullptr;
}

bool ChildFrame::RouteCommand(unsigned id) {
    if (view_ != nullptr && view_->OnCommand(id)) {
        return true;
    }
    if (Document* document = ActiveDocument(); document != nullptr && document->OnCommand(id)) {
        return true;
    }
    return OnCommand(id);
}

bool ChildFrame::RouteUpdateCommand(CommandState& state) {
    if (view_ != nullptr && view_->OnUpdateCommand(state)) {
        return true;
    }
    if (Document* document = ActiveDocument(); document != nullptr && document->OnUpdateCommand(state)) {
        return true;
    }
    return OnUpdateCommand(state);
}

bool ChildFrame::OnUpdateCommand(CommandState&) {
    return false;
}

bool ChildFrame::OnCommand(unsigned) {
    return false;
}

std::shared_ptr<MessageTarget> ChildFrame::Target() const {
    return target_;
}

void ChildFrame::OnMessage(Message& message) {
    if (message.id == WM_CLOSE) {
        close();
    } else if (message.id == WM_COMMAND) {
        RouteCommand(static_cast<unsigned>(message.wParam & 0xFFFF));
    }
}

void ChildFrame::SetFrameTitle(const std::string& title) {
    setWindowTitle(ToQString(title));
}

void ChildFrame::DestroyFrame() {
    destroying_ = true;
    if (QMdiArea* area = mdiArea()) {
        area->removeSubWindow(this);
    }
    hide();
    deleteLater();
}

void ChildFrame::closeEvent(QCloseEvent* event) {
    Document* document = ActiveDocument();
    if (document == nullptr) {
        QMdiSubWindow::closeEvent(event);
    } else if (!document->CanCloseFrame(this)) {
        event->ignore();
    } else if (document->Frames().size() > 1) {
        QMdiSubWindow::closeEvent(event);
    } else {
        // The document closes with its last frame and takes the frame away itself, unless it refuses.
        document->OnCloseDocument();
        event->setAccepted(destroying_);
    }
    closed_ = event->isAccepted();
}

}  // namespace platform
