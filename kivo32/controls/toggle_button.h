// CToggleButton: a push button that stays pressed or released, drawn from four pictures and worked by
// the mouse and by keys; it tells its dialog of each toggle by the user, and some letters act as
// shortcuts for the dialog's buttons.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <array>

namespace platform {
class Dialog;
}

class CToggleButton : public QPushButton {
    Q_OBJECT

public:
    // Screens up to this width take the small pictures.
    static constexpr int kSmallScreenWidth = 800;
    // The picture ids of the looks pressed, pressed with the focus, released, released with the focus.
    static std::array<unsigned, 4> PictureIds(int screenWidth);

    // Starts released; `dialog` (also the parent) hears of toggles as WM_TOGGLE_BUTTON_TOGGLED with
    // `controlId` and takes the shortcut commands.
    CToggleButton(int controlId, platform::Dialog* dialog);

    // Change the look without telling the dialog.
    void Press();
    void Release();
    void Toggle();
    bool IsPressed() const { return pressed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void LoadPictures();
    void ToggleByUser();
    // The dialog's command `id`, when its control `id` is enabled.
    void SendCommandIfEnabled(int id);
    void SendToDialog(unsigned message, int wParam);

    int control_id_;
    QPointer<platform::Dialog> dialog_;
    bool mouse_down_ = false;
    bool pressed_ = false;
    // In the order of PictureIds; a null one leaves the drawing to the style.
    std::array<QPixmap, 4> pictures_;
};
