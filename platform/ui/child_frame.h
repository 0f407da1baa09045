// The base of every MDI child frame: the window around a view inside the main frame.
#pragma once

#include <QMdiSubWindow>
#include <memory>
#include <string>

#include "platform/base/message.h"
#include "platform/base/message_target.h"

namespace platform {

struct CommandState;

class Document;
class View;
class WindowMessageTarget;

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit ChildFrame(QWidget* parent = nullptr);
    ~ChildFrame() override;

    View* ActiveView() const { return view_; }
    // Shows `view` in place of the view shown so far, which is destroyed.
    void SetView(View* view);
    Document* ActiveDocument() const;

    // Offers a command to the view, then its document, then the frame; true when one handled it.
    bool RouteCommand(unsigned id);
    virtual bool OnCommand(unsigned id);
    // Asks the view, then its document, then the frame for the state of a command; true when one of
    // them carries it.
    bool RouteUpdateCommand(CommandState& state);
    virtual bool OnUpdateCommand(CommandState& state);

    // Where other threads post messages to this frame.
    std::shared_ptr<MessageTarget> Target() const;
    // The base closes the frame for WM_CLOSE and routes WM_COMMAND.
    virtual void OnMessage(Message& message);

    void SetFrameTitle(const std::string& title);
    // Takes the frame away: hidden now, deleted once control is back in the event loop.
    void DestroyFrame();
    // The frame has closed or is being taken away, and waits to be deleted.
    bool IsClosing() const { return destroying_ || closed_; }

protected:
    // The document's last frame closes only when the document may close (it is then closed with it);
    // any other frame simply goes.
    void closeEvent(QCloseEvent* event) override;

private:
    View* view_ = nullptr;
    bool destroying_ = false;
    bool closed_ = false;
    std::shared_ptr<WindowMessageTarget> target_;
};

}  // namespace platform
