// CCoolMenuManager: the frame's menus show each command's toolbar image beside its label and its
// keyboard shortcuts behind it.
#include "kivo32/controls/cool_menu_manager.h"

#include <QAction>
#include <QMenu>

bool CCoolMenuManager::LoadToolbar(const std::vector<ToolbarButton>& buttons, QSize buttonSize) {
    if (button_size_.isValid() && buttonSize != button_size_) {
        return false;
    }
    button_size_ = buttonSize;
    for (const ToolbarButton& button : buttons) {
        if (button.command != 0) {
            images_.try_emplace(button.command, button.image);
        }
    }
    return true;
}

void CCoolMenuManager::LoadAccel(std::vector<Accelerator> table) {
    accelerators_ = std::move(table);
}

void CCoolMenuManager::OnInitMenuPopup(QMenu& popup) const {
    for (QAction* action : popup.actions()) {
        const unsigned command = action->data().toUInt();
        if (action->isSeparator() || action->menu() != nullptr || command == 0) {
            continue;
        }
        action->setIcon(ImageOf(command));
        action->setText(LabelWithAccelText(action->text(), command));
    }
}

QString CCoolMenuManager::LabelWithAccelText(const QString& label, unsigned command) const {
    QString text = label.left(label.indexOf('\t'));
    QString separator = QStringLiteral("\t");
    for (auto entry = accelerators_.rbegin(); entry != accelerators_.rend(); ++entry) {
        if (entry->command == command) {
            text += separator + entry->key.toString(QKeySequence::NativeText);
            separator = QStringLiteral(", ");
        }
    }
    return text;
}

QIcon CCoolMenuManager::ImageOf(unsigned command) const {
    const auto found = images_.find(command);
    return found != images_.end() ? found->second : QIcon();
}
