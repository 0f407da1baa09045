// How a thread waits for an answer from the user-interface thread.
#include "platform/base/answer_wait.h"

namespace platform {
namespace {

thread_local AnswerWait* t_wait = nullptr;

}  // namespace

AnswerWait* ThreadAnswerWait() {
    return t_wait;
}

void SetThreadAnswerWait(AnswerWait* wait) {
    t_wait = wait;
}

}  // namespace platform
