// The command handlers against the logger simulator: what the user is asked and told, what the logger
// ends up with, the second try after an abort, and one end of command on every path.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/link_ids.h"
#include "shared/logger/logger_ids.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

using SessionHandlersTest = HandlerFixture;

TEST_F(SessionHandlersTest, ConfirmedCommandsRunOnceAndDeclinedOnesSendNothing) {
    const struct {
        const char* name;
        unsigned message;
        int answer;
        std::vector<std::string> status;
    } cases[] = {
        {"clear memory", WM_SESSION_CLEAR_MEMORY, IDC_MSGBOX_BUTTON1, {"Logger memory cleared."}},
        {"clear memory declined", WM_SESSION_CLEAR_MEMORY, IDC_MSGBOX_BUTTON2, {}},
        {"clear peak", WM_SESSION_CLEAR_PEAK, IDC_MSGBOX_BUTTON1, {"Peak values cleared."}},
        {"clear totals declined", WM_SESSION_CLEAR_TOTALS, IDCANCEL, {}},
        // Only the second button stops the memory test: a box closed without a choice goes on.
        {"memory test closed",
         WM_SESSION_MEMORY_TEST,
         IDCANCEL,
         {"Logger memory test...", "The logger memory test passed."}},
        {"memory test declined", WM_SESSION_MEMORY_TEST, IDC_MSGBOX_BUTTON2, {}},
    };
    for (const auto& entry : cases) {
        const int commands = simulator_.Logger().CommandCount();
        broker_.AnswerDialog("CMsgBoxDlg", entry.answer);
        EXPECT_EQ(Run(entry.message), entry.status) << entry.name;
        EXPECT_EQ(simulator_.Logger().CommandCount() > commands, !entry.status.empty()) << entry.name;
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_F(SessionHandlersTest, StartAndStopRecordingAskTheirOwnQuestion) {
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    EXPECT_EQ(Run(WM_SESSION_START_STOP_LOGGING),
              (std::vector<std::string>{"Reading the recording state...", " ",
                                        "Changing the recording state...", "Recording state changed."}));
    EXPECT_TRUE(simulator_.Logger().State().recording);
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    Run(WM_SESSION_START_STOP_LOGGING);
    EXPECT_FALSE(simulator_.Logger().State().recording);

    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].ids.promptId, IDS_CONFIRM_START);
    // The box's title names the action; no line of it stands under the question.
    EXPECT_EQ(boxes[0].ids.captionId, IDS_CONFIRM_START_TITLE);
    EXPECT_EQ(boxes[0].ids.text2Id, 0u);
    EXPECT_EQ(boxes[1].ids.promptId, IDS_CONFIRM_STOP);
    EXPECT_EQ(boxes[1].ids.captionId, IDS_CONFIRM_STOP_TITLE);
    EXPECT_EQ(boxes[1].ids.text2Id, 0u);
    EXPECT_EQ(boxes[1].ids.buttonIds[1], IDS_KEEP_RECORDING_BUTTON);
}

TEST_F(SessionHandlersTest, AStartCancelledHalfwayIsUndoneAndItsFailureTold) {
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    broker_.AnswerMessageBox(IDOK);
    const int commands = simulator_.Logger().CommandCount();
    // "I?" is answered; "E!" is taken and never answered, nor anything after it. The cancel comes
    // within the answer's time-out; the undo's time-outs are skipped.
    SimulatorFaults faults;
    faults.muteAfter = commands + 1;
    simulator_.Logger().SetFaults(faults);
    owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_START_STOP_LOGGING));
    ASSERT_TRUE(Eventually([&] { return simulator_.Logger().CommandCount() > commands + 1; }));
    SkipSilences();

    // What the user interface does to cancel.
    app_.Set(CAppContext::Flag::Abort, true);
    owner_.GetActiveSession()->Post(platform::Message(WM_CANCEL_COMMAND));
    ASSERT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(30s));

    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].ids.promptId, IDS_CONFIRM_START);
    // The stop that would undo the start failed too.
    EXPECT_EQ(boxes[1].ids.promptId, IDS_RESTOP_FAILED);
}

TEST_F(SessionHandlersTest, AFailureIsToldButNotAfterTheUserAborted) {
    Mute();
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_TRUE(Run(WM_SESSION_CLEAR_PEAK).empty());
    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].ids.promptId, IDS_CLEAR_PEAK_FAILED);

    // The memory test tells its failure also when aborted; reading the recording state too.
    for (const unsigned message : {WM_SESSION_MEMORY_TEST, WM_SESSION_START_STOP_LOGGING}) {
        broker_.SetDefaultAnswer(IDC_MSGBOX_BUTTON1);
        app_.Set(CAppContext::Flag::Abort, true);
        Run(message);
    }
    const auto later = broker_.Boxes();
    ASSERT_EQ(later.size(), 5u);
    EXPECT_EQ(later[3].ids.promptId, IDS_MEMORY_TEST);
    EXPECT_EQ(later[4].ids.promptId, IDS_RECORDING_STATE_FAILED);
}

TEST_F(SessionHandlersTest, TheOptionByteIsAskedAboutAndFlipped) {
    broker_.AnswerMessageBox(IDYES);
    EXPECT_EQ(Run(WM_SESSION_TOGGLE_OPTION),
              (std::vector<std::string>{"Reading the logger option...", "Logger option read.",
                                        "Writing the logger option..."}));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "The option is off (0). Turn it on (value 255)?");
    EXPECT_EQ(asked[0].caption, "Logger Option");
    EXPECT_EQ(asked[0].style, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(simulator_.Logger().State().setupMemory[0xB7E2], 255);

    broker_.AnswerMessageBox(IDNO);
    Run(WM_SESSION_TOGGLE_OPTION);
    EXPECT_EQ(simulator_.Logger().State().setupMemory[0xB7E2], 255);
}

TEST_F(SessionHandlersTest, ThePropertiesShowAFreshReportUntilOkOrCancel) {
    constexpr int kRefresh = 1500;
    broker_.AnswerRequest<LoggerPropertiesRequest>(kRefresh);
    broker_.AnswerRequest<LoggerPropertiesRequest>(IDOK);
    const int ends = CommandEnds();
    owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_LOGGER_PROPERTIES));
    ASSERT_TRUE(Eventually([this] { return broker_.UnusedAnswers() == 0; }));
    // Each report is read as a command of its own, the cursor given back before the dialog shows.
    ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends + 4; }));

    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    for (const auto& question : asked) {
        EXPECT_NE(question.As<LoggerPropertiesRequest>().report.find("Standard logger"), std::string::npos);
    }
}

TEST_F(SessionHandlersTest, ARealTimeGraphWithoutAChannelSelectionOpensNoWindow) {
    broker_.AnswerRequest<RealTimeSelectionRequest>(IDCANCEL);
    Run(WM_SESSION_REAL_TIME_GRAPH);
    EXPECT_EQ(CountOf(WM_REAL_TIME_WINDOW, 0), 0);
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].As<RealTimeSelectionRequest>().typeCode, 0);
}

}  // namespace
}  // namespace sessiontest
