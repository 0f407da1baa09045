// The program's own message dialog, driven offscreen through the two message-box calls.
#include "shared/controls/msg_box_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <atomic>
#include <thread>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/message_text_width.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/message_box.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/program_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

constexpr unsigned kPrompt = 100;
constexpr unsigned kSecond = 101;
constexpr unsigned kContinue = 102;
constexpr unsigned kCancel = 103;
constexpr unsigned kStore = 104;
constexpr unsigned kRemember = 105;

QPushButton* Button(QWidget* dialog, int id) {
    return FindControlAs<QPushButton>(dialog, id);
}

void PressEscape(QWidget* dialog) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog, &escape);
}

class MsgBoxDlgTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        platform::TextTable texts = platform::EnglishTexts();
        texts.Set(kPrompt, "Transfer the setup to the logger?");
        texts.Set(kSecond, "The logger stops recording.");
        texts.Set(kContinue, "Continue");
        texts.Set(kCancel, "Cancel");
        texts.Set(kStore, "Store Data");
        texts.Set(kRemember, "Remember my answer");
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override { SetProgramTexts(platform::EnglishTexts()); }

    CProgramUiBroker broker_;
};

TEST_F(MsgBoxDlgTest, EachButtonAnswersItsControlIdAndEscAnswersCancel) {
    const std::vector<std::pair<std::function<void(QWidget*)>, int>> cases = {
        {[](QWidget* dialog) { Button(dialog, IDC_MSGBOX_BUTTON1)->click(); }, IDC_MSGBOX_BUTTON1},
        {[](QWidget* dialog) { Button(dialog, IDC_MSGBOX_BUTTON2)->click(); }, IDC_MSGBOX_BUTTON2},
        {[](QWidget* dialog) { PressEscape(dialog); }, IDCANCEL},
        {[](QWidget* dialog) { dialog->close(); }, IDCANCEL},
    };
    for (const auto& [action, expected] : cases) {
        testsupport::OnNextModal(action);
        EXPECT_EQ(ShowMessageBox("Transfer?", MB_ICONQUESTION, false, {}, "Continue", "Cancel"), expected);
    }
}

TEST_F(MsgBoxDlgTest, ACaptionTitlesTheBoxAndAddsNoLineUnderTheQuestion) {
    testsupport::OnNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Store Data");
        EXPECT_EQ(FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT1)->text(), "Transfer the setup to the logger?");
        EXPECT_EQ(FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT2)->text().trimmed(), "");
        Button(dialog, IDC_MSGBOX_BUTTON1)->click();
    });
    EXPECT_EQ(ShowMessageBoxId({.promptId = kPrompt,
                                .type = MB_ICONQUESTION,
                                .useStandardBox = false,
                                .buttonIds = {kContinue, kCancel, 0},
                                .captionId = kStore}),
              IDC_MSGBOX_BUTTON1);
}

TEST_F(MsgBoxDlgTest, TheCheckBoxSetsTheTopBitOnlyWhenItHasALabel) {
    testsupport::OnNextModal([](QWidget* dialog) {
        auto* check = FindControlAs<QCheckBox>(dialog, IDC_MSGBOX_CHECK);
        EXPECT_TRUE(check->isVisible());
        EXPECT_EQ(check->text(), "Remember my answer");
        EXPECT_FALSE(check->isChecked());
        check->click();
        Button(dialog, IDC_MSGBOX_BUTTON1)->click();
    });
    const int ticked =
        ShowMessageBoxId(kPrompt, MB_ICONQUESTION, false, 0, kContinue, kCancel, 0, kRemember, 0);
    EXPECT_EQ(static_cast<unsigned>(ticked), IDC_MSGBOX_BUTTON1 | MSGBOX_CHECKED);
    EXPECT_EQ(MessageBoxButton(ticked), IDC_MSGBOX_BUTTON1);

    // Started ticked but without a label: no check box, and never the top bit.
    testsupport::OnNextModal([](QWidget* dialog) {
        EXPECT_FALSE(FindControlAs<QCheckBox>(dialog, IDC_MSGBOX_CHECK)->isVisible());
        Button(dialog, IDC_MSGBOX_BUTTON2)->click();
    });
    EXPECT_EQ(ShowMessageBoxId(kPrompt, MB_ICONQUESTION, false, 0, kContinue, kCancel, 0, 0, 1),
              IDC_MSGBOX_BUTTON2);
}

TEST_F(MsgBoxDlgTest, EachTextWrapsAtHalfTheScreenLessTenOrStandsOnOneLine) {
    const std::string sentence = "The setup was sent to the logger, which now records with it.";
    std::string paragraph;
    for (int i = 0; i < 12; ++i) {
        paragraph += sentence + " ";
    }
    const int wrapWidth = platform::MessageWrapWidth();
    testsupport::OnNextModal([&](QWidget* dialog) {
        auto* shortText = FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT1);
        auto* longText = FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT2);
        const QFontMetrics metrics = shortText->fontMetrics();
        EXPECT_GE(shortText->width(), metrics.horizontalAdvance(shortText->text()));
        EXPECT_LE(longText->width(), wrapWidth);
        // Full lines lack less than a word of the wrap width.
        EXPECT_GT(longText->width(), wrapWidth - metrics.horizontalAdvance(" logger, "));
        EXPECT_GE(
            longText->height(),
            metrics.boundingRect(QRect(0, 0, wrapWidth, 10000), Qt::TextWordWrap, longText->text()).height());
        Button(dialog, IDC_MSGBOX_BUTTON1)->click();
    });
    ShowMessageBox(sentence, 0, false, paragraph, "Continue");
}

TEST_F(MsgBoxDlgTest, ButtonsCountFromTheFirstLabelUpToTheFirstGapAndShareOneWidth) {
    struct Case {
        std::array<std::string, 3> labels;
        std::array<bool, 3> shown;
    };
    const std::vector<Case> cases = {
        {{"Continue", "", "Store Data"}, {true, false, false}},
        {{"", "Cancel", ""}, {true, false, false}},
        {{"Continue", "Cancel", ""}, {true, true, false}},
        {{"Continue", "Cancel", "Store Data"}, {true, true, true}},
    };
    for (const Case& test : cases) {
        CMsgBoxDlg dialog("Text", 0, "", test.labels[0], test.labels[1], test.labels[2]);
        testsupport::OnNextModal([&](QWidget*) {
            int width = -1;
            for (int i = 0; i < 3; ++i) {
                QPushButton* button = Button(&dialog, IDC_MSGBOX_BUTTON1 + i);
                EXPECT_EQ(button->isVisible(), test.shown[i]) << i;
                if (button->isVisible()) {
                    EXPECT_TRUE(width == -1 || width == button->width());
                    width = button->width();
                }
            }
            EXPECT_GE(width, 60);
            Button(&dialog, IDC_MSGBOX_BUTTON1)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDC_MSGBOX_BUTTON1);
    }
}

TEST_F(MsgBoxDlgTest, TheRowOfButtonsIsCentredAndTheTextKeepsEveryLine) {
    CMsgBoxDlg dialog("Line one.\nLine two.\nLine three.\nLine four.", 0, "", "Yes", "No", "");
    testsupport::OnNextModal([&](QWidget*) {
        const QRect first = Button(&dialog, IDC_MSGBOX_BUTTON1)->geometry();
        const QRect second = Button(&dialog, IDC_MSGBOX_BUTTON2)->geometry();
        EXPECT_EQ(second.left() - first.right() - 1, 10);
        EXPECT_LE(std::abs(first.left() - (dialog.width() - second.right() - 1)), 1);
        auto* text = FindControlAs<QLabel>(&dialog, IDC_MSGBOX_TEXT1);
        EXPECT_GE(text->height(), 4 * text->fontMetrics().lineSpacing());
        EXPECT_LT(text->geometry().bottom(), first.top());
        dialog.reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(MsgBoxDlgTest, TextTwoIdZeroStillShowsABlankSecondBlockAndAnEmptyTextTwoDoesNot) {
    int buttonTopById = 0;
    testsupport::OnNextModal([&](QWidget* dialog) {
        auto* second = FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT2);
        EXPECT_TRUE(second->isVisible());
        EXPECT_EQ(second->text(), " ");
        buttonTopById = Button(dialog, IDC_MSGBOX_BUTTON1)->y();
        Button(dialog, IDC_MSGBOX_BUTTON1)->click();
    });
    ShowMessageBoxId(kPrompt, 0, false, 0, kContinue);

    int buttonTopByText = 0;
    testsupport::OnNextModal([&](QWidget* dialog) {
        EXPECT_FALSE(FindControlAs<QLabel>(dialog, IDC_MSGBOX_TEXT2)->isVisible());
        buttonTopByText = Button(dialog, IDC_MSGBOX_BUTTON1)->y();
        Button(dialog, IDC_MSGBOX_BUTTON1)->click();
    });
    ShowMessageBox(LoadText(kPrompt), 0, false, {}, "Continue");
    EXPECT_GT(buttonTopById, buttonTopByText);
}

TEST_F(MsgBoxDlgTest, OnlyTheFiveExactTypesShowAnIcon) {
    const std::vector<std::pair<unsigned, bool>> cases = {
        {0, false},
        {MB_ICONHAND, true},
        {MB_ICONQUESTION, true},
        {MB_ICONEXCLAMATION, true},
        {MB_ICONASTERISK, true},
        {MB_ICONQUESTION | MB_YESNO, false},
    };
    for (const auto& [type, icon] : cases) {
        CMsgBoxDlg dialog("Text", type, "", "OK", "", "");
        testsupport::OnNextModal([&, icon = icon](QWidget*) {
            EXPECT_EQ(FindControlAs<QLabel>(&dialog, IDC_MSGBOX_ICON)->isVisible(), icon) << type;
            dialog.reject();
        });
        dialog.DoModal();
    }
}

TEST_F(MsgBoxDlgTest, ABoxWithoutOwnerStandsOverTheMainWindowAlsoWhenAWorkerAsks) {
    QMainWindow main;
    main.show();
    testsupport::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->parentWidget(), &main);
        EXPECT_EQ(dialog->thread(), main.thread());
        Button(dialog, IDC_MSGBOX_BUTTON2)->click();
    });
    std::atomic<int> answer{0};
    std::thread worker(
        [&] { answer = ShowMessageBoxId(kPrompt, 0, false, kSecond, kContinue, kCancel, kStore); });
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return answer.load() != 0; }));
    worker.join();
    EXPECT_EQ(answer.load(), IDC_MSGBOX_BUTTON2);
}

TEST_F(MsgBoxDlgTest, TheStandardBoxIgnoresTheOwnDialogsArguments) {
    testsupport::OnNextModal([](QWidget* box) {
        EXPECT_EQ(FindControlAs<QCheckBox>(box, IDC_MSGBOX_CHECK), nullptr);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(ShowMessageBoxId(kPrompt, MB_YESNO, true, kSecond, kContinue, kCancel, kStore, kRemember, 1),
              IDYES);
}

}  // namespace
