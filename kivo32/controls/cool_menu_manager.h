// CCoolMenuManager: the frame's menus show each command's toolbar image beside its label and its
// keyboard shortcuts behind it. It hooks the frame and is told of each popup just before the popup
// shows; the actions carry their command id as their data.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QSize>
#include <QString>
#include <map>
#include <vector>

#include "kivo32/controls/subclass_wnd.h"

class QMenu;

class CCoolMenuManager : public CSubclassWnd {
    Q_OBJECT

public:
    // One button of a toolbar: its command (0 for a separator) and its image.
    struct ToolbarButton {
        unsigned command = 0;
        QIcon image;
    };
    // One entry of the frame's accelerator table.
    struct Accelerator {
        QKeySequence key;
        unsigned command = 0;
    };

    // Hooks `frame`.
    void Install(QWidget* frame) { HookWindow(frame); }

    // Takes a toolbar's images: a command keeps the image of the first toolbar that has it. The first
    // toolbar sets the button size; a later one of another size is refused (false) and changes nothing.
    bool LoadToolbar(const std::vector<ToolbarButton>& buttons, QSize buttonSize);
    // The accelerator table the shortcut texts come from, in table order.
    void LoadAccel(std::vector<Accelerator> table);

    // Just before `popup` shows: each of its command actions gets its command's image and its label is
    // rebuilt with the current shortcut text. Popups within it are done when they show.
    void OnInitMenuPopup(QMenu& popup) const;

    // `label` cut at its first tab, then a tab and the command's shortcuts, newest table entry first and
    // separated by ", "; without a shortcut just the cut label.
    QString LabelWithAccelText(const QString& label, unsigned command) const;
    // The image of `command`, a null icon when it has none.
    QIcon ImageOf(unsigned command) const;

private:
    QSize button_size_;
    std::map<unsigned, QIcon> images_;
    std::vector<Accelerator> accelerators_;
};
