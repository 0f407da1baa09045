// CFlatToolBar: the main toolbar. Its buttons send their commands along the frame's command route and
// ask the route for their state on the user-interface clock's idle tick.
#include "kivo32/app/flat_tool_bar.h"

#include <QAction>
#include <QToolButton>

#include "platform/ui/command_state.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"

CFlatToolBar::CFlatToolBar(platform::MainFrame& frame) : QToolBar(&frame), frame_(frame) {
    connect(&idle_tick_, &QTimer::timeout, this, &CFlatToolBar::UpdateButtons);
}

void CFlatToolBar::SetFlat(bool flat) {
    flat_ = flat;
    for (QAction* action : actions()) {
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
            button->setAutoRaise(flat);
        }
    }
}

void CFlatToolBar::LoadToolBar(const std::vector<Button>& buttons) {
    clear();
    for (const Button& button : buttons) {
        if (button.command == 0) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(button.image, platform::ToQString(button.tip).remove('&'));
        action->setData(button.command);
        const unsigned command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { frame_.RouteCommand(command); });
    }
    SetFlat(flat_);
    UpdateButtons();
    platform::CurrentUiClock().StartTimer(idle_tick_, kIdleTickMs);
}

void CFlatToolBar::UpdateButtons() {
    for (QAction* action : actions()) {
        const unsigned command = action->data().toUInt();
        if (command == 0) {
            continue;
        }
        const platform::CommandState state = frame_.UpdateCommand(command);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
    }
}
