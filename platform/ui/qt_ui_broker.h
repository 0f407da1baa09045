// The program's UiBroker: runs each question on Qt's user-interface thread while the asking thread waits.
#pragma once

#include <functional>
#include <memory>

#include "platform/base/ui_broker.h"

namespace platform {

class QtUiBroker : public UiBroker {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::filesystem::path> PromptFileName(const FileNameRequest& request) override;
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override;

    // Runs `task` on the user-interface thread (at once when called there) and returns true once it has
    // run. A thread with an AnswerWait keeps taking its queue meanwhile; when that thread is asked to
    // stop before the task began, the task is dropped and the result is false. Without a Qt
    // application nothing runs and the result is false.
    static bool RunOnUiThread(const std::function<void()>& task);
};

}  // namespace platform
