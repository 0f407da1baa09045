// A worker thread that may ask the user through the UiBroker and keeps taking its queue while it waits.
#include "platform/base/broker_worker_thread.h"

#include <chrono>

namespace platform {

void BrokerWorkerThread::OnStart() {
    SetThreadAnswerWait(this);
}

void BrokerWorkerThread::OnStop() {
    SetThreadAnswerWait(nullptr);
}

bool BrokerWorkerThread::TakeWhileAsking(Message&) {
    return false;
}

bool BrokerWorkerThread::Wait(const std::function<bool()>& answered) {
    waiting_for_answer_.store(true);
    // The user may take any time to answer: wait in long slices until the answer or a stop.
    WaitResult result = WaitResult::TimedOut;
    while (result == WaitResult::TimedOut) {
        result = WaitWhilePumping(answered, std::chrono::hours(1),
                                  [this](Message& message) { return TakeWhileAsking(message); });
    }
    waiting_for_answer_.store(false);
    return result == WaitResult::Done;
}

void BrokerWorkerThread::Wake() {
    WorkerThread::Wake();
}

}  // namespace platform
