// The standard message box: its buttons, default button and Esc answer from the MB_ style.
#include "platform/ui/standard_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <functional>

#include "platform/base/message_box_flags.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::StandardMessageBox;

class StandardMessageBoxTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
};

struct StyleCase {
    unsigned style;
    std::vector<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton;
    int escapeAnswer;  // 0: Esc does nothing
};

TEST_F(StandardMessageBoxTest, ButtonsDefaultAndEscapeFollowTheStyle) {
    const std::vector<StyleCase> cases = {
        {MB_OK, {QMessageBox::Ok}, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Cancel, IDCANCEL},
        {MB_ABORTRETRYIGNORE,
         {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
         QMessageBox::Abort,
         0},
        {MB_YESNOCANCEL | MB_DEFBUTTON3,
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
         QMessageBox::Cancel,
         IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, IDNO},
        {MB_YESNO | MB_NOESCAPE, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, 0},
        // A default beyond the buttons falls back to the first.
        {MB_RETRYCANCEL | MB_DEFBUTTON3,
         {QMessageBox::Retry, QMessageBox::Cancel},
         QMessageBox::Retry,
         IDCANCEL},
    };
    for (const StyleCase& test : cases) {
        SCOPED_TRACE(test.style);
        StandardMessageBox box(nullptr, "text", "caption", test.style);
        EXPECT_EQ(box.buttons().size(), static_cast<qsizetype>(test.buttons.size()));
        for (auto button : test.buttons) {
            EXPECT_NE(box.button(button), nullptr);
        }
        EXPECT_EQ(box.defaultButton(), box.button(test.defaultButton));
        EXPECT_EQ(box.EscapeAnswer(), test.escapeAnswer);
    }
}

TEST_F(StandardMessageBoxTest, EscapeAndTheCloseBoxAnswerNoOrCancelOrClose) {
    const auto pressEscape = [](QWidget* modal) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(modal, &escape);
    };
    const auto closeIt = [](QWidget* modal) { modal->close(); };
    const struct {
        const char* name;
        unsigned style;
        std::function<void(QWidget*)> act;
        int answer;
    } cases[] = {
        {"Esc on a question", MB_YESNO | MB_ICONQUESTION, pressEscape, IDNO},
        {"the close box of a question", MB_YESNO, closeIt, IDNO},
        {"Esc with a Cancel button", MB_YESNOCANCEL, pressEscape, IDCANCEL},
        {"Esc on a notice", MB_OK, pressEscape, IDOK},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        testsupport::OnNextModal(test.act);
        EXPECT_EQ(platform::ShowStandardMessageBox(nullptr, "Erase?", {}, test.style), test.answer);
    }

    // Abort, Retry and Ignore have no answer for Esc, nor has a box that asks not to be escaped: the
    // box waits for a button.
    const struct {
        unsigned style;
        QMessageBox::StandardButton button;
        int answer;
    } unescapable[] = {
        {MB_ABORTRETRYIGNORE, QMessageBox::Retry, IDRETRY},
        {MB_YESNO | MB_NOESCAPE, QMessageBox::Yes, IDYES},
    };
    for (const auto& test : unescapable) {
        SCOPED_TRACE(test.style);
        testsupport::OnNextModal([&](QWidget* modal) {
            pressEscape(modal);
            modal->close();
            EXPECT_TRUE(modal->isVisible());
            qobject_cast<QMessageBox*>(modal)->button(test.button)->click();
        });
        EXPECT_EQ(platform::ShowStandardMessageBox(nullptr, "Disk error.", {}, test.style), test.answer);
    }
}

TEST_F(StandardMessageBoxTest, ABoxWithoutOwnerBelongsToTheMainWindow) {
    QMainWindow main;
    main.show();
    StandardMessageBox box(nullptr, "text", {}, MB_OK);
    EXPECT_EQ(box.parentWidget(), &main);
}

}  // namespace
