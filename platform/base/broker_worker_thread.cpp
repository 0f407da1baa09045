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
    // The user may take any time to answer: wait in long slices until the answer or a stop.
    for (;;) {
        const WaitResult result = WaitWhilePumping(
            answered, std::chrono::hours(1), [this](Message& message) { return TakeWhileAsking(message); });
        if (result != WaitResult::TimedOut) {
            return result == WaitResult::Done;
        }
    }
}

void BrokerWorkerThread::Wake() {
    WorkerThread::Wake();
}

}  // namespace platform
