// A UiBroker for tests: answers every question from a script and records what was asked, from any thread.
#include "tests/support/scripted_ui_broker.h"

#include <gtest/gtest.h>

#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"

namespace testsupport {

ScriptedUiBroker::ScriptedUiBroker() : replaced_(platform::InstallUiBroker(this)) {}

ScriptedUiBroker::ScriptedUiBroker(int defaultAnswer) : ScriptedUiBroker() {
    default_answer_ = defaultAnswer;
}

ScriptedUiBroker::~ScriptedUiBroker() {
    platform::InstallUiBroker(replaced_);
}

void ScriptedUiBroker::AnswerMessageBox(int answer) {
    std::lock_guard lock(mutex_);
    message_answers_.push_back(answer);
}

void ScriptedUiBroker::AnswerFileName(std::optional<std::filesystem::path> path) {
    std::lock_guard lock(mutex_);
    file_answers_.push_back(std::move(path));
}

void ScriptedUiBroker::AnswerDialog(const std::string& name, int answer) {
    std::lock_guard lock(mutex_);
    dialog_answers_.push_back({name, answer, {}});
}

void ScriptedUiBroker::PushRequestAnswer(std::string_view name, RequestAnswer answer) {
    std::lock_guard lock(mutex_);
    dialog_answers_.push_back({std::string(name), IDCANCEL, std::move(answer)});
}

std::optional<ScriptedUiBroker::DialogAnswer> ScriptedUiBroker::TakeDialogAnswer(std::string_view name) {
    if (dialog_answers_.empty() || dialog_answers_.front().name != name) {
        return std::nullopt;
    }
    DialogAnswer answer = std::move(dialog_answers_.front());
    dialog_answers_.pop_front();
    return answer;
}

void ScriptedUiBroker::SetDefaultAnswer(int answer) {
    std::lock_guard lock(mutex_);
    default_answer_ = answer;
}

std::vector<AskedQuestion> ScriptedUiBroker::Asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
}

std::vector<RecordedMessageBox> ScriptedUiBroker::Boxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

std::size_t ScriptedUiBroker::UnusedAnswers() const {
    std::lock_guard lock(mutex_);
    return message_answers_.size() + file_answers_.size() + dialog_answers_.size();
}

int ScriptedUiBroker::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    std::lock_guard lock(mutex_);
    asked_.push_back({"MessageBox", text, caption, style, {}, {}});
    if (!message_answers_.empty()) {
        const int answer = message_answers_.front();
        message_answers_.pop_front();
        return answer;
    }
    if (default_answer_) {
        return *default_answer_;
    }
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDCANCEL;
}

std::optional<std::filesystem::path> ScriptedUiBroker::PromptFileName(
    const platform::FileNameRequest& request) {
    std::lock_guard lock(mutex_);
    asked_.push_back({"PromptFileName", request.title, {}, request.flags, request, {}});
    if (file_answers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title;
        return std::nullopt;
    }
    auto answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
}

int ScriptedUiBroker::RunDialog(std::string_view name, const std::function<int()>&) {
    std::lock_guard lock(mutex_);
    asked_.push_back({std::string(name), {}, {}, 0, {}, {}});
    if (const auto answer = TakeDialogAnswer(name)) {
        return answer->answer;
    }
    if (default_answer_ && name == platform::kOwnMessageBoxDialog) {
        return *default_answer_;
    }
    ADD_FAILURE() << "unexpected dialog: " << name;
    return IDCANCEL;
}

int ScriptedUiBroker::RunRequest(const platform::RequestRef& request, const std::function<int()>& answer) {
    std::optional<DialogAnswer> scripted;
    {
        std::lock_guard lock(mutex_);
        asked_.push_back({std::string(request.Name()), {}, {}, 0, {}, request.Copy()});
        scripted = TakeDialogAnswer(request.Name());
    }
    // Unlocked: the program's own answer may ask again.
    if (scripted && scripted->request) {
        return scripted->request(request, answer);
    }
    ADD_FAILURE() << "unexpected dialog request: " << request.Name();
    return IDCANCEL;
}

int ScriptedUiBroker::ShowById(const CMessageBoxIds& box) {
    {
        std::lock_guard lock(mutex_);
        boxes_.push_back({true, box, {}});
    }
    return UiBroker::ShowById(box);
}

int ScriptedUiBroker::ShowText(const CMessageBoxTexts& box) {
    {
        std::lock_guard lock(mutex_);
        boxes_.push_back({false, {}, box});
    }
    return UiBroker::ShowText(box);
}

}  // namespace testsupport
