// The program-wide message boxes as code without windows calls them.
#include "shared/common/message_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/base/diagnostic_trace.h"
#include "platform/base/program_texts.h"
#include "platform/base/system_error_text.h"
#include "shared/common/error_texts.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

TEST(MessageBoxTest, HandsBoxesToTheBrokerWithEveryArgument) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDNO);
    broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog),
                        static_cast<int>(IDC_MSGBOX_BUTTON1 | MSGBOX_CHECKED));
    broker.SetDefaultAnswer(IDOK);
    EXPECT_EQ(ShowMessageBoxId(8196, MB_YESNO | MB_ICONQUESTION, true), IDNO);
    const int answer = ShowMessageBoxId(59600, MB_ICONEXCLAMATION, false, 59601, 59602, 59603, 0, 59604, 1);
    EXPECT_EQ(MessageBoxButton(answer), IDC_MSGBOX_BUTTON1);
    EXPECT_TRUE(MessageBoxChecked(answer));
    EXPECT_EQ(ShowMessageBox("Store the data?", MB_ICONQUESTION, false, "", "Store Data", "Cancel"), IDOK);

    const auto boxes = broker.Boxes();
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

std::vector<std::string> g_traced;

void RecordTrace(std::string_view line) {
    g_traced.emplace_back(line);
}

TEST(MessageBoxTest, WithoutAUserInterfaceNoQuestionIsTakenAsAgreedAndThePromptIsTraced) {
    platform::TextTable texts;
    texts.Set(8196, "Overwrite the file?");
    SetProgramTexts(texts);
    g_traced.clear();
    platform::SetDiagnosticTrace(&RecordTrace);
    EXPECT_EQ(ShowMessageBoxId(8196, MB_YESNO, true), IDCANCEL);
    EXPECT_EQ(ShowMessageBoxId(8196, MB_ICONQUESTION, false, 0, 59602, 59603), IDCANCEL);
    EXPECT_EQ(ShowMessageBox("Continue?", MB_OKCANCEL, true), IDCANCEL);
    EXPECT_EQ(ShowMessageBox("Store the data?", MB_ICONQUESTION, false, "", "Store Data", "Cancel"),
              IDCANCEL);
    platform::SetDiagnosticTrace(nullptr);
    SetProgramTexts({});

    ASSERT_EQ(g_traced.size(), 4u);
    EXPECT_THAT(g_traced[0],
                testing::AllOf(testing::HasSubstr("8196"), testing::HasSubstr("Overwrite the file?")));
    EXPECT_THAT(g_traced[1], testing::HasSubstr("Overwrite the file?"));
    EXPECT_THAT(g_traced[2], testing::HasSubstr("Continue?"));
    EXPECT_THAT(g_traced[3], testing::HasSubstr("Store the data?"));
}

TEST(MessageBoxTest, TheCheckBoxBitIsTheTopBitOnly) {
    EXPECT_EQ(MessageBoxButton(IDC_MSGBOX_BUTTON3), IDC_MSGBOX_BUTTON3);
    EXPECT_FALSE(MessageBoxChecked(IDC_MSGBOX_BUTTON3));
    EXPECT_FALSE(MessageBoxChecked(IDCANCEL));
    EXPECT_EQ(static_cast<unsigned>(IDC_MSGBOX_BUTTON2 | MSGBOX_CHECKED), 0x800004F8u);
}

TEST(MessageBoxTest, BoxesFromSeveralThreadsAreAllAnswered) {
    testsupport::ScriptedUiBroker broker;
    broker.SetDefaultAnswer(IDYES);
    std::vector<std::thread> threads;
    std::vector<int> answers(8, 0);
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&answers, t] { answers[t] = ShowMessageBoxId(9000 + t, MB_YESNO, true); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(answers, std::vector<int>(8, IDYES));
    EXPECT_EQ(broker.Boxes().size(), 8u);
}

TEST(MessageBoxTest, ASystemErrorIsShownWithTheCallersTextAndCaption) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    ShowSystemErrorMessage(ENOENT, "The port /dev/ttyUSB0 cannot be opened.", "Serial port");
    const auto boxes = broker.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].texts.prompt, "The port /dev/ttyUSB0 cannot be opened.\n\n" + SystemErrorText(ENOENT));
    EXPECT_EQ(boxes[0].texts.caption, "Serial port");
    EXPECT_EQ(boxes[0].texts.type, MB_OK);
}

}  // namespace
