// The recovery question after a broken download: what it asks and what each answer means.
#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

TEST(DataRecoveryPromptTest, EachAnswerGivesItsResult) {
    struct Case {
        int answer;
        int result;
    };
    // Any other way out of the window keeps what was read.
    const Case cases[] = {{IDC_RECOVERY_TRY_AGAIN, kReadDataTryAgain},
                          {IDCANCEL, kReadDataRecoveryCancelled},
                          {IDOK, kReadDataKept},
                          {IDNO, kReadDataKept}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        testsupport::ScriptedUiBroker ui;
        ui.AnswerRequest<DataRecoveryRequest>(c.answer);
        EXPECT_EQ(AskDataRecovery(51, false), c.result);
    }
}

TEST(DataRecoveryPromptTest, TheQuestionCarriesTheRecordsAndTheLostPort) {
    for (const bool portLost : {false, true}) {
        testsupport::ScriptedUiBroker ui;
        ui.AnswerRequest<DataRecoveryRequest>(IDOK);
        AskDataRecovery(51, portLost);
        const auto asked = ui.Asked();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].kind, "CDataRecoveryDlg");
        const auto& request = asked[0].As<DataRecoveryRequest>();
        EXPECT_EQ(request.recordsReceived, 51);
        EXPECT_EQ(request.portLost, portLost);
        EXPECT_EQ(request.extraText, portLost ? LoadText(IDS_PORT_LOST) + ". " : "");
    }
}

}  // namespace
