// teldrin's UiBroker: nobody watches the program, so nothing waits on a window. Every message is logged
// (through the main frame, which alone writes the logs) and every question gets a fixed answer: OK to a
// notice, No to a yes/no question, Cancel otherwise; no file name; Cancel to a dialog. Only while the
// user works in a dialog they opened do that dialog's own messages (on the thread that made the broker)
// go to them; a call's messages keep the rule.
#pragma once

#include <thread>

#include "platform/base/message_target.h"
#include "platform/base/ui_broker.h"

namespace teldrin {

class TeldrinUiBroker final : public platform::UiBroker {
public:
    // `mainFrame` must outlive the broker. Made on the user-interface thread.
    explicit TeldrinUiBroker(platform::MessageTarget& mainFrame) : main_frame_(mainFrame) {}

    // While the user works in a dialog they opened: that thread's message boxes go to `user` (none:
    // back to the rule).
    void SetUserDialogBroker(platform::UiBroker* user) { user_ = user; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest& request) override;
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override;

    // The answer the rule gives a message box of `style`.
    static int AnswerFor(unsigned style);

private:
    void Log(const std::string& text) const;

    platform::MessageTarget& main_frame_;
    const std::thread::id ui_thread_ = std::this_thread::get_id();
    // Set and read on the user-interface thread only.
    platform::UiBroker* user_ = nullptr;
};

}  // namespace teldrin
