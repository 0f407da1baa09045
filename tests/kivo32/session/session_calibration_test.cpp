// Production calibration against the logger simulator: the technician's initials asked once per
// session, and the calibration window's A/D reads and scalar writes run by the session in its wait.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/answer_wait.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "shared/logger/real_time_value.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tools/loggersim/dc_inputs.h"

namespace sessiontest {
namespace {

class CalibrationTest : public HandlerFixture {
protected:
    CalibrationTest() : HandlerFixture("ornat2") {}

    void PrepareLogger() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            s.scalars[0] = 0.000915f;
            s.scalars[1] = 0.425f;
            ApplyDcInputs(s, {.volts = 500, .ampSource = 0.5F});
        });
    }

    // The window's reply to a request it posted, taken in the session's wait for the window.
    static platform::Message AwaitReply(platform::MessageQueue& replies) {
        platform::AnswerWait* wait = platform::ThreadAnswerWait();
        EXPECT_NE(wait, nullptr);
        EXPECT_TRUE(wait != nullptr && wait->Wait([&replies] { return !replies.Empty(); }));
        std::optional<platform::Message> reply = replies.TryTake();
        EXPECT_TRUE(reply.has_value());
        return reply.has_value() ? std::move(*reply) : platform::Message(0);
    }
};

TEST_F(CalibrationTest, TheInitialsAreAskedOncePerSessionAndKeptUpperCased) {
    broker_.AnswerRequest<TechNameRequest>(IDOK, [](TechNameRequest& r) { r.technician = "jd"; });
    broker_.AnswerRequest<AutoCalibrationRequest>(IDCANCEL);
    broker_.AnswerRequest<AutoCalibrationRequest>(IDCANCEL);
    Run(WM_SESSION_AUTO_CALIBRATION);
    Run(WM_SESSION_AUTO_CALIBRATION);
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].kind, "CSetTechNameDlg");
    for (const std::size_t window : {1U, 2U}) {
        const auto shown = asked[window].As<AutoCalibrationRequest>();
        EXPECT_EQ(shown.technician, "JD");
        EXPECT_FLOAT_EQ(shown.voltScalar, 0.425f);
        EXPECT_FLOAT_EQ(shown.ampScalar, 0.000915f);
        EXPECT_EQ(shown.typeCode, 2);
    }
}

TEST_F(CalibrationTest, AMeasureSamplesTheChannelsInTheWaitForTheWindow) {
    platform::MessageQueue replies;
    auto target = std::make_shared<platform::QueueMessageTarget>(replies);
    broker_.AnswerRequest<TechNameRequest>(IDOK, [](TechNameRequest& r) { r.technician = "AB"; });
    std::vector<RealTimeValue> values;
    unsigned long read = 0;
    broker_.AnswerRequest<AutoCalibrationRequest>(IDCANCEL, [&](AutoCalibrationRequest& r) {
        r.measure(target);
        platform::Message reply = AwaitReply(replies);
        read = reply.wParam;
        if (const auto* sampled = platform::PayloadAs<std::vector<RealTimeValue>>(reply)) {
            values = *sampled;
        }
    });
    Run(WM_SESSION_AUTO_CALIBRATION);
    EXPECT_EQ(read, 1u);
    EXPECT_FALSE(values.empty());
}

TEST_F(CalibrationTest, NoInitialsNoCalibration) {
    broker_.AnswerRequest<TechNameRequest>(IDCANCEL);
    Run(WM_SESSION_AUTO_CALIBRATION);
    EXPECT_EQ(broker_.Asked().size(), 1u);
}

TEST_F(CalibrationTest, TheWindowsCountsReadAndScalarWriteRunInTheWaitForIt) {
    platform::MessageQueue replies;
    auto target = std::make_shared<platform::QueueMessageTarget>(replies);
    broker_.AnswerRequest<TechNameRequest>(IDOK, [](TechNameRequest& r) { r.technician = "AB"; });
    broker_.AnswerMessageBox(IDOK);  // the scalars written
    std::string counts;
    unsigned long written = 0;
    broker_.AnswerRequest<AutoCalibrationRequest>(IDCANCEL, [&](AutoCalibrationRequest& r) {
        r.readCounts(target);
        const platform::Message read = AwaitReply(replies);
        EXPECT_EQ(read.id, WM_CALIBRATION_REPLY);
        EXPECT_EQ(read.wParam, 1u);
        counts = *platform::PayloadAs<std::string>(read);
        r.writeScalars({.a = 0.000916f, .v = 0.4261f, .r = r.thirdScalar, .replyTo = target});
        written = AwaitReply(replies).wParam;
    });
    Run(WM_SESSION_AUTO_CALIBRATION);
    // The Ornat's two lines: amp counts, then volt counts.
    EXPECT_EQ(counts, "26256\n18824");
    EXPECT_EQ(written, 1u);
    EXPECT_FLOAT_EQ(simulator_.Logger().State().scalars[1], 0.4261f);
    EXPECT_FLOAT_EQ(simulator_.Logger().State().scalars[0], 0.000916f);
}

}  // namespace
}  // namespace sessiontest
