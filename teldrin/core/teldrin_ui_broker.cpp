#include "teldrin/core/teldrin_ui_broker.h"

#include "platform/base/message_box_flags.h"
#include "teldrin/core/teldrin_messages.h"

namespace teldrin {

int TeldrinUiBroker::AnswerFor(unsigned style) {
    switch (style & MB_TYPEMASK) {
        case MB_OK:
            return IDOK;
        case MB_YESNO:
            return IDNO;
        default:
            return IDCANCEL;
    }
}

void TeldrinUiBroker::Log(const std::string& text) const {
    main_frame_.PostMessage(
        platform::Message(WM_TELDRIN_LOG_LINE, kEventLogLine, platform::MakePayload(text)));
}

int TeldrinUiBroker::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    if (std::this_thread::get_id() == ui_thread_ && user_ != nullptr) {
        return user_->MessageBox(text, caption, style);
    }
    const int answer = AnswerFor(style);
    Log((caption.empty() ? std::string() : caption + ": ") + text + " [" + std::to_string(answer) + "]");
    return answer;
}

std::optional<std::filesystem::path> TeldrinUiBroker::PromptFileName(
    const platform::FileNameRequest& request) {
    Log(request.title + " [-]");
    return std::nullopt;
}

int TeldrinUiBroker::RunDialog(std::string_view name, const std::function<int()>&) {
    Log(std::string(name) + " [" + std::to_string(IDCANCEL) + "]");
    return IDCANCEL;
}

}  // namespace teldrin
