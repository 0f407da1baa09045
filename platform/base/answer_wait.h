// How a thread waits for an answer from the user-interface thread.
#pragma once

#include <functional>

namespace platform {

class AnswerWait {
public:
    virtual ~AnswerWait() = default;
    // Waits until answered() is true; false when the thread was asked to stop first.
    virtual bool Wait(const std::function<bool()>& answered) = 0;
    // Called from the user-interface thread once answered() has turned true.
    virtual void Wake() = 0;
};

// The wait of the calling thread; nullptr when it has none, and it then simply blocks.
AnswerWait* ThreadAnswerWait();
void SetThreadAnswerWait(AnswerWait* wait);

}  // namespace platform
