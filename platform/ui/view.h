// The base of every view: a widget that shows one document inside a child frame, and prints it.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/base/message.h"
#include "platform/base/message_target.h"
#include "platform/ui/page_painter.h"
#include "platform/ui/print_info.h"

class QPrinter;

namespace platform {

struct CommandState;

class ChildFrame;
class Document;
class WindowMessageTarget;

class View : public QWidget {
    Q_OBJECT

public:
    explicit View(QWidget* parent = nullptr);
    ~View() override;

    // The document shown; nullptr once it was closed.
    Document* GetDocument() const { return document_; }
    // Makes the view one of `document`'s views (the template does this when it makes a frame).
    void AttachDocument(Document* document);
    // The frame that holds the view, or nullptr.
    ChildFrame* ParentFrame() const;

    // Once, before the frame is first shown. The base calls OnUpdate(nullptr, 0).
    virtual void OnInitialUpdate();
    // A view without a size of its own opens its frame at a size to work in.
    QSize sizeHint() const override;
    // The document changed (`sender` is the view that changed it). The base repaints.
    virtual void OnUpdate(View* sender, long hint);
    // The view's frame became the active one, or stopped being it.
    virtual void OnActivateView(bool active);
    // A command; true when handled. The base handles File Print.
    virtual bool OnCommand(unsigned id);
    // The state of a command this view carries; true when it carries it (the base: File Print).
    virtual bool OnUpdateCommand(CommandState& state);

    // Where other threads post messages to this view.
    std::shared_ptr<MessageTarget> Target() const;
    // A posted message (or one sent on this thread). The base closes the frame for WM_CLOSE and routes
    // WM_COMMAND through the frame.
    virtual void OnMessage(Message& message);

    // The steps of a print-out, MFC-style: prepare (page count, false cancels), begin, each page, end.
    virtual bool OnPreparePrinting(PrintInfo& info);
    virtual void OnBeginPrinting(PagePainter& painter, PrintInfo& info);
    virtual void OnPrint(PagePainter& painter, PrintInfo& info);
    virtual void OnEndPrinting(PagePainter& painter, PrintInfo& info);
    // Runs those steps on `painter` for the pages chosen in `info`; false when a page failed.
    bool PrintPages(PagePainter& painter, PrintInfo& info);
    // File Print: the print dialog, then the print-out on the chosen printer.
    void OnFilePrint();
    // The print dialog on the view's printer for the pages `info` allows; false when cancelled. The
    // pages chosen go into `info`.
    bool ChoosePrinter(PrintInfo& info);
    // The printer the view prints on: the program's (Application::Printer), so that a printer chosen in
    // File > Print Setup, a page setup or a print dialog holds for every next print-out; without an
    // application, the view's own, made on first use.
    QPrinter& Printer();

private:
    friend class Document;

    Document* document_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::shared_ptr<WindowMessageTarget> target_;
};

// The name the printer set-up is asked by through the UiBroker.
inline constexpr char kPrinterSetupDialog[] = "PrinterSetup";
// The printer set-up over `parent`: the page setup dialog on `printer`; true when the user accepted it.
bool RunPrinterSetup(QPrinter& printer, QWidget* parent);

}  // namespace platform
