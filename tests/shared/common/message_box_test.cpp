// The program-wide message boxes as code without windows calls them.
#include "shared/common/message_box.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>
#include <vector>

#include "platform/base/system_error_text.h"
#include "shared/common/error_texts.h"
#include "tests/support/recording_message_box.h"

namespace {

TEST(MessageBoxTest, HandsBoxesToThePresenterWithEveryArgument) {
    testsupport::RecordingMessageBox presenter;
    presenter.QueueAnswer(IDNO);
    presenter.QueueAnswer(static_cast<int>(IDC_MSGBOX_BUTTON1 | MSGBOX_CHECKED));
    EXPECT_EQ(ShowMessageBoxId(8196, MB_YESNO | MB_ICONQUESTION, true), IDNO);
    const int answer = ShowMessageBoxId(59600, MB_ICONEXCLAMATION, false, 59601, 59602, 59603, 0, 59604, 1);
    EXPECT_EQ(MessageBoxButton(answer), IDC_MSGBOX_BUTTON1);
    EXPECT_TRUE(MessageBoxChecked(answer));
    EXPECT_EQ(ShowMessageBox("Store the data?", MB_ICONQUESTION, false, "", "Store Data", "Cancel"), IDOK);

    const auto boxes = presenter.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(boxes[0].byId);
    EXPECT_EQ(boxes[0].ids.promptId, 8196u);
    EXPECT_EQ(boxes[0].ids.type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(boxes[0].ids.useStandardBox);

    const CMessageBoxIds& own = boxes[1].ids;
    EXPECT_FALSE(own.useStandardBox);
    EXPECT_EQ(own.text2Id, 59601u);
    EXPECT_EQ(own.buttonIds, (std::array<unsigned, 3>{59602, 59603, 0}));
    EXPECT_EQ(own.checkBoxLabelId, 59604u);
    EXPECT_EQ(own.initialCheck, 1);

    EXPECT_FALSE(boxes[2].byId);
    EXPECT_EQ(boxes[2].texts.prompt, "Store the data?");
    EXPECT_EQ(boxes[2].texts.buttons, (std::array<std::string, 3>{"Store Data", "Cancel", ""}));
    EXPECT_EQ(boxes[2].texts.caption, "");
}

TEST(MessageBoxTest, WithoutAUserInterfaceNoQuestionIsTakenAsAgreed) {
    EXPECT_EQ(ShowMessageBoxId(8196, MB_YESNO, true), IDCANCEL);
    EXPECT_EQ(ShowMessageBox("Continue?", MB_OKCANCEL, true), IDCANCEL);
}

TEST(MessageBoxTest, TheCheckBoxBitIsTheTopBitOnly) {
    EXPECT_EQ(MessageBoxButton(IDC_MSGBOX_BUTTON3), IDC_MSGBOX_BUTTON3);
    EXPECT_FALSE(MessageBoxChecked(IDC_MSGBOX_BUTTON3));
    EXPECT_FALSE(MessageBoxChecked(IDCANCEL));
    EXPECT_EQ(static_cast<unsigned>(IDC_MSGBOX_BUTTON2 | MSGBOX_CHECKED), 0x800004F8u);
}

TEST(MessageBoxTest, BoxesFromSeveralThreadsAreAllAnswered) {
    testsupport::RecordingMessageBox presenter;
    presenter.SetDefaultAnswer(IDYES);
    std::vector<std::thread> threads;
    std::vector<int> answers(8, 0);
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&answers, t] { answers[t] = ShowMessageBoxId(9000 + t, MB_YESNO, true); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(answers, std::vector<int>(8, IDYES));
    EXPECT_EQ(presenter.Boxes().size(), 8u);
}

TEST(MessageBoxTest, ASystemErrorIsShownWithTheCallersTextAndCaption) {
    testsupport::RecordingMessageBox presenter;
    ShowSystemErrorMessage(ENOENT, "The port /dev/ttyUSB0 cannot be opened.", "Serial port");
    const auto boxes = presenter.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].texts.prompt, "The port /dev/ttyUSB0 cannot be opened.\n\n" + SystemErrorText(ENOENT));
    EXPECT_EQ(boxes[0].texts.caption, "Serial port");
    EXPECT_EQ(boxes[0].texts.type, MB_OK);
}

}  // namespace
