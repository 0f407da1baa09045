// The standard message box on Qt: buttons, icon and default button from MB_ flags, answers as IDOK, IDYES...
#include "platform/ui/standard_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "platform/ui/qt_text.h"

namespace platform {
namespace {

constexpr const char* kAnswerProperty = "kivoAnswer";

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

StandardMessageBox::StandardMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                                       unsigned style)
    : QMessageBox(owner != nullptr ? owner : DefaultOwnerWindow()) {
    setText(ToQString(text));
    setWindowTitle(caption.empty() ? QGuiApplication::applicationDisplayName() : ToQString(caption));
    setIcon(IconOf(style));
    if ((style & MB_TOPMOST) != 0) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }

    std::vector<QAbstractButton*> buttons;
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            buttons = {AddAnswer(Ok, IDOK), AddAnswer(Cancel, IDCANCEL)};
            escape_answer_ = IDCANCEL;
            break;
        case MB_ABORTRETRYIGNORE:
            buttons = {AddAnswer(Abort, IDABORT), AddAnswer(Retry, IDRETRY), AddAnswer(Ignore, IDIGNORE)};
            break;
        case MB_YESNOCANCEL:
            buttons = {AddAnswer(Yes, IDYES), AddAnswer(No, IDNO), AddAnswer(Cancel, IDCANCEL)};
            escape_answer_ = IDCANCEL;
            break;
        case MB_YESNO:
            buttons = {AddAnswer(Yes, IDYES), AddAnswer(No, IDNO)};
            escape_answer_ = IDNO;
            break;
        case MB_RETRYCANCEL:
            buttons = {AddAnswer(Retry, IDRETRY), AddAnswer(Cancel, IDCANCEL)};
            escape_answer_ = IDCANCEL;
            break;
        default:
            buttons = {AddAnswer(Ok, IDOK)};
            escape_answer_ = IDOK;
            break;
    }
    if ((style & MB_NOESCAPE) != 0) {
        escape_answer_ = 0;
    }
    const std::size_t defaultIndex = (style & MB_DEFMASK) >> 8;
    auto* defaultButton =
        qobject_cast<QPushButton*>(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    setDefaultButton(defaultButton);
    for (QAbstractButton* button : buttons) {
        if (AnswerOf(button) == escape_answer_) {
            setEscapeButton(button);
        }
    }
}

QAbstractButton* StandardMessageBox::AddAnswer(QMessageBox::StandardButton button, int answer) {
    QAbstractButton* added = addButton(button);
    added->setProperty(kAnswerProperty, answer);
    return added;
}

int StandardMessageBox::AnswerOf(QAbstractButton* button) const {
    return button != nullptr ? button->property(kAnswerProperty).toInt() : escape_answer_;
}

int StandardMessageBox::Run() {
    exec();
    return AnswerOf(clickedButton());
}

void StandardMessageBox::keyPressEvent(QKeyEvent* event) {
    if (escape_answer_ == 0 && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void StandardMessageBox::closeEvent(QCloseEvent* event) {
    if (escape_answer_ == 0) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

QWidget* DefaultOwnerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

int ShowStandardMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                           unsigned style) {
    StandardMessageBox box(owner, text, caption, style);
    return box.Run();
}

}  // namespace platform
