// How code asks the user: message boxes, file names and dialogs run on the user-interface thread.
#include "platform/base/ui_broker.h"

#include <atomic>

#include "platform/base/diagnostic_trace.h"
#include "platform/base/dialog_request.h"
#include "platform/base/program_texts.h"

namespace platform {
namespace {

// The broker while none is installed: a program without windows, or one not yet started.
class NoUserInterface : public UiBroker {
public:
    int MessageBox(const std::string& text, const std::string&, unsigned) override {
        WriteDiagnosticTrace("Message box not shown: no user interface: " + text);
        return IDCANCEL;
    }
    std::optional<std::filesystem::path> PromptFileName(const FileNameRequest& request) override {
        WriteDiagnosticTrace("File dialog not shown: no user interface: " + request.title);
        return std::nullopt;
    }
    int RunDialog(std::string_view name, const std::function<int()>&) override {
        WriteDiagnosticTrace("Dialog not shown: no user interface: " + std::string(name));
        return IDCANCEL;
    }
    // A box traces its prompt, also one meant for the own dialog, which would otherwise go to RunDialog.
    int ShowById(const CMessageBoxIds& box) override {
        WriteDiagnosticTrace("Message box " + std::to_string(box.promptId) +
                             " not shown: no user interface: " + LoadText(box.promptId));
        return IDCANCEL;
    }
    int ShowText(const CMessageBoxTexts& box) override {
        return MessageBox(box.prompt, box.caption, box.type);
    }
};

std::atomic<UiBroker*> g_installed{nullptr};

}  // namespace

int UiBroker::ShowById(const CMessageBoxIds& box) {
    if (box.useStandardBox) {
        return MessageBox(LoadText(box.promptId), box.captionId != 0 ? LoadText(box.captionId) : std::string(),
                          box.type);
    }
    return RunDialog(kOwnMessageBoxDialog, [this, &box] { return RunOwnMessageBox(box); });
}

int UiBroker::ShowText(const CMessageBoxTexts& box) {
    if (box.useStandardBox) {
        return MessageBox(box.prompt, box.caption, box.type);
    }
    return RunDialog(kOwnMessageBoxDialog, [this, &box] { return RunOwnMessageBox(box); });
}

int UiBroker::RunRequest(const RequestRef& request, const std::function<int()>& answer) {
    if (!answer) {
        TraceMissingWindow(request.Name());
        return IDCANCEL;
    }
    return RunDialog(request.Name(), answer);
}

int UiBroker::RunOwnMessageBox(const CMessageBoxIds&) {
    return IDCANCEL;
}

int UiBroker::RunOwnMessageBox(const CMessageBoxTexts&) {
    return IDCANCEL;
}

void TraceMissingWindow(std::string_view requestName) {
    WriteDiagnosticTrace("Dialog not shown: the program has no window for it: " + std::string(requestName));
}

UiBroker& CurrentUiBroker() {
    static NoUserInterface noUserInterface;
    UiBroker* installed = g_installed.load();
    return installed != nullptr ? *installed : noUserInterface;
}

UiBroker* InstallUiBroker(UiBroker* broker) {
    return g_installed.exchange(broker);
}

UiBroker* InstalledUiBroker() {
    return g_installed.load();
}

}  // namespace platform
