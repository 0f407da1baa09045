// The base of the program's MDI main window: the child frames, command routing and closing.
#include "platform/ui/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>
#include <filesystem>
#include <vector>

#include "platform/base/window_messages.h"
#include "platform/ui/application.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "platform/ui/window_message_target.h"

namespace platform {
namespace {

// The files of the local file system among what is dragged; other addresses are no documents.
std::vector<std::filesystem::path> DroppedFiles(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.push_back(PathFromQString(url.toLocalFile()));
        }
    }
    return files;
}

}  // namespace

MainFrame::MainFrame(DocManager* documents)
    : documents_(documents),
      mdi_area_(new QMdiArea(this)),
      target_(WindowMessageTarget::Create(this, [this](Message& message) { OnMessage(message); })) {
    setCentralWidget(mdi_area_);
    connect(mdi_area_, &QMdiArea::subWindowActivated, this, &MainFrame::OnSubWindowActivated);
    // Ctrl+F4 closes the active window as its close box does.
    auto* closeChild = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), this);
    connect(closeChild, &QShortcut::activated, this, [this] {
        if (QMdiSubWindow* active = mdi_area_->currentSubWindow()) {
            active->close();
        }
    });
    if (documents_ != nullptr) {
        documents_->SetMainFrame(this);
    }
    setAcceptDrops(true);
}

MainFrame::~MainFrame() {
    // The area outlives this part of the object and reports its frames going.
    disconnect(mdi_area_, nullptr, this, nullptr);
    if (documents_ != nullptr) {
        documents_->SetMainFrame(nullptr);
    }
}

ChildFrame* MainFrame::ActiveChild() const {
    return qobject_cast<ChildFrame*>(mdi_area_->currentSubWindow());
}

void MainFrame::AddChild(ChildFrame* frame) {
    mdi_area_->addSubWindow(frame);
}

bool MainFrame::RouteCommand(unsigned id) {
    if (ChildFrame* child = ActiveChild(); child != nullptr && child->RouteCommand(id)) {
        return true;
    }
    if (OnCommand(id)) {
        return true;
    }
    Application* application = Application::Instance();
    return application != nullptr && application->OnCommand(id);
}

CommandState MainFrame::UpdateCommand(unsigned id) {
    CommandState state(id);
    bool carried = false;
    if (ChildFrame* child = ActiveChild(); child != nullptr && child->RouteUpdateCommand(state)) {
        carried = true;
    } else if (OnUpdateCommand(state)) {
        carried = true;
    } else if (Application* application = Application::Instance(); application != nullptr) {
        carried = application->OnUpdateCommand(state);
    }
    if (!carried) {
        state.Enable(false);
    }
    return state;
}

bool MainFrame::OnUpdateCommand(CommandState& state) {
    if (state.id != ID_WINDOW_CASCADE && state.id != ID_WINDOW_TILE_HORZ) {
        return false;
    }
    state.Enable(!mdi_area_->subWindowList().isEmpty());
    return true;
}

bool MainFrame::OnCommand(unsigned id) {
    if (id == ID_WINDOW_CASCADE) {
        mdi_area_->cascadeSubWindows();
    } else if (id == ID_WINDOW_TILE_HORZ) {
        mdi_area_->tileSubWindows();
    } else {
        return false;
    }
    return true;
}

std::shared_ptr<MessageTarget> MainFrame::Target() const {
    return target_;
}

void MainFrame::OnMessage(Message& message) {
    if (message.id == WM_CLOSE) {
        close();
    } else if (message.id == WM_COMMAND) {
        RouteCommand(static_cast<unsigned>(message.wParam & 0xFFFF));
    }
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (documents_ != nullptr) {
        if (!documents_->SaveAllModified()) {
            event->ignore();
            return;
        }
        documents_->CloseAllDocuments();
    }
    QMainWindow::closeEvent(event);
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (documents_ != nullptr && !DroppedFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void MainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::filesystem::path> files = DroppedFiles(event->mimeData());
    if (documents_ == nullptr || files.empty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drag has ended: a file that does not open is told in a box, which must not hold
    // the program the files came from.
    QMetaObject::invokeMethod(
        this,
        [this, files] {
            activateWindow();
            for (const std::filesystem::path& file : files) {
                documents_->OpenDocumentFile(file);
            }
        },
        Qt::QueuedConnection);
}

void MainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* activated = qobject_cast<ChildFrame*>(window);
    if (activated == active_child_) {
        return;
    }
    if (active_child_ != nullptr && active_child_->ActiveView() != nullptr) {
        active_child_->ActiveView()->OnActivateView(false);
    }
    active_child_ = activated;
    if (activated != nullptr && activated->ActiveView() != nullptr) {
        activated->ActiveView()->OnActivateView(true);
    }
}

}  // namespace platform
