// A message-box presenter for tests: records every box and answers from a script, from any thread.
// It is the process's presenter while it exists.
#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "shared/common/message_box.h"

namespace testsupport {

struct RecordedMessageBox {
    bool byId = false;
    CMessageBoxIds ids;      // when byId
    CMessageBoxTexts texts;  // otherwise
};

class RecordingMessageBox : public CMessageBoxPresenter {
public:
    RecordingMessageBox() { SetMessageBoxPresenter(this); }
    ~RecordingMessageBox() override { SetMessageBoxPresenter(nullptr); }
    RecordingMessageBox(const RecordingMessageBox&) = delete;
    RecordingMessageBox& operator=(const RecordingMessageBox&) = delete;

    // Answers in the order queued; when none is left, the default answer (IDOK unless set).
    void QueueAnswer(int answer) {
        std::lock_guard lock(mutex_);
        answers_.push_back(answer);
    }
    void SetDefaultAnswer(int answer) {
        std::lock_guard lock(mutex_);
        default_answer_ = answer;
    }

    std::vector<RecordedMessageBox> Boxes() const {
        std::lock_guard lock(mutex_);
        return boxes_;
    }

    int ShowById(const CMessageBoxIds& box) override { return Record({true, box, {}}); }
    int ShowText(const CMessageBoxTexts& box) override { return Record({false, {}, box}); }

private:
    int Record(RecordedMessageBox box) {
        std::lock_guard lock(mutex_);
        boxes_.push_back(std::move(box));
        if (answers_.empty()) {
            return default_answer_;
        }
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    mutable std::mutex mutex_;
    std::vector<RecordedMessageBox> boxes_;
    std::deque<int> answers_;
    int default_answer_ = IDOK;
};

}  // namespace testsupport
