// teldrin's UiBroker: nobody watches the program, so nothing waits on a window. Every message is logged
// (through the main frame, which alone writes the logs) and every question gets a fixed answer: OK to a
// notice, No to a yes/no question, Cancel otherwise; no file name; Cancel to a dialog.
#pragma once

#include "platform/base/message_target.h"
#include "platform/base/ui_broker.h"

namespace teldrin {

class TeldrinUiBroker final : public platform::UiBroker {
public:
    // `mainFrame` must outlive the broker.
    explicit TeldrinUiBroker(platform::MessageTarget& mainFrame) : main_frame_(mainFrame) {}

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest& request) override;
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override;

    // The answer the rule gives a message box of `style`.
    static int AnswerFor(unsigned style);

private:
    void Log(const std::string& text) const;

    platform::MessageTarget& main_frame_;
};

}  // namespace teldrin
