// The program's session: the questions of an open scalar, calibration or logger-ID window. The window
// lives on the user-interface thread; its logger reads and writes come here while the session waits for
// its answer, so that only the session thread touches the link. Each answer is posted as a value of
// its own.
#include "kivo32/session/logger_window_calls.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

// Enough for the counts text of every model.
constexpr int kCountsTextMax = 64;

}  // namespace

LoggerWindowAsk CSessionEL::LoggerWindowAsker() {
    return [this](LoggerWindowQuestion question) {
        Post(platform::Message(WM_SESSION_LOGGER_WINDOW, 0, platform::MakePayload(std::move(question))));
    };
}

bool CSessionEL::TakeLoggerWindowQuestion(const platform::Message& message) {
    if (message.id != WM_SESSION_LOGGER_WINDOW) {
        return false;
    }
    const auto* question = platform::PayloadAs<LoggerWindowQuestion>(message);
    if (question == nullptr || question->replyTo == nullptr) {
        return true;
    }
    LoggerWindowAnswer answer;
    if (logger_) {
        answer = AnswerLoggerWindow(*question);
    }
    question->replyTo->PostMessage(platform::Message(WM_LOGGER_WINDOW_ANSWER, answer.done ? 1 : 0,
                                                     platform::MakePayload(std::move(answer))));
    return true;
}

LoggerWindowAnswer CSessionEL::AnswerLoggerWindow(const LoggerWindowQuestion& question) {
    LoggerWindowAnswer answer;
    switch (question.call) {
        case LoggerWindowCall::kReadCounts:
            answer.done = logger_->ReadADCounts(answer.counts, kCountsTextMax) != 0;
            break;
        case LoggerWindowCall::kReadReference: {
            int index = 0;
            answer.done = logger_->ReadCalibrationReference(index, answer.voltage, answer.current) != 0;
            break;
        }
        case LoggerWindowCall::kWake:
            logger_->KickLogger();
            answer.done = true;
            break;
        case LoggerWindowCall::kSendScalars:
            PostStatusString(STATUS_TEXT, question.statusId);
            answer.done = SetLoggerScalars(question.a, question.v, question.r) != 0;
            break;
        case LoggerWindowCall::kReadIoConfig:
            answer.configuration = logger_->ReadConfiguration();
            answer.done = answer.configuration >= 0;
            break;
        case LoggerWindowCall::kWriteIoConfig:
            answer.done = logger_->WriteConfiguration(question.configuration) != 0;
            break;
    }
    return answer;
}
