// A UiBroker for tests: answers every question from a script and records what was asked, from any thread.
// It is the program's broker while it exists.
#pragma once

#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ui_broker.h"

namespace testsupport {

struct AskedQuestion {
    std::string kind;  // "MessageBox", "PromptFileName", or the dialog's name
    std::string text;  // the message, or the file dialog's title
    std::string caption;
    unsigned style = 0;  // MB_ style, or the file dialog's OFN_ flags
    platform::FileNameRequest fileRequest;
};

class ScriptedUiBroker : public platform::UiBroker {
public:
    ScriptedUiBroker();
    ~ScriptedUiBroker() override;
    ScriptedUiBroker(const ScriptedUiBroker&) = delete;
    ScriptedUiBroker& operator=(const ScriptedUiBroker&) = delete;

    // Answers in the order queued. A question without an answer fails the test and gets IDCANCEL
    // (or no file name).
    void AnswerMessageBox(int answer);
    void AnswerFileName(std::optional<std::filesystem::path> path);
    // For RunDialog(name, ...): the dialog is not run, the answer is returned instead.
    void AnswerDialog(const std::string& name, int answer);

    std::vector<AskedQuestion> Asked() const;
    std::size_t UnusedAnswers() const;

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest& request) override;
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override;

private:
    mutable std::mutex mutex_;
    std::deque<int> message_answers_;
    std::deque<std::optional<std::filesystem::path>> file_answers_;
    std::deque<std::pair<std::string, int>> dialog_answers_;
    std::vector<AskedQuestion> asked_;
};

}  // namespace testsupport
