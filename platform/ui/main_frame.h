// The base of the program's MDI main window: the child frames, command routing and closing.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "platform/base/message.h"
#include "platform/base/message_target.h"

class QMdiArea;
class QMdiSubWindow;

namespace platform {

struct CommandState;

class ChildFrame;
class DocManager;
class WindowMessageTarget;

class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    // `documents` (may be null) are asked before the window closes.
    explicit MainFrame(DocManager* documents = nullptr);
    ~MainFrame() override;

    QMdiArea* MdiArea() const { return mdi_area_; }
    // The active child frame, or nullptr.
    ChildFrame* ActiveChild() const;
    void AddChild(ChildFrame* frame);

    // Offers a command to the active child frame (its view and document first), the main frame, then
    // the application; true when one handled it.
    bool RouteCommand(unsigned id);
    virtual bool OnCommand(unsigned id);
    // The state a command shows now, asked along the command route. A command nobody on the route
    // carries is greyed, as it would do nothing.
    CommandState UpdateCommand(unsigned id);
    // The base carries Window Cascade and Window Tile.
    virtual bool OnUpdateCommand(CommandState& state);

    // Where other threads post messages to the main window.
    std::shared_ptr<MessageTarget> Target() const;
    // The base closes the window for WM_CLOSE and routes WM_COMMAND.
    virtual void OnMessage(Message& message);

protected:
    // Asks every modified document first; closes them all when none objects.
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window open as documents, each with the template that fits it, as File Open
    // would open them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnSubWindowActivated(QMdiSubWindow* window);

    DocManager* documents_;
    QMdiArea* mdi_area_;
    QPointer<ChildFrame> active_child_;
    std::shared_ptr<WindowMessageTarget> target_;
};

}  // namespace platform
