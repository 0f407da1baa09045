// A button showing a code text of letters that drops down a list of check boxes.
#include "kivo32/controls/check_combo_box.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <algorithm>

#include "kivo32/controls/check_combo_form.h"
#include "kivo32/controls/check_combo_items.h"
#include "kivo32/controls/controls_ids.h"
#include "platform/base/message.h"
#include "platform/ui/qt_text.h"

namespace {

struct ComboLayout {
    int width;
    int listWidth;
    int height;
};
constexpr ComboLayout kSmallLayout{50, 68, 21};
constexpr ComboLayout kLargeLayout{65, 90, 28};
constexpr int kTextInset = 4;
constexpr int kArrowWidth = 12;
constexpr int kFocusInset = 2;
// A scroll position below this goes to the very start.
constexpr int kScrollSnap = 50;

bool IsLargeScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->geometry().width() > CCheckComboBox::kSmallScreenWidth;
}

// The keys that open the list when released.
bool IsOpeningKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Down;
}

int ScrollAxis(int targetStart, int targetEnd, int clientLength, int scroll) {
    int moved = scroll;
    if (targetEnd > scroll + clientLength) {
        moved = targetEnd - clientLength;
    }
    if (targetStart < moved) {
        moved = targetStart;
    }
    return moved < kScrollSnap ? 0 : moved;
}

// The coloured value area, left of the arrow.
QRect ValueArea(QSize size) {
    return {kFocusInset, kFocusInset, size.width() - kArrowWidth - 2 * kFocusInset - 1,
            size.height() - 2 * kFocusInset};
}

}  // namespace

QRect CCheckComboBox::TextArea(QSize size) {
    const QRect value = ValueArea(size);
    return QRect(QPoint(kTextInset, kTextInset), value.bottomRight());
}

CheckComboFaceColors CheckComboFace(bool highlight, bool focusShown) {
    if (focusShown) {
        return {Qt::white, highlight ? QColor(Qt::darkBlue) : QColor(Qt::red)};
    }
    return {Qt::black, highlight ? QColor(Qt::white) : QColor(Qt::red)};
}

QPoint ScrollToShow(const QRect& target, const QSize& clientSize, const QPoint& scroll) {
    if (QRect(scroll, clientSize).contains(target)) {
        return scroll;
    }
    return {ScrollAxis(target.left(), target.right() + 1, clientSize.width(), scroll.x()),
            ScrollAxis(target.top(), target.bottom() + 1, clientSize.height(), scroll.y())};
}

CCheckComboBox::CCheckComboBox(CCheckComboForm& form, int controlId, int listKind, QWidget* parent)
    : QPushButton(parent),
      form_(form),
      control_id_(controlId),
      list_kind_(listKind),
      large_layout_(IsLargeScreen()) {
    const ComboLayout& layout = large_layout_ ? kLargeLayout : kSmallLayout;
    list_width_ = layout.listWidth;
    // Wide enough for the longest code text of the kind in the font the box draws with.
    const std::vector<CheckComboItem> items =
        CheckComboItems(listKind, form.LoggerType(), controlId, form.ChannelKindName());
    const std::string longest = CodeTextFromChecks(items, std::vector<bool>(items.size(), true));
    const int frame = layout.width - TextArea(QSize(layout.width, layout.height)).width();
    setFixedSize(std::max(layout.width, frame + fontMetrics().horizontalAdvance(platform::ToQString(longest))),
                 layout.height);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CCheckComboBox::SetCodeText(const std::string& text) {
    code_text_ = text;
    update();
}

void CCheckComboBox::SetHighlight(bool on, bool redraw) {
    highlight_ = on;
    if (redraw) {
        repaint();
    }
}

void CCheckComboBox::OpenDropDown() {
    if (drop_down_ != nullptr || parentWidget() == nullptr) {
        return;
    }
    // A child of the window, which shows the list whole where the combo's group box would cut it.
    QWidget* host = window();
    drop_down_ = new CCBCheckListBox(*this, form_, host);
    const QPoint place = mapTo(host, QPoint(0, 0));
    drop_down_->move(std::max(0, std::min(place.x(), host->width() - drop_down_->width())),
                     std::max(0, std::min(place.y(), host->height() - drop_down_->height())));
    drop_down_->raise();
    drop_down_->show();
    drop_down_->setCurrentRow(0);
    drop_down_->setFocus();
    drop_down_->HoldMouse(true);
    form_.SetOpenCheckCombo(this);
}

void CCheckComboBox::CloseDropDown(bool accept) {
    if (drop_down_ == nullptr) {
        return;
    }
    CCBCheckListBox* list = drop_down_;
    drop_down_ = nullptr;
    if (accept) {
        const std::string code = list->CodeText();
        if (code != code_text_) {
            code_text_ = code;
            form_.SetDocumentModified();
        }
    }
    list->HoldMouse(false);
    // The list is a child of the main window: hidden with the focus, it would hand the focus along the
    // main window's chain, into another setup window. The focus goes back to this box, in its own window.
    if (list->window()->focusWidget() == list) {
        setFocus(Qt::OtherFocusReason);
    }
    list->hide();
    list->deleteLater();
    form_.SetOpenCheckCombo(nullptr);
    update();
    if (const auto target = form_.MessageTarget()) {
        target->PostMessage(platform::Message(WM_CHECKCOMBO_CLOSED, 0));
    }
}

void CCheckComboBox::CloseDropDownAndMoveFocus(bool accept, bool previous) {
    setFocus();
    CloseDropDown(accept);
    focusNextPrevChild(!previous);
}

void CCheckComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    QStyleOption arrow = option;
    arrow.rect = QRect(width() - kArrowWidth - kFocusInset, 0, kArrowWidth, height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    const bool focusShown = hasFocus() && !isDown();
    const CheckComboFaceColors colors = CheckComboFace(highlight_, focusShown);
    const QRect value = ValueArea(size());
    painter.fillRect(value, colors.background);
    painter.setPen(colors.text);
    const std::string& shown = code_text_.empty() ? std::string(kEmptyText) : code_text_;
    painter.drawText(TextArea(size()), Qt::AlignLeft | Qt::AlignTop, platform::ToQString(shown));
    if (focusShown) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = value.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CCheckComboBox::keyPressEvent(QKeyEvent* event) {
    if (IsOpeningKey(event->key())) {
        event->accept();  // opens when released
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CCheckComboBox::keyReleaseEvent(QKeyEvent* event) {
    if (IsOpeningKey(event->key())) {
        OpenDropDown();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void CCheckComboBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setDown(true);
        OpenDropDown();
        setDown(false);
        return;
    }
    QPushButton::mousePressEvent(event);
}

void CCheckComboBox::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    // A form that scrolls brings the combo into view.
    for (QWidget* ancestor = parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(ancestor);
        if (area == nullptr || area->widget() == nullptr) {
            continue;
        }
        const QRect target(mapTo(area->widget(), QPoint(0, 0)), size());
        const QPoint scroll(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
        const QPoint moved = ScrollToShow(target, area->viewport()->size(), scroll);
        area->horizontalScrollBar()->setValue(moved.x());
        area->verticalScrollBar()->setValue(moved.y());
        break;
    }
}
