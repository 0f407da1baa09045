// A UiBroker for tests: answers every question from a script and records what was asked, from any thread.
// It is the program's broker while it exists. It needs no Qt: the own message dialog is a question
// named kOwnMessageBoxDialog, answered from the script like any dialog.
#pragma once

#include <any>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/ui_broker.h"

namespace testsupport {

struct AskedQuestion {
    std::string kind;  // "MessageBox", "PromptFileName", or the dialog's name
    std::string text;  // the message, or the file dialog's title
    std::string caption;
    unsigned style = 0;  // MB_ style, or the file dialog's OFN_ flags
    platform::FileNameRequest fileRequest;
    std::any request;  // a typed request as it was asked

    // The typed request as it was asked; throws std::bad_any_cast for another question.
    template <platform::DialogRequestType Request>
    const Request& As() const {
        return std::any_cast<const Request&>(request);
    }
};

// A program-wide box (ShowMessageBoxId, ShowMessageBox) as it was described.
struct RecordedMessageBox {
    bool byId = false;
    CMessageBoxIds ids;      // when byId
    CMessageBoxTexts texts;  // otherwise
};

class ScriptedUiBroker : public platform::UiBroker {
public:
    ScriptedUiBroker();
    // With a default answer for the boxes that the script does not answer (see SetDefaultAnswer).
    explicit ScriptedUiBroker(int defaultAnswer);
    ~ScriptedUiBroker() override;
    ScriptedUiBroker(const ScriptedUiBroker&) = delete;
    ScriptedUiBroker& operator=(const ScriptedUiBroker&) = delete;

    // Answers in the order queued. A question without an answer fails the test and gets IDCANCEL
    // (or no file name), unless a default answer for message boxes is set.
    void AnswerMessageBox(int answer);
    void AnswerFileName(std::optional<std::filesystem::path> path);
    // For RunDialog(name, ...): the dialog is not run, the answer is returned instead.
    void AnswerDialog(const std::string& name, int answer);
    // For RunRequest of a `Request`: the program's answer is not run; `choose` writes the user's choices
    // into the request and `result` is the answer.
    template <platform::DialogRequestType Request>
    void AnswerRequest(int result, std::function<void(Request&)> choose = {}) {
        PushRequestAnswer(Request::kName,
                          [result, choose = std::move(choose)](const platform::RequestRef& request,
                                                               const std::function<int()>&) {
                              Request* asked = request.template As<Request>();
                              if (asked == nullptr) {
                                  ADD_FAILURE() << "another request of the name " << request.Name();
                                  return IDCANCEL;
                              }
                              if (choose) {
                                  choose(*asked);
                              }
                              return result;
                          });
    }
    // The program's own answer runs, as it would for the user (a failure when it has none).
    template <platform::DialogRequestType Request>
    void AnswerRequestByProgram() {
        PushRequestAnswer(Request::kName,
                          [](const platform::RequestRef& request, const std::function<int()>& own) {
                              if (!own) {
                                  ADD_FAILURE() << "the program has no answer for " << request.Name();
                                  return IDCANCEL;
                              }
                              return own();
                          });
    }
    // The answer of a standard box or own message dialog that the script does not answer: for tests
    // where the boxes are not the point.
    void SetDefaultAnswer(int answer);

    std::vector<AskedQuestion> Asked() const;
    std::vector<RecordedMessageBox> Boxes() const;
    std::size_t UnusedAnswers() const;

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest& request) override;
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override;
    int RunRequest(const platform::RequestRef& request, const std::function<int()>& answer) override;
    int ShowById(const CMessageBoxIds& box) override;
    int ShowText(const CMessageBoxTexts& box) override;

private:
    platform::UiBroker* replaced_ = nullptr;
    mutable std::mutex mutex_;
    std::deque<int> message_answers_;
    std::deque<std::optional<std::filesystem::path>> file_answers_;
    using RequestAnswer = std::function<int(const platform::RequestRef&, const std::function<int()>&)>;
    struct DialogAnswer {
        std::string name;
        int answer = IDCANCEL;
        RequestAnswer request;  // for a typed request; empty for RunDialog
    };
    void PushRequestAnswer(std::string_view name, RequestAnswer answer);
    // The scripted answer to dialog `name`, if the next one is for it (the caller holds the lock).
    std::optional<DialogAnswer> TakeDialogAnswer(std::string_view name);

    std::deque<DialogAnswer> dialog_answers_;
    std::optional<int> default_answer_;
    std::vector<AskedQuestion> asked_;
    std::vector<RecordedMessageBox> boxes_;
};

}  // namespace testsupport
