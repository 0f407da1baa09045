// A value-option list of one of two setup windows, closed by Return, by a click outside it and by Tab:
// the keyboard stays in the window whose box opened it.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QWindow>
#include <functional>

#include "kivo32/controls/cb_check_list_box.h"
#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using setupeditortest::SetupFormTest;
using setupeditortest::SetupOf;

// The kW option box of channel 1 on a model-2 form.
constexpr int kOptionBox = 1093;

// Keys as the user types them: to the widget with the keyboard focus.
void TypeKey(int key, const QString& text = {}) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &event);
    }
}

void TypeLetters(const QString& letters) {
    for (const QChar letter : letters) {
        TypeKey(letter.toUpper().unicode(), letter);
    }
}

// A click as the user makes it: to the main window, which hands it to the widget holding the mouse.
void ClickAt(QWidget* target) {
    QWidget* window = target->window();
    const QPoint inWindow = target->mapTo(window, target->rect().center());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, inWindow, window->mapToGlobal(inWindow), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->windowHandle(), &event);
    }
}

TEST_F(SetupFormTest, AnOptionListClosedAnyWayLeavesTheKeyboardInItsOwnWindow) {
    CSetupTableView* other = Open(SetupOf(2));
    CSetupTableView* view = Open(SetupOf(2));
    ASSERT_NE(other, nullptr);
    ASSERT_NE(view, nullptr);
    main_->resize(1200, 900);
    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return main_->isActiveWindow(); }));
    platform::ChildFrame* frame = view->ParentFrame();
    main_->MdiArea()->setActiveSubWindow(frame);
    auto* box = Find<CCheckComboBox>(view, kOptionBox);
    auto* otherTitle = Find<QLineEdit>(other, IDC_FORM_TITLE);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(otherTitle, nullptr);
    const QString otherTitleText = otherTitle->text();

    const struct {
        const char* way;
        std::function<void()> close;
        bool focusStaysOnTheBox;  // Tab moves on to the next control of the same form
    } ways[] = {
        {"Return", [] { TypeKey(Qt::Key_Return); }, true},
        {"a click outside", [otherTitle] { ClickAt(otherTitle); }, true},
        {"Tab", [] { TypeKey(Qt::Key_Tab); }, false},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        box->setFocus();
        ASSERT_TRUE(testsupport::ProcessEventsUntil([box] { return box->hasFocus(); }));
        const std::string before = box->CodeText();
        TypeKey(Qt::Key_Space);
        CCBCheckListBox* list = box->DropDown();
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([list] { return list->hasFocus(); }));
        TypeLetters("n");  // toggles Minimum

        way.close();
        QApplication::processEvents();

        EXPECT_EQ(box->DropDown(), nullptr);
        EXPECT_NE(box->CodeText(), before);  // the checks were taken
        EXPECT_TRUE(main_->isActiveWindow());
        EXPECT_EQ(main_->MdiArea()->activeSubWindow(), frame);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(frame->isAncestorOf(focus));
        if (way.focusStaysOnTheBox) {
            EXPECT_EQ(focus, box);
        } else {
            EXPECT_NE(focus, box);
        }
        // What is typed next lands in this window, never in the other setup's title.
        const auto* typedInto = qobject_cast<QLineEdit*>(focus);
        TypeLetters("qz");
        EXPECT_EQ(otherTitle->text(), otherTitleText);
        EXPECT_EQ(QApplication::focusWidget(), focus);
        if (typedInto != nullptr) {
            EXPECT_TRUE(typedInto->text().endsWith("qz", Qt::CaseInsensitive))
                << typedInto->text().toStdString();
        }
    }
    for (CSetupTableView* each : {view, other}) {
        each->GetDocument()->SetModifiedFlag(false);
        EXPECT_TRUE(CloseFrameOf(each->GetDocument()));
    }
}

}  // namespace
