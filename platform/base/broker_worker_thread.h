// A worker thread that may ask the user through the UiBroker and keeps taking its queue while it waits.
#pragma once

#include <atomic>

#include "platform/base/answer_wait.h"
#include "platform/base/worker_thread.h"

namespace platform {

class BrokerWorkerThread : public WorkerThread, private AnswerWait {
public:
    // Wakes the thread's wait, a wait for an answer included.
    void Wake() override;
    // From any thread: the thread waits for the user's answer to a question it asked.
    bool IsWaitingForAnswer() const { return waiting_for_answer_.load(); }

protected:
    // A derived class that overrides these calls them too.
    void OnStart() override;
    void OnStop() override;

    // A message that arrives while the thread waits for the user's answer: true when it was handled
    // here at once (a cancel); the others are dispatched after the current handler returns.
    virtual bool TakeWhileAsking(Message& message);

private:
    bool Wait(const std::function<bool()>& answered) override;

    std::atomic<bool> waiting_for_answer_{false};
};

}  // namespace platform
