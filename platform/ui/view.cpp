// The base of every view: a widget that shows one document inside a child frame, and prints it.
#include "platform/ui/view.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/base/window_messages.h"
#include "platform/ui/application.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/document.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/window_message_target.h"

namespace platform {

View::View(QWidget* parent)
    : QWidget(parent),
      target_(WindowMessageTarget::Create(this, [this](Message& message) { OnMessage(message); })) {}

View::~View() {
    if (document_ != nullptr) {
        document_->RemoveView(this);
    }
}

void View::AttachDocument(Document* document) {
    if (document_ != nullptr) {
        document_->RemoveView(this);
    }
    document_ = document;
    if (document_ != nullptr) {
        document_->AddView(this);
    }
}

ChildFrame* View::ParentFrame() const {
    for (QWidget* parent = parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (auto* frame = qobject_cast<ChildFrame*>(parent)) {
            return frame;
        }
    }
    return nullptr;
}

void View::OnInitialUpdate() {
    OnUpdate(nullptr, 0);
}

void View::OnUpdate(View*, long) {
    update();
}

void View::OnActivateView(bool) {}

QSize View::sizeHint() const {
    return {640, 420};
}

bool View::OnUpdateCommand(CommandState& state) {
    return state.id == ID_FILE_PRINT;
}

bool View::OnCommand(unsigned id) {
    if (id == ID_FILE_PRINT) {
        OnFilePrint();
        return true;
    }
    return false;
}

std::shared_ptr<MessageTarget> View::Target() const {
    return target_;
}

void View::OnMessage(Message& message) {
    ChildFrame* frame = ParentFrame();
    if (message.id == WM_CLOSE && frame != nullptr) {
        frame->close();
    } else if (message.id == WM_COMMAND) {
        const auto command = static_cast<unsigned>(message.wParam & 0xFFFF);
        if (frame == nullptr || !frame->RouteCommand(command)) {
            OnCommand(command);
        }
    }
}

bool View::OnPreparePrinting(PrintInfo&) {
    return true;
}

void View::OnBeginPrinting(PagePainter&, PrintInfo&) {}

void View::OnPrint(PagePainter&, PrintInfo&) {}

void View::OnEndPrinting(PagePainter&, PrintInfo&) {}

bool View::PrintPages(PagePainter& painter, PrintInfo& info) {
    OnBeginPrinting(painter, info);
    bool ok = true;
    for (info.currentPage = info.fromPage; ok && info.currentPage <= info.toPage; ++info.currentPage) {
        ok = painter.StartPage();
        if (ok) {
            OnPrint(painter, info);
            ok = painter.EndPage();
        }
        if (!info.continuePrinting) {
            break;
        }
    }
    OnEndPrinting(painter, info);
    return ok;
}

QPrinter& View::Printer() {
    if (Application* application = Application::Instance()) {
        return application->Printer();
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void View::OnFilePrint() {
    PrintInfo info;
    if (!OnPreparePrinting(info)) {
        return;
    }
    if (!ChoosePrinter(info)) {
        return;
    }
    PrinterPagePainter painter(Printer());
    if (!painter.Begin()) {
        CurrentUiBroker().MessageBox(LoadText(AFX_IDP_FAILED_TO_START_PRINT), {}, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PrintPages(painter, info);
    painter.End();
}

bool View::ChoosePrinter(PrintInfo& info) {
    QPrinter& printer = Printer();
    // The printer stays with the view; the pages of the last print-out do not.
    printer.setFromTo(0, 0);
    const int chosen = CurrentUiBroker().RunDialog("Print", [&] {
        QPrintDialog dialog(&printer, window());
        if (info.maxPage != PrintInfo::kUnknownPages) {
            dialog.setMinMax(info.minPage, info.maxPage);
        }
        const int result = dialog.exec();
        if (printer.fromPage() > 0) {
            info.fromPage = printer.fromPage();
            info.toPage = printer.toPage();
        }
        return result;
    });
    return chosen == QDialog::Accepted;
}

bool RunPrinterSetup(QPrinter& printer, QWidget* parent) {
    return CurrentUiBroker().RunDialog(kPrinterSetupDialog, [&printer, parent] {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec();
    }) == QDialog::Accepted;
}

}  // namespace platform
