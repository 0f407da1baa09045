// The standard message box on Qt: buttons, icon and default button from MB_ flags, answers as IDOK, IDYES...
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

namespace platform {

class StandardMessageBox : public QMessageBox {
    Q_OBJECT

public:
    // Without `owner` the box is owned by DefaultOwnerWindow(), so that it stands in front of the
    // program's windows. An empty caption is the program's title. Texts are Windows-1252.
    StandardMessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned style);

    // Shows the box modally and returns the answer: the id of the button pressed, or the id that Esc and
    // the close box stand for (IDOK for an OK-only box, IDCANCEL when there is a Cancel button, IDNO for
    // a Yes/No box; Abort, Retry and Ignore cannot be escaped, nor a box styled MB_NOESCAPE).
    int Run();
    // The answer the box would give to Esc; 0 when it ignores Esc.
    int EscapeAnswer() const { return escape_answer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAbstractButton* AddAnswer(QMessageBox::StandardButton button, int answer);
    int AnswerOf(QAbstractButton* button) const;

    int escape_answer_ = 0;
};

// The window that a box without owner belongs to: the active modal window, else the active window,
// else the program's main window.
QWidget* DefaultOwnerWindow();

// A StandardMessageBox run at once; user-interface thread only.
int ShowStandardMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                           unsigned style);

}  // namespace platform
