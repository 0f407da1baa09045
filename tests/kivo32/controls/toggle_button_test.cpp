// The toggle button: the mouse and the key table toggle it and tell the dialog, some keys press the
// dialog's buttons (Esc and E cancel), all other keys do nothing; its pictures follow the look, the
// focus and the screen.
#include "kivo32/controls/toggle_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/picture_resources.h"
#include "platform/ui/control_id.h"
#include "platform/ui/dialog.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

constexpr int kToggleId = 1290;

using Sent = std::pair<unsigned, std::uintptr_t>;

// A real-time window's dialog: records what reaches it, and has the buttons the letters stand for.
class RecordingDialog : public platform::Dialog {
public:
    RecordingDialog() {
        auto* layout = new QVBoxLayout(this);
        toggle = new CToggleButton(kToggleId, this);
        layout->addWidget(toggle);
        for (const int id : {1291, 1350, 1344, 1343}) {
            auto* button = new QPushButton(this);
            platform::SetControlId(button, id);
            layout->addWidget(button);
        }
        next = new QLineEdit(this);
        layout->addWidget(next);
        platform::FindControl(this, 1350)->setEnabled(false);
    }

    void OnMessage(platform::Message& message) override { sent.emplace_back(message.id, message.wParam); }

    CToggleButton* toggle;
    QLineEdit* next;
    std::vector<Sent> sent;
};

class ToggleButtonTest : public testsupport::QtTest {
protected:
    ToggleButtonTest() {
        dialog_.show();
        dialog_.activateWindow();
        dialog_.toggle->setFocus();
        testsupport::ProcessEventsUntil([this] { return dialog_.toggle->hasFocus(); });
    }

    void Mouse(QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, dialog_.toggle->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(dialog_.toggle, &event);
    }
    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(dialog_.toggle, &event);
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        Key(QEvent::KeyPress, key, modifiers, text);
        Key(QEvent::KeyRelease, key, modifiers, text);
    }
    QPoint Inside() const { return dialog_.toggle->rect().center(); }
    QPoint Outside() const { return dialog_.toggle->rect().bottomRight() + QPoint(5, 5); }

    RecordingDialog dialog_;
};

const Sent kToggled{WM_TOGGLE_BUTTON_TOGGLED, kToggleId};

TEST_F(ToggleButtonTest, AClickInsideTogglesOnceAndTellsTheDialogAReleaseOutsideChangesNothing) {
    CToggleButton& toggle = *dialog_.toggle;
    ASSERT_FALSE(toggle.IsPressed());
    Mouse(QEvent::MouseButtonPress, Inside());
    EXPECT_FALSE(toggle.IsPressed()) << "the press alone does not toggle";
    EXPECT_FALSE(toggle.isDown());
    Mouse(QEvent::MouseButtonRelease, Inside());
    EXPECT_TRUE(toggle.IsPressed());
    EXPECT_TRUE(toggle.isDown());
    EXPECT_EQ(dialog_.sent, std::vector<Sent>{kToggled});

    Mouse(QEvent::MouseButtonPress, Inside());
    Mouse(QEvent::MouseButtonRelease, Outside());
    EXPECT_TRUE(toggle.IsPressed());
    EXPECT_TRUE(toggle.isDown());
    EXPECT_EQ(dialog_.sent.size(), 1u);

    // A double click: press, release, second press, release: one toggle.
    dialog_.sent.clear();
    Mouse(QEvent::MouseButtonPress, Inside());
    Mouse(QEvent::MouseButtonRelease, Inside());
    Mouse(QEvent::MouseButtonDblClick, Inside());
    Mouse(QEvent::MouseButtonRelease, Inside());
    EXPECT_FALSE(toggle.IsPressed());
    EXPECT_FALSE(toggle.isDown());
    EXPECT_EQ(dialog_.sent, std::vector<Sent>{kToggled});
}

TEST_F(ToggleButtonTest, OnlyTheKeysOfTheTableActAndEveryOtherKeyDoesNothing) {
    const Sent cancel{WM_COMMAND, 2};
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool toggles;
        std::vector<Sent> sent;
    } cases[] = {
        {"Esc while released", Qt::Key_Escape, Qt::NoModifier, "\x1b", false, {cancel}},
        {"Space", Qt::Key_Space, Qt::NoModifier, " ", true, {kToggled}},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", true, {kToggled}},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", true, {kToggled}},
        {"o", Qt::Key_O, Qt::NoModifier, "o", true, {kToggled}},
        {"O", Qt::Key_O, Qt::ShiftModifier, "O", true, {kToggled}},
        {"e", Qt::Key_E, Qt::NoModifier, "e", false, {cancel}},
        {"E", Qt::Key_E, Qt::ShiftModifier, "E", false, {cancel}},
        {"s", Qt::Key_S, Qt::NoModifier, "s", false, {{WM_COMMAND, 1291}}},
        {"w, its button disabled", Qt::Key_W, Qt::NoModifier, "w", false, {}},
        {"x", Qt::Key_X, Qt::NoModifier, "x", false, {{WM_COMMAND, 1344}}},
        {"Y", Qt::Key_Y, Qt::ShiftModifier, "Y", false, {{WM_COMMAND, 1343}}},
        {"Alt+O", Qt::Key_O, Qt::AltModifier, "o", false, {}},
        {"F4", Qt::Key_F4, Qt::NoModifier, "", false, {}},
        {"F8", Qt::Key_F8, Qt::NoModifier, "", false, {}},
        {"F9", Qt::Key_F9, Qt::NoModifier, "", false, {}},
        {"F10", Qt::Key_F10, Qt::NoModifier, "", false, {}},
        {"keypad /", Qt::Key_Slash, Qt::KeypadModifier, "/", false, {}},
        {"keypad 5", Qt::Key_5, Qt::KeypadModifier, "5", false, {}},
        {"keypad *", Qt::Key_Asterisk, Qt::KeypadModifier, "*", false, {}},
        {"a", Qt::Key_A, Qt::NoModifier, "a", false, {}},
        {"Esc while pressed", Qt::Key_Escape, Qt::NoModifier, "\x1b", false, {cancel}},
    };
    for (const auto& test : cases) {
        dialog_.sent.clear();
        const bool pressedBefore = dialog_.toggle->IsPressed();
        Press(test.key, test.modifiers, test.text);
        EXPECT_EQ(dialog_.toggle->IsPressed(), pressedBefore != test.toggles) << test.name;
        EXPECT_EQ(dialog_.toggle->isDown(), dialog_.toggle->IsPressed()) << test.name;
        EXPECT_EQ(dialog_.sent, test.sent) << test.name;
        EXPECT_TRUE(dialog_.isVisible()) << test.name << " ended the dialog";
        EXPECT_TRUE(dialog_.toggle->hasFocus()) << test.name;
    }
}

TEST_F(ToggleButtonTest, TabMovesTheFocusWithoutTogglingAndTheLookOutlivesTheFocus) {
    dialog_.toggle->Press();
    EXPECT_TRUE(dialog_.sent.empty()) << "Press is the program's, not the user's";
    Press(Qt::Key_Tab);
    EXPECT_TRUE(dialog_.toggle->IsPressed());
    EXPECT_FALSE(dialog_.toggle->hasFocus());
    EXPECT_TRUE(dialog_.toggle->isDown()) << "losing the focus keeps the pressed look";
    EXPECT_TRUE(dialog_.sent.empty());
    dialog_.toggle->setFocus();
    EXPECT_TRUE(dialog_.toggle->isDown());
}

TEST(ToggleButtonPictureTest, ScreensUpTo800PixelsWideTakeTheSmallPictures) {
    const std::array<unsigned, 4> small{117, 112, 109, 111};
    const std::array<unsigned, 4> large{114, 113, 115, 116};
    EXPECT_EQ(CToggleButton::PictureIds(640), small);
    EXPECT_EQ(CToggleButton::PictureIds(800), small);
    EXPECT_EQ(CToggleButton::PictureIds(801), large);
    EXPECT_EQ(CToggleButton::PictureIds(1920), large);
}

TEST_F(ToggleButtonTest, EachLookIsDrawnFromItsPicture) {
    testsupport::TempFolder folder;
    const std::pair<unsigned, QColor> pictures[] = {
        {117, Qt::red},  {112, Qt::green},  {109, Qt::blue},  {111, Qt::yellow},
        {114, Qt::cyan}, {113, Qt::magenta}, {115, Qt::gray}, {116, Qt::darkRed},
    };
    for (const auto& [id, colour] : pictures) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString((folder / (std::to_string(id) + ".bmp")).string()), "BMP"));
    }
    SetPictureResourceFolder(folder.path());
    RecordingDialog dialog;
    SetPictureResourceFolder({});
    dialog.show();
    dialog.toggle->resize(40, 20);
    const auto ids = CToggleButton::PictureIds(dialog.toggle->screen()->geometry().width());
    const auto colourOf = [&pictures](unsigned id) {
        for (const auto& [pictureId, colour] : pictures) {
            if (pictureId == id) {
                return colour;
            }
        }
        return QColor();
    };
    const auto shown = [&dialog] { return dialog.toggle->grab().toImage().pixelColor(20, 10); };

    dialog.next->setFocus();
    EXPECT_EQ(shown(), colourOf(ids[2])) << "released";
    dialog.toggle->Press();
    EXPECT_EQ(shown(), colourOf(ids[0])) << "pressed";
    dialog.activateWindow();
    dialog.toggle->setFocus();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&dialog] { return dialog.toggle->hasFocus(); }));
    EXPECT_EQ(shown(), colourOf(ids[1])) << "pressed with the focus";
    dialog.toggle->Release();
    EXPECT_EQ(shown(), colourOf(ids[3])) << "released with the focus";
}

}  // namespace
