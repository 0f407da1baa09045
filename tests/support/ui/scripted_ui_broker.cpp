// A UiBroker for tests: answers every question from a script and records what was asked, from any thread.
#include "tests/support/ui/scripted_ui_broker.h"

#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"

namespace testsupport {

ScriptedUiBroker::ScriptedUiBroker() {
    platform::InstallUiBroker(this);
}

ScriptedUiBroker::~ScriptedUiBroker() {
    platform::InstallUiBroker(nullptr);
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
    dialog_answers_.emplace_back(name, answer);
}

std::vector<AskedQuestion> ScriptedUiBroker::Asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
}

std::size_t ScriptedUiBroker::UnusedAnswers() const {
    std::lock_guard lock(mutex_);
    return message_answers_.size() + file_answers_.size() + dialog_answers_.size();
}

int ScriptedUiBroker::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    std::lock_guard lock(mutex_);
    asked_.push_back({"MessageBox", text, caption, style, {}});
    if (message_answers_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text;
        return IDCANCEL;
    }
    const int answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedUiBroker::PromptFileName(
    const platform::FileNameRequest& request) {
    std::lock_guard lock(mutex_);
    asked_.push_back({"PromptFileName", request.title, {}, request.flags, request});
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
    asked_.push_back({std::string(name), {}, {}, 0, {}});
    if (dialog_answers_.empty() || dialog_answers_.front().first != name) {
        ADD_FAILURE() << "unexpected dialog: " << name;
        return IDCANCEL;
    }
    const int answer = dialog_answers_.front().second;
    dialog_answers_.pop_front();
    return answer;
}

}  // namespace testsupport
