// The answers a download gets from its policy and what its outcome keeps of them: the user's program
// asks through its windows, the unattended rule keeps what came and logs it, an empty policy asks
// nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_policy.h"
#include "shared/logger/logged_download_policy.h"
#include "shared/logger/user_download_policy.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

TEST(DownloadPolicyTest, TheUsersProgramShowsEachMessageAndTheReportAndTheOutcomeKeepsThem) {
    testsupport::ScriptedUiBroker ui(IDOK);
    ui.AnswerRequest<DataRecoveryRequest>(IDC_RECOVERY_TRY_AGAIN);
    ui.AnswerRequest<OpenWithDesktopRequest>(1);
    DownloadExchange exchange(UserDownloadPolicy());
    const DownloadNotice byId{IDS_NOT_RECORDING, {}, MB_OK | MB_ICONEXCLAMATION};
    const DownloadNotice byText{0, "Cannot write /data/site.dat", MB_OK};
    exchange.Tell(byId);
    EXPECT_EQ(exchange.AskRecovery(51, false), kReadDataTryAgain);
    exchange.Tell(byText);
    exchange.ShowReport("/data/Discontinuities.txt");
    exchange.CountRecords(51);

    const std::vector<testsupport::RecordedMessageBox> boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].byId);
    EXPECT_EQ(boxes[0].ids.promptId, IDS_NOT_RECORDING);
    EXPECT_EQ(boxes[0].ids.type, unsigned{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_FALSE(boxes[1].byId);
    EXPECT_EQ(boxes[1].texts.prompt, "Cannot write /data/site.dat");
    const std::vector<testsupport::AskedQuestion> asked = ui.Asked();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().kind, "OpenWithDesktop");
    EXPECT_EQ(asked.back().As<OpenWithDesktopRequest>().path, "/data/Discontinuities.txt");

    const DownloadOutcome outcome = exchange.Finish(kReadDataTryAgain);
    EXPECT_EQ(outcome.result, kReadDataTryAgain);
    EXPECT_EQ(outcome.recordsReceived, 51);
    EXPECT_EQ(outcome.recoveries, (std::vector<RecoveryAsked>{{51, false, kReadDataTryAgain}}));
    EXPECT_EQ(outcome.notices, (std::vector<DownloadNotice>{byId, byText}));
    EXPECT_EQ(outcome.report, std::filesystem::path("/data/Discontinuities.txt"));
}

TEST(DownloadPolicyTest, TheUnattendedRuleKeepsWhatCameAndLogsItWithoutAWindow) {
    struct Case {
        int records;
        bool portLost;
        std::string event;
        std::string error;
    };
    const Case cases[] = {
        {51, false, "Communication error during download: 51 records received successfully.",
         "Error: Communication error occurred during download. 51 records received successfully."},
        {0, true, "Communication error during download: 0 records received successfully.",
         "Error: Communication error occurred during download. 0 records received successfully."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.records);
        testsupport::ScriptedUiBroker ui;
        std::vector<std::string> events;
        std::vector<std::string> errors;
        DownloadExchange exchange(
            LoggedDownloadPolicy([&](const std::string& line) { events.push_back(line); },
                                 [&](const std::string& line) { errors.push_back(line); }));
        EXPECT_EQ(exchange.AskRecovery(c.records, c.portLost), kReadDataKept);
        exchange.Tell({IDS_NOT_RECORDING, {}, MB_OK});
        exchange.ShowReport("/data/Discontinuities.txt");
        EXPECT_EQ(events, std::vector<std::string>{c.event});
        EXPECT_EQ(errors, std::vector<std::string>{c.error});
        EXPECT_TRUE(ui.Asked().empty());
        EXPECT_TRUE(ui.Boxes().empty());
        // What it did not show stays in the outcome for the log.
        const DownloadOutcome outcome = exchange.Finish(kReadDataKept);
        EXPECT_EQ(outcome.recoveries, (std::vector<RecoveryAsked>{{c.records, c.portLost, kReadDataKept}}));
        EXPECT_EQ(outcome.notices.size(), 1u);
        EXPECT_TRUE(outcome.report.has_value());
    }
}

TEST(DownloadPolicyTest, AnEmptyPolicyAsksNothingAndKeepsWhatCame) {
    testsupport::ScriptedUiBroker ui;
    DownloadExchange exchange({});
    EXPECT_EQ(exchange.AskRecovery(7, false), kReadDataKept);
    exchange.Tell({IDS_NOT_RECORDING, {}, MB_OK});
    EXPECT_TRUE(ui.Asked().empty());
    EXPECT_TRUE(ui.Boxes().empty());
    const DownloadOutcome outcome = exchange.Finish(kReadDataKept);
    EXPECT_EQ(outcome.recoveries.size(), 1u);
    EXPECT_EQ(outcome.notices.size(), 1u);
}

}  // namespace
