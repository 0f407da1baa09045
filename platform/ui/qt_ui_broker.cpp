// The program's UiBroker: runs each question on Qt's user-interface thread while the asking thread waits.
#include "platform/ui/qt_ui_broker.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QThread>
#include <condition_variable>
#include <mutex>

#include "platform/base/answer_wait.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_ids.h"

namespace platform {
namespace {

// One task handed to the user-interface thread, shared by both sides so that neither outlives it.
struct UiCall {
    enum class State { Queued, Running, Done, Dropped };

    std::function<void()> task;
    std::mutex mutex;
    std::condition_variable finished;
    State state = State::Queued;
    // Set while the asking thread waits through its AnswerWait.
    AnswerWait* wake = nullptr;

    // On the user-interface thread.
    void Run() {
        {
            std::lock_guard lock(mutex);
            if (state == State::Dropped) {
                return;
            }
            state = State::Running;
        }
        task();
        std::lock_guard lock(mutex);
        state = State::Done;
        if (wake != nullptr) {
            wake->Wake();
        }
        finished.notify_all();
    }

    bool IsDone() {
        std::lock_guard lock(mutex);
        return state == State::Done;
    }
};

// Qt wants "Name (*.a *.b)"; the system's names already end in "(*.a; *.b)".
QString QtFilter(const FileFilter& filter) {
    QString name = ToQString(filter.name).trimmed();
    if (name.endsWith(')') && name.lastIndexOf('(') > 0) {
        name = name.left(name.lastIndexOf('(')).trimmed();
    }
    QStringList patterns;
    for (const auto& pattern : filter.patterns) {
        patterns << ToQString(pattern);
    }
    return name + " (" + patterns.join(' ') + ")";
}

std::optional<std::filesystem::path> RunFileDialog(const FileNameRequest& request) {
    QFileDialog dialog(nullptr, ToQString(request.title), PathToQString(request.initialFolder));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && (request.flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile
                                                                                : QFileDialog::AnyFile);
    if ((request.flags & OFN_OVERWRITEPROMPT) == 0) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    QStringList filters;
    for (const auto& filter : request.filters) {
        filters << QtFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (request.selectedFilter < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<int>(request.selectedFilter)]);
    }
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (!request.fileName.empty()) {
        dialog.selectFile(PathToQString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(dialog.selectedFiles().front());
}

}  // namespace

bool QtUiBroker::RunOnUiThread(const std::function<void()>& task) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    if (QThread::currentThread() == application->thread()) {
        task();
        return true;
    }
    auto call = std::make_shared<UiCall>();
    call->task = task;
    AnswerWait* wait = ThreadAnswerWait();
    if (wait != nullptr) {
        std::lock_guard lock(call->mutex);
        call->wake = wait;
    }
    QMetaObject::invokeMethod(
        application, [call] { call->Run(); }, Qt::QueuedConnection);

    if (wait != nullptr) {
        const bool answered = wait->Wait([&call] { return call->IsDone(); });
        std::lock_guard lock(call->mutex);
        call->wake = nullptr;
        if (answered) {
            return true;
        }
        if (call->state == UiCall::State::Queued) {
            call->state = UiCall::State::Dropped;
            return false;
        }
    }
    // A task that began may use what the caller handed it: it must end before the caller goes on.
    std::unique_lock lock(call->mutex);
    call->finished.wait(lock, [&call] { return call->state == UiCall::State::Done; });
    return true;
}

int QtUiBroker::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    int answer = IDCANCEL;
    RunOnUiThread([&] { answer = ShowStandardMessageBox(nullptr, text, caption, style); });
    return answer;
}

std::optional<std::filesystem::path> QtUiBroker::PromptFileName(const FileNameRequest& request) {
    std::optional<std::filesystem::path> path;
    RunOnUiThread([&] { path = RunFileDialog(request); });
    return path;
}

int QtUiBroker::RunDialog(std::string_view, const std::function<int()>& dialog) {
    int result = IDCANCEL;
    RunOnUiThread([&] { result = dialog(); });
    return result;
}

}  // namespace platform
