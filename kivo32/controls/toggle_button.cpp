// CToggleButton: a push button that stays pressed or released, worked by the mouse and by keys.
#include "kivo32/controls/toggle_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/picture_resources.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "platform/ui/dialog.h"

namespace {

constexpr std::array<unsigned, 4> kSmallPictures{117, 112, 109, 111};
constexpr std::array<unsigned, 4> kLargePictures{114, 113, 115, 116};
constexpr int kPressedPicture = 0;
constexpr int kReleasedPicture = 2;
constexpr int kWithFocus = 1;

// Keys that press one of the dialog's buttons: Cancel always (Esc, as everywhere, and E), the others
// while they are enabled.
struct ShortcutKey {
    int key;
    int command;
    bool onlyWhileEnabled;
};
constexpr std::array<ShortcutKey, 6> kShortcutKeys{{
    {Qt::Key_Escape, IDCANCEL, false},
    {Qt::Key_E, IDCANCEL, false},
    {Qt::Key_S, 1291, true},
    {Qt::Key_W, 1350, true},
    {Qt::Key_X, 1344, true},
    {Qt::Key_Y, 1343, true},
}};

bool IsToggleKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_O;
}

}  // namespace

std::array<unsigned, 4> CToggleButton::PictureIds(int screenWidth) {
    return screenWidth <= kSmallScreenWidth ? kSmallPictures : kLargePictures;
}

CToggleButton::CToggleButton(int controlId, platform::Dialog* dialog)
    : QPushButton(dialog), control_id_(controlId), dialog_(dialog) {
    platform::SetControlId(this, controlId);
    setAutoDefault(false);  // Enter toggles it: it never stands in as the dialog's default button
    LoadPictures();
}

void CToggleButton::LoadPictures() {
    const QScreen* shownOn = screen();
    const int width = shownOn != nullptr ? shownOn->geometry().width() : kSmallScreenWidth;
    const auto ids = PictureIds(width);
    for (std::size_t index = 0; index < ids.size(); ++index) {
        if (const auto bytes = LoadPictureResource(ids[index], "BMP")) {
            pictures_[index].loadFromData(bytes->data(), static_cast<uint>(bytes->size()));
        }
    }
}

void CToggleButton::Press() {
    pressed_ = true;
    setDown(true);
    update();
}

void CToggleButton::Release() {
    pressed_ = false;
    setDown(false);
    update();
}

void CToggleButton::Toggle() {
    if (pressed_) {
        Release();
    } else {
        Press();
    }
}

void CToggleButton::ToggleByUser() {
    Toggle();
    SendToDialog(WM_TOGGLE_BUTTON_TOGGLED, control_id_);
}

void CToggleButton::SendCommandIfEnabled(int id) {
    const QWidget* control = dialog_ != nullptr ? platform::FindControl(dialog_, id) : nullptr;
    if (control != nullptr && control->isEnabled()) {
        SendToDialog(WM_COMMAND, id);
    }
}

void CToggleButton::SendToDialog(unsigned message, int wParam) {
    if (dialog_ != nullptr) {
        platform::Message sent(message, static_cast<std::uintptr_t>(wParam));
        dialog_->OnMessage(sent);
    }
}

void CToggleButton::paintEvent(QPaintEvent* event) {
    const int look = (pressed_ ? kPressedPicture : kReleasedPicture) + (hasFocus() ? kWithFocus : 0);
    const QPixmap& picture = pictures_[static_cast<std::size_t>(look)];
    if (picture.isNull()) {
        QPushButton::paintEvent(event);  // the style's button, sunken while pressed
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), picture);
}

void CToggleButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        mouse_down_ = true;  // the button's own press look stays out: the look follows the toggles only
    } else {
        QPushButton::mousePressEvent(event);
    }
}

void CToggleButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double click neither presses nor toggles.
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseDoubleClickEvent(event);
    }
}

void CToggleButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouse_down_) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    mouse_down_ = false;
    if (rect().contains(event->position().toPoint())) {
        ToggleByUser();
        setFocus(Qt::MouseFocusReason);
    } else {
        setDown(pressed_);
    }
}

void CToggleButton::keyPressEvent(QKeyEvent* event) {
    // With Alt held the key belongs to the dialog's menus and mnemonics.
    if ((event->modifiers() & Qt::AltModifier) != 0) {
        event->ignore();
        return;
    }
    // Qt names the keys themselves, so the function keys and the keypad never pass for these letters.
    const int key = event->key();
    if (IsToggleKey(key)) {
        ToggleByUser();
    }
    for (const auto& shortcut : kShortcutKeys) {
        if (shortcut.key != key) {
            continue;
        }
        if (shortcut.onlyWhileEnabled) {
            SendCommandIfEnabled(shortcut.command);
        } else {
            SendToDialog(WM_COMMAND, shortcut.command);
        }
    }
    // The button wants every key: none goes on to the dialog (Enter does not press its default button).
    event->accept();
}

void CToggleButton::keyReleaseEvent(QKeyEvent* event) {
    // The button's own Space release would click it.
    event->accept();
    setDown(pressed_);
}

void CToggleButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    setDown(pressed_);
}

void CToggleButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    setDown(pressed_);
}
