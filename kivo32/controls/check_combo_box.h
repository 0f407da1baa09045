// A button showing a short code text of letters ("A,X,L") that drops down a list of check boxes from
// which the user picks what the letters stand for. The setup form holds one per channel and property.
#pragma once

#include <QPointer>
#include <QColor>
#include <QPushButton>
#include <string>

#include "kivo32/controls/cb_check_list_box.h"

class CCheckComboForm;

// The value area's colours: red behind black text, or white behind it with the highlight; with the
// focus shown white text on red, or on navy with the highlight.
struct CheckComboFaceColors {
    QColor text;
    QColor background;
};
CheckComboFaceColors CheckComboFace(bool highlight, bool focusShown);

class CCheckComboBox : public QPushButton {
    Q_OBJECT

public:
    // Screens up to this width take the small layout.
    static constexpr int kSmallScreenWidth = 800;
    // Shown when the code text is empty.
    static constexpr const char* kEmptyText = "               ";

    // `controlId` the channel control, `listKind` 0-7; the layout follows the screen's width.
    CCheckComboBox(CCheckComboForm& form, int controlId, int listKind, QWidget* parent);

    int ControlId() const { return control_id_; }
    int ListKind() const { return list_kind_; }
    CCheckComboForm& Form() const { return form_; }

    const std::string& CodeText() const { return code_text_; }
    void SetCodeText(const std::string& text);

    void SetHighlight(bool on, bool redraw);
    bool Highlight() const { return highlight_; }
    bool LargeLayout() const { return large_layout_; }
    // The list's width in the layout (68 or 90).
    int ListWidth() const { return list_width_; }
    // Where a box of `size` writes its code text.
    static QRect TextArea(QSize size);

    // The open list, nullptr while closed.
    CCBCheckListBox* DropDown() const { return drop_down_; }
    void OpenDropDown();
    // Closes the list, taking its checks when `accept`; the form hears of it by WM_CHECKCOMBO_CLOSED.
    void CloseDropDown(bool accept);
    // The same, then the focus moves to the next control (or the previous one).
    void CloseDropDownAndMoveFocus(bool accept, bool previous);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    CCheckComboForm& form_;
    int control_id_;
    int list_kind_;
    bool large_layout_;
    bool highlight_ = false;
    int list_width_;
    std::string code_text_;
    QPointer<CCBCheckListBox> drop_down_;
};

// Where a scrolling form moves so that `target` (in the form's content) shows in a client area of
// `clientSize` scrolled to `scroll`: by the overflow in each direction, and to 0 when that leaves less
// than 50 pixels.
QPoint ScrollToShow(const QRect& target, const QSize& clientSize, const QPoint& scroll);
